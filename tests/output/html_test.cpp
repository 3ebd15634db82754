// The web-page export: the page's lines, the row colours, escaping, UTF-8
// and the atomic write.
#include <cerrno>

#include "output/html_export.h"
#include "output_fixture.h"

namespace morvadel::test {
namespace {

using HtmlTest = OutputTest;

const std::string kHead = "   <td bgcolor=\"#999999\"align=\"center\">";
const std::string kWhite = "   <td bgcolor=\"#ffffff\"align=\"center\">";
const std::string kGreen = "   <td bgcolor=\"#ccffcc\"align=\"center\">";

TEST(HtmlPage, TheLinesWithAndWithoutTheCompanyBlock) {
  const ExportTable table = MakeTable("Balance Sheet", {{"", "   I"}, {"Period", "2020"}});
  const std::vector<std::string> top = {"<html>", "", "<head>", "<meta charset=\"utf-8\">", ""};
  const std::vector<std::string> table_lines = {
      "  <b>Balance Sheet</b><br>", "<br>", "<table border=\"1\">", "<tr>", kHead, kHead + "   I", "</tr>",
      "<tr>", kWhite + "Period", kWhite + "2020", "<br>", "<tr>", "</table>", "", "</head>", "", "</html>"};
  struct Case {
    int16_t language;
    bool company;
    std::string title;
  };
  const Case cases[] = {
      {kCroatian, true, "<title>Morvadel, dne 05-03-24</title>"},
      {kEnglish, true, "<title>Morvadel as at 05-03-24</title>"},
      {kEnglish, false, "<title>Morvadel as at 05-03-24</title>"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> expected = top;
    expected.push_back(c.title);
    expected.push_back("");
    expected.push_back("<br>");
    if (c.company)
      for (const char* line : {"  <b>Tvornica</b><br>", "  <b>Split</b><br>", "  <b>Riva 2</b><br>", "<br>", "<tr>"})
        expected.push_back(line);
    expected.insert(expected.end(), table_lines.begin(), table_lines.end());
    const auto company = c.company ? std::optional<CompanyLines>(CompanyLines{"Tvornica", "Split", "Riva 2"})
                                   : std::nullopt;
    EXPECT_EQ(HtmlPageLines(table, company, c.language, "05-03-24"), expected) << c.language << c.company;
  }
}

TEST(HtmlPage, RowsWithoutALabelAreLeftOutAndDoNotCountForTheColours) {
  const ExportTable table = MakeTable("T", {{"Head", "I"},
                                            {"one", "1"},
                                            {"", "skipped"},
                                            {"two", "2"},
                                            {"", ""},
                                            {"", "3"},
                                            {"three", "4"}});
  std::vector<std::string> rows;
  for (const std::string& line : HtmlPageLines(table, std::nullopt, kEnglish, "01-01-25"))
    if (line.rfind("   <td", 0) == 0) rows.push_back(line);
  // The heading row is always written; then white, green, white.
  const std::vector<std::string> expected = {kHead + "Head", kHead + "I",    kWhite + "one", kWhite + "1",
                                             kGreen + "two", kGreen + "2",   kWhite + "three", kWhite + "4"};
  EXPECT_EQ(rows, expected);
}

TEST(HtmlPage, TextsAreEscapedAndKeepTheirBlanks) {
  const ExportTable table = MakeTable("P&L <draft>", {{"", "I"}, {"Liabilities & stockholders equity ", "<5>"}});
  const auto lines = HtmlPageLines(table, CompanyLines{"\"Kvarner\" & Co", "Rijeka", "Korzo <1>"}, kCroatian, "x");
  auto has = [&lines](const std::string& l) { return std::find(lines.begin(), lines.end(), l) != lines.end(); };
  EXPECT_TRUE(has("  <b>P&amp;L &lt;draft&gt;</b><br>"));
  EXPECT_TRUE(has(kWhite + "Liabilities &amp; stockholders equity "));
  EXPECT_TRUE(has(kWhite + "&lt;5&gt;"));
  EXPECT_TRUE(has("  <b>&quot;Kvarner&quot; &amp; Co</b><br>"));
  EXPECT_TRUE(has("  <b>Korzo &lt;1&gt;</b><br>"));
}

TEST_F(HtmlTest, TheFileIsUtf8WithCrLfLineEnds) {
  const ExportTable table = MakeTable("Račun dobiti i gubitaka", {{"", "I"}, {"Troškovi prodaje", "12"}});
  const auto lines = HtmlPageLines(table, std::nullopt, kCroatian, "31-12-24");
  ASSERT_EQ(WriteHtmlPage(Path("p.html"), lines), 0);
  const std::string data = ReadAll(Path("p.html"));
  EXPECT_NE(data.find("  <b>Ra\xC4\x8D" "un dobiti i gubitaka</b><br>\r\n"), std::string::npos);
  EXPECT_NE(data.find("Tro\xC5\xA1kovi prodaje\r\n"), std::string::npos);
  EXPECT_EQ(data.rfind("<html>\r\n\r\n<head>\r\n<meta charset=\"utf-8\">\r\n", 0), 0u);
  EXPECT_EQ(data.substr(data.size() - 9), "</html>\r\n");
  size_t lf = 0, crlf = 0;
  for (size_t i = 0; i < data.size(); ++i)
    if (data[i] == '\n') {
      ++lf;
      if (i > 0 && data[i - 1] == '\r') ++crlf;
    }
  EXPECT_EQ(lf, lines.size());
  EXPECT_EQ(crlf, lf);
}

TEST_F(HtmlTest, AFailedWriteLeavesTheOldPageAndNoPartialFile) {
  const ExportTable table = MakeTable("T", {{"", "I"}, {"row", std::string(20000, '9')}});
  const auto lines = HtmlPageLines(table, std::nullopt, kEnglish, "x");
  WriteAll(Path("old.html"), "the old page");
  {
    DiskFull full(4096);
    EXPECT_EQ(WriteHtmlPage(Path("old.html"), lines), EFBIG);
  }
  EXPECT_EQ(ReadAll(Path("old.html")), "the old page");
  EXPECT_EQ(Files(), std::set<std::string>{"old.html"});
  EXPECT_EQ(WriteHtmlPage(Path("missing/p.html"), lines), ENOENT);
}

}  // namespace
}  // namespace morvadel::test
