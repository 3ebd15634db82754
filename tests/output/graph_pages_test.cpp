// The printed pages of the common-size graphs and of the value graphs.
#include "output/graph_pages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages_fixture.h"

namespace morvadel::test {
namespace {

Currency Money(double v) { return Currency::FromRaw(static_cast<int64_t>(v * 10000 + (v < 0 ? -0.5 : 0.5))); }

class GraphPagesTest : public PagesFixture {
 protected:
  void SetUp() override {
    PagesFixture::SetUp();
    // The common-size page: group 62 in period I, as the window leaves it.
    s->ReportCode = 62;
    s->SectionBase = 600;
    s->ReportTitle = "Total Expenses";
    const char* labels[] = {"", "Period / Company /", "", "Cost of goods sold", "Sales expenses",
                            "General & admin. expenses", "Other non operating expenses", "Interest on expenses"};
    for (int i = 1; i <= 7; ++i) csPage.labels[i] = labels[i];
    csPage.periodName = "2019";
    csPage.chart = FilledDrawing(QSizeF(7000 / 1440.0, 6500 / 1440.0), Qt::blue);
    for (int keys = 2; keys <= 5; ++keys)
      csPage.legends[keys] = FilledDrawing(QSizeF(18 / 96.0, LegendHeightPx(keys) / 96.0), Qt::red);

    // The value-graph page: three accounts.
    vgPage.title = "Financial Statement Value Graphs";
    const char* rows[] = {"", "Period", "Cash and marketable securities", "Net sales", "Net income", "", ""};
    for (int r = 1; r <= 6; ++r) vgPage.rowLabels[r] = rows[r];
    for (int p = 1; p <= 6; ++p) vgPage.periodNames[p] = std::to_string(2018 + p);
    vgPage.tableBackground = FilledDrawing(QSizeF(9.25, 2), Qt::white);
    vgPage.chart = FilledDrawing(QSizeF(8000 / 1440.0, 4500 / 1440.0), Qt::green);
  }
  void Slots(std::vector<double> values) {
    for (int k = 1; k <= 5; ++k) s->ChartValues(k + 2, 1) = Money(k <= static_cast<int>(values.size()) ? values[k - 1] : 0);
  }

  CommonSizeGraphPage csPage;
  ValueGraphPage vgPage;
};

TEST_F(GraphPagesTest, PageFiguresSharesAndLegend) {
  constexpr double kNone = -1000;
  struct Case {
    const char* name;
    int16_t code;
    std::vector<double> values;  // slots 1..5
    std::vector<double> shares;  // kNone: no share printed
    int legend;
  };
  const Case cases[] = {
      {"five items", 62, {40, 30, 20, 6, 4}, {40, 30, 20, 6, 4}, 5},
      {"shares round half up", 61, {1, 2, 0, 0, 0}, {33.33, 66.67, kNone, kNone, kNone}, 2},
      {"last two slots zero", 52, {10, 5, 5, 0, 0}, {50, 25, 25, kNone, kNone}, 3},
      {"a zero slot inside", 58, {10, 0, 30, 0, 0}, {25, kNone, 75, kNone, kNone}, 3},
      {"four slots", 56, {1, 1, 1, 1, 0}, {25, 25, 25, 25, kNone}, 4},
      {"only slot 1", 57, {12.5, 0, 0, 0, 0}, {100, kNone, kNone, kNone, kNone}, 0},
      {"nothing", 63, {0, 0, 0, 0, 0}, {kNone, kNone, kNone, kNone, kNone}, 0},
      {"assets print no shares", 51, {60, 40, 0, 0, 0}, {kNone, kNone, kNone, kNone, kNone}, 2},
      {"liabilities and equity print no shares", 54, {70, 30, 0, 0, 0}, {kNone, kNone, kNone, kNone, kNone}, 2},
      {"negative item", 58, {80, 40, -20, 0, 0}, {80, 40, -20, kNone, kNone}, 3},
      {"items adding up to 0 print no shares", 55, {25, -25, 0, 0, 0}, {kNone, kNone, kNone, kNone, kNone}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    s->ReportCode = c.code;
    for (int k = 1; k <= 5; ++k) s->ChartValues(k + 2, 1) = Money(c.values[k - 1]);
    const GraphPageFigures f = ComputeGraphPage(*s);
    for (int k = 1; k <= 5; ++k) {
      EXPECT_EQ(f.values[k - 1], Money(c.values[k - 1])) << k;
      if (c.shares[k - 1] == kNone) {
        EXPECT_FALSE(f.shareHundredths[k - 1].has_value()) << k;
      } else {
        ASSERT_TRUE(f.shareHundredths[k - 1].has_value()) << k;
        EXPECT_EQ(*f.shareHundredths[k - 1], static_cast<int64_t>(c.shares[k - 1] * 100 + 0.5 - (c.shares[k - 1] < 0)))
            << k;
      }
    }
    EXPECT_EQ(f.legendKeys, c.legend);
  }
}

TEST_F(GraphPagesTest, FootnotesNameTheFirstColumnWhereSharesArePrinted) {
  for (int16_t code : {51, 53, 54}) {
    EXPECT_STREQ(GraphFootnote(code, kCroatian), "") << code;
    EXPECT_STREQ(GraphFootnote(code, kEnglish), "") << code;
  }
  for (int16_t code : {52, 55, 56, 57, 58}) {
    EXPECT_STREQ(GraphFootnote(code, kCroatian), "Kolona 1  = % od ukupne imovine") << code;
    EXPECT_STREQ(GraphFootnote(code, kEnglish), "Column 1 = % from Total Assets") << code;
  }
  for (int16_t code : {61, 62, 63}) {
    EXPECT_STREQ(GraphFootnote(code, kCroatian), "Kolona 1  = % od neto prodaje") << code;
    EXPECT_STREQ(GraphFootnote(code, kEnglish), "Column 1 = % from Net Sales") << code;
  }
  EXPECT_STREQ(GraphFootnote(52, 0), "");
}

TEST_F(GraphPagesTest, CommonSizePageHeaderHasTheGroupTitleAt13AndNoPageNumber) {
  s->PageNumber = 4;
  Slots({60, 40});
  PrintCommonSizeGraphPage(printer, *s, csPage, 1.0);
  EXPECT_EQ(printer.pagesEnded, 1);
  ASSERT_EQ(printer.lines.size(), 1u);
  EXPECT_TRUE(printer.lines[0].box);
  EXPECT_NEAR(printer.lines[0].x1, 1, kEps);
  EXPECT_NEAR(printer.lines[0].y2, 7, kEps);
  const auto& title = printer.texts.at(0);
  EXPECT_EQ(title.text, "Total Expenses");
  EXPECT_NEAR(title.y, 1.3, kEps);
  EXPECT_EQ(title.font, "Arial");
  EXPECT_DOUBLE_EQ(title.size, 20);
  EXPECT_EQ(title.color, QColor(0, 0, 255));
  EXPECT_EQ(TextAt(0, 1.1, 0.3), "Kvarner d.d.");
  EXPECT_EQ(TextAt(0, 1.1, 0.5), "Rijeka");
  EXPECT_EQ(TextAt(0, 1.1, 0.7), "Riva 12");
  EXPECT_EQ(TextAt(0, 9, 0.7), "Currency: EUR  ( x 1,000)");
  EXPECT_EQ(TextAt(0, 1.0, 7.03), "Reported by: Ana Horvat");
  EXPECT_EQ(TextAt(0, 9.8, 7.03), " 62 - 600 ");
  for (const auto& t : printer.texts) EXPECT_EQ(t.text.find("Page"), std::string::npos) << t.text;
  EXPECT_TRUE(s->ItemTable(201, 1).IsEmpty());  // no period names copied

  // Without the company lines everything else stays in place.
  RecordingPrinter plain = InchPrinter();
  s->ShowCompany = 0;
  PrintCommonSizeGraphPage(plain, *s, csPage, 1.0);
  EXPECT_EQ(plain.texts.size() + 3, printer.texts.size());
  EXPECT_EQ(plain.At(0, 1.1, 0.3), nullptr);
  EXPECT_EQ(plain.TextAt(0, 9, 0.7), "Currency: EUR  ( x 1,000)");
}

TEST_F(GraphPagesTest, CommonSizePageLinesSharesFootnoteAndLegend) {
  constexpr const char* kNone = nullptr;
  struct Case {
    const char* name;
    int16_t code, language;
    std::vector<double> values;
    std::vector<const char*> valueTexts, shareTexts;  // per slot; kNone: nothing printed
    const char* footnote;
    int legend;  // keys of the legend picture printed; 0 none
  };
  const Case cases[] = {
      {"assets: values only", 51, kEnglish, {60, 25.5, 10, 4.5}, {"   60.00", "   25.50", "   10.00", "    4.50", kNone},
       {kNone, kNone, kNone, kNone, kNone}, kNone, 4},
      {"five expenses", 62, kEnglish, {40, 30, 20, 6, 4}, {"   40.00", "   30.00", "   20.00", "    6.00", "    4.00"},
       {"   40.00", "   30.00", "   20.00", "    6.00", "    4.00"}, "Column 1 = % from Net Sales", 5},
      {"last two slots empty", 52, kCroatian, {10, 5, 5}, {"   10.00", "    5.00", "    5.00", kNone, kNone},
       {"   50.00", "   25.00", "   25.00", kNone, kNone}, "Kolona 1  = % od ukupne imovine", 3},
      {"only slot 1", 57, kEnglish, {12.34}, {"   12.34", kNone, kNone, kNone, kNone},
       {"  100.00", kNone, kNone, kNone, kNone}, "Column 1 = % from Total Assets", 0},
      {"negative item", 58, kEnglish, {80, 40, -20}, {"   80.00", "   40.00", "  -20.00", kNone, kNone},
       {"   80.00", "   40.00", "  -20.00", kNone, kNone}, "Column 1 = % from Total Assets", 3},
      {"items adding up to 0", 55, kEnglish, {25, -25}, {"   25.00", "  -25.00", kNone, kNone, kNone},
       {kNone, kNone, kNone, kNone, kNone}, "Column 1 = % from Total Assets", 2},
      {"liabilities and equity", 54, kCroatian, {70, 30}, {"   70.00", "   30.00", kNone, kNone, kNone},
       {kNone, kNone, kNone, kNone, kNone}, kNone, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingPrinter p = InchPrinter();
    s->ReportCode = c.code;
    s->Language = c.language;
    Slots(c.values);
    PrintCommonSizeGraphPage(p, *s, csPage, 1.0);

    for (int i = 1; i <= 7; ++i) {
      const auto* label = p.At(0, 1.2, 2.46 + 0.3 * i);
      ASSERT_NE(label, nullptr) << i;
      EXPECT_EQ(label->text, csPage.labels[i]);
      EXPECT_EQ(label->font, "Ms Sans Serif");
      EXPECT_DOUBLE_EQ(label->size, 10);
      EXPECT_FALSE(label->bold);
    }
    const auto* period = p.At(0, 3.6, 2.7);
    ASSERT_NE(period, nullptr);
    EXPECT_EQ(period->text, "    2019");
    EXPECT_EQ(period->font, "Courier New");
    EXPECT_TRUE(period->bold);
    for (int k = 1; k <= 5; ++k) {
      const double y = 2.46 + 0.3 * (k + 2);
      const auto* value = p.At(0, 3.6, y);
      const auto* share = p.At(0, 4.4, y);
      if (c.valueTexts[k - 1]) {
        ASSERT_NE(value, nullptr) << k;
        EXPECT_EQ(value->text, c.valueTexts[k - 1]) << k;
        EXPECT_EQ(value->font, "Courier New");
        EXPECT_TRUE(value->bold);
      } else {
        EXPECT_EQ(value, nullptr) << k;
      }
      if (c.shareTexts[k - 1]) {
        ASSERT_NE(share, nullptr) << k;
        EXPECT_EQ(share->text, c.shareTexts[k - 1]) << k;
      } else {
        EXPECT_EQ(share, nullptr) << k;
      }
    }
    const auto* footnote = p.At(0, 1.2, 6);
    if (c.footnote) {
      ASSERT_NE(footnote, nullptr);
      EXPECT_EQ(footnote->text, c.footnote);
      EXPECT_EQ(footnote->font, "Ms Sans Serif");
      EXPECT_FALSE(footnote->bold);
    } else {
      EXPECT_EQ(footnote, nullptr);
    }

    // The chart at its own size, then the legend keys of the last slot
    // that holds a value.
    ASSERT_EQ(p.pictures.size(), c.legend ? 2u : 1u);
    EXPECT_TRUE(SameDrawing(p.pictures[0].drawing, csPage.chart));
    EXPECT_NEAR(p.pictures[0].x, 5.3, kEps);
    EXPECT_NEAR(p.pictures[0].y, 2.1, kEps);
    EXPECT_NEAR(p.pictures[0].width, 7000 / 1440.0, 0.01);
    EXPECT_NEAR(p.pictures[0].height, 6500 / 1440.0, 0.01);
    if (c.legend) {
      EXPECT_TRUE(SameDrawing(p.pictures[1].drawing, csPage.legends[static_cast<size_t>(c.legend)]));
      EXPECT_NEAR(p.pictures[1].x, 5.2, kEps);
      EXPECT_NEAR(p.pictures[1].y, 3.3, kEps);
      EXPECT_NEAR(p.pictures[1].width, 18 / 96.0, 0.001);
      EXPECT_NEAR(p.pictures[1].height, LegendHeightPx(c.legend) / 96.0, 0.001);
    }
    EXPECT_EQ(p.pagesEnded, 1);
  }
}

// Where the page shows a picture item's pixel row: inches from the page's top.
double PageY(const RecordingPrinter::PictureItem& item, const QImage& image, int pixelRow) {
  return item.y + (pixelRow + 0.5) * item.height / image.height();
}

// The middle of a printed text's line, in inches from the page's top.
double LineMiddle(const RecordingPrinter::TextItem& text) {
  RecordingPrinter measure;
  measure.SetScaleMode(kScaleInches);
  measure.SetFontName(text.font);
  measure.SetFontSize(text.size);
  measure.SetFontBold(text.bold);
  measure.Print("x");  // moves down by one line
  return text.y + measure.CurrentY() / 2;
}

TEST_F(GraphPagesTest, EachLegendKeyStandsLevelWithItsItemsRow) {
  const std::vector<QColor> colours = {QColor(255, 0, 0), QColor(0, 200, 0), QColor(0, 0, 255), QColor(240, 200, 0),
                                       QColor(200, 0, 200)};
  for (int keys = 2; keys <= 5; ++keys) {
    SCOPED_TRACE(std::to_string(keys) + " keys");
    RecordingPrinter p = InchPrinter();
    Slots(std::vector<double>(static_cast<size_t>(keys), 10.0));
    csPage.legends[static_cast<size_t>(keys)] =
        CommonSizeLegend(std::vector<QColor>(colours.begin(), colours.begin() + keys));
    PrintCommonSizeGraphPage(p, *s, csPage, 1.0);
    ASSERT_EQ(p.pictures.size(), 2u);
    const RecordingPrinter::PictureItem& legend = p.pictures[1];
    EXPECT_NEAR(legend.x, 5.2, kEps);
    EXPECT_NEAR(legend.y, 3.3, kEps);
    EXPECT_NEAR(legend.width, 18 / 96.0, 0.001);
    EXPECT_NEAR(legend.height, LegendHeightPx(keys) / 96.0, 0.001);
    const QImage image = legend.Rendered(300);
    for (int k = 1; k <= keys; ++k) {
      int top = -1, bottom = -1;
      for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(image.width() / 2, y) == colours[static_cast<size_t>(k - 1)]) {
          if (top < 0) top = y;
          bottom = y;
        }
      ASSERT_GE(top, 0) << "key " << k << " not drawn";
      const auto* row = p.At(0, 1.2, 2.46 + 0.3 * (k + 2));
      ASSERT_NE(row, nullptr) << k;
      const double middle = LineMiddle(*row);
      const double keyTop = PageY(legend, image, top), keyBottom = PageY(legend, image, bottom);
      EXPECT_NEAR((keyTop + keyBottom) / 2, middle, 0.02) << "key " << k;
      // Wholly between the neighbouring rows' middles.
      EXPECT_GT(keyTop, middle - 0.15) << "key " << k;
      EXPECT_LT(keyBottom, middle + 0.15) << "key " << k;
    }
  }
}

TEST_F(GraphPagesTest, SharesBeyondTheCurrencyRangePrintExactly) {
  // Two items that almost cancel: each is some 90 thousand billion per
  // cent of their sum, more than a currency amount holds.
  s->ReportCode = 58;
  Slots({});
  s->ChartValues(3, 1) = Currency::FromWhole(900000000000000);
  s->ChartValues(4, 1) = Currency::FromWhole(-899999999999999);
  for (char mark : {'.', ','}) {
    s->DecimalMark = mark;
    RecordingPrinter p = InchPrinter();
    PrintCommonSizeGraphPage(p, *s, csPage, 1.0);
    const auto* first = p.At(0, 4.4, 2.46 + 0.3 * 3);
    const auto* second = p.At(0, 4.4, 2.46 + 0.3 * 4);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->text, mark == '.' ? "90000000000000000.00" : "90000000000000000,00");
    EXPECT_EQ(second->text, mark == '.' ? "-89999999999999900.00" : "-89999999999999900,00");
  }
}

TEST_F(GraphPagesTest, CommonSizePagePrintsTheGridAsShownAndLongNamesWhole) {
  Slots({50, 50});
  csPage.periodName = "Lipa d.o.o. 2019";
  csPage.labels[3] = "edited label";
  PrintCommonSizeGraphPage(printer, *s, csPage, 1.0);
  EXPECT_EQ(TextAt(0, 3.6, 2.7), "Lipa d.o.o. 2019");
  EXPECT_EQ(TextAt(0, 1.2, 3.36), "edited label");
  // The values come from the buffers, whatever the grid shows.
  EXPECT_EQ(TextAt(0, 3.6, 3.36), "   50.00");
}

TEST_F(GraphPagesTest, ValueGraphPageTableChartAndPeriodNames) {
  s->ReportCode = 2;  // the last view that set them
  s->SectionBase = 200;
  const int64_t values[3][6] = {{1200, 1300, 0, 0, 0, 0}, {80000, 95000, 99999, 0, 0, 0}, {-350, 0, 0, 0, 0, 0}};
  for (int r = 2; r <= 4; ++r)
    for (int p = 1; p <= 6; ++p) s->ChartValues(r, p) = Currency::FromWhole(values[r - 2][p - 1]);
  s->ChartValues(2, 1) = Money(1200.6);  // rounds to a whole number
  vgPage.periodNames[2] = "Šibenik 2004";
  vgPage.periodNames[3] = "Kvarner 2021 (revidirano)";
  vgPage.periodNames[4] = "";
  PrintValueGraphPage(printer, *s, vgPage, 1.0);
  EXPECT_EQ(printer.pagesEnded, 1);

  const auto& title = printer.texts.at(0);
  EXPECT_EQ(title.text, "Financial Statement Value Graphs");
  EXPECT_NEAR(title.y, 1.1, kEps);
  EXPECT_EQ(title.color, QColor(0, 0, 255));
  EXPECT_EQ(TextAt(0, 9.8, 7.03), " 2 - 200 ");
  for (const auto& t : printer.texts) EXPECT_EQ(t.text.find("Page"), std::string::npos) << t.text;

  ASSERT_EQ(printer.pictures.size(), 2u);
  const auto& table = printer.pictures[0];
  EXPECT_EQ(std::vector<double>({table.x, table.y, table.width, table.height}),
            std::vector<double>({1.02, 1.75, 9.25, 2}));
  const auto& chart = printer.pictures[1];
  EXPECT_TRUE(SameDrawing(chart.drawing, vgPage.chart));
  EXPECT_NEAR(chart.x, 2.9, kEps);
  EXPECT_NEAR(chart.y, 3.75, kEps);
  EXPECT_NEAR(chart.width, 8000 / 1440.0, 0.01);
  EXPECT_NEAR(chart.height, 4500 / 1440.0, 0.01);

  for (int r = 1; r <= 6; ++r) {
    const auto* label = At(0, 1.2, 1.66 + 0.3 * r);
    ASSERT_NE(label, nullptr) << r;
    EXPECT_EQ(label->text, vgPage.rowLabels[r]);
    EXPECT_EQ(label->font, "Ms Sans Serif");
    EXPECT_FALSE(label->bold);
  }
  struct Field {
    int period;
    double y;
    const char* text;
  } fields[] = {
      {1, 1.91, "        2019"}, {3, 1.91, "Kvarner 2021 (revidirano)"}, {4, 1.91, "            "},
      {1, 2.21, "        1201"}, {2, 2.21, "        1300"}, {3, 2.21, "            "},
      {2, 2.51, "       95000"}, {1, 2.81, "        -350"}, {6, 3.41, "            "},
  };
  for (const Field& f : fields) {
    const auto* t = At(0, 2.5 + 1.1 * f.period, f.y);
    ASSERT_NE(t, nullptr) << f.period << " " << f.y;
    EXPECT_EQ(t->text, f.text) << f.period << " " << f.y;
    EXPECT_EQ(t->font, "Courier New");
    EXPECT_TRUE(t->bold);
  }
  // Every value is printed, zeros as blank fields: six rows of six.
  int fieldCount = 0;
  for (const auto& t : printer.texts)
    for (int p = 1; p <= 6; ++p)
      if (std::abs(t.x - (2.5 + 1.1 * p)) < kEps && t.y > 1.9 && t.y < 3.5) ++fieldCount;
  EXPECT_EQ(fieldCount, 6 + 36);

  // The period names again under the chart, in nine characters; a longer
  // name fills the same nine characters in a smaller size on the same
  // baseline, so it never runs into its neighbour (down to 6 points).
  struct Under {
    const char* text;
    double size;
  } under[] = {{"     2019", 10},  {"Šibenik 2004", 7.5}, {"Kvarner 2021 (revidirano)", 6},
               {"         ", 10},  {"     2023", 10},      {"     2024", 10}};
  for (int p = 1; p <= 6; ++p) {
    const Under& u = under[p - 1];
    const auto* t = At(0, 2.3 + 0.85 * p, 6.7 + (10 - u.size) * 0.83 / 72);
    ASSERT_NE(t, nullptr) << p;
    EXPECT_EQ(t->text, u.text);
    EXPECT_EQ(t->font, "Courier New");
    EXPECT_NEAR(t->size, u.size, kEps) << p;
    EXPECT_TRUE(t->bold);
  }
  EXPECT_LE(2.3 + 0.85 * 2 + 12 * 0.6 * 7.5 / 72, 2.3 + 0.85 * 3);
  // They stand under the chart's periods.
  for (int p = 1; p <= 6; ++p) {
    const double centre = ValueChartPeriodCentre(p);
    EXPECT_GT(centre, 2.3 + 0.85 * p);
    EXPECT_LT(centre, 2.3 + 0.85 * p + 0.75);
  }
}

}  // namespace
}  // namespace morvadel::test
