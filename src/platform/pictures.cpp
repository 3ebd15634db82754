#include "platform/pictures.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "platform/printer.h"

namespace morvadel {

namespace {

// The icons share one small palette: an ink for outlines and one accent
// each, so that the buttons of every window look like one family.
struct Palette {
  QColor ink, paper, blue, lightBlue, green, lightGreen, yellow, darkYellow, red, grey;
};

Palette Colours(bool enabled) {
  if (enabled)
    return {QColor(0x27, 0x38, 0x4A), QColor(0xFF, 0xFF, 0xFF), QColor(0x2F, 0x6E, 0xBA), QColor(0xDC, 0xE7, 0xF5),
            QColor(0x2E, 0x8B, 0x57), QColor(0xCF, 0xEB, 0xDA), QColor(0xF2, 0xB6, 0x3D), QColor(0xD8, 0x96, 0x1E),
            QColor(0xD0, 0x44, 0x3C), QColor(0x5D, 0x6D, 0x7E)};
  // Disabled: the same drawing in greys.
  const QColor dark(0xA3, 0xAA, 0xB2), mid(0xC4, 0xC9, 0xCE), light(0xE6, 0xE8, 0xEB);
  return {dark, QColor(0xF7, 0xF8, 0xF9), mid, light, mid, light, mid, dark, mid, mid};
}

QFont SansFont(double pixels, bool bold) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  f.setBold(bold);
  return f;
}

QFont SerifFont(double pixels, bool bold) {
  QFont f(QStringLiteral("Liberation Serif"));
  f.setStyleHint(QFont::Serif);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  f.setBold(bold);
  return f;
}

QPen InkPen(const QColor& c, double width) {
  QPen pen(c, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& ink, double width = 3.5) {
  p.setPen(width > 0 ? InkPen(ink, width) : QPen(Qt::NoPen));
  p.setBrush(fill);
  p.drawPath(path);
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& pt : points) {
    if (first)
      path.moveTo(pt);
    else
      path.lineTo(pt);
    first = false;
  }
  path.closeSubpath();
  return path;
}

// Text as a path, centred on a point of the 64-unit grid.
QPainterPath CentredText(const QString& text, const QFont& font, QPointF centre) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF box = path.boundingRect();
  path.translate(centre - box.center());
  return path;
}

// A sheet of paper with a folded corner.
void Page(QPainter& p, const Palette& c, const QColor& fold, double x0 = 13, double x1 = 51) {
  const double y0 = 5, y1 = 59, f = 13;
  Shape(p, Polygon({{x0, y0}, {x1 - f, y0}, {x1, y0 + f}, {x1, y1}, {x0, y1}}), c.paper, c.ink);
  Shape(p, Polygon({{x1 - f, y0}, {x1 - f, y0 + f}, {x1, y0 + f}}), fold, c.ink);
}

void TextLines(QPainter& p, const QColor& colour, double x0, double x1, std::initializer_list<double> ys) {
  p.setPen(InkPen(colour, 3.2));
  int i = 0;
  for (double y : ys) {
    // Every other line a little shorter, as a paragraph looks.
    p.drawLine(QPointF(x0, y), QPointF(i % 2 ? x1 - 7 : x1, y));
    ++i;
  }
}

void Floppy(QPainter& p, const Palette& c) {
  Shape(p, Polygon({{7, 7}, {49, 7}, {57, 15}, {57, 57}, {7, 57}}), c.blue, c.ink);
  QPainterPath shutter;
  shutter.addRect(QRectF(18, 7, 27, 17));
  Shape(p, shutter, c.lightBlue, c.ink, 3);
  QPainterPath slot;
  slot.addRect(QRectF(35, 11, 5, 9));
  Shape(p, slot, c.ink, c.ink, 0);
  QPainterPath label;
  label.addRoundedRect(QRectF(15, 33, 34, 24), 2, 2);
  Shape(p, label, c.paper, c.ink, 3);
  p.setPen(InkPen(c.lightBlue.darker(125), 2.5));
  p.drawLine(QPointF(21, 41), QPointF(43, 41));
  p.drawLine(QPointF(21, 48), QPointF(43, 48));
}

void Arrow(QPainter& p, const Palette& c, bool right) {
  QPainterPath path = Polygon({{5, 32}, {28, 9}, {28, 22}, {58, 22}, {58, 42}, {28, 42}, {28, 55}});
  if (right) path = QTransform(-1, 0, 0, 1, 64, 0).map(path);
  Shape(p, path, c.blue, c.ink, 3.2);
}

void Tile(QPainter& p, const Palette& c) {
  QPainterPath tile;
  tile.addRoundedRect(QRectF(6, 6, 52, 52), 9, 9);
  Shape(p, tile, c.lightBlue, c.ink, 3);
}

// The Croatian coat of arms, simplified: a shield of five by five squares,
// red in the top-left corner, on the middle of the flag.
constexpr int kShieldSquares = 5;
const QRectF kShieldBox(25, 12.5, 14, 17);

QRectF ShieldSquare(int row, int col) {
  const double side = kShieldBox.width() / kShieldSquares;
  return QRectF(kShieldBox.left() + col * side, kShieldBox.top() + row * side, side, side);
}

QPainterPath CroatianShield() {
  // Straight sides, then a round base that meets in a point.
  const QRectF b = kShieldBox;
  const double sides = b.top() + b.height() * 0.55;
  QPainterPath path(b.topLeft());
  path.lineTo(b.right(), b.top());
  path.lineTo(b.right(), sides);
  path.quadTo(b.right(), b.bottom() - 1.5, b.center().x(), b.bottom());
  path.quadTo(b.left(), b.bottom() - 1.5, b.left(), sides);
  path.closeSubpath();
  return path;
}

void LanguageBadge(QPainter& p, const Palette& c, bool english, bool enabled) {
  const QRectF flag(5, 7, 54, 34);
  QPainterPath outline;
  outline.addRoundedRect(flag, 4, 4);
  p.save();
  p.setClipPath(outline);
  if (english) {
    // A white field with a red cross: plain enough to read at button size.
    p.fillRect(flag, c.paper);
    const QColor red = enabled ? QColor(0xC8, 0x10, 0x2E) : c.red;
    p.fillRect(QRectF(flag.center().x() - 4.5, flag.top(), 9, flag.height()), red);
    p.fillRect(QRectF(flag.left(), flag.center().y() - 4.5, flag.width(), 9), red);
  } else {
    // Three bands, red, white and blue, and in the middle the red-and-white
    // chequered shield without which the tricolour is another country's.
    const double h = flag.height() / 3;
    const QColor red = enabled ? QColor(0xD5, 0x2B, 0x1E) : c.red;
    p.fillRect(QRectF(flag.left(), flag.top(), flag.width(), h), red);
    p.fillRect(QRectF(flag.left(), flag.top() + h, flag.width(), h), c.paper);
    p.fillRect(QRectF(flag.left(), flag.top() + 2 * h, flag.width(), h + 0.5),
               enabled ? QColor(0x17, 0x3F, 0x8C) : c.grey);
    const QPainterPath shield = CroatianShield();
    p.save();
    p.setClipPath(shield, Qt::IntersectClip);
    p.fillRect(kShieldBox, c.paper);
    for (int row = 0; row < kShieldSquares; ++row)
      for (int col = 0; col < kShieldSquares; ++col)
        if ((row + col) % 2 == 0) p.fillRect(ShieldSquare(row, col), red);
    p.restore();
    p.setPen(InkPen(red.darker(130), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shield);
  }
  p.restore();
  p.setPen(InkPen(c.ink, 2.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(outline);
  p.setPen(Qt::NoPen);
  p.setBrush(c.ink);
  p.drawPath(CentredText(english ? QStringLiteral("EN") : QStringLiteral("HR"), SansFont(18, true), {32, 52}));
}

// Draws one icon on the 64-unit grid.
void DrawIcon(QPainter& p, IconKind kind, bool enabled) {
  const Palette c = Colours(enabled);
  switch (kind) {
    case IconKind::New:
      Page(p, c, c.lightBlue);
      break;
    case IconKind::Open:
      Shape(p, Polygon({{5, 13}, {23, 13}, {28, 19}, {52, 19}, {52, 52}, {5, 52}}), c.darkYellow, c.ink);
      Shape(p, Polygon({{5, 52}, {13, 28}, {61, 28}, {52, 52}}), c.yellow, c.ink);
      break;
    case IconKind::Save:
      Floppy(p, c);
      break;
    case IconKind::SaveAs: {
      p.save();
      p.scale(0.82, 0.82);
      Floppy(p, c);
      p.restore();
      // A pencil across the lower right corner.
      p.save();
      p.translate(46, 46);
      p.rotate(-45);
      QPainterPath body;
      body.addRect(QRectF(-14, -5, 24, 10));
      Shape(p, body, c.yellow, c.ink, 3);
      Shape(p, Polygon({{10, -5}, {19, 0}, {10, 5}}), c.paper, c.ink, 3);
      QPainterPath cap;
      cap.addRect(QRectF(-19, -5, 5, 10));
      Shape(p, cap, c.red, c.ink, 3);
      p.restore();
      break;
    }
    case IconKind::Exit: {
      QPainterPath door;
      door.addRect(QRectF(8, 5, 27, 54));
      Shape(p, door, c.lightBlue, c.ink);
      p.setPen(Qt::NoPen);
      p.setBrush(c.ink);
      p.drawEllipse(QPointF(28, 33), 2.6, 2.6);
      Shape(p, Polygon({{24, 27}, {42, 27}, {42, 17}, {60, 32}, {42, 47}, {42, 37}, {24, 37}}), c.red, c.ink, 3);
      break;
    }
    case IconKind::Print: {
      QPainterPath paper;
      paper.addRect(QRectF(18, 5, 28, 20));
      Shape(p, paper, c.paper, c.ink, 3);
      QPainterPath body;
      body.addRoundedRect(QRectF(5, 22, 54, 25), 5, 5);
      Shape(p, body, c.grey, c.ink, 3);
      p.setPen(Qt::NoPen);
      p.setBrush(c.lightGreen);
      p.drawEllipse(QPointF(50, 30), 2.6, 2.6);
      QPainterPath out;
      out.addRect(QRectF(15, 38, 34, 21));
      Shape(p, out, c.paper, c.ink, 3);
      TextLines(p, c.blue, 21, 43, {45, 51});
      break;
    }
    case IconKind::ExportSheet: {
      const QColor dark = enabled ? c.green.darker(120) : c.ink;
      QPainterPath sheet;
      sheet.addRoundedRect(QRectF(6, 9, 52, 46), 3, 3);
      Shape(p, sheet, c.paper, dark);
      p.save();
      p.setClipPath(sheet);
      p.fillRect(QRectF(6, 9, 52, 12), c.green);
      p.fillRect(QRectF(6, 21, 13, 34), c.lightGreen);
      p.setPen(InkPen(dark, 2));
      for (double x : {19.0, 32.0, 45.0}) p.drawLine(QPointF(x, 9), QPointF(x, 55));
      for (double y : {21.0, 29.5, 38.0, 46.5}) p.drawLine(QPointF(6, y), QPointF(58, y));
      p.restore();
      p.setPen(InkPen(dark, 3.5));
      p.setBrush(Qt::NoBrush);
      p.drawPath(sheet);
      break;
    }
    case IconKind::ExportWeb: {
      QPainterPath globe;
      globe.addEllipse(QPointF(32, 32), 26, 26);
      Shape(p, globe, c.blue, c.ink, 0);
      p.save();
      p.setClipPath(globe);
      p.setPen(InkPen(c.paper, 2.6));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(32, 32), 11, 26);
      p.drawLine(QPointF(32, 4), QPointF(32, 60));
      p.drawLine(QPointF(4, 32), QPointF(60, 32));
      p.drawLine(QPointF(4, 19), QPointF(60, 19));
      p.drawLine(QPointF(4, 45), QPointF(60, 45));
      p.restore();
      p.setPen(InkPen(c.ink, 3.5));
      p.setBrush(Qt::NoBrush);
      p.drawPath(globe);
      break;
    }
    case IconKind::ExportDoc:
      Page(p, c, c.blue);
      TextLines(p, c.blue, 20, 44, {27, 35, 43, 51});
      p.setPen(InkPen(c.blue, 4));
      p.drawLine(QPointF(20, 15), QPointF(33, 15));
      break;
    case IconKind::ExportDocAppend: {
      Page(p, c, c.blue, 7, 45);
      TextLines(p, c.blue, 14, 38, {27, 35, 43});
      p.setPen(InkPen(c.blue, 4));
      p.drawLine(QPointF(14, 15), QPointF(27, 15));
      QPainterPath badge;
      badge.addEllipse(QPointF(47, 47), 14, 14);
      Shape(p, badge, c.green, c.paper, 3);
      p.setPen(InkPen(c.paper, 4.5));
      p.drawLine(QPointF(47, 40), QPointF(47, 54));
      p.drawLine(QPointF(40, 47), QPointF(54, 47));
      break;
    }
    case IconKind::Back:
      Arrow(p, c, false);
      break;
    case IconKind::Forward:
      Arrow(p, c, true);
      break;
    case IconKind::Previous: {
      QPainterPath ring;
      ring.addEllipse(QPointF(32, 32), 26, 26);
      Shape(p, ring, c.lightBlue, c.ink);
      p.setPen(InkPen(c.blue, 7));
      p.setBrush(Qt::NoBrush);
      p.drawPolyline(QPolygonF({QPointF(37, 18), QPointF(23, 32), QPointF(37, 46)}));
      break;
    }
    case IconKind::Menu: {
      QPainterPath house = Polygon({{13, 30}, {51, 30}, {51, 58}, {13, 58}});
      Shape(p, house, c.paper, c.ink);
      Shape(p, Polygon({{4, 33}, {32, 7}, {60, 33}, {51, 33}, {32, 16}, {13, 33}}), c.blue, c.ink, 3);
      QPainterPath door;
      door.addRect(QRectF(26, 40, 12, 18));
      Shape(p, door, c.blue, c.ink, 3);
      break;
    }
    case IconKind::Help: {
      QPainterPath circle;
      circle.addEllipse(QPointF(32, 32), 26, 26);
      Shape(p, circle, c.blue, c.ink);
      p.setPen(Qt::NoPen);
      p.setBrush(c.paper);
      p.drawPath(CentredText(QStringLiteral("?"), SansFont(38, true), {32, 33}));
      break;
    }
    case IconKind::Continue: {
      QPainterPath circle;
      circle.addEllipse(QPointF(32, 32), 26, 26);
      Shape(p, circle, c.green, c.ink);
      p.setPen(InkPen(c.paper, 6));
      p.setBrush(Qt::NoBrush);
      p.drawLine(QPointF(18, 32), QPointF(44, 32));
      p.drawPolyline(QPolygonF({QPointF(34, 21), QPointF(45, 32), QPointF(34, 43)}));
      break;
    }
    case IconKind::Sum: {
      Tile(p, c);
      QPen pen = InkPen(c.blue, 5.5);
      pen.setCapStyle(Qt::SquareCap);
      pen.setJoinStyle(Qt::MiterJoin);
      p.setPen(pen);
      p.setBrush(Qt::NoBrush);
      p.drawPolyline(QPolygonF({QPointF(44, 21), QPointF(44, 16), QPointF(19, 16), QPointF(33, 32),
                                QPointF(19, 48), QPointF(44, 48), QPointF(44, 43)}));
      break;
    }
    case IconKind::Average: {
      Tile(p, c);
      QFont f = SerifFont(50, true);
      f.setItalic(true);
      p.setPen(Qt::NoPen);
      p.setBrush(c.blue);
      p.drawPath(CentredText(QStringLiteral("x"), f, {32, 39}));
      p.setPen(InkPen(c.blue, 5));
      p.drawLine(QPointF(20, 17), QPointF(44, 17));
      break;
    }
    case IconKind::Graph: {
      // Three bars on a base line with a rising line over them.
      Tile(p, c);
      const double bars[][2] = {{15, 36}, {27, 28}, {39, 20}};
      const QColor fills[] = {c.blue, c.green, c.yellow};
      for (int i = 0; i < 3; ++i) {
        QPainterPath bar;
        bar.addRect(QRectF(bars[i][0], bars[i][1], 9, 47 - bars[i][1]));
        Shape(p, bar, fills[i], c.ink, 2.2);
      }
      p.setPen(InkPen(c.ink, 2.6));
      p.drawLine(QPointF(12, 47), QPointF(52, 47));
      p.setPen(InkPen(c.red, 3.2));
      p.setBrush(Qt::NoBrush);
      p.drawPolyline(QPolygonF({QPointF(14, 30), QPointF(25, 22), QPointF(35, 25), QPointF(50, 12)}));
      break;
    }
    case IconKind::Croatian:
      LanguageBadge(p, c, false, enabled);
      break;
    case IconKind::English:
      LanguageBadge(p, c, true, enabled);
      break;
  }
}

// Draws the icon afresh at every size asked for, sharp on any screen.
class DrawnIconEngine : public QIconEngine {
 public:
  explicit DrawnIconEngine(IconKind kind) : kind_(kind) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    const double side = std::min(rect.width(), rect.height());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2);
    painter->scale(side / 64.0, side / 64.0);
    DrawIcon(*painter, kind_, mode != QIcon::Disabled);
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter painter(&pm);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pm;
  }

  QIconEngine* clone() const override { return new DrawnIconEngine(kind_); }
  QString key() const override { return QStringLiteral("morvadel.drawn"); }

 private:
  IconKind kind_;
};

// A pixmap of the given size, sharp on a high-density screen.
QPixmap Canvas(QSize size) {
  size = size.expandedTo(QSize(1, 1));
  const double ratio = std::max(1.0, qApp ? qApp->devicePixelRatio() : 1.0);
  QPixmap pm(size * ratio);
  pm.setDevicePixelRatio(ratio);
  pm.fill(Qt::transparent);
  return pm;
}

// The largest font of the family at most maxPixels high that fits the width.
QFont FitFont(QFont font, double maxPixels, const QString& text, double width) {
  double px = maxPixels;
  font.setPixelSize(std::max(1, static_cast<int>(px)));
  while (px > 6 && QFontMetricsF(font).horizontalAdvance(text) > width) {
    px -= 0.5;
    font.setPixelSize(static_cast<int>(px));
  }
  return font;
}

// The emblem, the program's logo: three bars and an upward stroke in a
// rounded square of side e at (ex, ey), its outline drawn for a banner h high.
void Emblem(QPainter& p, double ex, double ey, double e, double h) {
  QPainterPath tile;
  tile.addRoundedRect(QRectF(ex, ey, e, e), e * 0.18, e * 0.18);
  p.setPen(QPen(QColor(255, 255, 255, 90), std::max(1.0, h * 0.018)));
  p.setBrush(QColor(255, 255, 255, 28));
  p.drawPath(tile);
  const double bw = e * 0.15, base = ey + e * 0.8;
  const double heights[] = {0.25, 0.42, 0.6};
  for (int i = 0; i < 3; ++i) {
    const double bx = ex + e * 0.2 + i * (bw + e * 0.07);
    p.fillRect(QRectF(bx, base - e * heights[i], bw, e * heights[i]), QColor(255, 255, 255, 235));
  }
  p.setPen(QPen(QColor(0xF0, 0xC0, 0x50), std::max(1.5, e * 0.07), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(QPolygonF({QPointF(ex + e * 0.18, ey + e * 0.5), QPointF(ex + e * 0.45, ey + e * 0.32),
                            QPointF(ex + e * 0.58, ey + e * 0.4), QPointF(ex + e * 0.82, ey + e * 0.18)}));
}

// The banner's blue, darkest at the top left.
QLinearGradient BannerBlue(double w, double h) {
  QLinearGradient bg(0, 0, w, h);
  bg.setColorAt(0, QColor(0x12, 0x2C, 0x4A));
  bg.setColorAt(0.55, QColor(0x1C, 0x4A, 0x80));
  bg.setColorAt(1, QColor(0x2C, 0x6A, 0xB2));
  return bg;
}

}  // namespace

QPixmap Banner(int language, QSize size) {
  QPixmap pm = Canvas(size);
  const double w = size.width(), h = size.height();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  p.fillRect(QRectF(0, 0, w, h), BannerBlue(w, h));

  // A faint rising bar chart with its trend on the right: the subject of the
  // program, kept quiet behind the text.
  const double barW = h * 0.16, gap = h * 0.09;
  const int bars = 6;
  double x = w - h * 0.25 - bars * (barW + gap);
  QPainterPath trend;
  for (int i = 0; i < bars; ++i) {
    const double bh = h * (0.22 + 0.1 * i);
    p.fillRect(QRectF(x, h - bh, barW, bh), QColor(255, 255, 255, 22 + 4 * i));
    const QPointF top(x + barW / 2, h - bh - h * 0.1);
    if (i == 0)
      trend.moveTo(top);
    else
      trend.lineTo(top);
    x += barW + gap;
  }
  p.setPen(QPen(QColor(0xE8, 0xB9, 0x4F, 150), std::max(1.5, h * 0.03), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(trend);

  const double e = h * 0.62, ex = h * 0.22, ey = (h - e) / 2 - h * 0.02;
  Emblem(p, ex, ey, e, h);

  // Title and subtitle, shrunk where the banner is narrow.
  const QString title = QStringLiteral("Morvadel");
  const QString subtitle = language == 2 ? QStringLiteral("Financial Statement Analysis")
                                         : QStringLiteral("Financijska analiza poslovanja");
  const double tx = ex + e + h * 0.25;
  const double room = std::max(10.0, w - tx - h * 0.2);
  const QFont titleFont = FitFont(SansFont(h * 0.42, true), h * 0.42, title, room);
  QFont subFont = SansFont(h * 0.2, false);
  subFont.setLetterSpacing(QFont::PercentageSpacing, 104);
  subFont = FitFont(subFont, h * 0.2, subtitle, room);
  const QFontMetricsF tm(titleFont), sm(subFont);
  const double block = tm.ascent() + tm.descent() * 0.3 + sm.height();
  const double top = (h - block) / 2 - h * 0.02;
  const double titleBase = top + tm.ascent();
  p.setFont(titleFont);
  p.setPen(QColor(0, 0, 0, 70));
  p.drawText(QPointF(tx + h * 0.015, titleBase + h * 0.02), title);
  p.setPen(Qt::white);
  p.drawText(QPointF(tx, titleBase), title);
  p.setFont(subFont);
  p.setPen(QColor(0xDC, 0xE7, 0xF5));
  p.drawText(QPointF(tx + 1, titleBase + tm.descent() * 0.3 + sm.ascent() + h * 0.03), subtitle);

  // A gold edge along the bottom.
  p.fillRect(QRectF(0, h - std::max(2.0, h * 0.045), w, std::max(2.0, h * 0.045)), QColor(0xE3, 0xB4, 0x48));
  return pm;
}

QIcon Icon(IconKind kind) { return QIcon(new DrawnIconEngine(kind)); }

QPixmap Rule(QSize size) {
  QPixmap pm = Canvas(size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = size.width(), h = size.height();
  QLinearGradient g(0, 0, w, 0);
  g.setColorAt(0, QColor(0x2F, 0x6E, 0xBA, 0));
  g.setColorAt(0.15, QColor(0x2F, 0x6E, 0xBA, 200));
  g.setColorAt(0.85, QColor(0x2F, 0x6E, 0xBA, 200));
  g.setColorAt(1, QColor(0x2F, 0x6E, 0xBA, 0));
  const double t = std::min(2.0, h);
  p.fillRect(QRectF(0, (h - t) / 2, w, t), g);
  return pm;
}

QPixmap SourcePicture(int source, QSize size) {
  QString name;
  QColor spine;
  switch (source) {
    case 1:
      name = QStringLiteral("Dun & Bradstreet");
      spine = QColor(0x1F, 0x3F, 0x6E);
      break;
    case 2:
      name = QStringLiteral("Prentice Hall");
      spine = QColor(0x7A, 0x26, 0x34);
      break;
    default:
      name = QStringLiteral("Robert Morris Associates");
      spine = QColor(0x23, 0x5E, 0x45);
      break;
  }
  QPixmap pm = Canvas(size);
  const double w = size.width(), h = size.height();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  // A book cover: a coloured spine, a cream face, the name set in a serif.
  const QRectF card(0.5, 0.5, w - 1, h - 1);
  const double r = std::min(w, h) * 0.08;
  QPainterPath outline;
  outline.addRoundedRect(card, r, r);
  QLinearGradient face(0, 0, w, h);
  face.setColorAt(0, QColor(0xFB, 0xF8, 0xF1));
  face.setColorAt(1, QColor(0xEE, 0xE8, 0xDA));
  p.fillPath(outline, face);
  const double spineW = std::max(4.0, w * 0.09);
  p.save();
  p.setClipPath(outline);
  p.fillRect(QRectF(0, 0, spineW, h), spine);
  p.fillRect(QRectF(spineW, 0, std::max(1.0, w * 0.012), h), spine.lighter(160));
  p.restore();
  p.setPen(QPen(spine.darker(110), 1));
  p.setBrush(Qt::NoBrush);
  p.drawPath(outline);

  const QRectF text(spineW + w * 0.06, h * 0.1, w - spineW - w * 0.1, h * 0.8);
  // One line when it fits at a good size, else two, shrunk until it fits.
  QFont font = SerifFont(h * 0.34, true);
  for (double px = h * 0.34; px > 6; px -= 0.5) {
    font.setPixelSize(static_cast<int>(px));
    const QRectF need = QFontMetricsF(font).boundingRect(text, Qt::AlignCenter | Qt::TextWordWrap, name);
    if (need.width() <= text.width() && need.height() <= text.height()) break;
  }
  p.setFont(font);
  p.setPen(spine.darker(115));
  p.drawText(text, Qt::AlignCenter | Qt::TextWordWrap, name);
  return pm;
}

namespace {

// The ruled table of the printed ratio and value-graph pages, 9.25 by 2
// inches: a heading band down to the first row rule, rules between the
// printed rows, and column rules between the label column and the value
// fields, 1.1 apart from 2.53 (the fields start at 2.58 from the table's
// left edge). Row k below the band may colour its first value cell.
QPicture RuledTable(const std::vector<double>& rowRules, const std::vector<QColor>& rowColours) {
  constexpr double kWidth = 9.25, kHeight = 2.0;  // inches
  constexpr double kFirstColumnRule = 2.53, kColumnStep = 1.1;
  return RecordDrawing(QSizeF(kWidth, kHeight), 1, [&](QPainter& p) {
    const QColor band(0xE6, 0xEC, 0xF4), label(0xF5, 0xF7, 0xFA), rule(0xA9, 0xB4, 0xC2), frame(0x4A, 0x55, 0x63);
    p.fillRect(QRectF(0, 0, kWidth, rowRules.front()), band);
    p.fillRect(QRectF(0, rowRules.front(), kFirstColumnRule, kHeight - rowRules.front()), label);
    for (size_t k = 0; k < rowColours.size() && k < rowRules.size(); ++k) {
      const double top = rowRules[k], bottom = k + 1 < rowRules.size() ? rowRules[k + 1] : kHeight;
      if (rowColours[k].isValid()) p.fillRect(QRectF(kFirstColumnRule, top, kColumnStep, bottom - top), rowColours[k]);
    }
    p.setPen(QPen(rule, 0.008));
    for (double y : rowRules) p.drawLine(QPointF(0, y), QPointF(kWidth, y));
    for (int k = 0; k < 6; ++k) {
      const double x = kFirstColumnRule + kColumnStep * k;
      p.drawLine(QPointF(x, 0), QPointF(x, kHeight));
    }
    p.setPen(QPen(frame, 0.016));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.008, 0.008, kWidth - 0.016, kHeight - 0.016));
  });
}

}  // namespace

// The ratio page puts the table at (1.02, 2.25): the rules fall midway
// between the printed lines (head at 2.46, then the rows at 2.71, 3.05,
// 3.36, 3.66 and 3.96, each about 0.16 high).
QPicture RatioTableBackground() { return RuledTable({0.415, 0.735, 1.04, 1.36, 1.66}, {}); }

// The value-graph page puts it at (1.02, 1.75): the period names at 1.91,
// then the accounts 0.3 apart from 2.21, the labels 0.05 lower.
QPicture ValueTableBackground(const std::vector<QColor>& rowColours) {
  return RuledTable({0.42, 0.72, 1.02, 1.32, 1.62}, rowColours);
}

QPixmap PeriodPicture(const QString& numeral, bool marked, QSize size) {
  QPixmap pm = Canvas(size);
  const double w = size.width(), h = size.height();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRectF tile(1, 1, w - 2, h - 2);
  QPainterPath outline;
  outline.addRoundedRect(tile, h * 0.18, h * 0.18);
  const QColor ink(0x27, 0x38, 0x4A), blue(0x2F, 0x6E, 0xBA);
  if (marked) {
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, blue.lighter(115));
    g.setColorAt(1, blue.darker(115));
    p.fillPath(outline, g);
    p.setPen(QPen(QColor(0xE3, 0xB4, 0x48), 2));
  } else {
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(0xFA, 0xFB, 0xFD));
    g.setColorAt(1, QColor(0xDC, 0xE7, 0xF5));
    p.fillPath(outline, g);
    p.setPen(QPen(ink.lighter(160), 1));
  }
  p.setBrush(Qt::NoBrush);
  p.drawPath(outline);
  p.setFont(FitFont(SerifFont(h * 0.5, true), h * 0.5, numeral, w * 0.8));
  p.setPen(marked ? Qt::white : ink);
  p.drawText(tile, Qt::AlignCenter, numeral);
  return pm;
}

QPicture LegendKeys(const std::vector<QColor>& colours, QSize size, double firstCentre, double pitch) {
  size = size.expandedTo(QSize(1, 1));
  return RecordDrawing(QSizeF(size) / 96.0, 96, [&](QPainter& p) {
    // Square keys as wide as the picture, no taller than a pitch leaves
    // room for, at the centres asked for (pixels of 96 an inch).
    const double step = pitch * 96, first = firstCentre * 96;
    const double side = std::max(4.0, std::min<double>(size.width() - 2, step - 4));
    const double x = (size.width() - side) / 2;
    p.setPen(QPen(Qt::black, 1));
    for (size_t i = 0; i < colours.size(); ++i) {
      const QRectF key(x, first + static_cast<double>(i) * step - side / 2, side, side);
      p.fillRect(key, colours[i]);
      p.drawRect(key);
    }
  });
}

StretchedPicture::StretchedPicture(QSize designSize, QWidget* parent)
    : QLabel(parent), design_(designSize.expandedTo(QSize(0, 0))) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  setMinimumSize(design_);
}

QSize StretchedPicture::sizeHint() const { return design_; }
QSize StretchedPicture::minimumSizeHint() const { return design_; }

// Drawn when shown, at the size then given: a window built in one language
// and shown in the other draws its banner once.
void StretchedPicture::Redraw() {
  if (!isVisible()) {
    stale_ = true;
    return;
  }
  stale_ = false;
  if (width() > 0 && height() > 0) setPixmap(Draw(size()));
}

void StretchedPicture::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  if (isVisible() && (stale_ || pixmap().deviceIndependentSize().toSize() != size())) Redraw();
}

void StretchedPicture::showEvent(QShowEvent* event) {
  QLabel::showEvent(event);
  if (stale_ || pixmap().deviceIndependentSize().toSize() != size()) Redraw();
}

BannerPicture::BannerPicture(int language, QSize designSize, QWidget* parent)
    : StretchedPicture(designSize, parent), language_(language) {
  Redraw();
}

void BannerPicture::SetLanguage(int language) {
  language_ = language;
  Redraw();
}

QPixmap BannerPicture::Draw(QSize size) const { return Banner(language_, size); }

RulePicture::RulePicture(QSize designSize, QWidget* parent) : StretchedPicture(designSize, parent) { Redraw(); }

QPixmap RulePicture::Draw(QSize size) const { return Rule(size); }

PictureButton::PictureButton(IconKind kind, QWidget* parent, int sizePx) : QToolButton(parent) {
  setIcon(Icon(kind));
  setIconSize(QSize(sizePx, sizePx));
  setToolButtonStyle(Qt::ToolButtonIconOnly);
  setAutoRaise(true);
  setCursor(Qt::PointingHandCursor);
  setFixedSize(sizePx + 10, sizePx + 10);
  setStyleSheet(QStringLiteral(
      "QToolButton { border: 1px solid transparent; border-radius: 6px; background: transparent; padding: 4px; }"
      "QToolButton:hover { background: rgba(47, 110, 186, 28); border-color: rgba(47, 110, 186, 120); }"
      "QToolButton:pressed { background: rgba(47, 110, 186, 60); }"
      "QToolButton:focus { border-color: rgba(47, 110, 186, 160); }"));
}

void DrawLogo(QPainter& p, double side) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  // The banner's emblem on the banner's blue, filling the square as the
  // emblem fills the banner's height.
  const double margin = side * 0.03, s = side - 2 * margin;
  QPainterPath square;
  square.addRoundedRect(QRectF(margin, margin, s, s), s * 0.2, s * 0.2);
  p.setPen(Qt::NoPen);
  p.setBrush(BannerBlue(side, side));
  p.drawPath(square);
  const double e = s * 0.78;
  Emblem(p, (side - e) / 2, (side - e) / 2, e, e / 0.62);
  p.restore();
}

}  // namespace morvadel
