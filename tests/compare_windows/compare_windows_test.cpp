// The comparison window and the industry-source help, driven as a user
// drives them.
#include <unistd.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "compare/compare_forms.h"
#include "compare/form19.h"
#include "compare/form50.h"
#include "entry/form8.h"
#include "model/workbook_file.h"
#include "platform/fonts.h"
#include "platform/navigator.h"
#include "platform/recording_printer.h"
#include "platform/twips.h"
#include "shell/form2a.h"
#include "batch_input.h"
#include "test_app.h"
#include "typing.h"

namespace morvadel {
namespace {

namespace fs = std::filesystem;

using test::CellCentre;
using test::TypeChar;
using test::TypeIntoGrid;

QString At(const Grid& g, int r, int c) { return g.TextMatrix(r, c); }

struct ViewCase {
  int16_t code;
  int rows, cols, fixedCols, section, firstRow;
  std::set<int> locked;
  const char* titleHr;
  const char* titleEn;
};

const ViewCase kViewCases[] = {
    {1, 45, 11, 10, 600, 4, {1, 2, 3, 20, 21, 25, 26, 33, 34, 40, 41},
     "Pokazatelji po Dun and Bradstreet-u", "Dun and Bradstreet Ratios"},
    {2, 31, 11, 10, 700, 3, {1, 2, 13, 14, 23, 24}, "Pokazatelji po Prentence Hall-u", "Prentice Hall Ratios"},
    {3, 48, 11, 10, 800, 3, {1, 2, 12, 13, 24, 25, 30, 31}, "Pokazatelji po Robert Morris-u", "Robert Morris Ratios"},
    {9, 53, 7, 1, 900, 1, {}, "Strukturna bilanca", "Common Size Balance Sheet"},
    {10, 33, 7, 1, 1000, 1, {}, "Strukturni račun dobiti i gubitka", "Common Size Income Statement"},
};

class CompareWindowsTest : public ::testing::Test, protected test::TestApp {
 protected:
  void SetUp() override {
    Reset({RegisterShellForms, RegisterCompareForms});
    dir = fs::temp_directory_path() /
          ("morvadel_comparewin_" + std::to_string(::getpid()) + "_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override {
    nav.reset();
    fs::remove_all(dir);
  }

  // Two periods: cash 25 % of total assets, cost of goods sold 75 % of sales.
  void SmallWorkbook() {
    s->ItemTable(101, 1) = Cell::Text("2022");
    s->ItemTable(101, 2) = Cell::Text("2023");
    Put(205, 1, 25);
    Put(222, 1, 100);
    Put(205, 2, 50);
    Put(222, 2, 200);
    Put(303, 1, 400);
    Put(304, 1, 300);
  }

  Form50* View(int16_t code, int16_t language = kEnglish) {
    s->Language = language;
    SetCompareViewSettings(*s, code);
    nav->Show(FormId::form50);
    return Current<Form50>();
  }
  template <class F>
  F* Current() {
    nav->ProcessPending();
    auto* f = dynamic_cast<F*>(nav->Current());
    if (f) {
      f->show();
      QApplication::setActiveWindow(f);
      EXPECT_TRUE(QTest::qWaitForWindowActive(f));
    }
    return f;
  }
  FormId CurrentId() {
    nav->ProcessPending();
    return nav->Current() ? nav->Current()->id() : FormId::Form1;
  }
  // Types text into cell (row, col) of the view and confirms it.
  static void Enter(Form50* f, int row, int col, const QString& text) {
    f->Tablica->SetRow(row);
    f->Tablica->SetCol(col);
    TypeIntoGrid(f->Tablica, f->tekst, text);
    QTest::keyClick(f->tekst, Qt::Key_Return);
  }
  std::string Item(int row, int col) const { return ItemText(*s, row, col); }

  fs::path dir;
};

TEST_F(CompareWindowsTest, EachViewsShapeHeadingsShadingAndRowRules) {
  const char* periodHeads[] = {"      I", "      II", "     III", "      IV", "      V", "      VI"};
  const char* industryHeads[2][4] = {{"    Max.", "    Min.", "Prosjek", "Ind.komp"},
                                     {"    High", "     Low", "Average", "Ind Comp"}};
  SmallWorkbook();
  for (int16_t language : {kCroatian, kEnglish}) {
    for (const ViewCase& v : kViewCases) {
      SCOPED_TRACE(testing::Message() << "view " << v.code << " language " << language);
      Form50* f = View(v.code, language);
      ASSERT_NE(f, nullptr);
      Grid& g = *f->Tablica;
      const bool industry = v.code <= 3, hr = language == kCroatian;
      EXPECT_EQ(g.Rows(), v.rows);
      EXPECT_EQ(g.Cols(), v.cols);
      EXPECT_EQ(g.FixedCols(), v.fixedCols);
      EXPECT_EQ(g.FixedRows(), 1);
      EXPECT_EQ(g.RowHeight(0), 250);
      EXPECT_EQ(g.ColWidth(0), industry ? 2270 : 3200);
      for (int c = 1; c < v.cols; ++c) EXPECT_EQ(g.ColWidth(c), industry ? (c == 10 ? 765 : 685) : 1000) << c;

      for (int c = 1; c <= 6; ++c) EXPECT_EQ(At(g, 0, c), periodHeads[c - 1]);
      if (industry) {
        for (int c = 7; c <= 10; ++c) EXPECT_EQ(At(g, 0, c), industryHeads[language - 1][c - 7]);
      }
      EXPECT_EQ(f->window()->windowTitle(), industry && hr ? QString(kIndustryCaptionHr) : QString("Morvadel"));
      EXPECT_EQ(f->Label1->text(), QString(hr ? v.titleHr : v.titleEn));

      // Labels in column 0 of the grid and of the section; the period names in row 1.
      for (int i = 2; i < v.rows; ++i) {
        EXPECT_EQ(At(g, i, 0).toStdString(), Item(i, 0)) << i;
        EXPECT_EQ(Item(v.section + i, 0), Item(i, 0)) << i;
      }
      if (v.code == 9) {
        EXPECT_EQ(At(g, 3, 0), hr ? "Imovina (Aktiva)" : "Assets");
      }
      if (v.code == 1) {
        EXPECT_EQ(At(g, 4, 0), "Cash");
      }
      EXPECT_EQ(At(g, 1, 1), "2022");
      EXPECT_EQ(At(g, 1, 2), "2023");

      // Buttons of the view.
      EXPECT_EQ(f->Picture7->isVisibleTo(f), industry);
      EXPECT_EQ(f->Picture9->isVisibleTo(f), industry);
      EXPECT_EQ(f->Command1->isVisibleTo(f), !industry);
      EXPECT_EQ(f->Command2->isVisibleTo(f), !industry);
      EXPECT_EQ(f->Command1->isEnabled(), !industry && v.code != 9);
      EXPECT_EQ(f->Command2->isEnabled(), !industry && v.code != 10);
      EXPECT_EQ(f->Command1->text(), hr ? "Strukturna bilanca" : "Common Size Balance Sheet");
      EXPECT_EQ(f->Command2->text(), hr ? "Strukturni račun dobiti i gubitaka" : "Common Size Income Statement");

      // First current cell.
      EXPECT_EQ(g.Row(), v.firstRow);
      EXPECT_EQ(g.Col(), industry ? 10 : 1);

      // Shading, and typing only into the rows that take input.
      for (int r = 1; r < v.rows; ++r) {
        const bool locked = v.locked.count(r) != 0;
        if (industry) {
          for (int c = 1; c <= 9; ++c) EXPECT_NE(g.CellBackColorAt(r, c), LockedShade) << r << "," << c;
          EXPECT_EQ(g.CellBackColorAt(r, 10) == LockedShade, locked) << r;
        } else {
          for (int c = 1; c <= 6; ++c) EXPECT_EQ(g.CellBackColorAt(r, c), LockedShade) << r << "," << c;
        }
        g.SetRow(r);
        TypeChar(&g, '5');
        EXPECT_EQ(f->Family()->EditorOpen(), !locked) << "row " << r;
        if (f->Family()->EditorOpen()) QTest::keyClick(f->tekst, Qt::Key_Escape);
      }
    }
  }
}

// The twips widths hold every label and heading of every view whole, in
// both languages, at the grids' own font.
TEST_F(CompareWindowsTest, LabelsAndHeadingsFitTheirColumns) {
  for (int16_t language : {kCroatian, kEnglish})
    for (int16_t code : {1, 2, 3, 9, 10}) {
      SCOPED_TRACE(testing::Message() << language << " view " << code);
      Form50* f = View(code, language);
      ASSERT_NE(f, nullptr);
      // Whole at the grids' own font: nothing had to be narrowed or made smaller.
      EXPECT_EQ(f->Tablica->font().pointSizeF(), GridFont().pointSizeF());
      EXPECT_EQ(f->Tablica->font().stretch(), GridFont().stretch());
      for (int r = 0; r < f->Tablica->Rows(); ++r)
        EXPECT_TRUE(f->Tablica->CellTextFits(r, 0)) << f->Tablica->TextMatrix(r, 0).toStdString();
      for (int c = 1; c < f->Tablica->Cols(); ++c)
        EXPECT_TRUE(f->Tablica->CellTextFits(0, c)) << f->Tablica->TextMatrix(0, c).toStdString();
    }
}

TEST_F(CompareWindowsTest, CalculationFillsGridAndSectionBeforeThePeriodNames) {
  SmallWorkbook();
  Form50* f = View(9);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(At(*f->Tablica, 5, 1), "25");
  EXPECT_EQ(At(*f->Tablica, 5, 2), "25");
  EXPECT_EQ(s->ItemTable(905, 1), Cell::Double(25.0));
  EXPECT_EQ(At(*f->Tablica, 22, 1), "100");
  // Row 1: the names in the grid; the section's row 1 stays empty until the window is left.
  EXPECT_EQ(At(*f->Tablica, 1, 1), "2022");
  EXPECT_EQ(Item(901, 1), "");

  f = View(10);
  EXPECT_EQ(At(*f->Tablica, 4, 1), "75");
  EXPECT_EQ(s->ItemTable(1004, 1), Cell::Double(75.0));

  f = View(1);
  EXPECT_EQ(At(*f->Tablica, 4, 1), "25");
  EXPECT_EQ(At(*f->Tablica, 4, 7), "25");  // Max
  EXPECT_EQ(At(*f->Tablica, 4, 9), "25");  // Average
  EXPECT_EQ(s->ItemTable(604, 7), Cell::Money(Currency::FromWhole(25)));
  EXPECT_EQ(At(*f->Tablica, 1, 1), "2022");
}

TEST_F(CompareWindowsTest, TypedCommonSizeFigureReachesTheSectionOnTheSwitchUntilTheNextLoad) {
  SmallWorkbook();
  Form50* f = View(9);
  ASSERT_NE(f, nullptr);
  Enter(f, 5, 1, "12.5");
  EXPECT_EQ(At(*f->Tablica, 5, 1), "12.5");
  // An edit still open when a button is pressed is kept too.
  f->Tablica->SetRow(6);
  f->Tablica->SetCol(2);
  TypeIntoGrid(f->Tablica, f->tekst, "30");
  QTest::mouseClick(f->Command2, Qt::LeftButton);

  f = Current<Form50>();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(s->ReportCode, 10);
  EXPECT_EQ(f->Label1->text(), "Common Size Income Statement");
  // Typed figures in the file's form, names as shown, computed figures as
  // they were computed.
  EXPECT_EQ(s->ItemTable(905, 1), Cell::FileNumber("12.5"));
  EXPECT_EQ(s->ItemTable(906, 2), Cell::FileNumber("30"));
  EXPECT_EQ(s->ItemTable(901, 1), Cell::Text("2022"));
  EXPECT_EQ(s->ItemTable(922, 1), Cell::Double(100));

  QTest::mouseClick(f->Command1, Qt::LeftButton);
  f = Current<Form50>();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(s->ReportCode, 9);
  EXPECT_EQ(At(*f->Tablica, 5, 1), "25");  // computed again
  EXPECT_EQ(s->ItemTable(905, 1), Cell::Double(25.0));
}

TEST_F(CompareWindowsTest, IndustryFigureSurvivesLeavingReopeningAndTheWorkbookFile) {
  SmallWorkbook();
  Form50* f = View(1);
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(f->Tablica->Row(), 4);
  TypeIntoGrid(f->Tablica, f->tekst, "1.25");
  QTest::keyClick(f->tekst, Qt::Key_Return);
  EXPECT_EQ(At(*f->Tablica, 4, 10), "1.25");
  Enter(f, 43, 10, "-3.5");  // "Return on assets (%)"
  QTest::mouseClick(f->Picture1, Qt::LeftButton);
  ASSERT_EQ(CurrentId(), FormId::Form2a);
  EXPECT_EQ(s->ItemTable(604, 10), Cell::Text("1.25"));
  EXPECT_EQ(s->ItemTable(643, 10), Cell::Text("-3.5"));

  // Reopened from the main window's source picture.
  dynamic_cast<Form2a*>(nav->Current())->Picture5_Click();
  f = Current<Form50>();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(s->ReportCode, 1);
  EXPECT_EQ(At(*f->Tablica, 4, 10), "1.25");
  EXPECT_EQ(At(*f->Tablica, 43, 10), "-3.5");
  EXPECT_EQ(At(*f->Tablica, 4, 1), "25");

  // Saved into the workbook file and read back into a fresh run.
  s->FileName = (dir / "industry.eka").string();
  ASSERT_TRUE(SaveDataFile(*s).ok());
  SharedState fresh;
  fresh.FileName = s->FileName;
  ASSERT_TRUE(CitajDatoteku(fresh).ok());
  EXPECT_EQ(fresh.ItemTable(604, 10), Cell::Text("1.25"));
  *s = fresh;
  f = View(1);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(At(*f->Tablica, 4, 10), "1.25");
  EXPECT_EQ(At(*f->Tablica, 43, 10), "-3.5");
  EXPECT_EQ(At(*f->Tablica, 4, 1), "25");
}

TEST_F(CompareWindowsTest, LockedRowRefusesTypingWhileAClickOpensTheEditor) {
  Form50* f = View(1);
  ASSERT_NE(f, nullptr);
  Grid* g = f->Tablica;
  g->SetRow(20);
  for (char32_t k : {U'5', U'.', U' ', U'a'}) {
    TypeChar(g, k);
    EXPECT_FALSE(f->Family()->EditorOpen());
  }
  EXPECT_EQ(At(*g, 20, 10), "");

  QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, CellCentre(*g, 20, 10));
  ASSERT_TRUE(f->Family()->EditorOpen());
  EXPECT_EQ(g->Row(), 20);
  TypeChar(f->tekst, '9');
  TypeChar(f->tekst, 'x');  // the statement filter: digits only outside row 1
  QTest::keyClick(f->tekst, Qt::Key_Return);
  EXPECT_EQ(At(*g, 20, 10), "9");

  // A click on the label column opens nothing.
  QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, CellCentre(*g, 22, 0));
  EXPECT_FALSE(f->Family()->EditorOpen());
}

// Columns 1 to 9 of the industry views are frozen: a click there makes the
// pressed row's industry cell current before the editor opens, also with
// the grid scrolled, so "7" with Enter changes the row that was clicked and
// no other row's industry figure.
TEST_F(CompareWindowsTest, AClickOnAFrozenCellEditsTheRowThatWasClicked) {
  s->ItemTable(604, 10) = Cell::Text("11.5");
  Form50* f = View(1);
  ASSERT_NE(f, nullptr);
  Grid* g = f->Tablica;
  ASSERT_EQ(g->Row(), 4);
  // Centre of a cell as shown, whatever the scroll position.
  auto centre = [g](int row, int col) {
    int x = 0;
    for (int c = 0; c < col; ++c) x += g->ColWidth(c);
    int y = g->RowHeight(0);
    for (int r = g->FixedRows() + g->verticalScrollBar()->value(); r < row; ++r) y += g->RowHeight(r);
    return QPoint(PxFromTwips(x + g->ColWidth(col) / 2), PxFromTwips(y + g->RowHeight(row) / 2));
  };
  QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centre(15, 7));  // row 15's Max
  ASSERT_TRUE(f->Family()->EditorOpen());
  EXPECT_EQ(g->Row(), 15);
  EXPECT_EQ(g->Col(), 10);
  TypeChar(f->tekst, '7');
  QTest::keyClick(f->tekst, Qt::Key_Return);
  EXPECT_EQ(At(*g, 15, 10), "7");
  EXPECT_EQ(At(*g, 4, 10), "11.5");

  // Scrolled to the bottom: a click on a period cell of row 43.
  g->SetRow(44);
  ASSERT_GT(g->verticalScrollBar()->value(), 0);
  QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centre(43, 2));
  ASSERT_TRUE(f->Family()->EditorOpen());
  EXPECT_EQ(g->Row(), 43);
  TypeChar(f->tekst, '3');
  QTest::keyClick(f->tekst, Qt::Key_Return);
  EXPECT_EQ(At(*g, 43, 10), "3");
  EXPECT_EQ(At(*g, 44, 10), "");
  EXPECT_EQ(At(*g, 15, 10), "7");

  // An edit still open when a frozen cell is clicked goes to its own cell.
  g->SetRow(42);
  TypeIntoGrid(g, f->tekst, "5");
  QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centre(39, 8));
  EXPECT_EQ(At(*g, 42, 10), "5");
  EXPECT_EQ(g->Row(), 39);
  EXPECT_TRUE(f->Family()->EditorOpen());
}

TEST_F(CompareWindowsTest, EveryWayOutWritesTheGridBack) {
  struct Way {
    const char* name;
    int16_t view;
    int col;
    std::function<void(Form50*)> act;
    FormId target;
  };
  const Way ways[] = {
      {"back", 1, 10, [](Form50* f) { QTest::mouseClick(f->Picture1, Qt::LeftButton); }, FormId::Form2a},
      {"explanations", 2, 10, [](Form50* f) { QTest::mouseClick(f->Picture9, Qt::LeftButton); }, FormId::Form19},
      {"close box", 3, 10, [](Form50* f) { f->close(); }, FormId::Form2a},
      {"income statement", 9, 2, [](Form50* f) { QTest::mouseClick(f->Command2, Qt::LeftButton); }, FormId::form50},
      {"balance sheet", 10, 3, [](Form50* f) { QTest::mouseClick(f->Command1, Qt::LeftButton); }, FormId::form50},
      {"back from common size", 9, 4, [](Form50* f) { f->Picture1_Click(); }, FormId::Form2a},
      {"close box of common size", 10, 5, [](Form50* f) { f->close(); }, FormId::Form2a},
  };
  for (const Way& w : ways) {
    SCOPED_TRACE(w.name);
    Form50* f = View(w.view);
    ASSERT_NE(f, nullptr);
    const int section = s->SectionBase;
    Enter(f, 5, w.col, "4");
    w.act(f);
    EXPECT_EQ(CurrentId(), w.target);
    // The industry figure stays as typed; a figure of a period column is kept
    // in the file's form.
    EXPECT_EQ(s->ItemTable(section + 5, w.col), w.col == 10 ? Cell::Text("4") : Cell::FileNumber("4"));
  }
}

TEST_F(CompareWindowsTest, ExplanationButtonSavesTheGridAndOpensTheHelpOfTheSource) {
  for (int16_t language : {kCroatian, kEnglish}) {
    for (int16_t code : {1, 2, 3}) {
      SCOPED_TRACE(testing::Message() << "view " << code << " language " << language);
      Form50* f = View(code, language);
      ASSERT_NE(f, nullptr);
      const int row = f->Tablica->Row();
      TypeIntoGrid(f->Tablica, f->tekst, "2.5");
      QTest::keyClick(f->tekst, Qt::Key_Return);
      QTest::mouseClick(f->Picture9, Qt::LeftButton);
      auto* help = Current<Form19>();
      ASSERT_NE(help, nullptr);
      EXPECT_EQ(s->ItemTable(s->SectionBase + row, 10), Cell::Text("2.5"));
      const QString text = QString::fromStdString(IndustrySourceHelpText(code, language)).replace("\r\n", "\n");
      EXPECT_FALSE(text.isEmpty());
      EXPECT_EQ(help->Text1->toPlainText(), text);
      EXPECT_EQ(help->Picture6->isVisibleTo(help), code == 1);
      EXPECT_EQ(help->Picture4->isVisibleTo(help), code == 2);
      EXPECT_EQ(help->Picture2->isVisibleTo(help), code == 3);
      EXPECT_EQ(help->window()->windowTitle(), "Morvadel");
      // Back always leads to the main window.
      QTest::mouseClick(help->Picture5, Qt::LeftButton);
      EXPECT_EQ(CurrentId(), FormId::Form2a);
    }
  }
  // Nothing happens in a common-size view.
  Form50* f = View(9);
  f->Picture9_Click();
  EXPECT_FALSE(nav->HasPending());
  // The help's close box also leads to the main window.
  s->ReportCode = 2;
  nav->Show(FormId::Form19);
  auto* help = Current<Form19>();
  ASSERT_NE(help, nullptr);
  help->close();
  EXPECT_EQ(CurrentId(), FormId::Form2a);
}

TEST_F(CompareWindowsTest, SourceHelpTextsFollowTheirForm) {
  struct HelpCase {
    int16_t code, language;
    size_t paragraphs;
    int indent, firstIndent;
    size_t addressLine;
    std::string address;
  };
  const HelpCase cases[] = {
      {1, kEnglish, 7, 6, 6, 6, "      Web address: https://www.dnb.com ."},
      {1, kCroatian, 7, 5, 5, 6, "     Web adresa: https://www.dnb.com ."},
      {2, kEnglish, 7, 6, 6, 6, "      PRENTICE-HALL is present on the Internet at the address: https://www.pearson.com"},
      {2, kCroatian, 7, 6, 8, 6, "      PRENTICE-HALL je prisutan na Internetu na adresi: https://www.pearson.com"},
      {3, kEnglish, 8, 5, 5, 3, "     RMA is present on the Internet at the address: https://www.rmahq.org ."},
      {3, kCroatian, 8, 5, 5, 3, "     RMA je danas prisutna na Internetu - na adresi: https://www.rmahq.org ."},
  };
  for (const HelpCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "source " << c.code << " language " << c.language);
    const std::string text = IndustrySourceHelpText(c.code, c.language);
    ASSERT_EQ(text.substr(0, 3), " \r\n");
    ASSERT_NE(text.substr(text.size() - 2), "\r\n");
    std::vector<std::string> paragraphs;
    for (size_t from = 3;;) {
      const size_t end = text.find("\r\n", from);
      paragraphs.push_back(text.substr(from, end == std::string::npos ? std::string::npos : end - from));
      if (end == std::string::npos) break;
      from = end + 2;
    }
    ASSERT_EQ(paragraphs.size(), c.paragraphs);
    for (size_t i = 0; i < paragraphs.size(); ++i) {
      const std::string& p = paragraphs[i];
      const size_t blanks = p.find_first_not_of(' ');
      EXPECT_EQ(blanks, static_cast<size_t>(i == 0 ? c.firstIndent : c.indent)) << i;
      EXPECT_EQ(p.find('\n'), std::string::npos) << i;
    }
    EXPECT_EQ(paragraphs[c.addressLine], c.address);
    EXPECT_NE(text, IndustrySourceHelpText(c.code, static_cast<int16_t>(3 - c.language)));
  }
  EXPECT_EQ(IndustrySourceHelpText(9, kEnglish), "");
  EXPECT_EQ(IndustrySourceHelpText(1, 0), "");
}

TEST_F(CompareWindowsTest, TopLeftCellShowsRatioDescriptionOnceAnIndustryViewWasOpened) {
  Form50* f = View(9);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(At(*f->Tablica, 0, 0), "");
  f = View(2);
  EXPECT_EQ(At(*f->Tablica, 0, 0), "Ratio description");
  f->Picture1_Click();
  f = View(10, kCroatian);
  EXPECT_EQ(At(*f->Tablica, 0, 0), "Ratio description");
  EXPECT_EQ(At(*f->Tablica, 3, 0), "Neto prodaja");
}

TEST_F(CompareWindowsTest, MainWindowOpensTheViews) {
  s->Language = kEnglish;
  s->FileName = (dir / "named.eka").string();  // the analysis commands need a named workbook
  nav->Show(FormId::Form2a);
  auto* main = Current<Form2a>();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(main->Command3->isEnabled());
  QTest::mouseClick(main->Command3, Qt::LeftButton);
  Form50* f = Current<Form50>();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->Label1->text(), "Common Size Balance Sheet");
  EXPECT_EQ(f->Tablica->Rows(), 53);
  QTest::mouseClick(f->Picture1, Qt::LeftButton);
  main = Current<Form2a>();
  ASSERT_NE(main, nullptr);
  QTest::mouseClick(main->Picture7, Qt::LeftButton);
  f = Current<Form50>();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->Label1->text(), "Robert Morris Ratios");
  EXPECT_EQ(f->Tablica->Rows(), 48);
  EXPECT_EQ(At(*f->Tablica, 0, 10), "Ind Comp");
}

// The income view's button and the spreadsheet export clicked so quickly
// that both clicks come in one batch: the export, aimed at a view that is
// going away, is dropped rather than made of the balance sheet cut to the
// income view's rows.
TEST_F(CompareWindowsTest, AnExportQueuedBehindAViewSwitchIsDropped) {
  SmallWorkbook();
  Form50* f = View(9);
  ASSERT_NE(f, nullptr);
  test::InputBatch().Click(f->Command2).Click(f->Picture16).Deliver();
  f = dynamic_cast<Form50*>(nav->Current());
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(s->ReportCode, 10);
  EXPECT_EQ(f->Label1->text(), "Common Size Income Statement");
  EXPECT_TRUE(opened.empty());
  EXPECT_FALSE(fs::exists(exportDir / "Export.xlsx"));
}

TEST_F(CompareWindowsTest, PrintButtonPrintsBothPagesOfEveryViewInOneJob) {
  struct Case {
    int16_t code;
    int lastRowOnPage2;  // grid row
  } cases[] = {{1, 44}, {2, 30}, {3, 47}, {9, 52}, {10, 32}};
  SmallWorkbook();
  int calls = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    Form50* f = View(c.code);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Picture2->toolTip(), " Print ");
    auto printer = dialogs.QueueRecordingPrinter();
    QTest::mouseClick(f->Picture2, Qt::LeftButton);
    EXPECT_EQ(dialogs.printerCalls, ++calls);
    EXPECT_EQ(printer->jobsEnded, 1);
    EXPECT_EQ(printer->pagesEnded, 2);
    // Page 2 ends with the view's last row, at printer row last - 25.
    const std::string lastLabel = Item(s->SectionBase + c.lastRowOnPage2, 0);
    bool found = false;
    for (const auto& t : printer->TextsOnPage(1))
      found = found || (t.text == lastLabel && std::abs(t.y - (1.9 + 0.18 * (c.lastRowOnPage2 - 25))) < 1e-9);
    EXPECT_TRUE(found) << lastLabel;
    const bool industry = c.code <= 3;
    for (const auto& t : printer->texts)
      if (t.font == "Courier New" && t.y > 2.2) {
        EXPECT_DOUBLE_EQ(t.size, industry ? 8 : 10) << t.text;
      }
    EXPECT_EQ(nav->Current(), f);
  }
}

TEST_F(CompareWindowsTest, PrintedPagesShowTheIndustryFigureJustTyped) {
  SmallWorkbook();
  Form50* f = View(1);
  ASSERT_NE(f, nullptr);
  Enter(f, 4, 10, "1.8");
  f->Tablica->SetRow(5);
  TypeIntoGrid(f->Tablica, f->tekst, "2.5");  // still in the editor
  auto printer = dialogs.QueueRecordingPrinter();
  QTest::mouseClick(f->Picture2, Qt::LeftButton);
  std::vector<std::string> figures;
  for (const auto& t : printer->TextsOnPage(0))
    if (std::abs(t.x - (2.2 + 0.75 * 10)) < 1e-9) figures.push_back(t.text);
  EXPECT_EQ(figures, std::vector<std::string>({"   1.80", "   2.50"}));
  EXPECT_EQ(Item(605, 10), "2.5");
}

// Pictures of every view and of the help in both languages, for looking at:
// MORVADEL_SCREENSHOTS names the folder they are written to.
TEST_F(CompareWindowsTest, Screenshots) {
  const char* out = std::getenv("MORVADEL_SCREENSHOTS");
  if (!out) GTEST_SKIP() << "MORVADEL_SCREENSHOTS not set";
  SmallWorkbook();
  s->ItemTable(604, 10) = Cell::Text("22.5");
  for (int16_t language : {kCroatian, kEnglish}) {
    const char* lang = language == kCroatian ? "hr" : "en";
    for (const ViewCase& v : kViewCases) {
      Form50* f = View(v.code, language);
      ASSERT_NE(f, nullptr);
      QApplication::processEvents();
      const std::string path = std::string(out) + "/form50_" + std::to_string(v.code) + "_" + lang + ".png";
      EXPECT_TRUE(f->grab().save(QString::fromStdString(path)));
    }
    for (int16_t code : {1, 2, 3}) {
      s->ReportCode = code;
      nav->Show(FormId::Form19);
      auto* help = Current<Form19>();
      ASSERT_NE(help, nullptr);
      QApplication::processEvents();
      const std::string path = std::string(out) + "/form19_" + std::to_string(code) + "_" + lang + ".png";
      EXPECT_TRUE(help->grab().save(QString::fromStdString(path)));
    }
  }
}

}  // namespace
}  // namespace morvadel
