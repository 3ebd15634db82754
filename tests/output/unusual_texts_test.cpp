// Texts a workbook may hold but no exported file format can carry as they
// are: every exporter writes a file its readers take, with each text in its
// place, never a cell left empty or a text cut short at a stray byte.
#include "model/codepage.h"
#include "ooxml_reader.h"
#include "output/html_export.h"
#include "output/spreadsheet_export.h"
#include "output/word_export.h"
#include "output_fixture.h"

namespace morvadel::test {
namespace {

using UnusualTextsTest = OutputTest;

struct Case {
  std::string text;    // as the workbook holds it
  std::string stored;  // as the exported files carry it
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {std::string("a\0b", 3), "ab"},                              // NUL ends a C string
      {"x\xEF\xBF\xBEy\xEF\xBF\xBFz", "xyz"},                      // U+FFFE, U+FFFF: no XML may hold them
      {"x\xC3 y\xED\xA0\x80", "x? y???"},                          // a broken letter, a lone surrogate
      {"<b>&amp;\"'</b>]]></w:t>", "<b>&amp;\"'</b>]]></w:t>"},   // markup stays text
      {"=cmd|' /C calc'!A0", "=cmd|' /C calc'!A0"},                // never a formula
      {"Kuna \xC4\x8D \xF0\x9F\x98\x80", "Kuna \xC4\x8D \xF0\x9F\x98\x80"},
  };
  return cases;
}

ExportTable Grid() {
  std::vector<std::vector<std::string>> rows = {{"", "      I"}};
  for (const Case& c : Cases()) rows.push_back({c.text, c.text});
  return MakeTable("T", rows);
}

TEST_F(UnusualTextsTest, SpreadsheetAndDocumentHoldEveryTextInItsPlace) {
  const ExportTable table = Grid();
  ASSERT_EQ(WriteSpreadsheet(Path("t.xlsx"), {{1, table, std::nullopt}}, kEnglish, '.'), 0);
  const auto book = ReadXlsx(Path("t.xlsx"));
  ASSERT_TRUE(book);
  ASSERT_EQ(book->sheets.size(), 1u);
  DocDocument doc;
  TypeWordExport(doc, table, std::nullopt, 2, false, '.');
  ASSERT_EQ(WriteDocx(Path("t.docx"), doc), 0);
  const auto document = ReadDocx(Path("t.docx"));
  ASSERT_TRUE(document);
  std::string documentText;
  for (const DocxParagraph& p : document->paragraphs) documentText += p.Text() + "\n";

  for (size_t i = 0; i < Cases().size(); ++i) {
    const Case& c = Cases()[i];
    for (const char* column : {"A", "B"}) {
      const XlsxCell* cell = book->sheets[0].At(column + std::to_string(kSheetHeadingRow + 1 + static_cast<int>(i)));
      ASSERT_TRUE(cell) << column << i;
      EXPECT_EQ(cell->value, c.stored) << column << i;
      EXPECT_FALSE(cell->number) << column << i;
    }
    // The value column shows the text whole.
    EXPECT_NE(documentText.find(c.stored), std::string::npos) << i;
  }
}

TEST_F(UnusualTextsTest, TheWebPageIsWellFormedUtf8WithEveryTextEscaped) {
  const ExportTable table = Grid();
  ASSERT_EQ(WriteHtmlPage(Path("t.html"), HtmlPageLines(table, CompanyLines{"\xEF\xBF\xBF", "a\xC3", "<i>"},
                                                         kEnglish, "01-01-25")),
            0);
  const std::string page = ReadAll(Path("t.html"));
  EXPECT_TRUE(IsValidUtf8(page));
  EXPECT_EQ(page.find('\0'), std::string::npos);
  EXPECT_EQ(page.find("\xEF\xBF\xBF"), std::string::npos);
  EXPECT_EQ(page.find("<b>&amp;"), std::string::npos);
  EXPECT_EQ(page.find("<i>"), std::string::npos);
  EXPECT_NE(page.find("&lt;b&gt;&amp;amp;&quot;'&lt;/b&gt;]]&gt;&lt;/w:t&gt;"), std::string::npos);
  EXPECT_NE(page.find("<b>a?</b>"), std::string::npos);
}

TEST_F(UnusualTextsTest, ATextLongerThanACellHoldsIsCutAtTheCellsLimitNotDropped) {
  // 100,000 letters; the column no wider than a spreadsheet allows.
  const std::string longText(100000, 'w');
  std::string astral;
  for (int i = 0; i < 20000; ++i) astral += "\xF0\x9F\x98\x80";  // two UTF-16 units each
  const ExportTable table = MakeTable(longText, {{"", "      I"}, {longText, astral}});
  ASSERT_EQ(WriteSpreadsheet(Path("t.xlsx"), {{1, table, CompanyLines{longText, "", ""}}}, kEnglish, '.'), 0);
  const auto book = ReadXlsx(Path("t.xlsx"));
  ASSERT_TRUE(book);
  const XlsxSheet& sheet = book->sheets[0];
  for (const char* ref : {"A1", "B5", "A10"}) {
    ASSERT_TRUE(sheet.At(ref)) << ref;
    EXPECT_EQ(sheet.At(ref)->value, std::string(32767, 'w')) << ref;
  }
  ASSERT_TRUE(sheet.At("B10"));
  EXPECT_EQ(sheet.At("B10")->value, astral.substr(0, 16383 * 4));
  for (const auto& [col, width] : sheet.widths) EXPECT_LE(width, 255.0 + 1) << col;
}

}  // namespace
}  // namespace morvadel::test
