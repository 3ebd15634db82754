#include "output/report_pages.h"

#include <gtest/gtest.h>

#include <set>

#include "pages_fixture.h"

namespace morvadel::test {
namespace {

using ReportPages = PagesFixture;

struct Item {
  const char* text;
  double x, y;
  const char* font;
  double size;
  bool bold;
  QColor color;
};

void ExpectItems(const RecordingPrinter& printer, const std::vector<Item>& items) {
  const auto texts = printer.TextsOnPage(0);
  ASSERT_EQ(texts.size(), items.size());
  for (size_t i = 0; i < items.size(); ++i) {
    const Item& e = items[i];
    const auto& t = texts[i];
    SCOPED_TRACE(e.text);
    EXPECT_EQ(t.text, e.text);
    if (e.x >= 0) {
      EXPECT_NEAR(t.x, e.x, kEps);
    }
    EXPECT_NEAR(t.y, e.y, kEps);
    EXPECT_EQ(t.font, e.font);
    EXPECT_DOUBLE_EQ(t.size, e.size);
    EXPECT_EQ(t.bold, e.bold);
    EXPECT_EQ(t.color, e.color);
  }
}

TEST_F(ReportPages, PageHeaderPrintsEveryItemInOrderWithItsPlaceFontAndColour) {
  FillSection(2, 200, "Balance Sheet");
  s->PageNumber = 1;
  RecordingPrinter printer;  // portrait and twips, as a printer starts
  PrintPageHeader(printer, *s, 1.0);
  EXPECT_EQ(printer.Orientation(), kLandscape);
  EXPECT_EQ(printer.ScaleMode(), kScaleInches);
  ASSERT_EQ(printer.lines.size(), 1u);
  const auto& frame = printer.lines[0];
  EXPECT_TRUE(frame.box);
  EXPECT_EQ(frame.color, QColor(Qt::black));
  EXPECT_EQ(std::vector<double>({frame.x1, frame.y1, frame.x2, frame.y2}), std::vector<double>({1, 1, 10.3, 7}));
  const QColor black(Qt::black), blue(0, 0, 255);
  ExpectItems(printer, {
                           {"Balance Sheet", -1, 1.1, "Arial", 20, true, blue},
                           {"Kvarner d.d.", 1.1, 0.3, "Arial", 12, true, black},
                           {"Rijeka", 1.1, 0.5, "Arial", 12, false, black},
                           {"Riva 12", 1.1, 0.7, "Arial", 12, false, black},
                           {"Currency: EUR  ( x 1,000)", 9, 0.7, "Arial", 7, false, black},
                           {"Page:  1 ", 9.5, 1.1, "Arial", 7, false, black},
                           {"Reported by: Ana Horvat", 1.0, 7.03, "Arial", 6, false, black},
                           {" 2 - 200 ", 9.8, 7.03, "Arial", 6, false, black},
                       });
}

TEST_F(ReportPages, HeaderTextsFollowTheLanguageAndTheSettings) {
  struct Case {
    int16_t language;
    int16_t showCompany;
    const char* reporter;
    std::vector<std::string> texts;
  } cases[] = {
      {kCroatian, 1, "Ana Horvat",
       {"Bruto bilanca", "Kvarner d.d.", "Rijeka", "Riva 12", "Valuta: EUR  ( x 1,000)", "Stranica:  2 ",
        "Izrađeno po: Ana Horvat", " 2 - 200 "}},
      // Without company lines nothing stands in their place.
      {kEnglish, 0, "Ana Horvat",
       {"Bruto bilanca", "Currency: EUR  ( x 1,000)", "Page:  2 ", "Reported by: Ana Horvat", " 2 - 200 "}},
      // An empty reporter leaves the label alone.
      {kEnglish, 1, "",
       {"Bruto bilanca", "Kvarner d.d.", "Rijeka", "Riva 12", "Currency: EUR  ( x 1,000)", "Page:  2 ",
        "Reported by: ", " 2 - 200 "}},
      // No language chosen: no currency line, page number or reporter.
      {0, 1, "Ana Horvat", {"Bruto bilanca", "Kvarner d.d.", "Rijeka", "Riva 12", " 2 - 200 "}},
  };
  for (const Case& c : cases) {
    RecordingPrinter p = InchPrinter();
    FillSection(2, 200, "Bruto bilanca");
    s->Language = c.language;
    s->ShowCompany = c.showCompany;
    s->ReportedBy = Cell::Text(c.reporter);
    s->PageNumber = 2;
    PrintPageHeader(p, *s, 1.0);
    std::vector<std::string> printed;
    for (const auto& t : p.texts) printed.push_back(t.text);
    EXPECT_EQ(printed, c.texts) << "language " << c.language << ", company " << c.showCompany;
  }
}

TEST_F(ReportPages, TitleIsCentredInTheFontItIsPrintedIn) {
  FillSection(4, 400, "Cash Flow - Indirect Method");
  PrintPageHeader(printer, *s, 1.0);
  RecordingPrinter measure;
  measure.SetOrientation(kLandscape);
  measure.SetScaleMode(kScaleInches);
  measure.SetFontName("Arial");
  measure.SetFontSize(20);
  measure.SetFontBold(true);
  const double bold = measure.TextWidth("Cash Flow - Indirect Method");
  measure.SetFontBold(false);
  ASSERT_GT(bold, measure.TextWidth("Cash Flow - Indirect Method") + 0.05);  // the weight matters
  EXPECT_NEAR(printer.texts.at(0).x, (10.5 - bold) / 2, 1e-9);
}

TEST_F(ReportPages, EveryPageCopiesThePeriodNamesIntoTheHeadingRows) {
  FillSection(9, 900, "Common Size Balance Sheet");
  s->ItemTable(901, 1) = Cell::Text("own");
  s->ItemTable(1001, 6) = Cell::Text("own too");
  PrintPageHeader(printer, *s, 1.0);
  for (int row = 201; row <= 801; row += 100)
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(s->ItemTable(row, c), s->ItemTable(101, c)) << row << "," << c;
  EXPECT_EQ(s->ItemTable(901, 1).text(), "own");
  EXPECT_EQ(s->ItemTable(1001, 6).text(), "own too");
}

TEST_F(ReportPages, BalanceSheetPagesPrintRows202To226And227To252) {
  FillSection(2, 200, "Balance Sheet");
  PrintReport(printer, *s, *StatementLayout(2));
  EXPECT_EQ(printer.pagesEnded, 2);
  EXPECT_EQ(printer.PageCount(), 2);
  EXPECT_EQ(s->PageNumber, 2);
  EXPECT_EQ(TextAt(0, 9.5, 1.1), "Page:  1 ");
  EXPECT_EQ(TextAt(1, 9.5, 1.1), "Page:  2 ");
  for (int r = 2; r <= 26; ++r) EXPECT_EQ(TextAt(0, 1.05, 1.9 + 0.18 * r), "L" + std::to_string(200 + r));
  EXPECT_EQ(TextAt(0, 1.05, 1.9 + 0.18 * 27), "<nothing>");
  // Page 2: row printer rows 2..27 are item rows 227..252 at y 2.26..6.76.
  EXPECT_EQ(TextAt(1, 1.05, 2.26), "L227");
  EXPECT_EQ(TextAt(1, 1.05, 6.76), "L252");
  for (int r = 2; r <= 27; ++r) {
    const int row = 225 + r;
    const double y = 1.9 + 0.18 * r;
    EXPECT_EQ(TextAt(1, 1.05, y), "L" + std::to_string(row));
    for (int c = 1; c <= 6; ++c) {
      const auto* t = At(1, 3 + 1.1 * c, y);
      ASSERT_NE(t, nullptr) << row << "," << c;
      EXPECT_EQ(t->text, "    " + std::to_string((row - 200) * 100 + c));
      EXPECT_EQ(t->font, "Courier New");
      EXPECT_DOUBLE_EQ(t->size, 10);
      EXPECT_TRUE(t->bold);
    }
  }
}

TEST_F(ReportPages, PrintSecondPagePrintsPageTwoOfASheetAlone) {
  struct Case {
    int16_t sheet, section;
    int first, last;  // item rows of page 2; 0 = the sheet has none
  } cases[] = {{2, 200, 227, 252}, {3, 300, 327, 332}, {4, 400, 427, 450}, {5, 500, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sheet);
    RecordingPrinter p = InchPrinter();
    FillSection(c.sheet, c.section, "T");
    s->PageNumber = 1;
    PrintSecondPage(p, *s, *StatementLayout(c.sheet));
    if (c.last == 0) {
      EXPECT_EQ(p.PageCount(), 0);
      EXPECT_EQ(s->PageNumber, 1);
      continue;
    }
    EXPECT_EQ(p.pagesEnded, 1);
    EXPECT_EQ(s->PageNumber, 2);
    EXPECT_EQ(s->PrintRowOffset, 25);
    EXPECT_EQ(p.TextAt(0, 9.5, 1.1), "Page:  2 ");
    std::set<std::string> labels, expected;
    for (const auto& t : p.TextsOnPage(0))
      if (t.text[0] == 'L') labels.insert(t.text);
    for (int row = c.first; row <= c.last; ++row) expected.insert("L" + std::to_string(row));
    EXPECT_EQ(labels, expected);
    EXPECT_EQ(p.TextAt(0, 1.05, 2.26), "L" + std::to_string(c.first));
  }
}

TEST_F(ReportPages, EveryViewPrintsItsRowsOnItsPages) {
  struct Case {
    bool statement;
    int16_t code, section;
    int lastOnPage1, lastOnPage2;  // item rows; 0 = no page 2
  } cases[] = {
      {true, 2, 200, 226, 252},   {true, 3, 300, 326, 332},   {true, 4, 400, 426, 450},
      {true, 5, 500, 514, 0},     {false, 1, 600, 626, 644},  {false, 2, 700, 726, 730},
      {false, 3, 800, 826, 847},  {false, 9, 900, 926, 952},  {false, 10, 1000, 1026, 1032},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.code) + (c.statement ? " statement" : " comparison"));
    RecordingPrinter p = InchPrinter();
    FillSection(c.code, c.section, "T", c.statement ? 6 : 10);
    const ReportLayout* layout = c.statement ? StatementLayout(c.code) : ComparisonLayout(c.code);
    ASSERT_NE(layout, nullptr);
    PrintReport(p, *s, *layout);
    const int pages = c.lastOnPage2 ? 2 : 1;
    EXPECT_EQ(p.pagesEnded, pages);
    for (int page = 0; page < pages; ++page) {
      std::set<std::string> labels, expected;
      for (const auto& t : p.TextsOnPage(page))
        if (t.text[0] == 'L') labels.insert(t.text);
      const int first = page == 0 ? c.section + 2 : c.lastOnPage1 + 1;
      const int last = page == 0 ? c.lastOnPage1 : c.lastOnPage2;
      for (int row = first; row <= last; ++row) expected.insert("L" + std::to_string(row));
      EXPECT_EQ(labels, expected) << "page " << page + 1;
    }
  }
  EXPECT_EQ(StatementLayout(1), nullptr);  // the general data are not printed
  EXPECT_EQ(ComparisonLayout(20), nullptr);
}

TEST_F(ReportPages, PeriodHeadsOfSixAndOfTenColumns) {
  s->ItemTable(101, 3) = Cell::Text("Kvarner Hoteli d.d.");  // longer than either field: whole
  s->ItemTable(101, 4) = Cell();
  PrintPeriodHeader6(printer, *s, 1.0);
  const char* heads6[] = {"I", "II", "III", "IV", "V", "VI"};
  const double x6[] = {4.7, 5.7, 6.7, 7.85, 9.05, 10.05};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(TextAt(0, x6[i], 1.7), heads6[i]);
  EXPECT_EQ(TextAt(0, 1.05, 1.9), "Period /Company/");
  EXPECT_EQ(TextAt(0, 2.65 + 1.1, 1.9), "        2019");
  EXPECT_EQ(TextAt(0, 2.65 + 3.3, 1.9), "Kvarner Hoteli d.d.");
  EXPECT_EQ(TextAt(0, 2.65 + 4.4, 1.9), "            ");
  for (const auto& t : printer.texts) {
    EXPECT_EQ(t.font, "Courier New");
    EXPECT_DOUBLE_EQ(t.size, 10);
    EXPECT_TRUE(t.bold);
  }

  RecordingPrinter ten = InchPrinter();
  s->Language = kCroatian;
  PrintPeriodHeader10(ten, *s, 1.0);
  const char* heads10[] = {"     I", "    II", "   III", "    IV", "     V", "    VI", "   Max", "   Min", "Average",
                           "Ind Comp"};
  const double x10[] = {3, 3.75, 4.5, 5.25, 6, 6.75, 7.5, 8.25, 8.95, 9.65};
  std::vector<std::string> printed;
  for (const auto& t : ten.texts) {
    printed.push_back(t.text);
    EXPECT_EQ(t.font, "Courier New");
    EXPECT_DOUBLE_EQ(t.size, 8);
    EXPECT_TRUE(t.bold);
  }
  for (int i = 0; i < 10; ++i) EXPECT_NEAR(ten.texts.at(i).x, x10[i], kEps) << heads10[i];
  EXPECT_EQ(printed, std::vector<std::string>({heads10[0], heads10[1], heads10[2], heads10[3], heads10[4], heads10[5],
                                               heads10[6], heads10[7], heads10[8], heads10[9], "Razdoblje /Firma/",
                                               "   2019", "   2020", "Kvarner Hoteli d.d.", "       ", "   2023",
                                               "   2024"}));
  EXPECT_NEAR(ten.texts.at(11).x, 2.2 + 0.75, kEps);
}

TEST_F(ReportPages, RowPrintersFormatTheirValuesAndSkipEmptyAndZeroCells) {
  struct Case {
    void (*rows)(Printer&, const SharedState&, double);
    char mark;
    int column;
    Cell cell;
    const char* expected;  // nullptr: nothing printed
  } cases[] = {
      {&PrintAmountRows6, '.', 1, Cell::Text("1234.5"), "    1235"},
      {&PrintAmountRows6, '.', 6, Cell::Text("-20"), "     -20"},
      {&PrintAmountRows6, '.', 2, Cell::Text("0"), nullptr},
      {&PrintAmountRows6, '.', 2, Cell::Text(""), nullptr},
      {&PrintAmountRows6, '.', 2, Cell(), nullptr},
      {&PrintAmountRows6, '.', 3, Cell::Text("n/a"), "     n/a"},
      {&PrintRatioRows6, '.', 1, Cell::Double(12.345), "   12.35"},
      {&PrintRatioRows6, ',', 4, Cell::Text("12,5"), "   12,50"},
      {&PrintRatioRows6, '.', 4, Cell::Double(0.0), nullptr},
      {&PrintRatioRows10, '.', 1, Cell::Text("-3.5"), "  -3.50"},
      {&PrintRatioRows10, '.', 7, Cell::Money(Currency::FromRaw(123456)), "  12.35"},
      {&PrintRatioRows10, '.', 10, Cell::Text("1.8"), "   1.80"},
      {&PrintRatioRows10, '.', 10, Cell::Text("0.00"), nullptr},
  };
  for (const Case& c : cases) {
    RecordingPrinter p = InchPrinter();
    s->DecimalMark = c.mark;
    s->SectionBase = 600;
    s->PrintRowOffset = 0;
    s->PrintRowCount = 2;
    for (int col = 0; col <= 10; ++col) s->ItemTable(602, col) = Cell();
    s->ItemTable(602, 0) = Cell::Text("Quick ratio");
    s->ItemTable(602, c.column) = c.cell;
    c.rows(p, *s, 1.0);
    const bool ten = c.rows == &PrintRatioRows10;
    const double x = ten ? 2.2 + 0.75 * c.column : 3 + 1.1 * c.column;
    ASSERT_EQ(p.texts.size(), c.expected ? 2u : 1u) << c.column;
    EXPECT_EQ(p.texts[0].text, "Quick ratio");  // the label, also when no value is printed
    EXPECT_NEAR(p.texts[0].x, 1.05, kEps);
    if (c.expected) {
      EXPECT_EQ(p.texts[1].text, c.expected);
      EXPECT_NEAR(p.texts[1].x, x, kEps);
      EXPECT_NEAR(p.texts[1].y, 2.26, kEps);
    }
    if (ten) {
      EXPECT_DOUBLE_EQ(p.texts[0].size, 8);  // set before every row
      EXPECT_TRUE(p.texts[0].bold);
    }
    EXPECT_EQ(p.pagesEnded, 1);
  }
}

TEST_F(ReportPages, FewerThanTwoRowsPrintNoRowsAndStillEndThePage) {
  FillSection(2, 200, "Balance Sheet");
  for (int16_t count : {1, 0, -5}) {
    RecordingPrinter p = InchPrinter();
    PrintPeriodHeader6(p, *s, 1.0);
    const size_t heads = p.texts.size();
    s->PrintRowCount = count;
    PrintAmountRows6(p, *s, 1.0);
    EXPECT_EQ(p.texts.size(), heads) << count;
    EXPECT_EQ(p.pagesEnded, 1) << count;
  }
  // Ending a page with nothing on it since does nothing.
  RecordingPrinter empty = InchPrinter();
  s->PrintRowCount = 1;
  PrintAmountRows6(empty, *s, 1.0);
  EXPECT_EQ(empty.pagesEnded, 0);
}

}  // namespace
}  // namespace morvadel::test
