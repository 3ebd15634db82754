#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>

#include "platform/navigator.h"
#include "platform/recording_printer.h"
#include "ratios/form18.h"
#include "ratios/form3.h"
#include "ratios/ratio_catalogue.h"
#include "ratios/ratio_forms.h"
#include "ratios/ratio_group_form.h"
#include "ratios/ratio_help_pages.h"
#include "ratios/unos2.h"
#include "shell/form2a.h"
#include "test_app.h"

namespace morvadel {
namespace {

// Every row a ratio of the catalogue reads, filled for six periods, with
// a few chosen figures where a test checks the arithmetic.
void FillWorkbook(SharedState& s) {
  const char* years[] = {"2019", "2020", "2021", "2022", "2023", "2024"};
  for (int j = 1; j <= 6; ++j) {
    s.ItemTable(1, j) = Cell::Text(years[j - 1]);
    s.ItemTable(101, j) = Cell::Text(years[j - 1]);
  }
  for (const RatioEntry& e : RatioCatalogue()) {
    for (int row : {e.numeratorRow, e.denominatorRow}) {
      if (row == 0) continue;
      for (int j = 1; j <= 6; ++j) {
        const int value = row == 102 ? 365 : (row * 37 % 900 + 300) * (100 + 9 * j) / 100;
        s.ItemTable(row, j) = Cell::Text(std::to_string(value));
      }
    }
  }
  const int assets[] = {1250, 1400, 1380, 1520, 1610, 1700};
  const int liabilities[] = {1000, 1050, 1100, 1080, 1150, 1200};
  const int inventory[] = {1000, 1200, 0, 800, 900, 1000};
  for (int j = 1; j <= 6; ++j) {
    s.ItemTable(211, j) = Cell::Text(std::to_string(assets[j - 1]));
    s.ItemTable(233, j) = Cell::Text(std::to_string(liabilities[j - 1]));
    s.ItemTable(207, j) = Cell::Text(std::to_string(inventory[j - 1]));
    s.ItemTable(304, j) = Cell::Text("6000");
    s.ItemTable(56, j) = Cell::Int32(7);
  }
}

class RatioWindowsTest : public ::testing::Test, protected test::TestApp {
 protected:
  void SetUp() override {
    Reset({RegisterShellForms, RegisterRatioForms});
    s->Language = kEnglish;
    s->FileName = "/tmp/workbook.eka";
    FillWorkbook(*s);
  }

  Form* Show(FormId id) {
    nav->Show(id);
    nav->ProcessPending();
    return nav->Current();
  }
  // Carries out the window change a click asked for.
  Form* Follow() {
    nav->ProcessPending();
    return nav->Current();
  }
  Unos2* Ratio(int16_t code) {
    s->RatioCode = code;
    return dynamic_cast<Unos2*>(Show(FormId::Unos2));
  }
  RatioGroupForm* Group(FormId id) { return dynamic_cast<RatioGroupForm*>(Show(id)); }
  static void Click(QAbstractButton* b) {
    ASSERT_TRUE(b->isVisible() && b->isEnabled()) << b->text().toStdString();
    QTest::mouseClick(b, Qt::LeftButton);
  }
};

// ---- ratio window -----------------------------------------------------------

TEST_F(RatioWindowsTest, RatioGridShapeHeadingsLabelsAndFigures) {
  struct Case {
    int16_t language;
    const char* period;
    const char* dynamics;
    const char* numerator;
  } cases[] = {{kCroatian, "Razdoblje", "Dinamika I = 100", "Tekuća imovina"},
               {kEnglish, "Period", "Dynamics 1st = 100", "Current assets "}};
  for (const Case& c : cases) {
    s->Language = c.language;
    s->ItemTable(101, 6) = Cell();  // an empty name stays empty, not a blank
    Unos2* w = Ratio(11);
    ASSERT_NE(w, nullptr);
    Grid* g = w->Tablica;
    EXPECT_EQ(g->Cols(), 7);
    EXPECT_EQ(g->Rows(), 6);
    EXPECT_EQ(g->FixedCols(), 1);
    EXPECT_EQ(g->FixedRows(), 1);
    EXPECT_EQ(g->RowHeight(0), 250);
    EXPECT_EQ(g->ColWidth(0), 2150);
    for (int col = 1; col <= 6; ++col) EXPECT_EQ(g->ColWidth(col), 1000);
    EXPECT_EQ(s->GridCols, 7);
    EXPECT_EQ(s->GridRows, 6);
    const char* headings[] = {" ", "         I", "         II", "        III", "         IV", "         V",
                              "         VI"};
    for (int col = 0; col <= 6; ++col) EXPECT_EQ(g->TextMatrix(0, col).toStdString(), headings[col]);
    EXPECT_EQ(g->TextMatrix(1, 0).toStdString(), c.period);
    EXPECT_EQ(g->TextMatrix(5, 0).toStdString(), c.dynamics);
    EXPECT_EQ(g->TextMatrix(2, 0).toStdString(), c.numerator);
    EXPECT_EQ(g->TextMatrix(1, 1), "2019");
    EXPECT_EQ(g->TextMatrix(1, 6), "");
    // 1250 / 1000 in period I; rows 2..5 are the engine's.
    EXPECT_EQ(g->TextMatrix(2, 1), "1250");
    EXPECT_EQ(g->TextMatrix(3, 1), "1000");
    EXPECT_EQ(g->TextMatrix(4, 1), "1.25");
    EXPECT_EQ(g->TextMatrix(5, 1), "100");
    for (int r = 2; r <= 5; ++r)
      for (int col = 0; col <= 6; ++col)
        EXPECT_EQ(g->TextMatrix(r, col).toStdString(), w->result().cell(r, col)) << r << "," << col;
    EXPECT_EQ(w->Label1->text().toStdString(), RatioTitle(11, c.language));
    EXPECT_EQ(w->window()->windowTitle(), "Morvadel");
  }
}

TEST_F(RatioWindowsTest, ChartsTakeTheSixPeriodsAndTheirLabels) {
  // The legend takes the summary heading; where there is none, the period's
  // name of the general data, as grid row 1 shows it; else the numeral.
  s->ItemTable(1, 1) = Cell::Text("Plan");
  s->ItemTable(1, 3) = Cell();
  s->ItemTable(1, 6) = Cell();
  s->ItemTable(101, 6) = Cell();
  Unos2* w = Ratio(11);
  ASSERT_NE(w, nullptr);
  for (Chart* c : {w->Graf1, w->Graf2, w->Graf3}) {
    EXPECT_EQ(c->RowCount(), 1);
    EXPECT_EQ(c->ColumnCount(), 6);
  }
  for (int j = 1; j <= 6; ++j) {
    EXPECT_DOUBLE_EQ(w->Graf1->DataAt(1, j), s->RatioPeriods(kRatioField, j).ToDouble()) << j;
    EXPECT_DOUBLE_EQ(w->Graf2->DataAt(1, j), s->RatioPeriods(kNumeratorField, j).ToDouble()) << j;
    EXPECT_DOUBLE_EQ(w->Graf3->DataAt(1, j), s->RatioPeriods(kDenominatorField, j).ToDouble()) << j;
    EXPECT_EQ(w->Graf1->ColumnLabelAt(j).toStdString(), RatioLegendText(*s, j));
    EXPECT_TRUE(w->Graf2->ColumnLabelAt(j).isEmpty());
    EXPECT_TRUE(w->Graf3->ColumnLabelAt(j).isEmpty());
  }
  EXPECT_DOUBLE_EQ(w->Graf1->DataAt(1, 1), 1.25);
  EXPECT_EQ(w->Graf1->ColumnLabelAt(1), "Plan");
  EXPECT_EQ(w->Graf1->ColumnLabelAt(3).toStdString(), ItemText(*s, 101, 3));
  EXPECT_FALSE(w->Graf1->ColumnLabelAt(3).isEmpty());
  EXPECT_EQ(w->Graf1->ColumnLabelAt(6), "VI");
  EXPECT_EQ(w->Graf1->RowLabelAt(1), "Current Ratio");
  EXPECT_EQ(w->Graf2->RowLabelAt(1), "Current assets ");
  EXPECT_EQ(w->Graf3->RowLabelAt(1), "Current liabilities");
  // English code 27: the chart has a shorter numerator label than the grid.
  w = Ratio(27);
  EXPECT_EQ(w->Graf2->RowLabelAt(1), "Net property+L.term liabilit.");
  EXPECT_EQ(w->Tablica->TextMatrix(2, 0), "Net property+Long term liabil");
}

TEST_F(RatioWindowsTest, ToggleFollowsAverageOfferedAndAverageMode) {
  struct Case {
    int16_t offered, mode;
    bool command1, command2, picture3;
  } cases[] = {{0, 0, false, false, false},
               {0, 7, false, false, false},
               {7, 0, true, false, true},
               {7, 7, false, true, true}};
  for (const Case& c : cases) {
    s->AverageOffered = c.offered;
    s->AverageMode = c.mode;
    Unos2* w = Ratio(33);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Command1->isVisible(), c.command1) << c.offered << "/" << c.mode;
    EXPECT_EQ(w->Command2->isVisible(), c.command2) << c.offered << "/" << c.mode;
    EXPECT_EQ(w->Picture3->isVisible(), c.picture3) << c.offered << "/" << c.mode;
  }

  // Real to average and back, each a reload of the same ratio.
  s->AverageOffered = 7;
  s->AverageMode = 0;
  Unos2* w = Ratio(33);
  const QString realDenominatorII = w->Tablica->TextMatrix(3, 2);
  Click(w->Command1);
  w = dynamic_cast<Unos2*>(Follow());
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(s->AverageMode, 7);
  EXPECT_TRUE(w->Command2->isVisible());
  EXPECT_EQ(w->Tablica->TextMatrix(3, 2), "1100");  // (1000 + 1200) / 2
  EXPECT_NE(w->Tablica->TextMatrix(3, 2), realDenominatorII);
  Click(w->Command2);
  w = dynamic_cast<Unos2*>(Follow());
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(s->AverageMode, 0);
  EXPECT_EQ(w->Tablica->TextMatrix(3, 2), realDenominatorII);
  EXPECT_EQ(s->RatioCode, 33);
}

TEST_F(RatioWindowsTest, ToggleCaptionsAreTwoLinesInEachLanguage) {
  struct Case {
    int16_t language;
    const char *c1, *c2;
  } cases[] = {
      {kCroatian, "        Računato iz STVARNE vrijednosti.     -\nKliknite i koristite prosječnu vrijednost!",
       "  Računato iz PROSJEČNE vrijednosti. \nKliknite i koristite stvarnu vrijednost!"},
      {kEnglish, " Calculation based on REAL values.\nClick to use average values!",
       " Calculation based on AVERAGE values.\nClick to use real values!"}};
  for (const Case& c : cases) {
    s->Language = c.language;
    s->AverageOffered = 7;
    Unos2* w = Ratio(31);
    EXPECT_EQ(w->Command1->text(), QString::fromUtf8(c.c1));
    EXPECT_EQ(w->Command2->text(), QString::fromUtf8(c.c2));
  }
}

TEST_F(RatioWindowsTest, HelpButtonAndTooltipsByCodeAndLanguage) {
  const std::set<int16_t> withHelp = {11, 12, 13, 22, 23, 31, 32, 33, 34, 35, 36, 37, 38, 41, 42, 43, 44, 46};
  for (int16_t code : kSelectableRatioCodes) {
    Unos2* w = Ratio(code);
    EXPECT_EQ(w->Pitaj->isVisible(), withHelp.count(code) == 1) << code;
  }
  struct Case {
    int16_t language;
    const char *forward, *back, *group, *menu, *help;
  } cases[] = {{kCroatian, "Slijedeći prikaz", "Prethodni prikaz", "Financijski pokazatelji", "Glavni izbornik",
                "Pojmovni riječnik"},
               {kEnglish, "Forward", "Back", "Financial Ratios", "Menu", "Help"}};
  for (const Case& c : cases) {
    s->Language = c.language;
    Unos2* w = Ratio(11);
    EXPECT_EQ(w->Picture4->toolTip(), QString::fromUtf8(c.forward));
    EXPECT_EQ(w->Picture5->toolTip(), QString::fromUtf8(c.back));
    EXPECT_EQ(w->Izlaz3->toolTip(), QString::fromUtf8(c.group));
    EXPECT_EQ(w->Image2->toolTip(), QString::fromUtf8(c.menu));
    EXPECT_EQ(w->Pitaj->toolTip(), QString::fromUtf8(c.help));
  }
}

TEST_F(RatioWindowsTest, ForwardAndBackWalkTheSelectableCodesAndStopAtTheEnds) {
  Unos2* w = Ratio(11);
  std::vector<int16_t> seen = {s->RatioCode};
  for (size_t i = 0; i < kSelectableRatioCodes.size(); ++i) {
    Click(w->Picture4);
    w = dynamic_cast<Unos2*>(Follow());
    ASSERT_NE(w, nullptr);
    seen.push_back(s->RatioCode);
    const bool offers = s->RatioCode == 31 || s->RatioCode == 32 || s->RatioCode == 33 || s->RatioCode == 35 ||
                        s->RatioCode == 37;
    EXPECT_EQ(s->AverageOffered, offers ? 7 : 0) << s->RatioCode;
    EXPECT_EQ(w->Command1->isVisible(), offers) << s->RatioCode;
  }
  std::vector<int16_t> expected(kSelectableRatioCodes.begin(), kSelectableRatioCodes.end());
  expected.push_back(57);  // 57 forward stays 57
  EXPECT_EQ(seen, expected);

  seen = {s->RatioCode};
  for (size_t i = 0; i < kSelectableRatioCodes.size(); ++i) {
    Click(w->Picture5);
    w = dynamic_cast<Unos2*>(Follow());
    ASSERT_NE(w, nullptr);
    seen.push_back(s->RatioCode);
  }
  std::reverse(expected.begin(), expected.end() - 1);
  expected.back() = 11;  // 11 back stays 11
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), 39), 0);

  // Over the gap of 39 each way.
  w = Ratio(38);
  Click(w->Picture4);
  Follow();
  EXPECT_EQ(s->RatioCode, 41);
  w = dynamic_cast<Unos2*>(nav->Current());
  Click(w->Picture5);
  Follow();
  EXPECT_EQ(s->RatioCode, 38);
}

// The help button comes and goes with the ratio; the arrows stay where they
// are, and so does the window, so clicking on one spot walks every ratio.
TEST_F(RatioWindowsTest, ForwardStaysUnderThePointerFromTheFirstRatioToTheLast) {
  Show(FormId::Form2a);  // the window it is opened from, with its frame
  Unos2* w = Ratio(11);
  auto centre = [](QWidget* b) { return b->mapToGlobal(b->rect().center()); };
  const QPoint forward = centre(w->Picture4), back = centre(w->Picture5), menu = centre(w->Image2);
  const QRect frame = w->window()->frameGeometry();
  for (size_t i = 1; i < kSelectableRatioCodes.size(); ++i) {
    QWidget* under = w->childAt(w->mapFromGlobal(forward));
    ASSERT_EQ(under, w->Picture4) << "code " << s->RatioCode;
    QTest::mouseClick(under, Qt::LeftButton);
    w = dynamic_cast<Unos2*>(Follow());
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(s->RatioCode, kSelectableRatioCodes[i]);
    EXPECT_EQ(centre(w->Picture5), back) << s->RatioCode;
    EXPECT_EQ(centre(w->Image2), menu) << s->RatioCode;
    EXPECT_EQ(w->window()->frameGeometry(), frame) << s->RatioCode;
  }
  EXPECT_EQ(s->RatioCode, 57);
}

TEST_F(RatioWindowsTest, SteppingToARatioWithoutTheToggleShowsRealValues) {
  // Average values chosen on 33, then forward to 34, which has no toggle.
  s->AverageOffered = 7;
  s->AverageMode = 7;
  Unos2* w = Ratio(33);
  Click(w->Picture4);
  w = dynamic_cast<Unos2*>(Follow());
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(s->RatioCode, 34);
  EXPECT_EQ(s->AverageOffered, 0);
  EXPECT_EQ(s->AverageMode, 0);
  EXPECT_FALSE(w->Command1->isVisible());
  EXPECT_FALSE(w->Command2->isVisible());
  EXPECT_EQ(w->Tablica->TextMatrix(3, 2), "7");  // the real turnover, not an average
  // The profitability window offers averages on 44, forward from 43 does not.
  s->AverageOffered = 7;
  s->AverageMode = 7;
  w = Ratio(43);
  Click(w->Picture4);
  Follow();
  EXPECT_EQ(s->RatioCode, 44);
  EXPECT_EQ(s->AverageOffered, 0);
  EXPECT_EQ(s->AverageMode, 0);
  // Between two ratios that both offer the toggle the choice is kept.
  s->AverageOffered = 7;
  s->AverageMode = 7;
  w = Ratio(32);
  Click(w->Picture4);
  w = dynamic_cast<Unos2*>(Follow());
  EXPECT_EQ(s->RatioCode, 33);
  EXPECT_EQ(s->AverageMode, 7);
  EXPECT_TRUE(w->Command2->isVisible());
}

TEST_F(RatioWindowsTest, ExitsReturnToTheGroupOrTheMainWindowAndClearTheFlags) {
  const FormId targets[] = {FormId::Form2a, FormId::Form11, FormId::Form12, FormId::Form13, FormId::Form14,
                            FormId::Form15};
  for (int16_t group = 0; group <= 5; ++group) {
    s->RatioGroup = group;
    s->AverageOffered = 7;
    s->AverageMode = 7;
    Unos2* w = Ratio(33);
    Click(w->Izlaz3);
    Form* next = Follow();
    EXPECT_EQ(next->id(), targets[group]) << group;
    EXPECT_EQ(s->AverageMode, 0);
    EXPECT_EQ(s->AverageOffered, 0);
  }
  s->RatioGroup = 3;
  s->AverageOffered = 7;
  s->AverageMode = 7;
  Unos2* w = Ratio(33);
  Click(w->Image2);
  EXPECT_EQ(Follow()->id(), FormId::Form2a);
  EXPECT_EQ(s->AverageMode, 0);
  EXPECT_EQ(s->AverageOffered, 0);
  // The close box leaves like the back button.
  s->RatioGroup = 2;
  w = Ratio(21);
  w->close();
  EXPECT_EQ(Follow()->id(), FormId::Form12);
}

// ---- printing ---------------------------------------------------------------

class RatioPrintTest : public RatioWindowsTest {
 protected:
  static bool Inked(const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); y += 3)
      for (int x = 0; x < image.width(); x += 3) dark += qGray(image.pixel(x, y)) < 200;
    return dark > 100;
  }
};

TEST_F(RatioPrintTest, PrintsTheRatioPageThenShowsRealValuesWithoutTheToggle) {
  s->AverageOffered = kFlagOn;
  s->AverageMode = kFlagOn;
  Unos2* w = Ratio(33);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Print1->toolTip(), "Print this page");
  const std::string title = w->Label1->text().toStdString();
  auto printer = dialogs.QueueRecordingPrinter();
  Click(w->Print1);
  EXPECT_EQ(dialogs.printerCalls, 1);
  EXPECT_EQ(printer->jobsEnded, 1);
  EXPECT_EQ(printer->pagesEnded, 1);
  ASSERT_FALSE(printer->texts.empty());
  EXPECT_EQ(printer->texts[0].text, title);
  EXPECT_NEAR(printer->texts[0].y, 1.3, 1e-9);
  EXPECT_EQ(printer->TextAt(0, 1.2, 2.76), "Period");
  EXPECT_EQ(printer->TextAt(0, 3.6, 2.71), "        2019");
  // The table, then numerator, denominator and ratio charts at 4000 by 3000 twips.
  ASSERT_EQ(printer->pictures.size(), 4u);
  EXPECT_NEAR(printer->pictures[0].width, 9.25, 1e-9);
  const double xs[] = {1.3, 4.3, 7.3};
  for (int i = 0; i < 3; ++i) {
    const auto& chart = printer->pictures[i + 1];
    EXPECT_NEAR(chart.x, xs[i], 1e-9);
    EXPECT_NEAR(chart.y, 4.8, 1e-9);
    EXPECT_NEAR(chart.width, 4000 / 1440.0, 0.01);
    EXPECT_NEAR(chart.height, 3000 / 1440.0, 0.01);
    EXPECT_TRUE(chart.IsDrawing()) << i;
    EXPECT_TRUE(Inked(chart.Rendered())) << i;
  }
  EXPECT_NE(printer->pictures[1].Rendered(), printer->pictures[3].Rendered());
  // Then the window comes back on real values without the toggle.
  auto* again = dynamic_cast<Unos2*>(Follow());
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(s->AverageMode, kFlagOff);
  EXPECT_EQ(s->AverageOffered, kFlagOff);
  EXPECT_FALSE(again->Command1->isVisible());
  EXPECT_FALSE(again->Command2->isVisible());
  EXPECT_EQ(s->RatioCode, 33);
}

TEST_F(RatioPrintTest, CancelledOrFailedPrintLeavesTheWindowAsItWas) {
  s->AverageOffered = kFlagOn;
  s->AverageMode = kFlagOn;
  Unos2* w = Ratio(35);
  Click(w->Print1);  // cancelled
  EXPECT_FALSE(nav->HasPending());
  EXPECT_EQ(s->AverageMode, kFlagOn);
  EXPECT_EQ(s->AverageOffered, kFlagOn);
  EXPECT_TRUE(dialogs.messages.empty());
  dialogs.QueueRecordingPrinter()->FailOnEnd();
  Click(w->Print1);
  EXPECT_FALSE(nav->HasPending());
  EXPECT_EQ(s->AverageMode, kFlagOn);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Printing failed: the printer could not start or reported an error.");
  EXPECT_EQ(Follow(), w);
}

TEST_F(RatioPrintTest, DayRatioPrintsWholeDaysAndPeriodIWithoutARatioStaysBlank) {
  auto printer = dialogs.QueueRecordingPrinter();
  Click(Ratio(34)->Print1);  // 365 days over 7: 52
  for (int c = 1; c <= 6; ++c) EXPECT_EQ(printer->TextAt(0, 2.5 + 1.1 * c, 3.7), "          52") << c;
  Follow();

  s->ItemTable(211, 1) = Cell();  // no current assets in period I: no ratio
  printer = dialogs.QueueRecordingPrinter();
  Click(Ratio(11)->Print1);
  EXPECT_EQ(printer->TextAt(0, 3.6, 3.05), "            ");
  EXPECT_EQ(printer->TextAt(0, 3.6, 3.4), "        1000");
  EXPECT_EQ(printer->TextAt(0, 3.6, 3.7), "<nothing>");
  EXPECT_EQ(printer->TextAt(0, 3.6, 4), "<nothing>");
  EXPECT_EQ(printer->TextAt(0, 4.7, 3.7), "        1.33");  // 1400 / 1050
  EXPECT_NE(printer->TextAt(0, 4.7, 4), "<nothing>");
}

TEST_F(RatioWindowsTest, CellsThatAreNoNumbersAreReportedOnceAfterTheWindowShows) {
  s->ItemTable(211, 2) = Cell::Text("12a");
  Unos2* w = Ratio(11);
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(dialogs.messages.empty());  // not while the window is being built
  QApplication::processEvents();
  QApplication::processEvents();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, w->result().ProblemMessage());
  EXPECT_EQ(dialogs.messages[0].title, "Morvadel");
  EXPECT_EQ(w->Tablica->TextMatrix(4, 2), "");
  // A clean ratio says nothing.
  dialogs.messages.clear();
  Ratio(13);
  QApplication::processEvents();
  EXPECT_TRUE(dialogs.messages.empty());
}

// ---- ratio-group windows ----------------------------------------------------

struct ButtonCase {
  FormId window;
  const char* name;
  const char* hr;
  const char* en;
  int16_t code;
  bool averages;
};

const ButtonCase kButtons[] = {
    {FormId::Form11, "Command1", "Koeficijent tekuće likvidnosti ", "Current Ratio", 11, false},
    {FormId::Form11, "Command2", "Koeficijent ubrzane likvidnosti", "Quick Ratio", 12, false},
    {FormId::Form11, "Command14", "Koeficijent trenutačne likvidnosti ", "Cash Ratio", 13, false},
    {FormId::Form11, "Command3", "Koeficijent financijske stabilnosti ", "Index of Financial Stability", 14, false},
    {FormId::Form12, "Command1", "Koeficijent zaduženosti", "Debt Ratio", 21, false},
    {FormId::Form12, "Command2", "Koeficijent vlastitig financiranja", "Coefficient of Self-Financing", 22, false},
    {FormId::Form12, "Command3", "Koeficijent financiranja", "Debt to Equity Ratio", 23, false},
    {FormId::Form12, "Command4", "Pokriće troškova kamata ", "Times Interest Earned", 24, false},
    {FormId::Form12, "Command5", "Faktor zaduženosti", "Debt Factor", 25, false},
    {FormId::Form12, "Command6", "Stupanj pokrića (I)", "Liquidity Ratio(I)", 26, false},
    {FormId::Form12, "Command7", "Stupanj pokrića (II)", "Liquidity Ratio(II)", 27, false},
    {FormId::Form13, "Command2", "Koeficijent obrtaja ukupnih sredstava", "Total Assets Turnover Ratio", 31, true},
    {FormId::Form13, "Command3", "Koeficijent obrtaja obrtnih sredstava", "Working Capital Turnover", 32, true},
    {FormId::Form13, "Command4", "Koeficijent obrtaja zaliha ", "Inventory Turnover Ratio", 33, true},
    {FormId::Form13, "Command5", "Prosječno vrijeme obrta zaliha", "Inventory Processing Period", 34, false},
    {FormId::Form13, "Command39", "Koeficijent obrtaja potraživanja", "Receivables Turnover Ratio", 35, true},
    {FormId::Form13, "Command36", "Trajanje naplate u danima", "Receivables Collection Period", 36, false},
    {FormId::Form13, "Command37", "Koeficijent obrta obveza", "Payables Turnover Ratio", 37, true},
    {FormId::Form13, "Command38", "Trajanje plaćanja u danima", "Payables Payment Period", 38, false},
    {FormId::Form14, "Command2", "Marža profita", "Profit Margin", 41, false},
    {FormId::Form14, "Command22", "Marža profita (brutto)   ", "Pre-tax Profit Margin Ratio", 42, false},
    {FormId::Form14, "Command43", "Operativna marža profita", "Operating Profit Margin", 43, false},
    {FormId::Form14, "Command3", "Rentabilnost ukupnih sredstava - kapitala  ", "Return on Assets (Net)", 44, true},
    {FormId::Form14, "Command45", "Rentabilnost ukupnih sredstava - (imovine) bruto ",
     "Return on Assets (Gross) - ROA", 45, true},
    {FormId::Form14, "Command4", "Rentabilnost vlastitog kapitala ", "Return on Total Equity", 46, true},
    {FormId::Form15, "Command2", "Akumulativnost", "Capital-generating Ability", 51, true},
    {FormId::Form15, "Command3", "Reproduktivna sposobnost", "Income-generating Capacity", 52, true},
    {FormId::Form15, "Command4", "Ekonomičnost proizvodnje", "Production Efficiency", 53, false},
    {FormId::Form15, "Command5", "Ekonomičnost poslovanja", "Bussiness Efficiency", 54, false},
    {FormId::Form15, "Command6", "Ekonomičnost prodaje", "Sales Efficiency", 55, false},
    {FormId::Form15, "Command7", "Ekonomičnost financiranja", "Efficiency of Financial Activities", 56, false},
    {FormId::Form15, "Command8", "Ekonomičnost izvanrednih aktivnosti", "Efficiency of Extra Activities", 57, false},
};

TEST_F(RatioWindowsTest, EveryRatioButtonStoresItsCodeAndOpensTheRatioWindow) {
  std::set<int16_t> codes;
  for (const ButtonCase& b : kButtons) {
    for (int16_t language : {kCroatian, kEnglish}) {
      s->Language = language;
      RatioGroupForm* g = Group(b.window);
      ASSERT_NE(g, nullptr);
      QPushButton* button = g->RatioButton(b.name);
      ASSERT_NE(button, nullptr) << b.name;
      EXPECT_EQ(button->text(), QString::fromUtf8(language == kCroatian ? b.hr : b.en)) << b.code;
      s->AverageOffered = 0;
      s->RatioCode = 0;
      Click(button);
      EXPECT_EQ(s->RatioCode, b.code);
      EXPECT_EQ(s->AverageOffered, b.averages ? 7 : 0) << b.code;
      Unos2* w = dynamic_cast<Unos2*>(Follow());
      ASSERT_NE(w, nullptr) << b.code;
      EXPECT_EQ(w->Command1->isVisible(), b.averages) << b.code;
    }
    codes.insert(b.code);
  }
  // The 32 selectable ratios, each once; 39 has no button.
  EXPECT_EQ(codes, std::set<int16_t>(kSelectableRatioCodes.begin(), kSelectableRatioCodes.end()));
  // Buttons top to bottom in code order in each window.
  for (const RatioGroupDef& d : RatioGroups())
    EXPECT_TRUE(std::is_sorted(d.buttons.begin(), d.buttons.end(),
                               [](const RatioButtonDef& a, const RatioButtonDef& c) { return a.code < c.code; }));
}

TEST_F(RatioWindowsTest, GroupWindowCaptionsAndOwnButtonDisabled) {
  struct Case {
    FormId id;
    const char *hr, *en;
    int own;
  } cases[] = {{FormId::Form11, "Pokazatelji likvidnosti ", "Liquidity Ratios", 0},
               {FormId::Form12, "Pokazatelji zaduženosti ", "Leverage Ratios", 1},
               {FormId::Form13, "Pokazatelji aktivnosti ", "Activity Ratios", 2},
               {FormId::Form14, "Pokazatelji profitabilnosti ", "Profitability Ratios", 3},
               {FormId::Form15, "Pokazatelji ekonomičnosti", "Efficiency Ratios", 4}};
  const char* groupHr[] = {"Likvidnosti", "Zaduženosti", "Aktivnosti", "Profitabilnosti", "Ekonomičnosti"};
  const char* groupEn[] = {"Liquidity", "Leverage", "Activity", "Profitability", "Efficiency"};
  for (const Case& c : cases) {
    for (int16_t language : {kCroatian, kEnglish}) {
      s->Language = language;
      RatioGroupForm* g = Group(c.id);
      const bool en = language == kEnglish;
      EXPECT_EQ(g->Label1->text(), QString::fromUtf8(en ? c.en : c.hr));
      EXPECT_EQ(g->Label2->text(), en ? "Ratios" : "Pokazatelji:");
      EXPECT_EQ(g->Pregled->text(), en ? "Overview" : "Pregled");
      QPushButton* buttons[] = {g->Command31, g->Command32, g->Command33, g->Command34, g->Command35};
      for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(buttons[k]->text(), QString::fromUtf8(en ? groupEn[k] : groupHr[k]));
        EXPECT_EQ(buttons[k]->isEnabled(), k != c.own);
      }
      EXPECT_EQ(g->window()->windowTitle(), "Morvadel");
      EXPECT_EQ(g->Label1->font().pointSizeF(), 15.75);
      EXPECT_TRUE(g->Label1->font().bold());
      EXPECT_EQ(g->RatioButtons.front()->font().pointSizeF(), 9.75);
    }
  }
}

TEST_F(RatioWindowsTest, GroupSwitchingSetsTheGroupAndClearsTheFlagsFromActivityOn) {
  const FormId windows[] = {FormId::Form11, FormId::Form12, FormId::Form13, FormId::Form14, FormId::Form15};
  for (int from = 0; from < 5; ++from) {
    for (int to = 0; to < 5; ++to) {
      if (from == to) continue;
      s->RatioGroup = 0;
      RatioGroupForm* g = Group(windows[from]);
      QPushButton* buttons[] = {g->Command31, g->Command32, g->Command33, g->Command34, g->Command35};
      s->AverageMode = 7;
      s->AverageOffered = 7;
      Click(buttons[to]);
      Form* next = Follow();
      EXPECT_EQ(next->id(), windows[to]);
      EXPECT_TRUE(next->isVisible());
      EXPECT_EQ(s->RatioGroup, to + 1);
      const bool clears = to >= 2;
      EXPECT_EQ(s->AverageMode, clears ? 0 : 7) << from << "->" << to;
      EXPECT_EQ(s->AverageOffered, clears ? 0 : 7) << from << "->" << to;
    }
  }
  // The own button, disabled, still names its group when pressed in code.
  RatioGroupForm* g = Group(FormId::Form12);
  s->RatioGroup = 4;
  g->GroupButton_Click(2);
  EXPECT_FALSE(nav->HasPending());
  EXPECT_EQ(s->RatioGroup, 2);
}

TEST_F(RatioWindowsTest, MainWindowOpensLiquidityWhichBecomesTheReturnGroup) {
  for (int16_t before : {0, 3}) {
    s->RatioGroup = before;
    auto* m = dynamic_cast<Form2a*>(Show(FormId::Form2a));
    ASSERT_NE(m, nullptr);
    ASSERT_TRUE(m->Command1->isEnabled());
    Click(m->Command1);
    auto* g = dynamic_cast<RatioGroupForm*>(Follow());
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->id(), FormId::Form11);
    EXPECT_EQ(s->RatioGroup, 1);
    Click(g->RatioButton("Command1"));
    auto* w = dynamic_cast<Unos2*>(Follow());
    ASSERT_NE(w, nullptr);
    Click(w->Izlaz3);
    EXPECT_EQ(Follow()->id(), FormId::Form11);
  }
  // The back arrow keeps every setting.
  s->RatioCode = 23;
  s->AverageMode = 7;
  s->AverageOffered = 7;
  RatioGroupForm* g = Group(FormId::Form12);
  Click(g->Picture5);
  EXPECT_EQ(Follow()->id(), FormId::Form2a);
  EXPECT_EQ(s->RatioGroup, 1);
  EXPECT_EQ(s->RatioCode, 23);
  EXPECT_EQ(s->AverageMode, 7);
  EXPECT_EQ(s->AverageOffered, 7);
}

TEST_F(RatioWindowsTest, ActivityRoundTripClearsTheOfferBeforeTheNextRatio) {
  RatioGroupForm* g = Group(FormId::Form13);
  Click(g->RatioButton("Command2"));
  EXPECT_EQ(s->RatioCode, 31);
  EXPECT_EQ(s->AverageOffered, 7);
  s->RatioGroup = 3;
  auto* w = dynamic_cast<Unos2*>(Follow());
  Click(w->Command1);
  w = dynamic_cast<Unos2*>(Follow());
  Click(w->Izlaz3);
  g = dynamic_cast<RatioGroupForm*>(Follow());
  ASSERT_NE(g, nullptr);
  Click(g->RatioButton("Command5"));
  EXPECT_EQ(s->RatioCode, 34);
  EXPECT_EQ(s->AverageOffered, 0);
  EXPECT_EQ(s->AverageMode, 0);
}

// ---- help pages -------------------------------------------------------------

struct TitleCase {
  int16_t code;
  const char *hr, *en;
};
const TitleCase kTitles[] = {
    {11, "   Koeficijent tekuće likvidnosti (Current Ratio)", "   Current Ratio"},
    {12, "   Koeficijent ubrzane likvidnosti", "   Quick Ratio"},
    {13, "   Koeficijent trenutne likvidnosti", "   Cash Ratio"},
    {21, "   Koeficjent zaduženosti", "   Debt Ratio"},
    {22, "   Koeficijent vlastitog financiranja", "   Coefficient of  Self-Financing"},
    {23, "   Koeficijent zaduženosti (Debt to Equity Ratio)", "   Debt to Equity Ratio"},
    {31, "   Koeficjent obrtaja ukupnih sredstava", "   Total Assets Turnover Ratio"},
    {32, " Koeficijent obrtaja obrtnih sredstava ", " Working Capital Turnover Ratio "},
    {33, "   Koeficjent obrtaja zaliha", "   Inventory Turnover Ratio"},
    {34, "   Prosječno vrijeme obrta zaliha", "   Inventory Processing Period"},
    {35, " Koeficijent obrta potraživanja ", "   Receivables Turnover Ratio"},
    {36, " Trajanje naplate potraživanja ", "   Receivables Collection Period"},
    {37, " Koeficijent obrta obveza ", "   Payables Turnover Ratio"},
    {38, " Trajanje plaćanja u danima ", "   Payables Payment Period"},
    {41, "   Marža profita (neto)", "   Return on Sales Ratio"},
    {42, "   Marža profita (bruto)", "   Pre-tax Profit Margin Ratio"},
    {43, " Operativna marža profita ", "   Operating Profit Margin"},
    {44, "   Rentabilnost ukupnih sredstava (Return on assets (ROA) ratio)", "   Return on Assets (ROA) Ratio"},
    {46, "   Rentabilnost vlastitog kapitala", "   Return on Total Equity"},
};

std::vector<std::string> Lines(const std::string& page) {
  std::vector<std::string> out;
  size_t start = 0;
  for (;;) {
    size_t end = page.find("\r\n", start);
    out.push_back(page.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return out;
    start = end + 2;
  }
}

TEST_F(RatioWindowsTest, HelpPagesHaveTheirTitlesFormulasAndSources) {
  EXPECT_EQ(HelpPages().size(), 20u);
  for (const TitleCase& t : kTitles) {
    for (int16_t language : {kCroatian, kEnglish}) {
      const std::string page = HelpPageText(t.code, language);
      const auto lines = Lines(page);
      ASSERT_GE(lines.size(), 3u);
      EXPECT_EQ(lines[0], " ") << t.code;
      EXPECT_EQ(lines[1], language == kCroatian ? t.hr : t.en) << t.code;
      EXPECT_EQ(page.find('\n'), page.find("\r\n") + 1);  // CR LF only
      for (const std::string& l : lines) EXPECT_EQ(l.find('\n'), std::string::npos);
    }
  }
  auto has = [](int16_t code, int16_t language, const std::string& line) {
    const auto lines = Lines(HelpPageText(code, language));
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  // Headed pages.
  for (int16_t code : {11, 12, 23, 41, 42, 44}) {
    EXPECT_TRUE(has(code, kEnglish, "   What it is:")) << code;
    EXPECT_TRUE(has(code, kEnglish, "   When to use it:")) << code;
    EXPECT_TRUE(has(code, kCroatian, code == 44 ? " Što je to?" : "   Što je to?")) << code;
    EXPECT_TRUE(has(code, kCroatian, "   Kada koristiti ovaj koeficijent?")) << code;
    EXPECT_TRUE(has(code, kEnglish, " Source: American Express")) << code;
    EXPECT_TRUE(has(code, kCroatian, " Izvor: American Express")) << code;
  }
  EXPECT_TRUE(has(21, kEnglish, " Formula: Total Liabilities / Total Assets"));
  EXPECT_TRUE(has(22, kCroatian, "   Vlastiti kaital / Ukupna aktiva"));
  EXPECT_TRUE(has(22, kEnglish, "   Total Stockholders Equity / Total assets"));
  EXPECT_TRUE(has(46, kCroatian, "   Neto dobit / Vlastiti kapital"));
  EXPECT_TRUE(has(46, kEnglish, "   Net Income / Total Equity"));
  EXPECT_TRUE(has(32, kEnglish, " Source: RMA Definition of Ratios"));
  EXPECT_TRUE(has(1001, kCroatian,
                  "   Prosječna vrijednost = (Realna vrijednost na početku razdoblja + Realna vrijednost na kraju "
                  "razdoblja) / 2"));
  EXPECT_TRUE(has(1001, kEnglish,
                  " Moving average = (The real amount at the beginning of a period + the real amount at the end of "
                  "period) / 2"));
  EXPECT_EQ(Lines(HelpPageText(1001, kCroatian))[1], "   Objašnjenje");
  EXPECT_EQ(HelpPageText(1001, kEnglish).substr(0, 5), " \r\n\r\n");
  // No source on the formula pages 22 and 46.
  for (int16_t code : {22, 46})
    for (int16_t language : {kCroatian, kEnglish})
      EXPECT_EQ(HelpPageText(code, language).find("Source"), std::string::npos);
}

// A help page is text to read: no caret and no typing; its title and the
// headings of the headed pages stand out, and its text is the page's own.
TEST_F(RatioWindowsTest, HelpPagesAreReadOnlyWithTheirTitleAndHeadingsSetOff) {
  struct Case {
    int16_t code, language;
    const char* title;  // "" = the page has none
    int headings;
  } cases[] = {
      {11, kEnglish, "Current Ratio", 2},     {11, kCroatian, "Koeficijent tekuće likvidnosti (Current Ratio)", 2},
      {44, kCroatian, "Rentabilnost ukupnih sredstava (Return on assets (ROA) ratio)", 2},
      {22, kEnglish, "Coefficient of  Self-Financing", 0},
      {1001, kEnglish, "", 0},                {1001, kCroatian, "Objašnjenje", 0},
      {51, kEnglish, "This page is under construction", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.code << "/" << c.language);
    s->Language = c.language;
    s->RatioCode = c.code;
    auto* h = dynamic_cast<Form18*>(Show(FormId::Form18));
    ASSERT_NE(h, nullptr);
    EXPECT_TRUE(h->Text1->isReadOnly());
    EXPECT_FALSE(h->Text1->textInteractionFlags() & (Qt::TextEditable | Qt::TextSelectableByKeyboard));
    EXPECT_EQ(h->Text1->toPlainText(), QString::fromStdString(HelpPageText(c.code, c.language)).replace("\r\n", "\n"));
    QString title;
    int headings = 0;
    for (QTextBlock b = h->Text1->document()->begin(); b.isValid(); b = b.next()) {
      const int level = b.blockFormat().headingLevel();
      if (b.begin().atEnd()) continue;  // an empty line
      const QTextCharFormat text = b.begin().fragment().charFormat();
      if (level == 1) {
        EXPECT_TRUE(title.isEmpty()) << "one title only";
        title = b.text().trimmed();
        EXPECT_GT(text.fontPointSize(), h->Text1->font().pointSizeF());
      }
      if (level == 2) ++headings;
      EXPECT_EQ(text.fontWeight() == QFont::Bold, level > 0) << b.text().toStdString();
    }
    EXPECT_EQ(title, QString::fromUtf8(c.title));
    EXPECT_EQ(headings, c.headings);
  }
}

TEST_F(RatioWindowsTest, RatiosWithoutAPageShowTheUnderConstructionPage) {
  const int16_t codes[] = {14, 24, 25, 26, 27, 39, 45, 51, 52, 53, 54, 55, 56, 57, 0, 99};
  for (int16_t code : codes) {
    for (int16_t language : {kCroatian, kEnglish}) {
      s->Language = language;
      s->RatioCode = code;
      auto* h = dynamic_cast<Form18*>(Show(FormId::Form18));
      ASSERT_NE(h, nullptr);
      EXPECT_EQ(h->Text1->toPlainText(), QString::fromUtf8(language == kCroatian
                                                               ? " \n   Ova stranica je u izradi"
                                                               : " \n   This page is under construction"))
          << code;
    }
  }
  s->Language = 0;
  s->RatioCode = 11;
  auto* h = dynamic_cast<Form18*>(Show(FormId::Form18));
  EXPECT_TRUE(h->Text1->toPlainText().isEmpty());
}

// A drag from the help text runs an event loop of Qt's own under the text's
// mouse handler. A window change that comes due in it (one asked for while
// the loop runs) waits until the loop and the handler have returned: the
// help page is never deleted under its text's code.
TEST_F(RatioWindowsTest, TheHelpPageLivesThroughAnEventLoopOfQtsOwnUnderItsText) {
  s->RatioCode = 11;
  auto* h = dynamic_cast<Form18*>(Show(FormId::Form18));
  ASSERT_NE(h, nullptr);
  QPointer<Form18> watch(h);
  struct DragLoop : QObject {
    Navigator* nav;
    QPointer<Form18> page;
    bool livedThroughIt = false;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() != QEvent::MouseMove) return false;
      // As QDrag::exec runs its loop until the drop.
      QEventLoop loop;
      QTimer::singleShot(0, nav, [this] { nav->Show(FormId::Unos2); });
      QTimer::singleShot(60, &loop, &QEventLoop::quit);
      loop.exec();
      livedThroughIt = !page.isNull();
      return page.isNull();  // the text's own handler only on a live window
    }
  } drag;
  drag.nav = nav.get();
  drag.page = h;
  QWidget* text = h->Text1->viewport();
  text->installEventFilter(&drag);
  QMouseEvent move(QEvent::MouseMove, QPointF(20, 20), text->mapToGlobal(QPointF(20, 20)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(text, &move);
  EXPECT_TRUE(drag.livedThroughIt);
  ASSERT_FALSE(watch.isNull());
  text->removeEventFilter(&drag);
  EXPECT_EQ(nav->Current(), h);
  QApplication::processEvents();
  EXPECT_TRUE(watch.isNull());
  ASSERT_NE(nav->Current(), nullptr);
  EXPECT_EQ(nav->Current()->id(), FormId::Unos2);
}

TEST_F(RatioWindowsTest, RatioHelpReturnsToTheSameRatio) {
  s->Language = kCroatian;
  Unos2* w = Ratio(22);
  Click(w->Pitaj);
  auto* h = dynamic_cast<Form18*>(Follow());
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(h->Text1->toPlainText(), QString::fromStdString(HelpPageText(22, kCroatian)).replace("\r\n", "\n"));
  Click(h->Picture2);
  w = dynamic_cast<Unos2*>(Follow());
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(s->RatioCode, 22);
}

TEST_F(RatioWindowsTest, AveragesHelpRoundTripKeepsRatioAndView) {
  s->AverageOffered = 7;
  s->AverageMode = 7;
  Unos2* w = Ratio(33);
  const QString averaged = w->Tablica->TextMatrix(3, 2);
  Click(w->Picture3);
  EXPECT_EQ(s->SavedRatioCode, 33);
  EXPECT_EQ(s->RatioCode, 1001);
  auto* h = dynamic_cast<Form18*>(Follow());
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(h->Text1->toPlainText(), QString::fromStdString(HelpPageText(1001, kEnglish)).replace("\r\n", "\n"));
  h->close();  // the close box is the same way back
  w = dynamic_cast<Unos2*>(Follow());
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(s->RatioCode, 33);
  EXPECT_EQ(s->AverageMode, 7);
  EXPECT_EQ(s->AverageOffered, 7);
  EXPECT_TRUE(w->Command2->isVisible());
  EXPECT_EQ(w->Tablica->TextMatrix(3, 2), averaged);
}

// ---- ratio overview ---------------------------------------------------------

TEST_F(RatioWindowsTest, OverviewListsInBothLanguages) {
  auto items = [](QListWidget* list) {
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().toStdString());
    return out;
  };
  s->Language = kEnglish;
  RatioGroupForm* g = Group(FormId::Form14);
  Click(g->Pregled);
  auto* o = dynamic_cast<Form3*>(Follow());
  ASSERT_NE(o, nullptr);
  EXPECT_EQ(o->Label1->text(), "Financial Ratios");
  EXPECT_EQ(o->Frame1->title(), "Liquidity");
  EXPECT_EQ(o->Frame5->title(), "Efficiency");
  EXPECT_EQ(items(o->List1), (std::vector<std::string>{"Current Ratio", "Quick Ratio",
                                                       "Index of Financial Stability", "Cash Ratio"}));
  EXPECT_EQ(o->List2->count(), 7);
  EXPECT_EQ(o->List3->count(), 8);
  EXPECT_EQ(o->List4->count(), 6);
  EXPECT_EQ(o->List5->count(), 7);
  EXPECT_EQ(items(o->List4)[1], "Pre-tax Profit Margin Ratio");
  EXPECT_EQ(items(o->List5)[3], "Bussiness Efficiency");
  // Choosing an item does nothing.
  s->RatioCode = 46;
  QTest::mouseDClick(o->List3->viewport(), Qt::LeftButton, {},
                     o->List3->visualItemRect(o->List3->item(2)).center());
  EXPECT_FALSE(nav->HasPending());
  EXPECT_EQ(s->RatioCode, 46);
  Click(o->Picture4);
  EXPECT_EQ(Follow()->id(), FormId::Form2a);

  s->Language = kCroatian;
  o = dynamic_cast<Form3*>(Show(FormId::Form3));
  EXPECT_EQ(o->Label1->text(), "Financijski pokazatelji");
  EXPECT_EQ(o->Frame2->title(), QString::fromUtf8("Zaduženost"));
  EXPECT_EQ(items(o->List1),
            (std::vector<std::string>{"Koeficijent tekuće likvidnosti", "Koeficijent ubrzane likvidnosti",
                                      "Koeficijent trenutačne likvidnosti", "Koeficijent financijske stabilnosti"}));
  EXPECT_EQ(items(o->List2)[5], "Stupanj pokrića(i)");
  EXPECT_EQ(items(o->List4)[1], "Marža profita(brutto)");
}

// ---- screenshots ------------------------------------------------------------

// Pictures of the windows for a look by eye: MORVADEL_SCREENSHOTS=1.
TEST_F(RatioWindowsTest, Screenshots) {
  if (!std::getenv("MORVADEL_SCREENSHOTS")) GTEST_SKIP() << "set MORVADEL_SCREENSHOTS=1";
  auto save = [&](Form* f, const char* name) {
    f->adjustSize();
    QApplication::processEvents();
    ASSERT_TRUE(f->grab().save(QString("/tmp/ratiowin_%1.png").arg(name)));
  };
  for (int16_t language : {kCroatian, kEnglish}) {
    s->Language = language;
    const char* tag = language == kCroatian ? "hr" : "en";
    s->AverageOffered = 7;
    s->AverageMode = 0;
    save(Ratio(33), (std::string("ratio_window_33_") + tag).c_str());
    s->AverageOffered = 0;
    save(Ratio(11), (std::string("ratio_window_11_") + tag).c_str());
    save(Group(FormId::Form14), (std::string("group_window_") + tag).c_str());
    s->RatioCode = 23;
    save(Show(FormId::Form18), (std::string("help_page_") + tag).c_str());
    save(Show(FormId::Form3), (std::string("overview_") + tag).c_str());
  }
}

}  // namespace
}  // namespace morvadel
