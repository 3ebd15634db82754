#include "platform/chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <QCategoryAxis>
#include <algorithm>
#include <cmath>

#include "model/cell.h"
#include "platform/fonts.h"
#include "platform/printer.h"
#include "platform/shown_text.h"
#include "platform/twips.h"

namespace morvadel {

namespace {

constexpr int kLineChart = 3;

// Calm, well separated colours that stay apart on a grey-scale printout too.
const QColor kPalette[] = {
    QColor(0x2F, 0x6E, 0xBA), QColor(0xE0, 0x7B, 0x28), QColor(0x3B, 0x9A, 0x57), QColor(0xC2, 0x3B, 0x3B),
    QColor(0x7E, 0x5B, 0xB5), QColor(0x1F, 0x9E, 0xA8), QColor(0xC9, 0xA2, 0x27), QColor(0x6B, 0x72, 0x7C),
};
constexpr int kPaletteSize = sizeof(kPalette) / sizeof(kPalette[0]);

const QColor kText(0x33, 0x3A, 0x44);
const QColor kGridLine(0xE2, 0xE6, 0xEB);
const QColor kAxisLine(0x9A, 0xA3, 0xAD);

QFont ChartFont(double points, bool bold = false) { return ArialFont(points, bold); }

// A label as a chart chartPx wide draws it: the letters that reach past
// the chart's width in the smallest of its label fonts (blanks taken
// together, as its text items lay them out), so that the chart shortens
// them as it would the whole label. Qt's charts shorten a label that does
// not fit a letter at a time, measuring it anew each time, which takes
// minutes for a label of many thousands: 300 letters are laid out, more
// only where they are too narrow to fill the chart, at most a few
// thousand. The data grid keeps the label whole. reachPx, when given, gets
// how wide the label is drawn: it is drawn so for every chart whose reach
// (LabelReach) falls short of that; infinity for a whole label, or one of
// the most letters, which no chart gets more of.
qreal LabelReach(int chartPx) { return std::max(chartPx, 1) + 4 * QFontMetricsF(ChartFont(7)).height(); }

QString DrawnLabel(const QString& label, int chartPx, qreal* reachPx = nullptr) {
  constexpr qsizetype kFirst = 300, kMost = 4096;
  const QFontMetricsF metrics(ChartFont(7));
  const qreal reach = LabelReach(chartPx);
  qreal width = 0;
  QString piece = LettersReaching(
      label, kFirst, kMost, reach, false, [&](const QString& p) { return metrics.horizontalAdvance(p.simplified()); },
      reachPx ? &width : nullptr);
  if (reachPx) *reachPx = piece.size() < label.size() && width > reach ? width : qInf();
  return piece;
}

// Axis range and ticks on round steps (1, 2, 2.5, 5 times a power of ten),
// always including zero so that bars grow from the base line.
struct NiceAxis {
  double min = 0, max = 1;
  int ticks = 6;
  int decimals = 1;
};

NiceAxis MakeNiceAxis(double lo, double hi) {
  lo = std::min(lo, 0.0);
  hi = std::max(hi, 0.0);
  if (!(hi - lo > 0) || !std::isfinite(hi - lo)) {
    lo = std::isfinite(lo) ? lo : 0;
    hi = lo + 1;
  }
  const double raw = (hi - lo) / 4;
  int exponent = static_cast<int>(std::floor(std::log10(raw)));
  double mantissa = 10;
  for (double m : {1.0, 2.0, 2.5, 5.0}) {
    if (m * std::pow(10.0, exponent) >= raw * (1 - 1e-9)) {
      mantissa = m;
      break;
    }
  }
  if (mantissa == 10) {
    mantissa = 1;
    ++exponent;
  }
  const double step = mantissa * std::pow(10.0, exponent);
  NiceAxis a;
  a.min = std::floor(lo / step + 1e-9) * step;
  a.max = std::ceil(hi / step - 1e-9) * step;
  a.ticks = static_cast<int>(std::lround((a.max - a.min) / step)) + 1;
  // Just enough decimals to show every step exactly (2.5 needs one more).
  a.decimals = std::max(0, -exponent + (mantissa == 2.5 ? 1 : 0));
  return a;
}

void StyleAxis(QAbstractAxis* axis) {
  axis->setLabelsFont(ChartFont(7));
  axis->setLabelsColor(kText);
  axis->setLinePenColor(kAxisLine);
  axis->setGridLineColor(kGridLine);
  axis->setShadesVisible(false);
}

bool LegendFitsBelow(const QStringList& labels, double chartWidth) {
  const QFontMetricsF fm(ChartFont(7));
  double width = 8;
  for (const QString& label : labels) width += fm.height() + 6 + fm.horizontalAdvance(label) + 10;
  return width <= chartWidth;
}

// Rough width of the value axis labels and the margins beside the plot.
constexpr double kBesidePlot = 56;

// Adjusts what depends on the chart's width: the legend goes below the plot
// when it fits in one row, else to the right, one entry a line, so that no
// legend text is cut short; the label of a single category, shown as the
// axis title, breaks into two lines where the plot is too narrow for it.
void FitToWidth(QChart* chart, double chartWidth) {
  QStringList names;
  for (auto* series : chart->series()) {
    if (auto* bars = qobject_cast<QBarSeries*>(series))
      for (auto* set : bars->barSets()) names << set->label();
    else
      names << series->name();
  }
  const bool below = LegendFitsBelow(names, chartWidth);
  chart->legend()->setAlignment(below ? Qt::AlignBottom : Qt::AlignRight);

  const auto axes = chart->axes(Qt::Horizontal);
  if (axes.isEmpty()) return;
  QAbstractAxis* axis = axes.first();
  const QString label = axis->property("singleLabel").toString();
  if (label.isEmpty()) return;
  const QFontMetricsF fm(axis->titleFont());
  double room = chartWidth - kBesidePlot;
  if (chart->legend()->isVisible() && !below) {
    double widest = 0;
    for (const QString& n : names) widest = std::max(widest, QFontMetricsF(chart->legend()->font()).horizontalAdvance(n));
    room -= widest + 30;
  }
  // The label is whole here: a label cut for drawing is wider than the chart.
  const int px = static_cast<int>(chartWidth);
  const QString drawn = DrawnLabel(label, px);
  QString shown = drawn.toHtmlEscaped();
  const qsizetype middle = label.size() / 2;
  if (drawn.size() < label.size() || fm.horizontalAdvance(label) > room) {
    // Break at the blank nearest the middle.
    qsizetype cut = -1;
    for (qsizetype i = 0; i < label.size(); ++i)
      if (label[i] == ' ' && (cut < 0 || std::abs(i - middle) < std::abs(cut - middle))) cut = i;
    if (cut > 0)
      shown = "<center>" + DrawnLabel(label.left(cut), px).toHtmlEscaped() + "<br>" +
              DrawnLabel(label.mid(cut + 1), px).toHtmlEscaped() + "</center>";
  }
  axis->setTitleText(shown);
}

}  // namespace

QString Chart::AxisNumber(double value, int decimals) {
  QLocale plain = QLocale();
  plain.setNumberOptions(QLocale::OmitGroupSeparator);
  // A tick that rounds to zero reads 0, never -0.
  if (std::abs(value) < 0.5 * std::pow(10.0, -decimals)) value = 0;
  // The minus sign is the one the grids show, not the locale's own.
  const QString digits = plain.toString(std::abs(value), 'f', decimals);
  return value < 0 ? "-" + digits : digits;
}

Chart::Chart(QWidget* parent) : QWidget(parent) {
  data_.assign(1, 0.0);
  written_.assign(1, 0);
  rowLabels_.assign(1, QString());
  columnLabels_.assign(1, QString());
  view_ = new QChartView(this);
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setFrameShape(QFrame::NoFrame);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  // The chart is built when it is shown (or refreshed while shown), not
  // here: a window fills its charts right after building them.
}

Chart::~Chart() = default;

void Chart::SetRowCount(int rows) { Reshape(std::max(rows, 1), columns_); }

void Chart::SetColumnCount(int columns) { Reshape(rows_, std::max(columns, 1)); }

// Keeps the points and labels that remain inside the new data grid.
void Chart::Reshape(int rows, int columns) {
  if (rows == rows_ && columns == columns_) return;
  std::vector<double> data(static_cast<size_t>(rows) * columns, 0.0);
  std::vector<char> written(data.size(), 0);
  for (int r = 0; r < std::min(rows, rows_); ++r)
    for (int c = 0; c < std::min(columns, columns_); ++c) {
      data[r * columns + c] = data_[r * columns_ + c];
      written[r * columns + c] = written_[r * columns_ + c];
    }
  data_ = std::move(data);
  written_ = std::move(written);
  rows_ = rows;
  columns_ = columns;
  rowLabels_.resize(rows);
  columnLabels_.resize(columns);
  dirty_ = true;
}

int Chart::RowCount() const { return rows_; }
int Chart::ColumnCount() const { return columns_; }

void Chart::SetRow(int row) { row_ = row; }
void Chart::SetColumn(int column) { column_ = column; }

bool Chart::Selected() const { return row_ >= 1 && row_ <= rows_ && column_ >= 1 && column_ <= columns_; }

void Chart::SetData(const QString& text) {
  if (!Selected()) return;
  const Converted<double> v = ToDouble(Cell::Text(text.toStdString()), decimalMark_);
  const size_t at = static_cast<size_t>(row_ - 1) * columns_ + (column_ - 1);
  data_[at] = v.ok() && std::isfinite(v.value) ? v.value : 0.0;
  written_[at] = 1;
  dirty_ = true;
}

void Chart::SetDecimalMark(char mark) { decimalMark_ = mark == ',' ? ',' : '.'; }

void Chart::SetRowLabel(const QString& label) {
  if (row_ < 1 || row_ > rows_) return;
  rowLabels_[row_ - 1] = label;
  dirty_ = true;
}

void Chart::SetColumnLabel(const QString& label) {
  if (column_ < 1 || column_ > columns_) return;
  columnLabels_[column_ - 1] = label;
  dirty_ = true;
}

void Chart::SetChartType(int type) {
  chartType_ = type;
  dirty_ = true;
}

void Chart::SetShowLegend(bool show) {
  legend_ = show;
  dirty_ = true;
}

void Chart::SetTitle(const QString& title) {
  title_ = title;
  dirty_ = true;
}

void Chart::SetSeriesInRows(bool inRows) {
  seriesInRows_ = inRows;
  dirty_ = true;
}

void Chart::SetSeriesColor(int series, const QColor& color) {
  if (series < 1) return;
  if (static_cast<int>(colors_.size()) < series) colors_.resize(series);
  colors_[series - 1] = color;
  dirty_ = true;
}

void Chart::SetLeaveOutUnnamedSeries(bool leaveOut) {
  leaveOutUnnamed_ = leaveOut;
  dirty_ = true;
}

QColor Chart::SeriesColor(int series) const {
  if (series < 1) return QColor();
  if (series <= static_cast<int>(colors_.size()) && colors_[series - 1].isValid()) return colors_[series - 1];
  return kPalette[(series - 1) % kPaletteSize];
}

double Chart::DataAt(int row, int column) const {
  if (row < 1 || row > rows_ || column < 1 || column > columns_) return 0.0;
  return data_[(row - 1) * columns_ + (column - 1)];
}

QString Chart::RowLabelAt(int row) const { return row >= 1 && row <= rows_ ? rowLabels_[row - 1] : QString(); }

QString Chart::ColumnLabelAt(int column) const {
  return column >= 1 && column <= columns_ ? columnLabels_[column - 1] : QString();
}

// A hidden chart is drawn when it is shown, once, at the size its window
// gives it: a window fills its charts before it lays them out.
void Chart::Refresh() {
  dirty_ = true;
  if (isVisible()) Rebuild();
}

QRectF Chart::PlotArea() const {
  const QChart* chart = view_->chart();
  if (!chart) return {};
  const QRectF scene = chart->mapRectToScene(chart->plotArea());
  const QRectF inView = view_->mapFromScene(scene).boundingRect();
  return inView.translated(view_->pos());
}

void Chart::showEvent(QShowEvent* event) {
  if (dirty_) Rebuild();
  QWidget::showEvent(event);
}

void Chart::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // Labels cut for a narrower chart may no longer fill this one.
  if (LabelReach(width()) >= labelsReachPx_) {
    dirty_ = true;
    if (isVisible()) Rebuild();
    return;
  }
  if (QChart* chart = view_->chart()) FitToWidth(chart, width());
}

void Chart::Rebuild() {
  QChart* old = view_->chart();
  QChart* chart = BuildChart(width(), &labelsReachPx_);
  FitToWidth(chart, width());
  view_->setChart(chart);
  delete old;
  dirty_ = false;
}

QChart* Chart::BuildChart(int widthPx, qreal* labelsReachPx) const {
  // Series and categories by the grid's orientation: normally each column
  // is a series over the rows; turned around, each row over the columns.
  const int seriesCount = seriesInRows_ ? rows_ : columns_;
  const int categoryCount = seriesInRows_ ? columns_ : rows_;
  auto value = [&](int series, int category) {
    return seriesInRows_ ? DataAt(series + 1, category + 1) : DataAt(category + 1, series + 1);
  };
  // A series that was never given a point is part of the grid but not of
  // the drawing (the value graphs fill only some rows of theirs).
  auto filled = [&](int series) {
    if (leaveOutUnnamed_ && (seriesInRows_ ? RowLabelAt(series + 1) : ColumnLabelAt(series + 1)).isEmpty())
      return false;
    for (int c = 0; c < categoryCount; ++c) {
      const int r = seriesInRows_ ? series : c, col = seriesInRows_ ? c : series;
      if (written_[r * columns_ + col]) return true;
    }
    return false;
  };
  qreal reach = qInf();
  auto drawn = [&](const QString& label) {
    qreal px = 0;
    QString piece = DrawnLabel(label, widthPx, &px);
    reach = std::min(reach, px);
    return piece;
  };
  QStringList seriesNames, categories;
  bool anyName = false;
  for (int s = 0; s < seriesCount; ++s) {
    const QString name = seriesInRows_ ? RowLabelAt(s + 1) : ColumnLabelAt(s + 1);
    anyName = anyName || !name.isEmpty();
    seriesNames << drawn(name);
  }
  for (int c = 0; c < categoryCount; ++c) categories << drawn(seriesInRows_ ? ColumnLabelAt(c + 1) : RowLabelAt(c + 1));

  double lo = 0, hi = 0;
  for (size_t i = 0; i < data_.size(); ++i) {
    if (!written_[i]) continue;
    lo = std::min(lo, data_[i]);
    hi = std::max(hi, data_[i]);
  }
  const NiceAxis nice = MakeNiceAxis(lo, hi);

  auto* chart = new QChart;
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setBackgroundRoundness(0);
  chart->setBackgroundBrush(Qt::white);
  chart->setBackgroundPen(Qt::NoPen);
  chart->setMargins(QMargins(4, 4, 8, 4));
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  if (!title_.isEmpty()) {
    chart->setTitle(drawn(title_));
    chart->setTitleFont(ChartFont(8, true));
    chart->setTitleBrush(kText);
  }

  auto* axisX = new QBarCategoryAxis;
  StyleAxis(axisX);
  axisX->setGridLineVisible(false);
  if (categoryCount == 1) {
    // One category: its label as the axis title, which may use the whole
    // width of the plot (a category label gets only half of it).
    // The blank category keeps the room of a label line, which the axis
    // counts on when it lays out its title; a tiny font keeps it thin.
    axisX->append(QStringLiteral(" "));
    axisX->setLabelsFont(ChartFont(1));
    axisX->setTitleFont(ChartFont(7));
    axisX->setTitleBrush(kText);
    axisX->setProperty("singleLabel", seriesInRows_ ? ColumnLabelAt(1) : RowLabelAt(1));
    axisX->setTitleText(categories[0].toHtmlEscaped());
  } else {
    // Empty or repeated labels still need distinct categories.
    QStringList shown;
    for (const QString& category : categories) {
      QString label = category.toHtmlEscaped();
      while (label.isEmpty() || shown.contains(label)) label += QChar(0x200B);
      shown << label;
    }
    axisX->append(shown);
  }
  // The value axis labels its ticks in the program's number format, as
  // the grids show figures: the locale's decimal mark, no grouping.
  auto* axisY = new QCategoryAxis;
  axisY->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  axisY->setRange(nice.min, nice.max);
  const double step = (nice.max - nice.min) / std::max(1, nice.ticks - 1);
  // A sliver of a first category puts a label on the axis's lowest value.
  axisY->setStartValue(nice.min - step * 1e-6);
  for (int i = 0; i < nice.ticks; ++i) {
    const double value = i == nice.ticks - 1 ? nice.max : nice.min + i * step;
    axisY->append(AxisNumber(value, nice.decimals), value);
  }
  StyleAxis(axisY);
  chart->addAxis(axisX, Qt::AlignBottom);
  chart->addAxis(axisY, Qt::AlignLeft);

  if (chartType_ == kLineChart) {
    for (int s = 0; s < seriesCount; ++s) {
      if (!filled(s)) continue;
      auto* line = new QLineSeries;
      line->setName(seriesNames[s].toHtmlEscaped());
      for (int c = 0; c < categoryCount; ++c) line->append(c, value(s, c));
      QPen pen(SeriesColor(s + 1), 2);
      pen.setCapStyle(Qt::RoundCap);
      pen.setJoinStyle(Qt::RoundJoin);
      line->setPen(pen);
      line->setPointsVisible(true);
      line->setMarkerSize(3);
      chart->addSeries(line);
      line->attachAxis(axisX);
      line->attachAxis(axisY);
    }
  } else {
    // Every other type of the design draws as the ordinary bar chart.
    auto* bars = new QBarSeries;
    bars->setBarWidth(seriesCount * categoryCount <= 2 ? 0.5 : 0.8);
    for (int s = 0; s < seriesCount; ++s) {
      if (!filled(s)) continue;
      auto* set = new QBarSet(seriesNames[s].toHtmlEscaped());
      for (int c = 0; c < categoryCount; ++c) set->append(value(s, c));
      set->setColor(SeriesColor(s + 1));
      set->setBorderColor(SeriesColor(s + 1).darker(115));
      bars->append(set);
    }
    chart->addSeries(bars);
    bars->attachAxis(axisX);
    bars->attachAxis(axisY);
  }

  QLegend* legend = chart->legend();
  legend->setVisible(legend_ && anyName);
  legend->setFont(ChartFont(7));
  legend->setLabelColor(kText);
  legend->setBackgroundVisible(false);
  legend->setBorderColor(Qt::transparent);
  legend->setMarkerShape(QLegend::MarkerShapeRectangle);
  if (labelsReachPx) *labelsReachPx = reach;
  return chart;
}

QPicture Chart::Picture(int widthTwips, int heightTwips) const { return Render(widthTwips, heightTwips, nullptr); }

QPicture Chart::Picture(int widthTwips, int heightTwips, const PlotMargins& plot) const {
  return Render(widthTwips, heightTwips, &plot);
}

QPicture Chart::Render(int widthTwips, int heightTwips, const PlotMargins* plot) const {
  const QSize size(std::max(1, PxFromTwips(widthTwips)), std::max(1, PxFromTwips(heightTwips)));

  // An offscreen copy in a scene of its own: the widget may be hidden or
  // never shown, and its own chart keeps its screen size.
  QGraphicsScene scene;
  QChart* chart = BuildChart(size.width());
  scene.addItem(chart);
  chart->setBackgroundVisible(false);
  if (plot) {
    chart->legend()->hide();
    for (QAbstractAxis* axis : chart->axes(Qt::Horizontal)) {
      axis->setLabelsVisible(false);
      axis->setTitleVisible(false);
    }
    // The value labels stand in the left margin: smaller where they would
    // not fit it whole.
    const double room = plot->left / double(kTwipsPerPixel) - 8;
    for (QAbstractAxis* axis : chart->axes(Qt::Vertical)) {
      auto* values = qobject_cast<QValueAxis*>(axis);
      if (!values) continue;
      const int decimals = values->labelFormat().mid(2, 1).toInt();
      auto widest = [&](const QFont& font) {
        double w = 0;
        for (double v : {values->min(), values->max()})
          w = std::max(w, QFontMetricsF(font).horizontalAdvance(chart->locale().toString(v, 'f', decimals)));
        return w;
      };
      QFont font = values->labelsFont();
      while (widest(font) > room && font.pointSizeF() > 4.5) font.setPointSizeF(font.pointSizeF() - 0.5);
      values->setLabelsFont(font);
    }
  } else {
    FitToWidth(chart, size.width());
  }
  if (plot) {
    const double left = plot->left / double(kTwipsPerPixel), top = plot->top / double(kTwipsPerPixel);
    const double right = plot->right / double(kTwipsPerPixel), bottom = plot->bottom / double(kTwipsPerPixel);
    chart->setPlotArea(QRectF(left, top, std::max(1.0, size.width() - left - right),
                              std::max(1.0, size.height() - top - bottom)));
  }
  chart->setGeometry(QRectF(QPointF(0, 0), QSizeF(size)));
  chart->layout()->activate();
  scene.setSceneRect(QRectF(QPointF(0, 0), QSizeF(size)));

  // Laid out in pixels of 96 an inch, as on the screen.
  return RecordDrawing(QSizeF(size) / 96.0, 96, [&](QPainter& painter) {
    scene.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)), scene.sceneRect());
  });
}

}  // namespace morvadel
