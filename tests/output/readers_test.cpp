// The exported files opened by the Python readers of the formats
// (python3-openpyxl, python3-docx): they must take them as valid files that
// show the table.
#include <cstdlib>

#include "output/spreadsheet_export.h"
#include "output/word_export.h"
#include "output_fixture.h"

namespace morvadel::test {
namespace {

using ReadersTest = OutputTest;

TEST_F(ReadersTest, SpreadsheetAndDocumentOpenInOtherReaders) {
  if (!fs::exists("/usr/bin/python3")) GTEST_SKIP() << "no /usr/bin/python3";
  const ExportTable table = MakeTable("Bilanca", {{"", "      I", "      II"},
                                                  {"Razdoblje", "2023", "2024"},
                                                  {"Novac & ekvivalenti", "1250", ""},
                                                  {"Omjer", "n/a", "1.50"}});
  const CompanyLines company{"Tvornica & Co", "Zagreb", "Ilica 1"};
  std::vector<SpreadsheetSheet> sheets{{2, table, std::nullopt}, {1, table, company}};
  ASSERT_EQ(WriteSpreadsheet(Path("t.xlsx"), sheets, kEnglish, '.'), 0);
  DocDocument doc;
  TypeWordExport(doc, table, company, 2, false, '.');
  TypeWordExport(doc, table, company, 20, true, '.');
  ASSERT_EQ(WriteDocx(Path("t.docx"), doc), 0);
  const std::string command = "/usr/bin/python3 " MORVADEL_CHECK_EXPORTS " " + Path("t.xlsx") + " " + Path("t.docx");
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

}  // namespace
}  // namespace morvadel::test
