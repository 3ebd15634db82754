// The common-size graphs, the value-graph options and the value graphs,
// driven as a user drives them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "compare/compare_forms.h"
#include "compare/form16.h"
#include "compare/form50.h"
#include "compare/form55.h"
#include "compare/form60.h"
#include "compare/graphs.h"
#include "model/labels.h"
#include "output/graph_pages.h"
#include "platform/qt_printer.h"
#include "platform/recording_printer.h"
#include "shell/form2a.h"
#include "test_app.h"
#include "typing.h"

namespace morvadel {
namespace {

using test::TypeChar;

QString At(const Grid& g, int r, int c) { return g.TextMatrix(r, c); }

QColor Slot(int k) {
  const Rgb c = SlotColour(k);
  return QColor(c.r, c.g, c.b);
}

class GraphWindowsTest : public ::testing::Test, protected test::TestApp {
 protected:
  void SetUp() override { Reset({RegisterShellForms, RegisterCompareForms}); }

  // Two periods of a balance sheet and an income statement whose shares are
  // easy to read: total assets 100 in both, net sales 200 and 400.
  void SmallWorkbook() {
    s->ItemTable(101, 1) = Cell::Text("2022");
    s->ItemTable(101, 2) = Cell::Text("2023");
    Put(205, 1, 10);
    Put(205, 2, 30);
    Put(206, 1, 20);
    Put(207, 2, 20);
    Put(208, 1, 5);
    Put(209, 1, 15);
    Put(211, 1, 50);
    Put(211, 2, 50);
    Put(216, 1, 50);
    Put(216, 2, 50);
    Put(222, 1, 100);
    Put(222, 2, 100);
    Put(243, 1, 108);
    Put(244, 1, -8);
    Put(303, 1, 200);
    Put(303, 2, 400);
    Put(304, 1, 150);
    Put(304, 2, 100);
    Put(308, 1, 25);
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

  // The graphs as the comparison window's graph button opens them.
  Form60* GraphsFromView(int16_t view, int16_t language = kEnglish) {
    s->Language = language;
    SetCompareViewSettings(*s, view);
    nav->Show(FormId::form50);
    Form50* f = Current<Form50>();
    if (!f) return nullptr;
    QTest::mouseClick(f->Picture8, Qt::LeftButton);
    return Current<Form60>();
  }

  // The options window with every statement's labels loaded.
  Form16* Options(int16_t language = kEnglish) {
    s->Language = language;
    for (int sheet : {2, 3, 4}) FillStatementLabels(*s, sheet, language);
    nav->Show(FormId::Form16);
    return Current<Form16>();
  }
  // The value graphs of cash and marketable securities alone, through the
  // options' OK; null when a window fails to come up.
  Form55* CashGraph() {
    Form16* f = Options();
    if (!f) return nullptr;
    Click(f->List1, 0);
    QTest::mouseClick(f->Picture5, Qt::LeftButton);
    return Current<Form55>();
  }
  static void Click(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }
  static int Selected(const Form16* f) {
    int n = 0;
    for (int l = 1; l <= 3; ++l)
      for (int i = 0; i < f->List(l)->count(); ++i) n += f->List(l)->item(i)->isSelected() ? 1 : 0;
    return n;
  }
  static bool AllLocked(const Form16* f) {
    return !f->List1->isEnabled() && !f->List2->isEnabled() && !f->List3->isEnabled();
  }
  std::string Item(int row, int col) const { return ItemText(*s, row, col); }
};

// ---- the common-size graphs ------------------------------------------------

TEST_F(GraphWindowsTest, GroupsShowTheirItemsValuesAndColours) {
  struct Slot5 {
    const char* label;
    const char* value;  // "" for a zero slot
  };
  struct Case {
    int16_t code;
    int period;
    const char* title;
    const char* caption;  // grid cell (1, 0)
    std::vector<Slot5> items;
  };
  const Case cases[] = {
      {52, 1, "Current Assets", "Period / Company /",
       {{"Cash and marketable securities", "10"}, {"Accounts receivables", "20"}, {"Inventories", ""},
        {"Prepaid expense", "5"}, {"Other current assets", "15"}}},
      {58, 1, "Shareholdes Equity", "Period / Company /",
       {{"Preferred stock", ""}, {"Common stock", "108"}, {"Retained earnings", "-8"}, {"Other equity adjustments", ""}}},
      {55, 2, "Liabilities", "Period / Company /",
       {{"Total current liabilities", ""}, {"Total long term liabilities", ""}}},
      {62, 1, "Total Expenses", "Period / Company /",
       {{"Cost of goods sold", "75"}, {"Sales expenses", "12.5"}, {"General & admin. expenses", ""},
        {"Other non operating expenses", ""}, {"Interest on expenses", ""}}},
      {62, 2, "Total Expenses", "Period / Company /",
       {{"Cost of goods sold", "25"}, {"Sales expenses", ""}, {"General & admin. expenses", ""},
        {"Other non operating expenses", ""}, {"Interest on expenses", ""}}},
  };
  SmallWorkbook();
  Form60* f = GraphsFromView(9);
  ASSERT_NE(f, nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "group " << c.code << " period " << c.period);
    SetGraphGroupSettings(*s, c.code);
    s->SelectedPeriod = static_cast<int16_t>(c.period);
    nav->Show(FormId::form60);
    f = Current<Form60>();
    ASSERT_NE(f, nullptr);
    const Grid& g = *f->Tablica;
    EXPECT_EQ(g.Rows(), 13);
    EXPECT_EQ(g.Cols(), 2);
    EXPECT_EQ(g.RowHeight(0), 250);
    EXPECT_EQ(g.ColWidth(0), 3200);
    EXPECT_EQ(g.ColWidth(1), 1000);
    EXPECT_EQ(f->Label1->text(), c.title);
    EXPECT_EQ(f->Label2->text(), "Period, /Company/");
    EXPECT_EQ(At(g, 0, 1), GraphPeriodHeading(c.period));
    EXPECT_EQ(At(g, 1, 0), c.caption);
    EXPECT_EQ(At(g, 1, 1), c.period == 1 ? "2022" : "2023");
    EXPECT_EQ(At(g, 2, 0), "");
    for (int k = 1; k <= 5; ++k) {
      const int row = k + 2;
      const bool used = k <= static_cast<int>(c.items.size());
      const std::string label = used ? c.items[k - 1].label : "";
      const std::string value = used ? c.items[k - 1].value : "";
      EXPECT_EQ(At(g, row, 0).toStdString(), label) << k;
      EXPECT_EQ(At(g, row, 1).toStdString(), value) << k;
      // A value other than 0 takes its slot's colour, negative ones too;
      // a zero slot keeps the grid's own colour.
      EXPECT_EQ(g.CellBackColorAt(row, 1) == Slot(k), !value.empty()) << k;
      EXPECT_EQ(f->Graf2->ColumnLabelAt(k).toStdString(), label) << k;
      EXPECT_DOUBLE_EQ(f->Graf2->DataAt(1, k), value.empty() ? 0.0 : std::stod(value)) << k;
    }
    for (int r = 8; r <= 12; ++r) EXPECT_EQ(At(g, r, 0) + At(g, r, 1), "") << r;
    // The shown group's button is disabled, the chosen period's marked.
    for (const GraphGroup& group : GraphGroups()) {
      QPushButton* b = f->GroupButton(group.code);
      if (group.code == 53) {
        EXPECT_EQ(b, nullptr);
        continue;
      }
      ASSERT_NE(b, nullptr);
      EXPECT_EQ(b->isEnabled(), group.code != c.code) << group.code;
      EXPECT_EQ(b->text(), group.titleEn);
    }
    for (int p = 1; p <= 6; ++p) {
      EXPECT_EQ(f->PeriodMarked(p), p == c.period) << p;
      EXPECT_TRUE(f->PeriodButton(p)->isEnabled()) << p;
    }
    // The current cell waits at the last row.
    EXPECT_EQ(g.Row(), 12);
    EXPECT_EQ(g.Col(), 1);
  }
}

TEST_F(GraphWindowsTest, GroupSwitchKeepsThePeriodAndPeriodSwitchKeepsTheGroup) {
  SmallWorkbook();
  Form60* f = GraphsFromView(9, kCroatian);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->Label1->text(), "Imovina (Aktiva)");
  EXPECT_EQ(f->Label2->text(), "Razdoblje /Firma/");
  EXPECT_EQ(At(*f->Tablica, 1, 0), "Razdoblje / Firma /");
  EXPECT_EQ(At(*f->Tablica, 3, 0), "Ukupna tekuća imovina");
  EXPECT_EQ(At(*f->Tablica, 3, 1), "50");
  EXPECT_EQ(f->GroupButton(62)->text(), "Ukupni troškovi");

  QTest::mouseClick(f->Picture6, Qt::LeftButton);  // period II
  f = Current<Form60>();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(s->ReportCode, 51);
  EXPECT_EQ(s->SelectedPeriod, 2);
  EXPECT_EQ(At(*f->Tablica, 1, 1), "2023");

  QTest::mouseClick(f->GroupButton(62), Qt::LeftButton);
  f = Current<Form60>();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(s->ReportCode, 62);
  EXPECT_EQ(s->SectionBase, 600);
  EXPECT_EQ(s->SelectedPeriod, 2);
  EXPECT_EQ(f->Label1->text(), "Ukupni troškovi");
  EXPECT_EQ(At(*f->Tablica, 3, 0), "Troškovi prodanih proizvoda");
  EXPECT_EQ(At(*f->Tablica, 3, 1), "25");
  EXPECT_TRUE(f->PeriodMarked(2));

  QTest::mouseClick(f->Picture9, Qt::LeftButton);  // period V: nothing there
  f = Current<Form60>();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(s->ReportCode, 62);
  EXPECT_EQ(At(*f->Tablica, 0, 1), "         V  ");
  EXPECT_EQ(At(*f->Tablica, 3, 1), "");

  QTest::mouseClick(f->Picture1, Qt::LeftButton);
  EXPECT_EQ(CurrentId(), FormId::Form2a);
}

TEST_F(GraphWindowsTest, GraphButtonMakesBothCommonSizeSectionsCurrent) {
  for (int16_t view : {9, 10}) {
    SCOPED_TRACE(view);
    Reset({RegisterShellForms, RegisterCompareForms});
    SmallWorkbook();
    s->Language = kEnglish;
    SetCompareViewSettings(*s, view);
    nav->Show(FormId::form50);
    Form50* f = Current<Form50>();
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(f->Picture8->isVisibleTo(f));
    // A figure typed over a percentage never reaches the graphs.
    f->Tablica->SetRow(5);
    f->Tablica->SetCol(1);
    test::TypeIntoGrid(f->Tablica, f->tekst, "77");
    QTest::mouseClick(f->Picture8, Qt::LeftButton);
    Form60* g = Current<Form60>();
    ASSERT_NE(g, nullptr);

    EXPECT_EQ(s->ReportCode, 51);
    EXPECT_EQ(s->SectionBase, 500);
    EXPECT_EQ(s->ReportTitle, "Assets");
    EXPECT_EQ(s->SelectedPeriod, 1);
    EXPECT_EQ(s->GridCols, 2);
    EXPECT_EQ(s->GridRows, 13);
    EXPECT_EQ(s->GridFixedCols, 1);
    EXPECT_EQ(s->GridFixedRows, 1);
    // Both sections hold the numbers of their calculation, 0 included.
    EXPECT_EQ(s->ItemTable(905, 1), Cell::Double(10.0));
    EXPECT_EQ(s->ItemTable(906, 2), Cell::Int32(0));
    EXPECT_EQ(s->ItemTable(1004, 1), Cell::Double(75.0));
    EXPECT_EQ(s->ItemTable(1008, 2), Cell::Int32(0));
    EXPECT_EQ(Item(903, 0), "Assets");
    EXPECT_EQ(Item(1003, 0), "Net sales");
    EXPECT_EQ(At(*g->Tablica, 3, 1), "50");
  }
  // The industry views have no graph button.
  s->Language = kEnglish;
  SetCompareViewSettings(*s, 2);
  nav->Show(FormId::form50);
  Form50* f = Current<Form50>();
  ASSERT_NE(f, nullptr);
  EXPECT_FALSE(f->Picture8->isVisibleTo(f));
  EXPECT_FALSE(f->Picture8->isEnabled());
  f->Picture8_Click();
  EXPECT_FALSE(nav->HasPending());
}

// In Croatian notation the chart reads "12,5" as twelve and a half.
TEST_F(GraphWindowsTest, TheChartReadsItsValuesInTheUsersNotation) {
  SmallWorkbook();
  s->DecimalMark = ',';
  Form60* f = GraphsFromView(9, kCroatian);
  ASSERT_NE(f, nullptr);
  SetGraphGroupSettings(*s, 62);
  s->SelectedPeriod = 1;
  nav->Show(FormId::form60);
  f = Current<Form60>();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(At(*f->Tablica, 4, 1), "12,5");
  EXPECT_DOUBLE_EQ(f->Graf2->DataAt(1, 2), 12.5);
}

TEST_F(GraphWindowsTest, EditsChangeOnlyTheGridUntilTheNextLoad) {
  SmallWorkbook();
  Form60* f = GraphsFromView(9);
  ASSERT_NE(f, nullptr);
  const Cell before = s->ItemTable(911, 1);
  // The first key after the load opens the number editor over row 12.
  TypeChar(f->Tablica, '4');
  ASSERT_TRUE(f->Family()->EditorOpen());
  EXPECT_EQ(f->tekst->text(), "4");
  QTest::keyClick(f->tekst, Qt::Key_Escape);
  // Every row takes keys; the editor's filter is the statements'.
  f->Tablica->SetRow(3);
  test::TypeIntoGrid(f->Tablica, f->tekst, "9x9");
  QTest::keyClick(f->tekst, Qt::Key_Return);
  EXPECT_EQ(At(*f->Tablica, 3, 1), "99");
  EXPECT_EQ(s->ChartValues(3, 1), Currency::FromWhole(50));
  EXPECT_DOUBLE_EQ(f->Graf2->DataAt(1, 1), 50.0);
  EXPECT_EQ(s->ItemTable(911, 1), before);
  // The period-name row takes letters.
  f->Tablica->SetRow(1);
  TypeChar(f->Tablica, ' ');  // opens with the name, all selected
  QTest::keyClick(f->tekst, Qt::Key_End);
  test::TypeText(f->tekst, "Q");
  QTest::keyClick(f->tekst, Qt::Key_Return);
  EXPECT_EQ(At(*f->Tablica, 1, 1), "2022Q");
  EXPECT_EQ(Item(101, 1), "2022");

  QTest::mouseClick(f->Picture5, Qt::LeftButton);
  f = Current<Form60>();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(At(*f->Tablica, 3, 1), "50");
  EXPECT_EQ(At(*f->Tablica, 1, 1), "2022");

  f->close();  // the close box leads to the main window
  EXPECT_EQ(CurrentId(), FormId::Form2a);
}

// ---- the value-graph options -----------------------------------------------

TEST_F(GraphWindowsTest, OptionsListTheAccountsInTheLanguageOfTheRun) {
  struct Case {
    int16_t language;
    const char *title, *balance, *income, *cashFlow, *instruction, *clear;
    const char *firstBalance, *lastBalance, *firstCashFlow;
  };
  const Case cases[] = {
      {kCroatian, "Vrijednosti iz financijskih izvješća - grafički prikaz - izbor", "Bruto bilanca",
       "Račun dobiti i gubitaka", "Novčani tijek", "Izaberite najviše pet stavki.", "Brisanje izvršenog izbora",
       "Novac i utržive vrijednosnice", "Izvan bilance za:", "Neto dobit"},
      {kEnglish, "Financial Statement Value Graphs - Options", "Balance Sheet", "Income Statement", "Cash Flow",
       "Select up to 5 accounts", "Clear Account Selections", "Cash and marketable securities",
       "Out of balance by:", "Net income"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    Reset({RegisterShellForms, RegisterCompareForms});
    Form16* f = Options(c.language);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Label1->text(), c.title);
    EXPECT_EQ(f->Label1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(f->Label2->text(), c.balance);
    EXPECT_EQ(f->Label3->text(), c.income);
    EXPECT_EQ(f->Label4->text(), c.cashFlow);
    EXPECT_EQ(f->Label5->text(), c.instruction);
    EXPECT_EQ(f->Command1->text(), c.clear);
    ASSERT_EQ(f->List1->count(), 33);
    ASSERT_EQ(f->List2->count(), 20);
    ASSERT_EQ(f->List3->count(), 31);
    EXPECT_EQ(f->List1->item(0)->text(), c.firstBalance);
    EXPECT_EQ(f->List1->item(32)->text(), c.lastBalance);
    EXPECT_EQ(f->List3->item(0)->text(), c.firstCashFlow);
    for (int l = 1; l <= 3; ++l) {
      EXPECT_TRUE(f->List(l)->isEnabled());
      EXPECT_EQ(f->List(l)->selectedItems().size(), 0);
    }
  }
}

TEST_F(GraphWindowsTest, AListIsEmptyWhileItsLabelsAreAbsent) {
  s->Language = kEnglish;
  FillIncomeStatementLabelsEn(*s);
  FillBalanceSheetLabelsHr(*s);  // the other language's column does not count
  nav->Show(FormId::Form16);
  Form16* f = Current<Form16>();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->List1->count(), 0);
  EXPECT_EQ(f->List2->count(), 20);
  EXPECT_EQ(f->List3->count(), 0);
}

TEST_F(GraphWindowsTest, FifthPickLocksTheListsUntilClear) {
  Form16* f = Options();
  ASSERT_NE(f, nullptr);
  Click(f->List1, 0);
  Click(f->List2, 3);
  Click(f->List3, 5);
  Click(f->List3, 6);
  EXPECT_EQ(f->CountSelectedAndLock(), 4);
  // Deselecting one of four leaves the lists open.
  Click(f->List3, 6);
  EXPECT_EQ(Selected(f), 3);
  EXPECT_FALSE(AllLocked(f));
  Click(f->List3, 6);
  Click(f->List1, 32);
  EXPECT_EQ(Selected(f), 5);
  EXPECT_TRUE(AllLocked(f));
  Click(f->List2, 0);  // refused: the lists are locked
  Click(f->List1, 0);
  EXPECT_EQ(Selected(f), 5);

  QTest::mouseClick(f->Command1, Qt::LeftButton);
  EXPECT_EQ(Selected(f), 0);
  EXPECT_FALSE(f->List1->isEnabled() || f->List2->isEnabled() || f->List3->isEnabled() ? false : true);
  Click(f->List2, 1);
  EXPECT_EQ(Selected(f), 1);
}

TEST_F(GraphWindowsTest, NoWayOfSelectingGoesBeyondFivePicks) {
  struct Way {
    const char* name;
    std::function<void(QListWidget*)> select;  // on List1, with three picks in List2
  };
  const Way ways[] = {
      {"select all", [](QListWidget* l) { l->selectAll(); }},
      {"Ctrl+A", [](QListWidget* l) { QTest::keyClick(l, Qt::Key_A, Qt::ControlModifier); }},
      {"drag",
       [](QListWidget* l) {
         QTest::mousePress(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(0)).center());
         for (int i = 1; i <= 8; ++i) {
           QMouseEvent move(QEvent::MouseMove, l->visualItemRect(l->item(i)).center(),
                            l->viewport()->mapToGlobal(l->visualItemRect(l->item(i)).center()), Qt::NoButton,
                            Qt::LeftButton, Qt::NoModifier);
           QApplication::sendEvent(l->viewport(), &move);
         }
         QTest::mouseRelease(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(8)).center());
       }},
      {"Ctrl and Shift clicks",
       [](QListWidget* l) {
         for (int i = 0; i < 4; ++i)
           QTest::mouseClick(l->viewport(), Qt::LeftButton, i % 2 ? Qt::ShiftModifier : Qt::ControlModifier,
                             l->visualItemRect(l->item(i * 3)).center());
       }},
      {"keyboard",
       [](QListWidget* l) {
         l->setFocus();
         l->setCurrentRow(0, QItemSelectionModel::NoUpdate);
         for (int i = 0; i < 5; ++i) {
           QTest::keyClick(l, Qt::Key_Space);
           QTest::keyClick(l, Qt::Key_Down);
         }
       }},
      {"range from code",
       [](QListWidget* l) {
         l->selectionModel()->select(QItemSelection(l->model()->index(2, 0), l->model()->index(20, 0)),
                                     QItemSelectionModel::Select);
       }},
  };
  for (const Way& w : ways) {
    SCOPED_TRACE(w.name);
    Reset({RegisterShellForms, RegisterCompareForms});
    Form16* f = Options();
    ASSERT_NE(f, nullptr);
    for (int i : {0, 1, 2}) Click(f->List2, i);
    w.select(f->List1);
    EXPECT_EQ(Selected(f), 5);
    EXPECT_TRUE(AllLocked(f));
    EXPECT_EQ(f->List1->selectedItems().size(), 2);
    // The picks that fit are the first of the list.
    EXPECT_TRUE(f->List1->item(0)->isSelected() || f->List1->item(2)->isSelected());
    QTest::mouseClick(f->Picture5, Qt::LeftButton);
    ASSERT_EQ(CurrentId(), FormId::Form55);
    for (int k = 1; k <= 5; ++k) EXPECT_NE(s->SelectedAccounts(1, k), 0) << k;
  }
}

TEST_F(GraphWindowsTest, SlotsFollowListOrderWhateverTheClickOrder) {
  SmallWorkbook();
  Form16* f = Options();
  ASSERT_NE(f, nullptr);
  Click(f->List3, 30);  // cash end of period
  Click(f->List2, 0);   // net sales
  Click(f->List1, 32);  // out of balance by:
  Click(f->List1, 0);   // cash and marketable securities
  QTest::mouseClick(f->Picture5, Qt::LeftButton);
  Form55* g = Current<Form55>();
  ASSERT_NE(g, nullptr);
  const int codes[] = {200, 232, 300, 430, 0};
  const int rows[] = {205, 252, 303, 450};
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(s->SelectedAccounts(1, k), codes[k - 1]) << k;
    if (k <= 4) {
      EXPECT_EQ(s->SelectedAccounts(2, k), rows[k - 1]) << k;
    }
  }
  EXPECT_EQ(At(*g->Tablica, 2, 0), "Cash and marketable securities");
  EXPECT_EQ(At(*g->Tablica, 2, 2), "30");
  EXPECT_EQ(At(*g->Tablica, 3, 0), "");  // nothing typed for "Out of balance by:"
  EXPECT_EQ(At(*g->Tablica, 4, 0), "Net sales");
  EXPECT_EQ(At(*g->Tablica, 4, 1), "200");
}

TEST_F(GraphWindowsTest, OkWithNothingPickedReturnsToTheMainWindow) {
  Form16* f = Options();
  ASSERT_NE(f, nullptr);
  s->ChartLabels(2, 0) = Cell::Text("old");
  s->ChartValues(2, 1) = Currency::FromWhole(5);
  QTest::mouseClick(f->Picture5, Qt::LeftButton);
  EXPECT_EQ(CurrentId(), FormId::Form2a);
  EXPECT_EQ(CellText(s->ChartLabels(2, 0)), "");
  EXPECT_TRUE(s->ChartValues(2, 1).IsZero());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GraphWindowsTest, UnreadablePeriodIsShownAsZeroAndNamedOnce) {
  SmallWorkbook();
  s->ItemTable(205, 2) = Cell::Text("30 kn");
  Form55* g = CashGraph();
  ASSERT_NE(g, nullptr);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].text.find("Cash and marketable securities, period II (2023)"), std::string::npos)
      << dialogs.messages[0].text;
  EXPECT_EQ(At(*g->Tablica, 2, 1), "10");
  EXPECT_EQ(At(*g->Tablica, 2, 2), "0");
  // The window reloads itself without saying it again.
  nav->Show(FormId::Form55);
  ASSERT_NE(Current<Form55>(), nullptr);
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

// ---- the value graphs --------------------------------------------------------

TEST_F(GraphWindowsTest, ValueGraphsShowThePicksOverTheSixPeriods) {
  for (int16_t language : {kCroatian, kEnglish}) {
    SCOPED_TRACE(language);
    Reset({RegisterShellForms, RegisterCompareForms});
    SmallWorkbook();
    Form16* f = Options(language);
    ASSERT_NE(f, nullptr);
    Click(f->List2, 0);  // net sales
    Click(f->List1, 0);  // cash
    Click(f->List1, 2);  // inventories: empty in period I
    QTest::mouseClick(f->Picture5, Qt::LeftButton);
    Form55* g = Current<Form55>();
    ASSERT_NE(g, nullptr);
    const Grid& t = *g->Tablica;
    const bool hr = language == kCroatian;
    EXPECT_EQ(s->GridCols, 7);
    EXPECT_EQ(s->GridRows, 7);
    EXPECT_EQ(t.Rows(), 7);
    EXPECT_EQ(t.Cols(), 7);
    EXPECT_EQ(t.ColWidth(0), 2150);
    EXPECT_EQ(t.ColWidth(3), 1000);
    EXPECT_EQ(t.RowHeight(0), 250);
    EXPECT_EQ(g->Label1->text(),
              hr ? "Vrijednosti iz financiskih izvješća - grafički prikaz" : "Financial Statement Value Graphs");
    EXPECT_EQ(At(t, 1, 0), hr ? "Razdoblje" : "Period");
    const char* heads[] = {"         I", "         II", "        III", "         IV", "         V", "         VI"};
    for (int p = 1; p <= 6; ++p) EXPECT_EQ(At(t, 0, p), heads[p - 1]);
    EXPECT_EQ(At(t, 1, 1), "2022");
    EXPECT_EQ(At(t, 1, 3), "");
    EXPECT_EQ(At(t, 2, 0), hr ? "Novac i utržive vrijednosnice" : "Cash and marketable securities");
    EXPECT_EQ(At(t, 3, 0), hr ? "Ukupne zalihe" : "Inventories");
    EXPECT_EQ(At(t, 4, 0), hr ? "Neto prodaja" : "Net sales");
    const char* values[3][6] = {{"10", "30", "0", "0", "0", "0"},
                                {"0", "20", "0", "0", "0", "0"},
                                {"200", "400", "0", "0", "0", "0"}};
    for (int r = 2; r <= 4; ++r)
      for (int p = 1; p <= 6; ++p) EXPECT_EQ(At(t, r, p), values[r - 2][p - 1]) << r << "," << p;
    // Three picks leave rows 5 and 6 at 0 with empty labels.
    for (int r : {5, 6}) {
      EXPECT_EQ(At(t, r, 0), "") << r;
      for (int p = 1; p <= 6; ++p) EXPECT_EQ(At(t, r, p), "0") << r << "," << p;
    }
    for (int r = 2; r <= 6; ++r) {
      EXPECT_EQ(t.CellBackColorAt(r, 1), Slot(r - 1)) << r;
      EXPECT_NE(t.CellBackColorAt(r, 2), Slot(r - 1)) << r;
    }
    EXPECT_EQ(t.Row(), 6);
    EXPECT_EQ(t.Col(), 6);

    // The line chart: the slots as lines over the periods, in the grid's colours.
    EXPECT_EQ(g->Graf2->ChartType(), 3);
    EXPECT_DOUBLE_EQ(g->Graf2->DataAt(2, 2), 30.0);
    EXPECT_DOUBLE_EQ(g->Graf2->DataAt(4, 1), 200.0);
    EXPECT_DOUBLE_EQ(g->Graf2->DataAt(6, 6), 0.0);
    EXPECT_EQ(g->Graf2->RowLabelAt(4), At(t, 4, 0));
    EXPECT_EQ(g->Graf2->RowLabelAt(5), "");
    EXPECT_EQ(g->Graf2->ColumnLabelAt(1), "2022");
    EXPECT_EQ(g->Graf2->ColumnLabelAt(4), "IV");  // a period without a name
    for (int r = 2; r <= 6; ++r) EXPECT_EQ(g->Graf2->SeriesColor(r), Slot(r - 1)) << r;
    EXPECT_EQ(g->Label4->text(), "             I                         II");
    EXPECT_EQ(g->Label2->text(), "         III                       IV");
    EXPECT_EQ(g->Label3->text(), "           V                       VI");

    QTest::mouseClick(g->Izlaz3, Qt::LeftButton);
    EXPECT_EQ(CurrentId(), FormId::Form2a);
  }
}

// The ink of a picture by columns: the runs of columns with ink, runs
// closer than `gap` columns taken as one.
std::vector<std::pair<int, int>> InkRuns(const QImage& image, int gap) {
  std::vector<std::pair<int, int>> runs;
  for (int x = 0; x < image.width(); ++x) {
    bool ink = false;
    for (int y = 0; y < image.height() && !ink; ++y) ink = qGray(image.pixel(x, y)) < 128;
    if (!ink) continue;
    if (!runs.empty() && x - runs.back().second <= gap) runs.back().second = x;
    else runs.push_back({x, x});
  }
  return runs;
}

// Each period numeral under the chart stands whole (its letters as the font
// sets them) under the middle of its period, at the design size and in an
// enlarged window alike.
TEST_F(GraphWindowsTest, PeriodNumeralsStandWholeUnderTheirPeriodsAtAnySize) {
  SmallWorkbook();
  Form55* g = CashGraph();
  ASSERT_NE(g, nullptr);
  for (QSize grow : {QSize(0, 0), QSize(500, 300), QSize(900, 300)}) {
    SCOPED_TRACE(grow.width());
    g->resize(g->size() + grow);
    QTest::qWait(20);  // the numerals are placed once the chart's layout has run
    const QRectF plot = g->Graf2->PlotArea();
    ASSERT_FALSE(plot.isEmpty());
    const double left = g->Graf2->mapTo(g, QPoint()).x() + plot.left();
    const double step = plot.width() / 6;
    QLabel* labels[] = {g->Label4, g->Label2, g->Label3};
    for (int i = 0; i < 3; ++i) {
      QLabel* label = labels[i];
      const QStringList numerals = label->text().split(' ', Qt::SkipEmptyParts);
      ASSERT_EQ(numerals.size(), 2);
      QFont natural = label->font();
      natural.setLetterSpacing(QFont::PercentageSpacing, 100);
      natural.setWordSpacing(0);
      const int advance = QFontMetrics(natural).horizontalAdvance(' ');
      const std::vector<std::pair<int, int>> runs = InkRuns(label->grab().toImage(), 2 * advance);
      ASSERT_EQ(runs.size(), 2u) << i;
      for (int k = 0; k < 2; ++k) {
        // The numeral drawn alone in the same font without extra spacing.
        QImage alone(QFontMetrics(natural).horizontalAdvance(numerals[k]) + 8, label->height(), QImage::Format_RGB32);
        alone.fill(Qt::white);
        QPainter painter(&alone);
        painter.setFont(natural);
        painter.setPen(Qt::black);
        painter.drawText(4, QFontMetrics(natural).ascent() + 2, numerals[k]);
        painter.end();
        const std::vector<std::pair<int, int>> whole = InkRuns(alone, 2 * advance);
        ASSERT_EQ(whole.size(), 1u);
        EXPECT_LE(std::abs((runs[k].second - runs[k].first) - (whole[0].second - whole[0].first)), 1)
            << numerals[k].toStdString();
        const double middle = label->mapTo(g, QPoint()).x() + (runs[k].first + runs[k].second + 1) / 2.0;
        EXPECT_NEAR(middle, left + (2 * i + k + 0.5) * step, 3) << numerals[k].toStdString();
      }
    }
  }
}

TEST_F(GraphWindowsTest, MainWindowOpensTheValueGraphOptions) {
  s->Language = kEnglish;
  nav->Show(FormId::Form2a);
  auto* main = Current<Form2a>();
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(main->Command4->isEnabled());  // no workbook named yet
  s->FileName = "/tmp/named.eka";
  nav->Show(FormId::Form2a);
  main = Current<Form2a>();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(main->Command4->isEnabled());
  EXPECT_EQ(main->Command4->text(), "Financial Statement Value Graphs");
  QTest::mouseClick(main->Command4, Qt::LeftButton);
  EXPECT_EQ(CurrentId(), FormId::Form16);
}

// ---- printing ------------------------------------------------------------------

TEST_F(GraphWindowsTest, CommonSizeGraphPagePrintsThenTheMainWindowOpens) {
  SmallWorkbook();
  s->ShowCompany = 1;
  s->Company(1, 1) = Cell::Text("Lipa d.o.o.");
  s->CurrencyName = "EUR";
  Form60* f = GraphsFromView(9);
  ASSERT_NE(f, nullptr);
  QTest::mouseClick(f->GroupButton(52), Qt::LeftButton);
  f = Current<Form60>();
  ASSERT_NE(f, nullptr);
  // A label edited in the grid is printed as edited, an open edit included.
  f->Tablica->SetRow(4);
  f->Tablica->SetCol(1);
  TypeChar(f->Tablica, '7');

  auto printer = dialogs.QueueRecordingPrinter();
  QTest::mouseClick(f->Picture2, Qt::LeftButton);
  EXPECT_EQ(CurrentId(), FormId::Form2a);
  EXPECT_EQ(printer->jobsEnded, 1);
  EXPECT_EQ(printer->PageCount(), 1);
  EXPECT_EQ(printer->Orientation(), kLandscape);
  EXPECT_EQ(printer->ScaleMode(), kScaleInches);
  EXPECT_EQ(printer->TextAt(0, 1.1, 0.3), "Lipa d.o.o.");
  EXPECT_EQ(printer->texts.at(0).text, "Current Assets");
  EXPECT_EQ(printer->TextAt(0, 1.2, 2.76), "Period / Company /");
  EXPECT_EQ(printer->TextAt(0, 1.2, 3.36), "Cash and marketable securities");
  EXPECT_EQ(printer->TextAt(0, 3.6, 2.7), "    2022");
  EXPECT_EQ(printer->TextAt(0, 3.6, 3.36), "   10.00");
  EXPECT_EQ(printer->TextAt(0, 4.4, 3.36), "   20.00");  // 10 of the group's 50
  EXPECT_EQ(printer->TextAt(0, 3.6, 3.66), "   20.00");  // the buffer's value, not the edit
  EXPECT_EQ(printer->At(0, 3.6, 3.96), nullptr);        // inventories: 0
  EXPECT_EQ(printer->TextAt(0, 1.2, 6), "Column 1 = % from Total Assets");
  EXPECT_EQ(printer->TextAt(0, 9.8, 7.03), " 52 - 500 ");
  ASSERT_EQ(printer->pictures.size(), 2u);
  EXPECT_NEAR(printer->pictures[0].width, 7000 / 1440.0, 0.01);
  EXPECT_NEAR(printer->pictures[0].height, 6500 / 1440.0, 0.01);
  // The legend keys of five slots, drawn in the slot colours, each beside
  // its slot's row (the labels at 3.36 to 4.56, their middles 0.08 lower).
  const auto& item = printer->pictures[1];
  const QImage legend = item.Rendered(300);
  EXPECT_NEAR(item.y, 3.3, 1e-9);
  EXPECT_NEAR(item.height, 193 / 96.0, 0.01);
  for (int k = 1; k <= 5; ++k) {
    const double middle = 2.46 + 0.3 * (k + 2) + 0.08;
    EXPECT_EQ(legend.pixelColor(legend.width() / 2, qRound((middle - item.y) / item.height * legend.height())), Slot(k))
        << k;
  }
}

TEST_F(GraphWindowsTest, CancelledOrFailedPrintKeepsTheWindow) {
  SmallWorkbook();
  Form60* f = GraphsFromView(9);
  ASSERT_NE(f, nullptr);
  // An edit left open stays open, its cell as it was.
  f->Tablica->SetRow(3);
  f->Tablica->SetCol(1);
  const QString before = At(*f->Tablica, 3, 1);
  TypeChar(f->Tablica, '7');
  ASSERT_TRUE(f->Family()->EditorOpen());
  QTest::mouseClick(f->Picture2, Qt::LeftButton);  // the dialog is cancelled
  EXPECT_EQ(dialogs.printerCalls, 1);
  EXPECT_FALSE(nav->HasPending());
  EXPECT_EQ(CurrentId(), FormId::form60);
  EXPECT_TRUE(f->Family()->EditorOpen());
  EXPECT_EQ(f->tekst->text(), "7");
  EXPECT_EQ(At(*f->Tablica, 3, 1), before);
  QTest::keyClick(f->tekst, Qt::Key_Escape);

  dialogs.QueueRecordingPrinter()->FailOnEnd();
  QTest::mouseClick(f->Picture2, Qt::LeftButton);
  EXPECT_EQ(CurrentId(), FormId::form60);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].text.find("Printing failed"), std::string::npos);

  // The value graphs: nothing changes on a cancel either.
  Form55* g = CashGraph();
  ASSERT_NE(g, nullptr);
  s->AverageMode = kFlagOn;
  s->AverageOffered = kFlagOn;
  QTest::mouseClick(g->Print1, Qt::LeftButton);
  EXPECT_FALSE(nav->HasPending());
  EXPECT_EQ(nav->Current(), g);
  EXPECT_EQ(s->AverageMode, kFlagOn);
  EXPECT_EQ(s->AverageOffered, kFlagOn);
}

TEST_F(GraphWindowsTest, ValueGraphPagePrintsThenTheWindowShowsItselfAgain) {
  SmallWorkbook();
  s->ReportCode = 2;
  s->SectionBase = 200;
  Form16* o = Options(kCroatian);
  ASSERT_NE(o, nullptr);
  Click(o->List1, 0);
  Click(o->List2, 0);
  QTest::mouseClick(o->Picture5, Qt::LeftButton);
  Form55* g = Current<Form55>();
  ASSERT_NE(g, nullptr);
  s->AverageMode = kFlagOn;
  s->AverageOffered = kFlagOn;
  auto printer = dialogs.QueueRecordingPrinter();
  QTest::mouseClick(g->Print1, Qt::LeftButton);
  Form55* again = Current<Form55>();
  ASSERT_NE(again, nullptr);
  EXPECT_NE(again, g);
  EXPECT_EQ(s->AverageMode, kFlagOff);
  EXPECT_EQ(s->AverageOffered, kFlagOff);
  EXPECT_EQ(At(*again->Tablica, 3, 1), "200");

  EXPECT_EQ(printer->jobsEnded, 1);
  EXPECT_EQ(printer->PageCount(), 1);
  EXPECT_EQ(printer->texts.at(0).text, "Vrijednosti iz financiskih izvješća - grafički prikaz");
  EXPECT_EQ(printer->TextAt(0, 9.8, 7.03), " 2 - 200 ");
  EXPECT_EQ(printer->TextAt(0, 1.2, 1.96), "Razdoblje");
  EXPECT_EQ(printer->TextAt(0, 1.2, 2.26), "Novac i utržive vrijednosnice");
  EXPECT_EQ(printer->TextAt(0, 1.2, 2.86), "");  // an empty slot: a blank label
  EXPECT_EQ(printer->TextAt(0, 3.6, 1.91), "        2022");
  EXPECT_EQ(printer->TextAt(0, 4.7, 2.21), "          30");
  EXPECT_EQ(printer->TextAt(0, 3.6, 2.51), "         200");
  EXPECT_EQ(printer->TextAt(0, 5.8, 2.51), "            ");  // an empty period: blank
  EXPECT_EQ(printer->TextAt(0, 3.15, 6.7), "     2022");
  ASSERT_EQ(printer->pictures.size(), 2u);
  EXPECT_NEAR(printer->pictures[0].x, 1.02, 1e-9);
  EXPECT_NEAR(printer->pictures[1].x, 2.9, 1e-9);
  EXPECT_NEAR(printer->pictures[1].width, 8000 / 1440.0, 0.01);
  // The table keys the lines: the first period of each account row in its colour.
  const QImage table = printer->pictures[0].Rendered(300);
  const double dpi = table.dotsPerMeterX() * 0.0254;
  EXPECT_EQ(table.pixelColor(qRound((3.65 - 1.02) * dpi), qRound((2.3 - 1.75) * dpi)), Slot(1));
  EXPECT_EQ(table.pixelColor(qRound((3.65 - 1.02) * dpi), qRound((3.5 - 1.75) * dpi)), Slot(5));
  EXPECT_NE(table.pixelColor(qRound((4.75 - 1.02) * dpi), qRound((2.3 - 1.75) * dpi)), Slot(1));
  // The chart stands where the table ends and leaves the table's bottom
  // rule alone: nothing of its top edge is painted.
  const auto& chart = printer->pictures[1];
  EXPECT_NEAR(chart.y, printer->pictures[0].y + printer->pictures[0].height, 1e-9);
  const QImage alone = chart.Rendered(300, Qt::transparent);
  const int clearRows = qRound(0.05 * alone.height() / chart.height);
  ASSERT_GT(clearRows, 0);
  for (int y = 0; y < clearRows; ++y)
    for (int x = 0; x < alone.width(); ++x) ASSERT_EQ(qAlpha(alone.pixel(x, y)), 0) << x << "," << y;
}

// A page printed into a PDF file by the print button that `click` presses.
struct PdfPage {
  QString path;
  QRectF paint;  // the printable area on the sheet, inches
};

class GraphPdfTest : public GraphWindowsTest {
 protected:
  PdfPage Print(const std::function<void()>& click, const char* name) {
    const QString path = dir.filePath(name);
    auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
    device->setOutputFormat(QPrinter::PdfFormat);
    device->setOutputFileName(path);
    auto printer = std::make_shared<QtPrinter>(std::move(device));
    EXPECT_TRUE(printer->Start());
    const QRectF paint = printer->device().pageLayout().paintRect(QPageLayout::Inch);
    dialogs.printerAnswers.push_back(printer);
    click();
    EXPECT_TRUE(dialogs.messages.empty());
    return {path, paint};
  }
  static QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
  }
  // The words of the page that stand wholly inside a rectangle (inches of
  // the printable area).
  static QStringList WordsIn(const PdfPage& page, QRectF inches) {
    const QString boxes = Run("pdftotext", {"-bbox", page.path, "-"});
    const QRectF points((page.paint.left() + inches.left()) * 72, (page.paint.top() + inches.top()) * 72,
                        inches.width() * 72, inches.height() * 72);
    const QRegularExpression wordBox(
        "xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)<");
    QStringList words;
    for (auto m = wordBox.globalMatch(boxes); m.hasNext();) {
      const auto w = m.next();
      const QRectF box(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                       QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()));
      if (points.contains(box)) words << w.captured(5);
    }
    return words;
  }
  static int Images(const PdfPage& page) {
    return static_cast<int>(Run("pdfimages", {"-list", page.path}).split('\n', Qt::SkipEmptyParts).size()) - 2;
  }

  QTemporaryDir dir;
};

// On paper: the page printed into a PDF file and drawn again at 150 and at
// 300 dots an inch shows the table's bottom rule along its whole width,
// also where the chart stands below it.
TEST_F(GraphPdfTest, ValueGraphPageKeepsTheTablesBottomRuleOnPaper) {
  SmallWorkbook();
  Form55* g = CashGraph();
  ASSERT_NE(g, nullptr);
  const PdfPage pdf = Print([&] { QTest::mouseClick(g->Print1, Qt::LeftButton); }, "value_graphs.pdf");
  for (int dpi : {150, 300}) {
    SCOPED_TRACE(dpi);
    Run("pdftoppm", {"-r", QString::number(dpi), "-gray", "-singlefile", pdf.path, dir.filePath("page")});
    const QImage page(dir.filePath("page.pgm"));
    ASSERT_FALSE(page.isNull());
    // The rule lies along 3.734 to 3.75 on the page (the table's last 0.016
    // in): as thick under the chart (2.9 to 8.46) as in the label column.
    auto ruleRows = [&](double x) {
      int rows = 0;
      const int px = qRound((pdf.paint.left() + x) * dpi);
      for (int py = qRound((pdf.paint.top() + 3.71) * dpi); py <= qRound((pdf.paint.top() + 3.77) * dpi); ++py)
        rows += qGray(page.pixel(px, py)) < 160;
      return rows;
    };
    const int thickness = ruleRows(1.5);
    ASSERT_GE(thickness, dpi / 100);
    for (double x = 1.1; x <= 10.2; x += 0.02) ASSERT_GE(ruleRows(x), thickness) << "x " << x;
  }
}

// Both graph pages carry their charts, legend and table as drawings: no
// picture of pixels, and the charts' texts are texts where the charts stand.
TEST_F(GraphPdfTest, GraphPagesPrintTheirChartsAsDrawings) {
  SmallWorkbook();
  Form55* g = CashGraph();
  ASSERT_NE(g, nullptr);
  const PdfPage values = Print([&] { QTest::mouseClick(g->Print1, Qt::LeftButton); }, "values.pdf");
  EXPECT_EQ(Images(values), 0);
  // The value axis of 0 to 30 beside the plot, 8000 by 4500 twips at (2.9, 3.75).
  const QStringList valueWords = WordsIn(values, QRectF(2.9, 3.75, 8000 / 1440.0, 4500 / 1440.0));
  for (const char* tick : {"0", "10", "20", "30"}) EXPECT_TRUE(valueWords.contains(tick)) << tick;

  Form60* f = GraphsFromView(10);
  ASSERT_NE(f, nullptr);
  QTest::mouseClick(f->GroupButton(62), Qt::LeftButton);
  f = Current<Form60>();
  ASSERT_NE(f, nullptr);
  const PdfPage shares = Print([&] { QTest::mouseClick(f->Picture2, Qt::LeftButton); }, "shares.pdf");
  EXPECT_EQ(Images(shares), 0);
  // The chart's legend names its items, 7000 by 6500 twips at (5.3, 2.1).
  const QStringList chartWords = WordsIn(shares, QRectF(5.3, 2.1, 7000 / 1440.0, 6500 / 1440.0));
  for (const char* word : {"Cost", "goods", "Sales", "expenses"}) EXPECT_TRUE(chartWords.contains(word)) << word;
}

// Pictures of the three windows in both languages, for looking at:
// MORVADEL_SCREENSHOTS names the folder they are written to.
TEST_F(GraphWindowsTest, Screenshots) {
  const char* out = std::getenv("MORVADEL_SCREENSHOTS");
  if (!out) GTEST_SKIP() << "MORVADEL_SCREENSHOTS not set";
  for (int16_t language : {kCroatian, kEnglish}) {
    const std::string lang = language == kCroatian ? "hr" : "en";
    Reset({RegisterShellForms, RegisterCompareForms});
    SmallWorkbook();
    Form60* f = GraphsFromView(9, language);
    ASSERT_NE(f, nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(f->grab().save(QString::fromStdString(std::string(out) + "/form60_" + lang + ".png")));
    Form16* o = Options(language);
    ASSERT_NE(o, nullptr);
    Click(o->List1, 0);
    Click(o->List2, 0);
    QApplication::processEvents();
    EXPECT_TRUE(o->grab().save(QString::fromStdString(std::string(out) + "/form16_" + lang + ".png")));
    QTest::mouseClick(o->Picture5, Qt::LeftButton);
    Form55* g = Current<Form55>();
    ASSERT_NE(g, nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(g->grab().save(QString::fromStdString(std::string(out) + "/form55_" + lang + ".png")));
    // Both pages printed into PDF files.
    for (FormId id : {FormId::Form55, FormId::form60}) {
      const std::string name = std::string(out) + (id == FormId::Form55 ? "/form55_" : "/form60_") + lang + ".pdf";
      auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
      device->setOutputFormat(QPrinter::PdfFormat);
      device->setOutputFileName(QString::fromStdString(name));
      auto printer = std::make_shared<QtPrinter>(std::move(device));
      ASSERT_TRUE(printer->Start());
      dialogs.printerAnswers.push_back(printer);
      if (id == FormId::Form55) {
        QTest::mouseClick(Current<Form55>()->Print1, Qt::LeftButton);
      } else {
        Form60* c = GraphsFromView(10, language);
        ASSERT_NE(c, nullptr);
        QTest::mouseClick(c->GroupButton(62), Qt::LeftButton);
        QTest::mouseClick(Current<Form60>()->Picture2, Qt::LeftButton);
      }
      EXPECT_TRUE(dialogs.messages.empty());
    }
  }
}

}  // namespace
}  // namespace morvadel
