// The chart control: its data grid filled as text, its labels, its type, and
// the picture it hands to the printed pages.
#include <gtest/gtest.h>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QPointer>
#include <QFontMetricsF>
#include <QTest>
#include <QTextBoundaryFinder>
#include <cstdlib>
#include <vector>

#include "platform/chart.h"
#include "platform/fonts.h"
#include "platform/printer.h"
#include "platform/twips.h"

namespace morvadel {
namespace {

// Pixels that differ from the top-left corner (the chart's background).
int InkedPixels(const QImage& image) {
  const QRgb bg = image.pixel(0, 0);
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) != bg;
  return n;
}

// Screenshots for a look by eye, when MORVADEL_SHOTS names a folder.
void Shot(const QImage& image, const char* name) {
  if (const char* dir = std::getenv("MORVADEL_SHOTS")) image.save(QString(dir) + "/" + name + ".png");
}

// What the chart draws once it is shown.
QChart* Drawn(Chart& chart) {
  if (!chart.isVisible()) chart.show();
  return chart.findChild<QChartView*>()->chart();
}

TEST(Chart, DataAreReadAsNumbersFromTextInTheUsersFormat) {
  struct Case {
    char mark;
    const char* text;
    double value;
  } cases[] = {{',', "12,5", 12.5}, {'.', "12.5", 12.5}, {',', "12.5", 0},  {'.', "1,5", 0},
               {',', "-3", -3},     {'.', " 7 ", 7},     {',', "", 0},      {'.', "abc", 0},
               {',', "1.2.3", 0},   {'.', "1e3", 0},     {',', "1234,5", 1234.5}};
  for (const Case& c : cases) {
    Chart chart;
    chart.SetDecimalMark(c.mark);
    chart.SetData("99");  // overwritten: a later text replaces the value
    chart.SetData(c.text);
    EXPECT_DOUBLE_EQ(chart.DataAt(1, 1), c.value) << "text '" << c.text << "' with mark " << c.mark;
  }
}

TEST(Chart, PointsAndLabelsGoToTheSelectedRowAndColumn) {
  Chart chart;
  chart.SetRowCount(3);
  chart.SetColumnCount(2);
  chart.SetRow(2);
  chart.SetColumn(2);
  chart.SetData("4");
  chart.SetRowLabel("Current ratio");
  chart.SetColumnLabel("2023");
  chart.SetRow(3);
  chart.SetColumn(1);
  chart.SetData("5");
  EXPECT_EQ(chart.DataAt(2, 2), 4);
  EXPECT_EQ(chart.DataAt(3, 1), 5);
  EXPECT_EQ(chart.DataAt(1, 1), 0);
  EXPECT_EQ(chart.RowLabelAt(2), "Current ratio");
  EXPECT_EQ(chart.ColumnLabelAt(2), "2023");
  EXPECT_EQ(chart.RowLabelAt(1), "");

  // A point outside the grid takes nothing and disturbs nothing.
  chart.SetRow(4);
  chart.SetData("9");
  chart.SetRowLabel("outside");
  chart.SetRow(0);
  chart.SetData("9");
  EXPECT_EQ(chart.DataAt(4, 1), 0);
  EXPECT_EQ(chart.RowCount(), 3);
  EXPECT_EQ(chart.DataAt(3, 1), 5);
  EXPECT_EQ(chart.RowLabelAt(3), "");

  // Growing the grid keeps the points that remain.
  chart.SetColumnCount(4);
  EXPECT_EQ(chart.DataAt(2, 2), 4);
  EXPECT_EQ(chart.DataAt(3, 1), 5);
  EXPECT_EQ(chart.ColumnLabelAt(2), "2023");
  chart.SetRowCount(0);
  EXPECT_EQ(chart.RowCount(), 1);
}

TEST(Chart, ColumnsAreBarSetsNamedByTheirLabelsOverTheRows) {
  Chart chart;
  chart.SetRowCount(2);
  chart.SetColumnCount(3);
  for (int c = 1; c <= 3; ++c) {
    chart.SetColumn(c);
    chart.SetColumnLabel(QString("P%1").arg(c));
    for (int r = 1; r <= 2; ++r) {
      chart.SetRow(r);
      chart.SetData(QString::number(10 * r + c));
    }
  }
  chart.Refresh();
  ASSERT_EQ(Drawn(chart)->series().size(), 1);
  auto* bars = qobject_cast<QBarSeries*>(Drawn(chart)->series()[0]);
  ASSERT_NE(bars, nullptr);
  ASSERT_EQ(bars->count(), 3);
  EXPECT_EQ(bars->barSets()[1]->label(), "P2");
  EXPECT_EQ(bars->barSets()[1]->at(0), 12);
  EXPECT_EQ(bars->barSets()[1]->at(1), 22);
}

TEST(Chart, LabelsOfAnyLengthAreDrawnFromTheirStartAndKeptWholeInTheGrid) {
  // 100,000 letters: drawn whole, Qt would shorten them a letter at a time
  // and the window would take minutes to open.
  const QString longLabel = QString("Zalihe ").repeated(100000 / 7);
  for (int type : {1, 3}) {
    Chart chart;
    chart.SetChartType(type);
    chart.SetShowLegend(true);
    chart.SetTitle(longLabel);
    chart.SetRowCount(2);
    chart.SetColumnCount(2);
    for (int c = 1; c <= 2; ++c) {
      chart.SetColumn(c);
      chart.SetColumnLabel(c == 1 ? longLabel : "P2");
      for (int r = 1; r <= 2; ++r) {
        chart.SetRow(r);
        chart.SetRowLabel(r == 1 ? longLabel : "R2");
        chart.SetData(QString::number(10 * r + c));
      }
    }
    chart.Refresh();
    QChart* drawn = Drawn(chart);
    EXPECT_EQ(chart.ColumnLabelAt(1), longLabel);
    EXPECT_EQ(chart.RowLabelAt(1), longLabel);
    QStringList names;
    for (auto* series : drawn->series()) {
      if (auto* bars = qobject_cast<QBarSeries*>(series))
        for (auto* set : bars->barSets()) names << set->label();
      else
        names << series->name();
    }
    ASSERT_EQ(names.size(), 2) << type;
    EXPECT_TRUE(longLabel.startsWith(names[0]) && names[0].size() >= 100 && names[0].size() <= 300) << type;
    EXPECT_EQ(names[1], "P2");
    EXPECT_TRUE(longLabel.startsWith(drawn->title()) && drawn->title().size() <= 300) << type;
    if (type == 1) {
      auto* axis = qobject_cast<QBarCategoryAxis*>(drawn->axes(Qt::Horizontal).value(0));
      ASSERT_NE(axis, nullptr);
      EXPECT_TRUE(longLabel.toHtmlEscaped().startsWith(axis->at(0)) && axis->at(0).size() <= 300);
      EXPECT_EQ(axis->at(1), "R2");
    }
  }
}

// Cut short for drawing, a label still ends with a whole letter: an accent
// stays with its letter and an emoji with its skin tone.
TEST(Chart, LongLabelsAreCutBetweenLetters) {
  const struct {
    QString label;
    qsizetype drawn;  // units drawn of it
  } cases[] = {
      {"a" + QString::fromUtf8("e\u0301").repeated(1000), 299},
      {"ab" + QString::fromUtf8("\U0001F44D\U0001F3FD").repeated(1000), 298},
  };
  for (const auto& c : cases) {
    Chart chart;
    chart.SetChartType(3);
    chart.SetSeriesInRows(true);
    chart.SetShowLegend(true);
    chart.SetTitle(c.label);
    chart.SetRowCount(1);
    chart.SetColumnCount(2);
    chart.SetRow(1);
    chart.SetRowLabel(c.label);
    for (int col = 1; col <= 2; ++col) {
      chart.SetColumn(col);
      chart.SetData(QString::number(col));
    }
    chart.Refresh();
    QChart* drawn = Drawn(chart);
    ASSERT_EQ(drawn->series().size(), 1);
    for (const QString& shown : {drawn->series()[0]->name(), drawn->title()}) {
      EXPECT_EQ(shown.size(), c.drawn);
      EXPECT_TRUE(c.label.startsWith(shown));
    }
    EXPECT_EQ(chart.RowLabelAt(1), c.label);
  }
}

// True when a letter (grapheme cluster) of the text begins or ends at pos.
bool BetweenLetters(const QString& text, qsizetype pos) {
  QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, text);
  letters.setPosition(pos);
  return letters.isAtBoundary();
}

// A label whose first 300 letters are too narrow to fill the chart (of no
// width, a letter with many accents, narrow letters) is drawn as far as it
// reaches past the chart, also once the chart grows, so that the chart
// shortens it as it would the whole label.
TEST(Chart, LongLabelsReachPastTheChartWhateverTheirLetters) {
  const QString words = QString("Zalihe ").repeated(1000);
  const struct {
    const char* name;
    QString label;
  } cases[] = {
      {"zero-width spaces", QString(QChar(0x200B)).repeated(300) + words},
      {"soft hyphens", QString(QChar(0x00AD)).repeated(300) + words},
      {"300 accents", "e" + QString(QChar(0x0301)).repeated(300) + " " + words},
      {"narrow letters", QString("i").repeated(100000)},
      {"Devanagari", QString::fromUtf8("कुल परिसंपत्तियाँ ").repeated(5000)},
  };
  const QFontMetricsF metrics(ArialFont(7));  // the smallest label font
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Chart chart;
    chart.resize(900, 500);
    chart.SetChartType(3);
    chart.SetSeriesInRows(true);
    chart.SetShowLegend(true);
    chart.SetTitle(c.label);
    chart.SetRowCount(1);
    chart.SetColumnCount(2);
    chart.SetRow(1);
    chart.SetRowLabel(c.label);
    for (int col = 1; col <= 2; ++col) {
      chart.SetColumn(col);
      chart.SetData(QString::number(col));
    }
    chart.Refresh();
    for (int width : {900, 1800}) {
      chart.resize(width, 500);
      QChart* drawn = Drawn(chart);
      ASSERT_EQ(drawn->series().size(), 1);
      for (const QString& shown : {drawn->series()[0]->name(), drawn->title()}) {
        EXPECT_TRUE(c.label.startsWith(shown)) << width;
        EXPECT_TRUE(BetweenLetters(c.label, shown.size())) << width;
        EXPECT_LT(shown.size(), c.label.size()) << width;
        EXPECT_GT(metrics.horizontalAdvance(shown.simplified()), width) << width;
      }
    }
  }
}

// A chart widened a pixel at a time keeps the labels it cut while they
// still reach past it, as a chart built at the new width would cut them,
// and cuts them again only once it passes what they reach.
TEST(Chart, ACutLabelIsCutAgainOnlyOnceTheChartPassesWhatItReaches) {
  const QString label = QString("Zalihe ").repeated(1000);
  Chart chart;
  chart.resize(900, 500);
  // One line of two points, the label its series' name and the title.
  chart.SetChartType(3);
  chart.SetSeriesInRows(true);
  chart.SetShowLegend(true);
  chart.SetTitle(label);
  chart.SetColumnCount(2);
  chart.SetRowLabel(label);
  chart.SetData("1");
  chart.SetColumn(2);
  chart.SetData("2");
  chart.Refresh();
  const QFontMetricsF metrics(ArialFont(7));  // the smallest label font
  QPointer<QChart> before = Drawn(chart);
  int rebuilt = 0;
  for (int width = 901; width <= 1800; ++width) {
    SCOPED_TRACE(width);
    const qreal reach = width + 4 * metrics.height();
    const bool stillReaches = metrics.horizontalAdvance(before->series()[0]->name().simplified()) > reach &&
                              metrics.horizontalAdvance(before->title().simplified()) > reach;
    chart.resize(width, 500);
    QChart* drawn = Drawn(chart);
    ASSERT_EQ(drawn == before.data(), stillReaches);
    rebuilt += !stillReaches;
    for (const QString& shown : {drawn->series()[0]->name(), drawn->title()}) {
      ASSERT_TRUE(label.startsWith(shown));
      ASSERT_GT(metrics.horizontalAdvance(shown.simplified()), reach);
    }
    before = drawn;
  }
  EXPECT_GE(rebuilt, 1);
  EXPECT_LE(rebuilt, 3);
}

// The label of a single category, shown as the axis title, breaks at the
// blank nearest the middle of the whole label, however long it is.
TEST(Chart, ALongSingleLabelBreaksNearTheMiddleOfTheWholeLabel) {
  const QString label = "Ukupno " + QString("x").repeated(3000) + " " + QString("y").repeated(3000);
  Chart chart;
  chart.resize(900, 500);
  chart.SetRowCount(1);
  chart.SetColumnCount(2);
  chart.SetRow(1);
  chart.SetRowLabel(label);
  for (int col = 1; col <= 2; ++col) {
    chart.SetColumn(col);
    chart.SetData(QString::number(col));
  }
  chart.Refresh();
  QAbstractAxis* axis = Drawn(chart)->axes(Qt::Horizontal).value(0);
  ASSERT_NE(axis, nullptr);
  const QString title = axis->titleText();
  EXPECT_TRUE(title.startsWith("<center>Ukupno xxx")) << title.left(40).toStdString();
  EXPECT_TRUE(title.contains("<br>yyy")) << title.left(40).toStdString();
  EXPECT_EQ(chart.RowLabelAt(1), label);
}

TEST(Chart, TypeThreeDrawsOneLinePerSeriesAndLeavesOutSeriesWithoutData) {
  // Rows 2 to 6 filled, row 1 never given a point, as the value graphs do.
  Chart chart;
  chart.SetRowCount(6);
  chart.SetColumnCount(3);
  for (int r = 2; r <= 6; ++r)
    for (int c = 1; c <= 3; ++c) {
      chart.SetRow(r);
      chart.SetColumn(c);
      chart.SetData(QString::number(10 * r + c));
    }
  chart.SetChartType(3);
  chart.Refresh();
  EXPECT_EQ(chart.ChartType(), 3);
  auto series = Drawn(chart)->series();
  ASSERT_EQ(series.size(), 3);
  auto* line = qobject_cast<QLineSeries*>(series[1]);
  ASSERT_NE(line, nullptr);
  ASSERT_EQ(line->count(), 6);
  EXPECT_EQ(line->at(0).y(), 0);
  EXPECT_EQ(line->at(3).y(), 42);

  // Turned around, each row is a line over the columns; row 1 has none.
  chart.SetSeriesInRows(true);
  chart.Refresh();
  series = Drawn(chart)->series();
  ASSERT_EQ(series.size(), 5);
  line = qobject_cast<QLineSeries*>(series[2]);
  ASSERT_NE(line, nullptr);
  ASSERT_EQ(line->count(), 3);
  EXPECT_EQ(line->at(1).y(), 42);
  // Colours stay with the grid's series, not with the drawn ones.
  EXPECT_EQ(line->pen().color(), chart.SeriesColor(4));

  // Back to bars: type 1 draws a bar series again.
  chart.SetChartType(1);
  chart.Refresh();
  ASSERT_EQ(Drawn(chart)->series().size(), 1);
  EXPECT_NE(qobject_cast<QBarSeries*>(Drawn(chart)->series()[0]), nullptr);
}

TEST(Chart, ChosenSeriesColoursAreDrawn) {
  Chart chart;
  chart.SetColumnCount(2);
  for (int c = 1; c <= 2; ++c) {
    chart.SetColumn(c);
    chart.SetData("1");
  }
  chart.SetSeriesColor(2, QColor(255, 0, 0));
  chart.Refresh();
  auto* bars = qobject_cast<QBarSeries*>(Drawn(chart)->series()[0]);
  ASSERT_NE(bars, nullptr);
  ASSERT_EQ(bars->count(), 2);
  EXPECT_EQ(bars->barSets()[1]->color(), QColor(255, 0, 0));
  EXPECT_EQ(chart.SeriesColor(2), QColor(255, 0, 0));
  EXPECT_NE(chart.SeriesColor(1), chart.SeriesColor(3));
}

// The value axis labels its ticks as the grids show figures: the locale's
// decimal mark and no grouping of thousands, whatever the language.
TEST(Chart, ValueAxisFollowsTheProgramsNumberFormat) {
  struct Case {
    QLocale locale;
    std::vector<const char*> values;
    QStringList labels;
  } cases[] = {
      {QLocale(QLocale::English, QLocale::UnitedStates), {"12800", "14170"}, {"0", "5000", "10000", "15000"}},
      {QLocale(QLocale::Croatian, QLocale::Croatia), {"12800", "14170"}, {"0", "5000", "10000", "15000"}},
      {QLocale(QLocale::English, QLocale::UnitedStates), {"1,04", "1.09"}, {"0.0", "0.5", "1.0", "1.5"}},
      {QLocale(QLocale::Croatian, QLocale::Croatia), {"1,04", "1.09"}, {"0,0", "0,5", "1,0", "1,5"}},
      {QLocale(QLocale::Croatian, QLocale::Croatia), {"-2500", "1200"}, {"-3000", "-2000", "-1000", "0", "1000", "2000"}},
  };
  const QLocale saved;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.locale.name().toStdString() + " " + c.values[0]);
    QLocale::setDefault(c.locale);
    Chart chart;
    chart.SetColumnCount(static_cast<int>(c.values.size()));
    for (int j = 1; j <= static_cast<int>(c.values.size()); ++j) {
      chart.SetColumn(j);
      chart.SetData(c.values[j - 1]);
    }
    chart.Refresh();
    const auto axes = Drawn(chart)->axes(Qt::Vertical);
    ASSERT_EQ(axes.size(), 1);
    auto* axis = qobject_cast<QCategoryAxis*>(axes[0]);
    ASSERT_NE(axis, nullptr);
    EXPECT_EQ(axis->categoriesLabels(), c.labels);
  }
  QLocale::setDefault(saved);
}

// The ratio window's charts: one row, six periods, a legend on the first.
void FillRatioChart(Chart& chart, bool legend) {
  const char* values[] = {"1,85", "2.10", "1,4", "0", "2,65", "3.05"};
  const char* years[] = {"2019", "2020", "2021", "2022", "2023", "31.12.2024"};
  chart.SetRowCount(1);
  chart.SetColumnCount(6);
  chart.SetRow(1);
  chart.SetRowLabel("Current ratio");
  for (int j = 1; j <= 6; ++j) {
    chart.SetColumn(j);
    chart.SetData(values[j - 1]);
    if (legend) chart.SetColumnLabel(years[j - 1]);
  }
  chart.SetShowLegend(legend);
  chart.Refresh();
}

TEST(Chart, PictureOfAHiddenChartHasTheSizeAskedAndShowsTheChart) {
  Chart chart;  // never shown
  FillRatioChart(chart, true);
  ASSERT_FALSE(chart.isVisible());
  struct Case {
    int w, h;
    const char* shot;
  } cases[] = {{4000, 3000, "chart_print"}, {3900, 2850, "chart_small"}, {8000, 4500, "chart_wide"}};
  for (const Case& c : cases) {
    const QImage image = PictureImage(chart.Picture(c.w, c.h), 96);
    EXPECT_EQ(image.size(), QSize(PxFromTwips(c.w), PxFromTwips(c.h)));
    EXPECT_GT(InkedPixels(image), image.width() * image.height() / 50) << c.shot;
    Shot(image, c.shot);
  }
  // A long row label of a chart without legend, as the numerator charts;
  // negative values and a title.
  Chart numerator;
  numerator.SetColumnCount(6);
  numerator.SetRowLabel("Net property+L.term liabilit.");
  numerator.SetTitle("Numerator");
  for (int j = 1; j <= 6; ++j) {
    numerator.SetColumn(j);
    numerator.SetData(QString::number(1250000 * (j == 4 ? -1 : 1) + 180000 * j - 90000 * (j % 3)));
  }
  numerator.Refresh();
  const QImage numeratorPicture = PictureImage(numerator.Picture(4000, 3000), 96);
  EXPECT_GT(InkedPixels(numeratorPicture), numeratorPicture.width() * numeratorPicture.height() / 50);
  Shot(numeratorPicture, "chart_numerator");

  // The picture follows the data, not an earlier drawing.
  const QImage before = PictureImage(chart.Picture(4000, 3000), 96);
  chart.SetColumn(3);
  chart.SetData("9");
  EXPECT_NE(PictureImage(chart.Picture(4000, 3000), 96), before);
}

TEST(Chart, PictureOfALineChartWithFiveSeries) {
  Chart chart;
  chart.SetRowCount(6);
  chart.SetColumnCount(6);
  chart.SetSeriesInRows(true);
  const char* names[] = {"Total assets", "Current assets", "Equity", "Sales", "R&D <costs>"};
  for (int k = 2; k <= 6; ++k) {
    chart.SetRow(k);
    chart.SetRowLabel(names[k - 2]);
    for (int p = 1; p <= 6; ++p) {
      chart.SetColumn(p);
      chart.SetData(QString::number((7 - k) * 40000 + p * 9000 * (k % 2 ? 1 : -1) + 150000));
    }
  }
  for (int p = 1; p <= 6; ++p) {
    chart.SetColumn(p);
    chart.SetColumnLabel(QString("20%1").arg(18 + p));
  }
  chart.SetChartType(3);
  chart.SetShowLegend(true);
  chart.Refresh();
  const QImage image = PictureImage(chart.Picture(8000, 4500), 96);
  EXPECT_EQ(image.size(), QSize(PxFromTwips(8000), PxFromTwips(4500)));
  EXPECT_GT(InkedPixels(image), 1000);
  Shot(image, "chart_lines");

  chart.resize(600, 340);
  chart.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
  Shot(chart.grab().toImage(), "chart_lines_screen");
}

}  // namespace
}  // namespace morvadel
