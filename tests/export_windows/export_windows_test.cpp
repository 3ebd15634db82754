// The export buttons of the statement, ratio and comparison windows, pressed
// as a user presses them: the files they write, what they show, the codes
// they set, and their failures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>

#include "../model/unprivileged.h"
#include "compare/compare_forms.h"
#include "compare/form50.h"
#include "compare/form55.h"
#include "compare/form60.h"
#include "compare/graphs.h"
#include "model/labels.h"
#include "entry/entry_forms.h"
#include "entry/form8.h"
#include "file_size_limit.h"
#include "ooxml_reader.h"
#include "output_fixture.h"
#include "platform/navigator.h"
#include "platform/qt_printer.h"
#include "ratios/ratio_forms.h"
#include "ratios/unos2.h"
#include "shell/form2a.h"
#include "test_app.h"
#include "typing.h"

namespace morvadel {
namespace {

namespace fs = std::filesystem;
using test::ReadDocx;
using test::ReadXlsx;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class ExportWindowsTest : public ::testing::Test, protected test::TestApp {
 protected:
  void SetUp() override {
    Reset({RegisterShellForms, RegisterEntryForms, RegisterRatioForms, RegisterCompareForms});
    s->Language = kEnglish;
    s->FileName = "/tmp/workbook.eka";
    const char* years[] = {"2021", "2022", "2023"};
    for (int j = 1; j <= 3; ++j) {
      s->ItemTable(1, j) = Cell::Text(years[j - 1]);
      s->ItemTable(101, j) = Cell::Text(years[j - 1]);
      s->ItemTable(205, j) = Cell::Text(std::to_string(1000 * j));
      s->ItemTable(211, j) = Cell::Text(std::to_string(1500 * j));
      s->ItemTable(233, j) = Cell::Text(std::to_string(1000 * j));
      s->ItemTable(252, j) = Cell::Text(std::to_string(4000 * j));
    }
    s->ShowCompany = 1;
    s->Company(1, 1) = Cell::Text("Tvornica & Co");
    s->Company(2, 1) = Cell::Text("Ilica 1");
    s->Company(5, 1) = Cell::Text("Zagreb");
  }

  template <class F>
  F* Show(FormId id) {
    nav->Show(id);
    nav->ProcessPending();
    auto* f = dynamic_cast<F*>(nav->Current());
    EXPECT_NE(f, nullptr);
    return f;
  }
  Form8* Sheet(int code) {
    SetStatementSheetSettings(*s, code);
    return Show<Form8>(FormId::form8);
  }
  Unos2* Ratio(int16_t code) {
    s->RatioCode = code;
    return Show<Unos2>(FormId::Unos2);
  }
  Form50* Compare(int16_t code) {
    SetCompareViewSettings(*s, code);
    return Show<Form50>(FormId::form50);
  }
  static void Click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

  fs::path Exported(const std::string& name) const { return exportDir / name; }
};

TEST_F(ExportWindowsTest, EveryGridWindowHasTheFourButtonsWithTheirTooltips) {
  auto check = [](const char* window, PictureButton* p16, PictureButton* p17, PictureButton* p18,
                  PictureButton* p19) {
    for (PictureButton* p : {p16, p17, p18}) EXPECT_EQ(p->toolTip(), " Export ") << window;
    EXPECT_EQ(p19->toolTip(), "") << window;
    for (PictureButton* p : {p16, p17, p18, p19}) EXPECT_TRUE(p->isVisibleTo(p->window())) << window;
  };
  for (int16_t language : {kCroatian, kEnglish}) {
    s->Language = language;
    Form8* e = Sheet(2);
    check("statements", e->Picture16, e->Picture17, e->Picture18, e->Picture19);
    Unos2* r = Ratio(11);
    check("ratio", r->Picture16, r->Picture17, r->Picture18, r->Picture19);
    Form50* c = Compare(1);
    check("comparison", c->Picture16, c->Picture17, c->Picture18, c->Picture19);
  }
}

TEST_F(ExportWindowsTest, SpreadsheetExportsOfARunAreSheetsOfOneWorkbookNewestFirst) {
  // A file of that name from before the run is never written over.
  fs::create_directories(exportDir);
  std::ofstream(Exported("Export.xlsx")) << "the user's own workbook";

  Form8* entry = Sheet(2);
  // A figure typed but not yet confirmed goes with the export, as shown.
  entry->Tablica->SetRow(6);
  entry->Tablica->SetCol(2);
  entry->Tablica->SetFocusToGrid();
  test::TypeIntoGrid(entry->Tablica, entry->tekst, "777");
  Click(entry->Picture16);
  EXPECT_EQ(s->ExcelExportCount, 1);
  EXPECT_EQ(ReadAll(Exported("Export.xlsx")), "the user's own workbook");
  ASSERT_EQ(opened, std::vector<std::string>{Exported("Export-2.xlsx").string()});
  EXPECT_TRUE(dialogs.messages.empty());

  entry = Sheet(5);
  Click(entry->Picture16);
  EXPECT_EQ(s->ExcelExportCount, 2);
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[1], Exported("Export-2.xlsx").string());

  const auto book = ReadXlsx(Exported("Export-2.xlsx").string());
  ASSERT_TRUE(book);
  ASSERT_EQ(book->sheets.size(), 2u);
  EXPECT_EQ(book->activeTab, 0);
  const test::XlsxSheet& expenses = book->sheets[0];
  const test::XlsxSheet& balance = book->sheets[1];
  EXPECT_EQ(expenses.name, "Sheet2");
  EXPECT_EQ(expenses.At("B5")->value, "Expenses");
  EXPECT_EQ(balance.name, "Sheet1");
  EXPECT_EQ(balance.At("B5")->value, "Balance Sheet");
  EXPECT_EQ(balance.At("A1")->value, "Tvornica & Co");
  EXPECT_EQ(balance.At("A2")->value, "Zagreb");
  EXPECT_EQ(balance.At("A3")->value, "Ilica 1");
  EXPECT_EQ(balance.At("B9")->value, "      I");
  EXPECT_TRUE(balance.At("B9")->bold);
  EXPECT_EQ(balance.At("B10")->value, "2021");  // the period names
  EXPECT_EQ(balance.At("B14")->value, "1000");  // item row 205
  EXPECT_TRUE(balance.At("B14")->number);
  EXPECT_EQ(balance.At("C15")->value, "777");   // the open edit
  // 53 grid rows: the last one is sheet row 61.
  EXPECT_EQ(balance.At("D61")->value, "12000");
  EXPECT_EQ(balance.At("A62"), nullptr);
  // The export neither writes the grid back nor leaves the window.
  EXPECT_TRUE(s->ItemTable(206, 2).IsEmpty());
  EXPECT_EQ(s->ReportCode, 5);
  EXPECT_FALSE(nav->HasPending());
}

TEST_F(ExportWindowsTest, ASpreadsheetNoProgramCanOpenIsNamedInAMessage) {
  openerWorks = false;
  s->Language = kCroatian;
  Click(Sheet(3)->Picture16);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Information);
  EXPECT_NE(dialogs.messages[0].text.find(Exported("Export.xlsx").string()), std::string::npos);
  EXPECT_NE(dialogs.messages[0].text.find("otvorite je sami"), std::string::npos);
}

TEST_F(ExportWindowsTest, TheWebPageGoesWhereTheDialogSaysWithItsMessages) {
  Form8* entry = Sheet(2);
  const fs::path page = exportDir / "page.html";
  fs::create_directories(exportDir);
  dialogs.saveAnswers.push_back(page.string());
  Click(entry->Picture18);
  ASSERT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(dialogs.saveRequests[0].title, "Export to Web Page...");
  EXPECT_EQ(dialogs.saveRequests[0].filter, "Web Pages (*.HTML)|*.HTML");
  EXPECT_EQ(dialogs.saveRequests[0].defaultExtension, "HTML");
  EXPECT_EQ(fs::path(dialogs.saveRequests[0].suggested).filename(), "Tarv01-s.html");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Export to HTML complete!");
  EXPECT_EQ(dialogs.messages[0].title, "Export Complete");
  EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Information);
  const std::string html = ReadAll(page);
  EXPECT_NE(html.find("  <b>Tvornica &amp; Co</b><br>\r\n"), std::string::npos);
  EXPECT_NE(html.find("  <b>Balance Sheet</b><br>\r\n"), std::string::npos);
  EXPECT_NE(html.find("<title>Morvadel as at "), std::string::npos);

  // Cancelled: nothing written, nothing said.
  Click(entry->Picture18);
  EXPECT_EQ(dialogs.messages.size(), 1u);

  // A folder that is not there: the error, with the reason in the language
  // of the run; the old page stays.
  s->Language = kCroatian;
  dialogs.saveAnswers.push_back((exportDir / "missing" / "page.html").string());
  Click(entry->Picture18);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1].title, "Error");
  EXPECT_EQ(dialogs.messages[1].icon, MsgIcon::Critical);
  EXPECT_EQ(dialogs.messages[1].text.rfind("Error encountered in exporting.", 0), 0u);
  EXPECT_NE(dialogs.messages[1].text.find("mapa ne postoji"), std::string::npos);
  EXPECT_EQ(ReadAll(page), html);
}

// A web page that cannot be written names the right cause: the file's own
// protection, or the folder's. As root the export runs as another user,
// since root writes over protected files.
TEST_F(ExportWindowsTest, AWebPageOverAProtectedFileSaysTheFileIsProtected) {
  Form8* entry = Sheet(2);
  const fs::path page = exportDir / "page.html", locked = exportDir / "locked";
  fs::create_directories(locked);
  std::ofstream(page) << "their page";
  const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  const fs::perms searchable = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
  fs::permissions(page, readOnly);
  fs::permissions(locked, readOnly | searchable);
  struct Said {
    char text[1024];
  };
  struct Case {
    fs::path path;
    const char* reason;
  } cases[] = {
      {page, "the file is write-protected"},
      {locked / "page.html", "there is no permission to write into that folder"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    dialogs.messages.clear();
    dialogs.saveAnswers = {c.path.string()};
    const Said said = RunStepUnprivileged<Said>(
        [&] {
          Said out{};
          Click(entry->Picture18);
          if (!dialogs.messages.empty()) dialogs.messages.back().text.copy(out.text, sizeof out.text - 1);
          return out;
        },
        [](int) { return Said{"the step could not run"}; });
    EXPECT_EQ(std::string(said.text), "Error encountered in exporting.\n\nThe file " + c.path.string() +
                                          " could not be written: " + c.reason +
                                          ". Existing files were left as they were.");
  }
  EXPECT_EQ(ReadAll(page), "their page");
  EXPECT_FALSE(fs::exists(locked / "page.html"));
  fs::permissions(locked, fs::perms::owner_all);
}

TEST_F(ExportWindowsTest, DocumentExportsStartNewDocumentsOrAppendPagesAndShowThePreview) {
  Form8* entry = Sheet(2);
  Click(entry->Picture19);  // the run's first: a new document after all
  ASSERT_EQ(previews.size(), 1u);
  EXPECT_EQ(previews[0].path, Exported("Export.docx").string());
  EXPECT_EQ(s->WordExportCount, 1);
  EXPECT_EQ(s->WordOrientation, 2);

  entry = Sheet(5);
  Click(entry->Picture19);  // appended after a page break
  ASSERT_EQ(previews.size(), 2u);
  EXPECT_EQ(previews[1].path, Exported("Export.docx").string());
  const auto appended = ReadDocx(Exported("Export.docx").string());
  ASSERT_TRUE(appended);
  int breaks = 0;
  std::vector<std::string> titles;
  for (const auto& p : appended->paragraphs) {
    for (const auto& r : p.runs) breaks += r.pageBreak;
    if (!p.runs.empty() && p.runs.back().size == 14) titles.push_back(p.Text().substr(48));
  }
  EXPECT_EQ(breaks, 1);
  EXPECT_EQ(titles, (std::vector<std::string>{"Balance Sheet", "Expenses"}));

  Click(entry->Picture17);  // a new document, beside the earlier one
  ASSERT_EQ(previews.size(), 3u);
  EXPECT_EQ(previews[2].path, Exported("Export-2.docx").string());
  const auto fresh = ReadDocx(Exported("Export-2.docx").string());
  ASSERT_TRUE(fresh);
  EXPECT_TRUE(fresh->landscape);
  EXPECT_EQ(fresh->paragraphs[0].Text(), "Tvornica & Co   Zagreb   Ilica 1");
  EXPECT_EQ(fresh->paragraphs[2].Text(), std::string(48, ' ') + "Expenses");
  EXPECT_TRUE(ReadDocx(Exported("Export.docx").string()));  // the earlier document stays
  EXPECT_EQ(s->WordExportCount, 3);
  EXPECT_EQ(s->ReportCode, 5);
}

TEST_F(ExportWindowsTest, TheRatioWindowExportsItsGridAndLeavesReportCode21) {
  s->ReportCode = 2;
  Unos2* ratio = Ratio(11);
  Click(ratio->Picture17);
  EXPECT_EQ(s->ReportCode, 21);
  ASSERT_EQ(previews.size(), 1u);
  const DocDocument& doc = previews[0].doc;
  // Title, then the grid: period row and amounts whole, the ratio and its
  // dynamics with two decimals.
  std::vector<std::string> rows;
  for (const DocParagraph& p : doc.paragraphs)
    if (!p.runs.empty() && p.runs[0].font.name == "Courier New") rows.push_back(p.Text());
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[1].substr(20, 11), "       2021");
  EXPECT_EQ(rows[2].substr(20, 11), "       1500");
  EXPECT_EQ(rows[4].substr(20, 11), "       1.50");
  EXPECT_EQ(rows[5].substr(20, 11), "     100.00");

  Click(ratio->Picture16);
  const auto book = ReadXlsx(Exported("Export.xlsx").string());
  ASSERT_TRUE(book);
  const test::XlsxSheet& sheet = book->sheets[0];
  EXPECT_EQ(sheet.At("B5")->value, ratio->Label1->text().toStdString());
  EXPECT_EQ(sheet.At("B13")->value, "1.5");
  EXPECT_EQ(sheet.At("B13")->numFmt, "0.0");  // as the grid shows it
  EXPECT_EQ(sheet.At("A15"), nullptr);  // six grid rows: sheet rows 9 to 14
}

TEST_F(ExportWindowsTest, TheComparisonWindowExportsDocumentsWithCode20AndKeepsItsView) {
  Form50* view = Compare(9);
  int16_t codeDuringExport = 0;
  exports->preview = [&](const DocDocument& doc, const std::string& path, int16_t language) {
    codeDuringExport = s->ReportCode;
    previews.push_back({doc, path, language});
  };
  Click(view->Picture17);
  EXPECT_EQ(codeDuringExport, 20);
  EXPECT_EQ(s->ReportCode, 9);
  ASSERT_EQ(previews.size(), 1u);
  std::vector<std::string> rows;
  for (const DocParagraph& p : previews[0].doc.paragraphs)
    if (!p.runs.empty() && p.runs[0].font.name == "Courier New") rows.push_back(p.Text());
  ASSERT_EQ(rows.size(), 53u);
  // Period names and percentages with two decimals.
  EXPECT_EQ(rows[1].substr(20, 11), "    2021.00");
  Click(view->Picture19);
  EXPECT_EQ(s->ReportCode, 9);
  EXPECT_EQ(previews.size(), 2u);
}

TEST_F(ExportWindowsTest, TheGraphWindowsExportTheirGridsAndKeepTheirCodes) {
  // The common-size graphs: group 52 in period I, a value edited in the grid.
  FillBalanceSheetLabelsEn(*s);
  s->ItemTable(905, 1) = Cell::Double(12.5);
  SetGraphGroupSettings(*s, 52);
  s->SelectedPeriod = 1;
  auto* graphs = Show<Form60>(FormId::form60);
  ASSERT_NE(graphs, nullptr);
  for (PictureButton* p : {graphs->Picture16, graphs->Picture17, graphs->Picture18})
    EXPECT_EQ(p->toolTip(), " Export ");
  graphs->Tablica->SetRow(4);
  graphs->Tablica->SetCol(1);
  test::TypeChar(graphs->Tablica, '3');
  Click(graphs->Picture16);
  EXPECT_FALSE(nav->HasPending());  // the window stays
  EXPECT_EQ(s->ReportCode, 52);
  const auto book = ReadXlsx(Exported("Export.xlsx").string());
  ASSERT_TRUE(book);
  const test::XlsxSheet& sheet = book->sheets[0];
  for (const char* ref : {"B5", "A10", "B10", "A12", "B12", "B13"}) ASSERT_NE(sheet.At(ref), nullptr) << ref;
  EXPECT_EQ(sheet.At("B5")->value, "Current Assets");
  EXPECT_EQ(sheet.At("A10")->value, "Period / Company /");
  EXPECT_EQ(sheet.At("B10")->value, "2021");
  EXPECT_EQ(sheet.At("A12")->value, "Cash and marketable securities");
  EXPECT_EQ(sheet.At("B12")->value, "12.5");
  EXPECT_EQ(sheet.At("B13")->value, "3");  // as edited
  EXPECT_EQ(sheet.At("C9"), nullptr);      // two columns
  EXPECT_EQ(sheet.At("A22"), nullptr);     // thirteen rows: sheet rows 9 to 21
  Click(graphs->Picture17);
  EXPECT_EQ(s->ReportCode, 52);
  ASSERT_EQ(previews.size(), 1u);

  // The value graphs: two picks.
  s->ReportCode = 3;
  FillIncomeStatementLabelsEn(*s);
  const int codes[] = {200, 300};
  s->ItemTable(303, 2) = Cell::Text("4500");
  AssignAccountSlots(*s, codes);
  FillValueGraphBuffers(*s);
  auto* values = Show<Form55>(FormId::Form55);
  ASSERT_NE(values, nullptr);
  Click(values->Picture19);  // appended to the run's document
  Click(values->Picture16);
  EXPECT_FALSE(nav->HasPending());
  EXPECT_EQ(s->ReportCode, 3);
  ASSERT_EQ(previews.size(), 2u);
  std::vector<std::string> rows;
  for (const DocParagraph& p : previews[1].doc.paragraphs)
    if (!p.runs.empty() && p.runs[0].font.name == "Courier New") rows.push_back(p.Text());
  // The grid's seven rows after the common-size graphs' thirteen, in the
  // mask of the view that set ReportCode last (a statement sheet: whole).
  ASSERT_GE(rows.size(), 13u + 7u);
  const std::vector<std::string> page2(rows.end() - 7, rows.end());
  EXPECT_EQ(page2[3].substr(0, 9), "Net sales");
  EXPECT_EQ(page2[3].substr(31, 11), "       4500");
  EXPECT_EQ(rows[3].substr(20, 11), "      12.50");  // the percentages: two decimals
  const auto values2 = ReadXlsx(Exported("Export.xlsx").string());
  ASSERT_TRUE(values2);
  ASSERT_EQ(values2->sheets.size(), 2u);
  const test::XlsxSheet& valueSheet = values2->sheets[0];
  for (const char* ref : {"B5", "C12", "G9"}) ASSERT_NE(valueSheet.At(ref), nullptr) << ref;
  EXPECT_EQ(valueSheet.At("B5")->value, "Financial Statement Value Graphs");
  EXPECT_EQ(valueSheet.At("C12")->value, "4500");
  EXPECT_EQ(valueSheet.At("G9")->value, "         VI");
  EXPECT_EQ(valueSheet.At("H9"), nullptr);  // seven columns
}

TEST_F(ExportWindowsTest, FailedExportsSayWhyInTheRunsLanguageAndChangeNothing) {
  s->Language = kCroatian;
  // The folder cannot be made: a file stands in its place.
  std::ofstream(exportDir.string()) << "not a folder";
  Form8* entry = Sheet(2);
  Click(entry->Picture16);
  Click(entry->Picture17);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  for (const auto& m : dialogs.messages) EXPECT_EQ(m.icon, MsgIcon::Critical);
  EXPECT_EQ(dialogs.messages[0].text.rfind("Izvoz u tablicu nije uspio.", 0), 0u);
  EXPECT_EQ(dialogs.messages[1].text.rfind("Izvoz u dokument nije uspio.", 0), 0u);
  EXPECT_EQ(s->ExcelExportCount, 0);
  EXPECT_EQ(s->WordExportCount, 0);
  EXPECT_TRUE(opened.empty());
  EXPECT_TRUE(previews.empty());
  EXPECT_EQ(ReadAll(exportDir), "not a folder");

  // Once the folder can be made, the run starts as if nothing had failed.
  fs::remove(exportDir);
  Click(entry->Picture19);
  Click(entry->Picture16);
  const auto book = ReadXlsx(Exported("Export.xlsx").string());
  ASSERT_TRUE(book);
  ASSERT_EQ(book->sheets.size(), 1u);
  EXPECT_EQ(book->sheets[0].name, "List1");
  ASSERT_EQ(previews.size(), 1u);
  EXPECT_EQ(s->WordExportCount, 1);

  // A disk that fills up: the run's files stay as they were.
  const std::string before = ReadAll(Exported("Export.xlsx"));
  const std::string beforeDoc = ReadAll(Exported("Export.docx"));
  {
    test::DiskFull full(1024);
    Click(entry->Picture16);
    Click(entry->Picture19);
  }
  EXPECT_EQ(dialogs.messages.size(), 4u);
  EXPECT_NE(dialogs.messages[2].text.find("disk je pun"), std::string::npos) << dialogs.messages[2].text;
  EXPECT_EQ(ReadAll(Exported("Export.xlsx")), before);
  EXPECT_EQ(ReadAll(Exported("Export.docx")), beforeDoc);
  EXPECT_EQ(s->ExcelExportCount, 1);
  EXPECT_EQ(s->WordExportCount, 1);
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(exportDir)) names.insert(e.path().filename().string());
  EXPECT_EQ(names, (std::set<std::string>{"Export.xlsx", "Export.docx"}));
}

// Under a file-size limit (ulimit -f) a save, an export and a print run on
// in a process of their own until their write fails, and each says the disk
// is full and leaves the files of the folder as they were, byte for byte,
// with nothing beside them. The windows are built before the process
// starts: a forked process runs only the command.
TEST_F(ExportWindowsTest, UnderAFileSizeLimitSaveExportAndPrintSayTheDiskIsFull) {
  fs::create_directories(exportDir);
  s->FileName = Exported("book.eka").string();
  s->FileBacked = true;
  const std::string pdf = Exported("report.pdf").string();
  auto queuePdfPrinter = [&] {
    auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
    device->setOutputFormat(QPrinter::PdfFormat);
    device->setOutputFileName(QString::fromStdString(pdf));
    auto printer = std::make_shared<QtPrinter>(std::move(device));
    printer->Start();
    dialogs.printerAnswers.push_back(printer);
  };
  auto mainWindow = [&] { return Show<Form2a>(FormId::Form2a)->Picture10; };  // save
  auto sheetExport = [&] { return Sheet(2)->Picture16; };                      // spreadsheet
  auto sheetPrint = [&] { return Sheet(2)->Picture2; };
  // Each file as a first run leaves it.
  Click(mainWindow());
  Click(sheetExport());
  queuePdfPrinter();
  Click(sheetPrint());
  ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text;
  auto folder = [&] {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(exportDir)) files[e.path().filename().string()] = ReadAll(e.path());
    return files;
  };
  const auto before = folder();
  ASSERT_EQ(before.size(), 3u);

  struct Case {
    const char* what;
    std::function<QAbstractButton*()> button;
    bool prints;
    std::string file, reason;
  } cases[] = {
      {"save", mainWindow, false, s->FileName, "the disk is full"},
      {"export", sheetExport, false, Exported("Export.xlsx").string(), "the disk is full"},
      {"print", sheetPrint, true, pdf, "the disk is full"},
  };
  for (const Case& c : cases) {
    QAbstractButton* button = c.button();
    dialogs.messages.clear();
    const std::string said = test::UnderFileSizeLimit(1024, [&] {
      if (c.prints) queuePdfPrinter();
      Click(button);
      return dialogs.messages.size() == 1 ? dialogs.messages[0].text
                                          : std::to_string(dialogs.messages.size()) + " messages";
    });
    EXPECT_NE(said.find(c.file), std::string::npos) << c.what << ": " << said;
    EXPECT_NE(said.find(c.reason), std::string::npos) << c.what << ": " << said;
    EXPECT_EQ(folder(), before) << c.what;
  }
}

// The wait cursor stands only while a file is written: never over the save
// dialog, a message, the spreadsheet program or the preview, and it is gone
// once the export is done, whether it succeeded, was cancelled or failed.
TEST_F(ExportWindowsTest, NoDialogOrMessageComesUpUnderTheWaitCursor) {
  Form8* entry = Sheet(2);
  fs::create_directories(exportDir);
  dialogs.saveAnswers = {(exportDir / "page.html").string(), "", (exportDir / "missing" / "page.html").string()};
  for (int i = 0; i < 3; ++i) Click(entry->Picture18);  // written, cancelled, failed
  openerWorks = false;
  Click(entry->Picture16);  // written, then named in a message
  Click(entry->Picture17);  // written, then previewed
  {
    test::DiskFull full(1024);
    Click(entry->Picture16);  // failed
  }
  EXPECT_EQ(dialogs.saveCalls, 3);
  EXPECT_EQ(dialogs.messages.size(), 4u);
  EXPECT_EQ(opened.size(), 1u);
  EXPECT_EQ(previews.size(), 1u);
  EXPECT_EQ(dialogs.underWaitCursor, 0);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace morvadel
