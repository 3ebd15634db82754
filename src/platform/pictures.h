#pragma once
// The program's pictures, drawn by the program itself: title banners in
// each language, the icons of the picture buttons, and a few decorations.
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPicture>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QToolButton>
#include <vector>

namespace morvadel {

enum class IconKind {
  New, Open, Save, SaveAs, Exit,       // workbook commands
  Print, ExportSheet, ExportWeb, ExportDoc, ExportDocAppend,
  Back, Forward, Previous, Menu, Help, Continue, Sum, Average, Graph,
  Croatian, English,                   // the language choice
};

// Title banner with the product title; language 1 Croatian, 2 English.
QPixmap Banner(int language, QSize size);
QIcon Icon(IconKind kind);
// The program's logo, the banner's emblem on the banner's blue, filling a
// square of `side` from the painter's origin: the desktop's icon of the program.
void DrawLogo(QPainter& p, double side);
// A thin horizontal rule and a picture of an industry-ratio source
// (1 Dun and Bradstreet, 2 Prentice Hall, 3 Robert Morris).
QPixmap Rule(QSize size);
QPixmap SourcePicture(int source, QSize size);
// The table the printed ratio page writes its rows over, a drawing of 9.25
// by 2 inches: a heading band and rules that fall between the printed rows
// (heads, period names, numerator, denominator, ratio, dynamics) and
// between the label column and the six value columns.
QPicture RatioTableBackground();
// The same table under the printed value graphs (period names, then the five
// accounts), the first value cell of each account row in its series colour
// as on the screen: the key to the chart's lines.
QPicture ValueTableBackground(const std::vector<QColor>& rowColours);
// A period button of the graph windows: the numeral on a tile; the marked
// tile shows the period on screen.
QPixmap PeriodPicture(const QString& numeral, bool marked, QSize size);
// A legend of square colour keys in a column, one key a colour from the
// top, the first centred firstCentre below the picture's top and each next
// one pitch lower (inches), so that a page can stand each key beside its
// row: a drawing of `size` in pixels at 96 dots an inch, which is also its
// printed size.
QPicture LegendKeys(const std::vector<QColor>& colours, QSize size, double firstCentre, double pitch);

// A picture drawn afresh for the size it is shown at: at least its design
// size, and as wide as its window lets it be, so that a banner or a rule
// spans an enlarged window.
class StretchedPicture : public QLabel {
  Q_OBJECT
 public:
  StretchedPicture(QSize designSize, QWidget* parent);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  virtual QPixmap Draw(QSize size) const = 0;
  // Draws the picture again at the current size.
  void Redraw();
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QSize design_;
  bool stale_ = true;  // to be drawn at the next show
};

// The title banner of a window in its language (1 Croatian, 2 English).
class BannerPicture : public StretchedPicture {
  Q_OBJECT
 public:
  BannerPicture(int language, QSize designSize, QWidget* parent);
  void SetLanguage(int language);
  int Language() const { return language_; }

 protected:
  QPixmap Draw(QSize size) const override;

 private:
  int language_;
};

// A thin horizontal rule.
class RulePicture : public StretchedPicture {
  Q_OBJECT
 public:
  RulePicture(QSize designSize, QWidget* parent);

 protected:
  QPixmap Draw(QSize size) const override;
};

// A flat button that shows a picture, as the windows' picture buttons.
class PictureButton : public QToolButton {
  Q_OBJECT
 public:
  PictureButton(IconKind kind, QWidget* parent = nullptr, int sizePx = 40);
};

}  // namespace morvadel
