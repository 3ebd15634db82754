// The spreadsheet export read back from the .xlsx file with an independent
// reader: the sheet layout, number and text cells, formats, widths, and the
// sheets of a run.
#include <cerrno>

#include "ooxml_reader.h"
#include "output/spreadsheet_export.h"
#include "output_fixture.h"

namespace morvadel::test {
namespace {

using SpreadsheetTest = OutputTest;

ExportTable SmallGrid() {
  return MakeTable("Bruto bilanca", {
                                        {"", "      I", "      II", ""},
                                        {"Razdoblje", "2019", "2020", ""},
                                        {"Novac & ekvivalenti", "1250", "-30", ""},
                                        {"Tekući omjer", "1.50", "12.5", ""},
                                        {"Napomena", "n/a", "1234567890123456", ""},
                                    });
}

TEST_F(SpreadsheetTest, CellsLandWhereTheLayoutPutsThemWithTheirFormats) {
  SpreadsheetSheet sheet{1, SmallGrid(), CompanyLines{"Tvornica d.d.", "Zagreb", "Ilica 1"}};
  ASSERT_EQ(WriteSpreadsheet(Path("t.xlsx"), {sheet}, kCroatian, '.'), 0);
  const auto book = ReadXlsx(Path("t.xlsx"));
  ASSERT_TRUE(book);
  ASSERT_EQ(book->sheets.size(), 1u);
  const XlsxSheet& s = book->sheets[0];

  struct Expect {
    const char* ref;
    const char* value;
    bool number;
    bool bold;
    const char* align;
    double size;
    const char* numFmt;
  };
  const Expect cells[] = {
      {"A1", "Tvornica d.d.", false, false, "", 8, ""},
      {"A2", "Zagreb", false, false, "", 8, ""},
      {"A3", "Ilica 1", false, false, "", 8, ""},
      {"B9", "      I", false, true, "right", 8, ""},   // heading row: bold, right
      {"C9", "      II", false, true, "right", 8, ""},
      {"A10", "Razdoblje", false, false, "", 8, ""},  // labels
      {"A11", "Novac & ekvivalenti", false, false, "", 8, ""},
      {"A12", "Tekući omjer", false, false, "", 8, ""},
      {"A13", "Napomena", false, false, "", 8, ""},
      {"B10", "2019", true, false, "right", 8, "0"},  // values: numbers, right
      {"C10", "2020", true, false, "right", 8, "0"},
      {"B11", "1250", true, false, "right", 8, "0"},
      {"C11", "-30", true, false, "right", 8, "0"},
      {"B12", "1.5", true, false, "right", 8, "0.00"},  // the decimals shown stay
      {"C12", "12.5", true, false, "right", 8, "0.0"},
      {"B13", "n/a", false, false, "right", 8, ""},  // texts stay texts
      {"C13", "1234567890123456", false, false, "right", 8, ""},  // more digits than a number keeps
  };
  for (const Expect& e : cells) {
    const XlsxCell* c = s.At(e.ref);
    ASSERT_NE(c, nullptr) << e.ref;
    EXPECT_EQ(c->value, e.value) << e.ref;
    EXPECT_EQ(c->number, e.number) << e.ref;
    EXPECT_EQ(c->bold, e.bold) << e.ref;
    EXPECT_EQ(c->align, e.align) << e.ref;
    EXPECT_EQ(c->size, e.size) << e.ref;
    EXPECT_EQ(c->numFmt, e.numFmt) << e.ref;
  }
  // The title in B5, in Times New Roman 14.
  const XlsxCell* title = s.At("B5");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->value, "Bruto bilanca");
  EXPECT_EQ(title->font, "Times New Roman");
  EXPECT_EQ(title->size, 14);
  // Empty grid cells stay empty; nothing else is written.
  EXPECT_EQ(s.At("A9"), nullptr);
  EXPECT_EQ(s.At("E10"), nullptr);
  EXPECT_EQ(s.cells.size(), std::size(cells) + 1);
  // The sheet's empty cells are 8-point too: every column carries it, to
  // the last a sheet has.
  for (int col : {1, 2, 4, 5, 100, 16384}) {
    ASSERT_GT(s.columnSizes.count(col), 0u) << col;
    EXPECT_EQ(s.columnSizes.at(col), 8) << col;
  }
  // The value range is right-aligned in its empty cells too (what the user
  // types there later); outside it nothing is formatted cell by cell.
  for (const char* ref : {"D10", "D13"}) {
    ASSERT_NE(s.formats.count(ref), 0u) << ref;
    EXPECT_EQ(s.formats.at(ref).align, "right") << ref;
    EXPECT_EQ(s.formats.at(ref).size, 8) << ref;
  }
  EXPECT_EQ(s.formats.count("E10"), 0u);
  EXPECT_EQ(s.formats.count("A14"), 0u);
}

TEST_F(SpreadsheetTest, WithoutTheCompanyA1ToA3StayEmpty) {
  SpreadsheetSheet sheet{1, SmallGrid(), std::nullopt};
  ASSERT_EQ(WriteSpreadsheet(Path("t.xlsx"), {sheet}, kEnglish, '.'), 0);
  const auto book = ReadXlsx(Path("t.xlsx"));
  ASSERT_TRUE(book);
  const XlsxSheet& s = book->sheets[0];
  for (const char* ref : {"A1", "A2", "A3"}) EXPECT_EQ(s.At(ref), nullptr) << ref;
  ASSERT_NE(s.At("B5"), nullptr);
  EXPECT_EQ(s.At("B5")->value, "Bruto bilanca");
}

TEST_F(SpreadsheetTest, ColumnsAreAsWideAsTheirLongestText) {
  SpreadsheetSheet sheet{1, SmallGrid(), CompanyLines{"A company with a very long name indeed", "", ""}};
  ASSERT_EQ(WriteSpreadsheet(Path("t.xlsx"), {sheet}, kEnglish, '.'), 0);
  const auto book = ReadXlsx(Path("t.xlsx"));
  ASSERT_TRUE(book);
  const auto& w = book->sheets[0].widths;
  // Labels are longer than the figures; the 16 digits of C13 are longer
  // than anything in B; the empty fourth column keeps the default width
  // (8.43, stored with the cell margins as 9.140625).
  EXPECT_GT(w.at(1), w.at(2));
  EXPECT_GT(w.at(3), w.at(2));
  EXPECT_DOUBLE_EQ(w.at(4), 9.140625);
  // The widths follow the grid, not the title or the company lines.
  EXPECT_LT(w.at(1), 20);
  // Room for 16 digits of 8 points: a width unit is a "0" of the default
  // 11-point font, 7 pixels; an 8-point digit is 5.1.
  EXPECT_GE(w.at(3), 16 * 5.1 / 7);
}

TEST_F(SpreadsheetTest, TheRunsSheetsComeNewestFirstWithTheNewestActive) {
  std::vector<SpreadsheetSheet> sheets;
  for (int n = 1; n <= 3; ++n) {
    SpreadsheetSheet s{n, MakeTable("Export " + std::to_string(n), {{"", "I"}, {"Row", std::to_string(n)}}),
                       std::nullopt};
    sheets.insert(sheets.begin(), s);
  }
  for (int16_t language : {kCroatian, kEnglish}) {
    ASSERT_EQ(WriteSpreadsheet(Path("t.xlsx"), sheets, language, '.'), 0);
    const auto book = ReadXlsx(Path("t.xlsx"));
    ASSERT_TRUE(book);
    ASSERT_EQ(book->sheets.size(), 3u);
    const std::string prefix = language == kCroatian ? "List" : "Sheet";
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(book->sheets[static_cast<size_t>(i)].name, prefix + std::to_string(3 - i));
      EXPECT_EQ(book->sheets[static_cast<size_t>(i)].At("B5")->value, "Export " + std::to_string(3 - i));
    }
    EXPECT_EQ(book->activeTab, 0);
  }
}

TEST_F(SpreadsheetTest, AFailedWriteReportsTheSystemsReason) {
  SpreadsheetSheet sheet{1, SmallGrid(), std::nullopt};
  EXPECT_NE(WriteSpreadsheet(Path("no/such/folder/t.xlsx"), {sheet}, kEnglish, '.'), 0);
  DiskFull full(1024);
  EXPECT_NE(WriteSpreadsheet(Path("t.xlsx"), {sheet}, kEnglish, '.'), 0);
}

// The program runs in the desktop's locale; its decimal comma never gets
// into the file, whose numbers a spreadsheet program reads with a point.
TEST_F(SpreadsheetTest, TheFileWritesItsNumbersWithAPointUnderADecimalCommaLocale) {
  const CommaDecimalLocale comma(dir);
  if (!comma.ok()) GTEST_SKIP() << "no locale with a decimal comma, and none could be built";
  SpreadsheetSheet sheet{1, MakeTable("Tekući omjer", {{"", "      I", "      II"}, {"Omjer", "3,16", "12,5"}}),
                         std::nullopt};
  ASSERT_EQ(WriteSpreadsheet(Path("t.xlsx"), {sheet}, kCroatian, ','), 0);
  const auto book = ReadXlsx(Path("t.xlsx"));
  ASSERT_TRUE(book);
  const XlsxSheet& s = book->sheets[0];
  ASSERT_NE(s.At("B10"), nullptr);
  ASSERT_NE(s.At("C10"), nullptr);
  EXPECT_EQ(s.At("B10")->value, "3.16");
  EXPECT_EQ(s.At("C10")->value, "12.5");
  EXPECT_EQ(s.heights.at(10), 11.25);
  EXPECT_EQ(s.heights.at(5), 18.75);
  EXPECT_GT(s.widths.at(1), 1.5) << "a width the reader cannot take";
}

TEST(SpreadsheetNames, ExcelColumnNameAndTheValueRange) {
  const std::pair<int, const char*> names[] = {{1, "A"},   {2, "B"},   {11, "K"},   {26, "Z"},  {27, "AA"},
                                               {52, "AZ"}, {53, "BA"}, {702, "ZZ"}, {703, "AAA"}, {0, ""}};
  for (const auto& [n, name] : names) EXPECT_EQ(ExcelColumnName(n), name) << n;
  EXPECT_EQ(SheetValueRange(53, 7), "B10:G61");
  EXPECT_EQ(SheetValueRange(45, 11), "B10:K53");
}

TEST(SheetNumbers, WhatReadsAsANumberAndTheDecimalsItShows) {
  struct Case {
    const char* text;
    char mark;  // the user's decimal mark
    bool number;
    double value;
    int decimals;
  };
  const Case cases[] = {
      {"12", '.', true, 12, 0},           {"12.50", '.', true, 12.5, 2},      {" -3 ", ',', true, -3, 0},
      {"12,5", ',', true, 12.5, 1},       {"0.10", '.', true, 0.1, 2},        {"-0.004", '.', true, -0.004, 3},
      {"1.234,50", ',', true, 1234.5, 2}, {"1,234.5", '.', true, 1234.5, 1},  {"1.234", ',', true, 1234, 0},
      {"12,5", '.', false, 0, 0},         {"12.5", ',', false, 0, 0},
      {"123456789012345", '.', true, 123456789012345.0, 0},                  {"1000000000000000000", ',', true, 1e18, 0},
      {"1234567890123456", '.', false, 0, 0},                                 {"abc", '.', false, 0, 0},
      {"", '.', false, 0, 0},             {"   ", ',', false, 0, 0},          {"1e5", '.', false, 0, 0},
      {"      I", '.', false, 0, 0},      {"12 500", ',', false, 0, 0},
  };
  for (const Case& c : cases) {
    const auto n = ReadSheetNumber(c.text, c.mark);
    ASSERT_EQ(n.has_value(), c.number) << c.text << " with mark " << c.mark;
    if (!n) continue;
    EXPECT_DOUBLE_EQ(n->value, c.value) << c.text;
    EXPECT_EQ(n->decimals, c.decimals) << c.text;
  }
}

}  // namespace
}  // namespace morvadel::test
