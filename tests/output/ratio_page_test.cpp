#include "output/ratio_page.h"

#include <gtest/gtest.h>

#include "pages_fixture.h"
#include "platform/pictures.h"

namespace morvadel::test {
namespace {

class RatioPageTest : public PagesFixture {
 protected:
  void SetUp() override {
    PagesFixture::SetUp();
    s->ReportCode = 2;
    s->SectionBase = 200;
    page.title = "Days Sales Outstanding";
    const char* labels[] = {"", "Period", "Accounts receivable", "Sales per day", "Days", "Dynamics 1st = 100"};
    for (int r = 0; r <= 5; ++r) page.rowLabels[r] = labels[r];
    for (int c = 1; c <= 6; ++c) page.periodNames[c] = std::to_string(2018 + c);
    page.tableBackground = RatioTableBackground();
    // Drawings of 4000 by 3000 twips.
    const Qt::GlobalColor colours[] = {Qt::red, Qt::green, Qt::blue};
    int k = 0;
    for (QPicture* chart : {&page.numeratorChart, &page.denominatorChart, &page.ratioChart})
      *chart = FilledDrawing(QSizeF(4000 / 1440.0, 3000 / 1440.0), colours[k++]);
  }

  void Period(int c, int64_t numerator, int64_t denominator, int64_t ratioRaw, int64_t dynamicsRaw) {
    s->RatioPeriods(2, c) = Currency::FromWhole(numerator);
    s->RatioPeriods(3, c) = Currency::FromWhole(denominator);
    s->RatioPeriods(4, c) = Currency::FromRaw(ratioRaw);
    s->RatioPeriods(5, c) = Currency::FromRaw(dynamicsRaw);
  }

  RatioPage page;
};

TEST_F(RatioPageTest, HeaderHasTheRatioTitleAt13AndNoPageNumber) {
  s->PageNumber = 7;
  PrintRatioReportPage(printer, *s, page, 1.0);
  EXPECT_EQ(printer.pagesEnded, 1);
  ASSERT_EQ(printer.lines.size(), 1u);
  EXPECT_TRUE(printer.lines[0].box);
  const auto& title = printer.texts.at(0);
  EXPECT_EQ(title.text, "Days Sales Outstanding");
  EXPECT_NEAR(title.y, 1.3, kEps);
  EXPECT_EQ(title.color, QColor(0, 0, 255));
  EXPECT_EQ(TextAt(0, 1.1, 0.3), "Kvarner d.d.");
  EXPECT_EQ(TextAt(0, 9, 0.7), "Currency: EUR  ( x 1,000)");
  EXPECT_EQ(TextAt(0, 1.0, 7.03), "Reported by: Ana Horvat");
  EXPECT_EQ(TextAt(0, 9.8, 7.03), " 2 - 200 ");
  for (const auto& t : printer.texts) EXPECT_EQ(t.text.find("Page"), std::string::npos) << t.text;
  EXPECT_TRUE(s->ItemTable(201, 1).IsEmpty());  // no period names copied
}

TEST_F(RatioPageTest, TableOfHeadsLabelsAndValuesOverItsBackground) {
  s->RatioCode = 31;
  Period(1, 5000, 4000, 12500, 1000000);  // 1.25 and 100.00
  Period(2, 6000, 4000, 15000, 1200000);  // 1.50 and 120.00
  Period(3, 300, 0, 0, 0);                // no ratio: numerator only
  PrintRatioReportPage(printer, *s, page, 1.0);

  ASSERT_GE(printer.pictures.size(), 1u);
  const auto& table = printer.pictures[0];
  EXPECT_EQ(std::vector<double>({table.x, table.y, table.width, table.height}),
            std::vector<double>({1.02, 2.25, 9.25, 2}));

  const char* heads[] = {"I", "II", "III", "IV", "V", "VI"};
  for (int c = 1; c <= 6; ++c) {
    const auto* head = At(0, 4 + 1.1 * (c - 1), 2.46);
    ASSERT_NE(head, nullptr);
    EXPECT_EQ(head->text, heads[c - 1]);
    EXPECT_EQ(head->font, "Ms Sans Serif");
    EXPECT_DOUBLE_EQ(head->size, 10);
    EXPECT_FALSE(head->bold);
  }
  for (int r = 1; r <= 5; ++r) {
    const auto* label = At(0, 1.2, 2.46 + 0.3 * r);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text, page.rowLabels[r]);
    EXPECT_EQ(label->font, "Ms Sans Serif");
  }

  struct Value {
    int column;
    double y;
    const char* text;
  } values[] = {
      {1, 2.71, "        2019"}, {1, 3.05, "        5000"}, {1, 3.4, "        4000"},
      {1, 3.7, "        1.25"}, {1, 4, "      100.00"},  {2, 3.7, "        1.50"},
      {2, 4, "      120.00"},   {3, 3.05, "         300"}, {3, 3.4, "            "},
      {4, 3.05, "            "},
  };
  for (const Value& v : values) {
    const auto* t = At(0, 2.5 + 1.1 * v.column, v.y);
    ASSERT_NE(t, nullptr) << v.column << " " << v.y;
    EXPECT_EQ(t->text, v.text);
    EXPECT_EQ(t->font, "Courier New");
    EXPECT_TRUE(t->bold);
  }
  // Without a ratio the ratio and dynamics rows stay blank.
  for (int c = 3; c <= 6; ++c) {
    EXPECT_EQ(At(0, 2.5 + 1.1 * c, 3.7), nullptr) << c;
    EXPECT_EQ(At(0, 2.5 + 1.1 * c, 4), nullptr) << c;
  }
}

TEST_F(RatioPageTest, DayRatiosPrintWholeDaysAndOtherRatiosTwoDecimals) {
  struct Case {
    int16_t code;
    const char* ratio;
  } cases[] = {{34, "          52"}, {36, "          52"}, {38, "          52"}, {33, "       52.00"}};
  for (const Case& c : cases) {
    RecordingPrinter p = InchPrinter();
    s->RatioCode = c.code;
    Period(1, 520, 10, 520000, 1000000);
    PrintRatioReportPage(p, *s, page, 1.0);
    const RecordingPrinter::TextItem* ratio = nullptr;
    for (const auto& t : p.texts)
      if (std::abs(t.y - 3.7) < kEps && std::abs(t.x - 3.6) < kEps) ratio = &t;
    ASSERT_NE(ratio, nullptr) << c.code;
    EXPECT_EQ(ratio->text, c.ratio) << c.code;
  }
}

TEST_F(RatioPageTest, ChartsStandSideBySideAtTheirOwnSize) {
  PrintRatioReportPage(printer, *s, page, 1.0);
  ASSERT_EQ(printer.pictures.size(), 4u);
  const QPicture* expected[] = {&page.numeratorChart, &page.denominatorChart, &page.ratioChart};
  const double xs[] = {1.3, 4.3, 7.3};
  for (int i = 0; i < 3; ++i) {
    const auto& chart = printer.pictures[i + 1];
    EXPECT_TRUE(SameDrawing(chart.drawing, *expected[i]));
    EXPECT_NEAR(chart.x, xs[i], kEps);
    EXPECT_NEAR(chart.y, 4.8, kEps);
    EXPECT_NEAR(chart.width, 4000 / 1440.0, 0.01);
    EXPECT_NEAR(chart.height, 3000 / 1440.0, 0.01);
    EXPECT_LE(chart.y + chart.height, 7.0);  // inside the frame
  }
}

}  // namespace
}  // namespace morvadel::test
