#pragma once
// The chart control "Graf1".."Graf3": a data grid of rows (categories) by
// columns (series), filled one point at a time as text, drawn with Qt Charts.
// ChartType 1 (the default) draws bars, 3 a two-dimensional line chart.
#include <QColor>
#include <QPicture>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <QtNumeric>
#include <vector>

class QChart;
class QChartView;

namespace morvadel {

class Chart : public QWidget {
  Q_OBJECT

 public:
  explicit Chart(QWidget* parent = nullptr);
  ~Chart() override;

  void SetRowCount(int rows);        // categories, at least 1
  void SetColumnCount(int columns);  // series, at least 1
  int RowCount() const;
  int ColumnCount() const;

  // Select a data point (1-based, as the data grid counts them); a point
  // outside the grid takes no data and no label.
  void SetRow(int row);
  void SetColumn(int column);
  // Value of the selected point, given as text and read as a number in the
  // user's format (see SetDecimalMark); a text that is not a number gives no
  // point (0). A series none of whose points was ever given is left out of
  // the drawing.
  void SetData(const QString& text);
  // The user's decimal mark ('.' or ','), with which SetData reads its
  // texts; '.' until set.
  void SetDecimalMark(char mark);
  void SetRowLabel(const QString& label);     // label of the selected row
  void SetColumnLabel(const QString& label);  // legend text of the selected column
  void SetChartType(int type);
  void SetShowLegend(bool show);
  void SetTitle(const QString& title);
  // Design choices of a window: series in rows turns the grid around (each
  // row a line or bar set over the columns, as the value graphs need), and
  // a series may get a colour of its own (1-based, as the data grid counts).
  void SetSeriesInRows(bool inRows);
  void SetSeriesColor(int series, const QColor& color);
  // A series without a name (its row or column label empty) is left out of
  // the drawing and the legend: the graph windows keep their unused slots
  // in the data grid, as zeros.
  void SetLeaveOutUnnamedSeries(bool leaveOut);
  QColor SeriesColor(int series) const;

  double DataAt(int row, int column) const;
  QString RowLabelAt(int row) const;
  QString ColumnLabelAt(int column) const;
  int ChartType() const { return chartType_; }

  // A value-axis label: the number with the locale's decimal mark, no
  // grouping of thousands and a plain "-", as the grids show figures.
  static QString AxisNumber(double value, int decimals);

  // Redraw after the data are set; a hidden chart is redrawn when it is
  // shown.
  void Refresh();
  // The plot area as laid out on screen, in the widget's pixels (empty
  // before the chart is first laid out): for marks a window sets beside
  // the axes.
  QRectF PlotArea() const;

  // The chart at the given size in twips, also while it is hidden, laid
  // out as on the screen and recorded as a drawing (texts stay texts, sharp
  // at any zoom), whose own size is the size asked for. It has no
  // background of its own: on a page, the paper shows through, and nothing
  // the page drew under its edges (a table's rule) is covered. Handed over
  // inside the program (never through the system clipboard).
  QPicture Picture(int widthTwips, int heightTwips) const;
  // The same for a page that prints the category names and the key to the
  // series itself: the plot fills the picture but for the margins (twips),
  // and neither category labels nor legend are drawn.
  struct PlotMargins {
    int left, top, right, bottom;
  };
  QPicture Picture(int widthTwips, int heightTwips, const PlotMargins& plot) const;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Rebuild();
  void Reshape(int rows, int columns);
  // A fresh chart of the current data and look, its labels cut for a
  // chart widthPx wide (labelsReachPx gets how far the narrowest cut one
  // reaches, infinity when none was); the caller owns it.
  QChart* BuildChart(int widthPx, qreal* labelsReachPx = nullptr) const;
  QPicture Render(int widthTwips, int heightTwips, const PlotMargins* plot) const;
  bool Selected() const;

  int rows_ = 1, columns_ = 1, row_ = 1, column_ = 1;
  int chartType_ = 1;
  char decimalMark_ = '.';
  bool legend_ = false;
  QString title_;
  std::vector<double> data_;   // rows_ x columns_
  std::vector<char> written_;  // the points that were given data
  std::vector<QString> rowLabels_, columnLabels_;
  bool seriesInRows_ = false;
  bool leaveOutUnnamed_ = false;
  bool dirty_ = true;
  // How far the shown chart's cut labels reach: they are cut again once
  // the chart is too wide for them.
  qreal labelsReachPx_ = qInf();
  std::vector<QColor> colors_;  // chosen series colours; invalid = default
  QChartView* view_ = nullptr;
};

}  // namespace morvadel
