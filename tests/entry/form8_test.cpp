// The statement entry window, driven as a user drives it.
#include <cstdlib>
#include <functional>
#include <set>

#include "batch_input.h"
#include "entry_fixture.h"
#include "model/labels.h"
#include "model/recalc.h"
#include "model/workbook_file.h"
#include "platform/qt_printer.h"
#include "platform/recording_printer.h"

namespace morvadel::test {
namespace {

class Form8Test : public EntryFixture {
 protected:
  // Types text into cell (row, col) of the current sheet and confirms it.
  void Enter(Form8* f, int row, int col, const QString& text) {
    f->Tablica->SetRow(row);
    f->Tablica->SetCol(col);
    TypeIntoGrid(f->Tablica, f->tekst, text);
    Key(f->tekst, Qt::Key_Return);
  }
  Form8* Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
    return dynamic_cast<Form8*>(Next());
  }
};

TEST_F(Form8Test, LockedRowsOfEachSheet) {
  const std::set<int> expected[] = {
      {},
      {1, 2, 3, 4, 10, 11, 12, 15, 16, 17, 21, 22, 23, 24, 25, 32, 33, 34, 38, 39, 40, 41, 46, 47, 48, 49, 50, 51, 52},
      {1, 2, 5, 6, 7, 10, 11, 12, 17, 18, 19, 20, 21, 22, 24, 25, 26, 29},
      {1, 2, 3, 5, 6, 7, 13, 14, 15, 24, 25, 26, 27, 32, 33, 34, 35, 36, 44, 45, 46, 47, 49, 50},
      {1, 2},
  };
  for (int sheet = 1; sheet <= 5; ++sheet) {
    SCOPED_TRACE(sheet);
    Form8* f = Sheet(sheet);
    ASSERT_NE(f, nullptr);
    const int rows = SheetOf(sheet).gridRows;
    EXPECT_EQ(f->Tablica->Rows(), rows);
    for (int r = 1; r < rows; ++r) {
      const bool locked = expected[sheet - 1].count(r) != 0;
      EXPECT_EQ(IsLockedStatementRow(sheet, r), locked) << "row " << r;
      for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(f->Tablica->CellBackColorAt(r, c) == LockedShade, locked) << "row " << r << " col " << c;
      // Typing on a locked row opens nothing; on any other row it opens the editor.
      f->Tablica->SetRow(r);
      TypeChar(f->Tablica, '5');
      EXPECT_EQ(f->Family()->EditorOpen(), !locked) << "row " << r;
      if (f->Family()->EditorOpen()) Key(f->tekst, Qt::Key_Escape);
    }
  }
  EXPECT_EQ(LockedShade, QColor(231, 231, 222));
}

TEST_F(Form8Test, ShapeHeadsFirstCellAndSheetButtons) {
  const int firstRow[] = {1, 5, 3, 4, 3};
  for (int sheet = 1; sheet <= 5; ++sheet) {
    SCOPED_TRACE(sheet);
    Form8* f = Sheet(sheet);
    Grid* g = f->Tablica;
    EXPECT_EQ(g->Cols(), 7);
    EXPECT_EQ(g->FixedRows(), 1);
    EXPECT_EQ(g->FixedCols(), 1);
    EXPECT_EQ(g->RowHeight(0), 250);
    EXPECT_EQ(g->ColWidth(0), 3200);
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(g->ColWidth(c), 1000);
    const char* heads[] = {"      I", "      II", "     III", "      IV", "      V", "      VI"};
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(g->TextMatrix(0, c), heads[c - 1]);
    EXPECT_EQ(g->Row(), firstRow[sheet - 1]);
    EXPECT_EQ(g->Col(), 1);
    QPushButton* buttons[] = {f->Command1, f->Command2, f->Command3, f->Command4, f->Command5};
    for (int b = 1; b <= 5; ++b) EXPECT_EQ(buttons[b - 1]->isEnabled(), b != sheet);
    EXPECT_TRUE(f->Command6->isEnabled());
    EXPECT_EQ(s->SectionBase, sheet * 100);
    EXPECT_FALSE(f->tekst->isVisible());
  }
}

// The sheet buttons stay under the pointer from sheet to sheet, and every
// label of every sheet is drawn whole in its column, in both languages.
TEST_F(Form8Test, SheetsShareOnePlaceAndShowTheirLabelsWhole) {
  for (int16_t language : {kCroatian, kEnglish}) {
    Show<Form2a>(FormId::Form2a);
    Form8* f = Sheet(1, language);
    auto centre = [](QWidget* w) { return w->mapToGlobal(w->rect().center()); };
    const QRect frame = f->window()->frameGeometry();
    std::vector<QPoint> buttons;
    for (QWidget* b : {f->Command1, f->Command2, f->Command3, f->Command4, f->Command5, f->Command6})
      buttons.push_back(centre(b));
    for (int sheet : {2, 3, 4, 5, 1, 3}) {
      SCOPED_TRACE(testing::Message() << language << " sheet " << sheet);
      QPushButton* to[] = {f->Command1, f->Command2, f->Command3, f->Command4, f->Command5};
      f = Click(to[sheet - 1]);
      ASSERT_NE(f, nullptr);
      EXPECT_EQ(f->window()->frameGeometry(), frame);
      EXPECT_EQ(centre(f->Command1), buttons[0]);
      EXPECT_EQ(centre(f->Command5), buttons[4]);
      EXPECT_EQ(centre(f->Command6), buttons[5]);
      for (int r = 0; r < f->Tablica->Rows(); ++r)
        EXPECT_TRUE(f->Tablica->CellTextFits(r, 0)) << f->Tablica->TextMatrix(r, 0).toStdString();
    }
  }
}

// The period or company names of the general data: the first letter typed
// into the grid is the first letter of the name, Croatian letters included.
TEST_F(Form8Test, TheFirstLetterOfAPeriodNameIsKept) {
  Form8* f = Sheet(1);
  for (const char* name : {"Šibenik 2003", "Zagreb 2004", "2005", "čokolada d.d."}) {
    SCOPED_TRACE(name);
    f->Tablica->SetRow(1);
    f->Tablica->SetCol(2);
    TypeIntoGrid(f->Tablica, f->tekst, QString::fromUtf8(name));
    Key(f->tekst, Qt::Key_Return);
    EXPECT_EQ(f->Tablica->TextMatrix(1, 2), QString::fromUtf8(name));
  }
  // The other rows of the sheet still take figures only.
  Enter(f, 2, 1, "x365");
  EXPECT_EQ(f->Tablica->TextMatrix(2, 1), "365");
}

TEST_F(Form8Test, CaptionsTitlesAndLabelsInBothLanguages) {
  struct Case {
    int16_t language;
    const char* caption;
    const char* buttons[6];
    const char* continueTip;
    const char* sumTip;
    const char* titles[5];
    const char* balanceRow3;
  } cases[] = {
      {kCroatian,
       "Unos podataka",
       {"Opći podaci", "Bruto bilanca", "Rn dobiti i gubitaka", "Novčani tijek", "Troškovi", "Osnove"},
       " Nastavak ",
       " Izračun ",
       {"Opći podaci", "Bruto bilanca", "Račun dobiti i gubitaka", "Novčani tijek - indirektna metoda", "Troškovi"},
       "Imovina (Aktiva)"},
      {kEnglish,
       "Morvadel",
       {"General Data", "Balance Sheet", "Income Statement", "Cash Flow", "Expenses", "About"},
       " Continue ",
       " Sum ",
       {"General Data", "Balance Sheet", "Income Statement", "Cash Flow - Indirect Method", "Expenses"},
       "Assets"},
  };
  for (const auto& c : cases) {
    for (int sheet = 1; sheet <= 5; ++sheet) {
      SCOPED_TRACE(testing::Message() << c.language << " sheet " << sheet);
      Form8* f = Sheet(sheet, c.language);
      EXPECT_EQ(f->window()->windowTitle(), QString::fromUtf8(c.caption));
      QPushButton* buttons[] = {f->Command1, f->Command2, f->Command3, f->Command4, f->Command5, f->Command6};
      for (int b = 0; b < 6; ++b) EXPECT_EQ(buttons[b]->text(), QString::fromUtf8(c.buttons[b]));
      EXPECT_EQ(f->Picture1->toolTip(), c.continueTip);
      EXPECT_EQ(f->Picture5->toolTip(), c.sumTip);
      EXPECT_EQ(f->Label1->text(), QString::fromUtf8(c.titles[sheet - 1]));
      EXPECT_EQ(s->ReportTitle, c.titles[sheet - 1]);
      // The labels of the sheet, also in column 0 of its section.
      const auto labels = StatementLabels(sheet, c.language);
      for (size_t i = 1; i < labels.size(); ++i) {
        EXPECT_EQ(f->Tablica->TextMatrix(static_cast<int>(i + 1), 0).toStdString(), labels[i]);
        EXPECT_EQ(Item(sheet * 100 + static_cast<int>(i) + 1, 0), labels[i]);
      }
      if (sheet == 2) {
        EXPECT_EQ(f->Tablica->TextMatrix(3, 0).toStdString(), c.balanceRow3);
      }
    }
  }
}

TEST_F(Form8Test, AFigureTypedOnTheBalanceSheetSurvivesASheetSwitch) {
  Form8* f = Sheet(2);
  Enter(f, 5, 2, "1250");
  EXPECT_EQ(f->Tablica->TextMatrix(5, 2), "1250");
  f = Click(f->Command3);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(s->ReportCode, 3);
  EXPECT_EQ(s->GridRows, 33);
  EXPECT_EQ(s->SectionBase, 300);
  EXPECT_EQ(Item(205, 2), "1250");
  Activate(f);
  f = Click(f->Command2);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->Tablica->TextMatrix(5, 2), "1250");
}

// A sheet button and then another command clicked so quickly that both
// clicks come in one batch: the sheet asked for its change and wrote the
// next sheet's settings, so the second click, aimed at a window that is
// going away, is dropped; it never writes this grid into the next sheet's
// rows.
TEST_F(Form8Test, InputQueuedAfterASheetButtonIsDropped) {
  struct Case {
    const char* name;
    std::function<void(InputBatch&, Form8*)> second;
  } cases[] = {
      {"Continue", [](InputBatch& b, Form8* f) { b.Click(f->Picture1); }},
      {"Income Statement", [](InputBatch& b, Form8* f) { b.Click(f->Command3); }},
      {"the close box", [](InputBatch& b, Form8* f) { b.CloseBox(f); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Reset({RegisterShellForms, RegisterEntryForms});
    s->FileName = Path("w.eka");
    s->ItemTable(102, 1) = Cell::Text("365");  // period length
    s->ItemTable(205, 1) = Cell::Text("100");  // cash
    Form8* f = Sheet(1);
    ASSERT_NE(f, nullptr);
    InputBatch batch;
    batch.Click(f->Command2);
    c.second(batch, f);
    batch.Deliver();
    EXPECT_FALSE(nav->QuitRequested());
    EXPECT_EQ(s->ReportCode, 2);
    EXPECT_EQ(Item(102, 1), "365");
    EXPECT_EQ(Item(202, 1), "");
    EXPECT_EQ(Item(205, 1), "100");
    auto* next = dynamic_cast<Form8*>(nav->Current());
    EXPECT_NE(next, nullptr);
    if (!next) continue;
    EXPECT_EQ(next->Tablica->TextMatrix(5, 1), "100");
    EXPECT_EQ(next->Tablica->TextMatrix(2, 1), "");
    // The window shown takes its own input at once.
    InputBatch().Click(next->Command3).Deliver();
    EXPECT_EQ(s->ReportCode, 3);
  }
}

// Sum and Continue in one batch: Sum's new totals stand, never the totals
// the grid showed before it.
TEST_F(Form8Test, ContinueQueuedAfterSumKeepsTheNewTotals) {
  s->FileName = Path("w.eka");
  Form8* f = Sheet(2);
  Enter(f, 5, 1, "100");
  f = Click(f->Picture5);
  ASSERT_NE(f, nullptr);
  Activate(f);
  ASSERT_EQ(f->Tablica->TextMatrix(11, 1), "100");
  Enter(f, 5, 1, "200");
  InputBatch().Click(f->Picture5).Click(f->Picture1).Deliver();
  f = dynamic_cast<Form8*>(nav->Current());
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->Tablica->TextMatrix(11, 1), "200");  // Total current assets
  EXPECT_EQ(f->Tablica->TextMatrix(22, 1), "200");  // Total assets
  EXPECT_EQ(Item(211, 1), "200");
  EXPECT_EQ(Item(222, 1), "200");
}

TEST_F(Form8Test, AllDataRowsOfTheGeneralSheetComeBack) {
  Form8* f = Sheet(1);
  for (int r = 2; r <= 13; ++r) Enter(f, r, 1, QString::number(r * 10));
  Enter(f, 1, 1, "2019");
  f = Click(f->Command5);
  Activate(f);
  f = Click(f->Command1);
  for (int r = 2; r <= 13; ++r) EXPECT_EQ(f->Tablica->TextMatrix(r, 1), QString::number(r * 10)) << r;
  EXPECT_EQ(f->Tablica->TextMatrix(1, 1), "2019");
  EXPECT_EQ(Item(107, 1), "70");
}

TEST_F(Form8Test, PeriodNamesOfTheGeneralSheetShowOnEverySheet) {
  s->FileName = Path("w.eka");
  s->ItemTable(101, 1) = Cell::Text("2022");
  s->ItemTable(101, 2) = Cell::Text("Firma A");
  s->ItemTable(301, 1) = Cell::Text("stale");
  for (int sheet = 1; sheet <= 5; ++sheet) {
    Form8* f = Sheet(sheet);
    EXPECT_EQ(f->Tablica->TextMatrix(1, 1), "2022") << sheet;
    EXPECT_EQ(f->Tablica->TextMatrix(1, 2), "Firma A") << sheet;
    EXPECT_EQ(f->Tablica->TextMatrix(1, 3), "") << sheet;
  }
  // A name changed on another sheet is a change of the names themselves.
  Form8* f = Sheet(3);
  QTest::mouseClick(f->Tablica->viewport(), Qt::LeftButton, {}, CellCentre(*f->Tablica, 1, 2));
  ASSERT_TRUE(f->Family()->EditorOpen());
  EXPECT_EQ(f->tekst->selectedText(), "Firma A");
  TypeText(f->tekst, "Firma B");
  Key(f->tekst, Qt::Key_Return);
  f = Click(f->Command1);
  EXPECT_EQ(f->Tablica->TextMatrix(1, 2), "Firma B");
  EXPECT_EQ(Item(301, 2), "Firma B");
}

TEST_F(Form8Test, SumRecalculatesAndShowsTheTotals) {
  Form8* f = Sheet(2);
  Enter(f, 5, 1, "100");
  Enter(f, 6, 1, "50");
  Enter(f, 7, 1, "30");
  // The last figure is still in the open editor when Sum is pressed.
  f->Tablica->SetRow(8);
  TypeIntoGrid(f->Tablica, f->tekst, "20");
  ASSERT_TRUE(f->Family()->EditorOpen());
  f = Click(f->Picture5);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(s->ReportCode, 2);
  EXPECT_EQ(f->Tablica->TextMatrix(8, 1), "20");
  EXPECT_EQ(f->Tablica->TextMatrix(11, 1), "200");  // Total current assets
  EXPECT_EQ(f->Tablica->TextMatrix(22, 1), "200");  // Total assets
  EXPECT_EQ(f->Tablica->TextMatrix(11, 2), "");     // a zero total shows empty
  EXPECT_EQ(s->ItemTable(211, 1), Cell::Int32(200));
}

// "1.234" typed in Croatian notation is a thousand and more, never 1: after
// Sum, and in a workbook saved before any Sum and opened where a comma
// groups thousands.
TEST_F(Form8Test, FiguresTypedInCroatianNotationKeepTheirSize) {
  s->DecimalMark = ',';
  Form8* f = Sheet(2, kCroatian);
  Enter(f, 5, 1, "1.234");
  Enter(f, 6, 1, "-2.500");
  QTest::mouseClick(f->Picture1, Qt::LeftButton);  // back, without Sum
  EXPECT_EQ(Next()->id(), FormId::Form2a);
  s->FileName = Path("hr.eka");
  ASSERT_TRUE(SaveDataFile(*s).ok());
  auto en = std::make_unique<SharedState>();
  en->DecimalMark = '.';
  en->FileName = s->FileName;
  ASSERT_TRUE(CitajDatoteku(*en).ok());
  EXPECT_EQ(en->ItemValues(205, 1), 1234);
  EXPECT_EQ(ItemText(*en, 206, 1), "-2500");

  f = Sheet(2, kCroatian);
  EXPECT_EQ(f->Tablica->TextMatrix(5, 1), "1234");
  f = Click(f->Picture5);  // Sum
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(f->Tablica->TextMatrix(11, 1), "-1266");
}

// A comma typed into a figure is part of it in either notation: "12,5" is
// twelve and a half where the comma is the decimal mark, and is reported
// where it is not; it never silently becomes 125.
TEST_F(Form8Test, ACommaTypedIntoAFigureIsKeptAndJudgedByTheNotation) {
  struct Case {
    char mark;
    const char* typed;
    const char* stored;  // the file number written back, "" when it reads as no number
    int32_t whole;       // the amount after Sum
  } cases[] = {
      {',', "12,5", "12.5", 12},  {',', ",75", "0.75", 1},  {',', "1.234,5", "1234.5", 1234},
      {'.', "1,5", "", 0},        {'.', "1,234", "1234", 1234}, {'.', ",5", "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mark << " " << c.typed);
    dialogs.messages.clear();
    s->DecimalMark = c.mark;
    s->ItemTable(107, 1) = Cell();
    Form8* f = Sheet(1, c.mark == ',' ? kCroatian : kEnglish);
    Enter(f, 7, 1, c.typed);  // market price of a common share
    EXPECT_EQ(f->Tablica->TextMatrix(7, 1), c.typed);
    f = Click(f->Command2);  // written back on leaving the sheet
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(s->ItemTable(107, 1), *c.stored ? Cell::FileNumber(c.stored) : Cell::Text(c.typed));
    f = Click(f->Picture5);  // Sum
    ASSERT_NE(f, nullptr);
    if (*c.stored) {
      EXPECT_TRUE(dialogs.messages.empty());
      EXPECT_EQ(s->ItemValues(107, 1), c.whole);
    } else {
      ASSERT_EQ(dialogs.messages.size(), 1u);
      EXPECT_NE(dialogs.messages[0].text.find(std::string("\"") + c.typed + "\" is not a number"), std::string::npos)
          << dialogs.messages[0].text;
    }
  }
}

TEST_F(Form8Test, AFailedSumShowsItsMessageAndKeepsTheWindow) {
  Form8* f = Sheet(2);
  Enter(f, 5, 1, "2147483647");
  Enter(f, 6, 1, "1");
  s->ItemValues(211, 1) = 7;
  QTest::mouseClick(f->Picture5, Qt::LeftButton);
  EXPECT_FALSE(nav->HasPending());
  EXPECT_EQ(nav->Current(), f);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  RecalcError expected = RecalculateStatements(*s);  // the same fault again
  EXPECT_FALSE(expected.ok());
  EXPECT_EQ(dialogs.messages[0].text, DescribeRecalcError(expected, *s, kEnglish));
  EXPECT_EQ(dialogs.messages[0].title, "Morvadel");
  EXPECT_EQ(f->Tablica->TextMatrix(5, 1), "2147483647");
  EXPECT_EQ(f->Tablica->TextMatrix(6, 1), "1");
  EXPECT_EQ(s->ItemTable(205, 1), Cell::FileNumber("2147483647"));
  EXPECT_TRUE(s->ItemTable(211, 1).IsBlank());  // as written back, not recalculated
  EXPECT_EQ(s->ItemValues(211, 1), 7);
}

TEST_F(Form8Test, EscKeepsTheOldTextAndLettersNeverEnterAFigure) {
  s->FileName = Path("w.eka");
  s->ItemTable(205, 1) = Cell::Text("500");
  Form8* f = Sheet(2);
  ASSERT_EQ(f->Tablica->TextMatrix(5, 1), "500");
  TypeIntoGrid(f->Tablica, f->tekst, "9");
  Key(f->tekst, Qt::Key_Escape);
  EXPECT_EQ(f->Tablica->TextMatrix(5, 1), "500");
  // A letter on an unlocked row opens an empty editor; letters typed into
  // it are refused.
  TypeIntoGrid(f->Tablica, f->tekst, "abc");
  EXPECT_TRUE(f->Family()->EditorOpen());
  EXPECT_EQ(f->tekst->text(), "");
  TypeText(f->tekst, "1,5\"");
  EXPECT_EQ(f->tekst->text(), "1,5");
  // A letter on a locked row opens nothing.
  Key(f->tekst, Qt::Key_Escape);
  f->Tablica->SetRow(11);
  TypeChar(f->Tablica, 'a');
  EXPECT_FALSE(f->Family()->EditorOpen());
}

TEST_F(Form8Test, UpAndDownWalkTheColumnCommittingEachFigure) {
  Form8* f = Sheet(5);
  ASSERT_EQ(f->Tablica->Row(), 3);
  for (const char* figure : {"11", "12", "13"}) {
    TypeIntoGrid(f->Tablica, f->tekst, figure);
    Key(f->tekst, Qt::Key_Down);
  }
  EXPECT_EQ(f->Tablica->Row(), 6);
  EXPECT_EQ(f->Tablica->TextMatrix(3, 1), "11");
  EXPECT_EQ(f->Tablica->TextMatrix(5, 1), "13");
  TypeIntoGrid(f->Tablica, f->tekst, "7");
  Key(f->tekst, Qt::Key_Up);
  EXPECT_EQ(f->Tablica->Row(), 5);
  EXPECT_EQ(f->Tablica->TextMatrix(6, 1), "7");
}

// Figures and arrow keys typed ahead on a busy machine, all queued before
// the first Down is handled: each figure lands in the row it was typed for.
TEST_F(Form8Test, TypedAheadArrowKeysPutEachFigureInItsRow) {
  Form8* f = Sheet(2);
  QTest::mouseClick(f->Tablica->viewport(), Qt::LeftButton, {}, CellCentre(*f->Tablica, 5, 3));
  ASSERT_TRUE(f->Family()->EditorOpen());
  TypeText(f->tekst, "1");
  InputBatch batch;
  batch.Key(f, Qt::Key_Down).Type(f, "5").Key(f, Qt::Key_Down).Type(f, "6").Key(f, Qt::Key_Down).Type(f, "7");
  batch.Key(f, Qt::Key_Down).Deliver();
  for (const auto& [row, figure] : {std::pair{5, "1"}, {6, "5"}, {7, "6"}, {8, "7"}})
    EXPECT_EQ(f->Tablica->TextMatrix(row, 3), figure) << row;
  EXPECT_EQ(f->Tablica->Row(), 9);
  EXPECT_FALSE(f->Family()->EditorOpen());
}

// A window change that comes due while Down lets pending messages run (a
// change asked for as the key arrived) waits until the key's handler has
// returned: the window is never deleted under the cell editor's code.
TEST_F(Form8Test, AChangeDueWhileDownLetsMessagesRunWaitsForTheKeysHandler) {
  Form8* f = Sheet(2);
  QPointer<Form8> watch(f);
  TypeIntoGrid(f->Tablica, f->tekst, "12");
  struct AsksOnDown : QObject {
    Navigator* nav;
    explicit AsksOnDown(Navigator* n) : nav(n) {}
    bool eventFilter(QObject*, QEvent* e) override {
      auto* key = e->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(e) : nullptr;
      if (key && key->key() == Qt::Key_Down) nav->Show(FormId::Form2a);
      return false;
    }
  } asks(nav.get());
  f->tekst->installEventFilter(&asks);
  QTest::keyPress(f->tekst, Qt::Key_Down);
  ASSERT_FALSE(watch.isNull());
  EXPECT_EQ(nav->Current(), f);
  EXPECT_EQ(f->Tablica->TextMatrix(5, 1), "12");
  f->tekst->removeEventFilter(&asks);
  QApplication::processEvents();
  EXPECT_TRUE(watch.isNull());
  ASSERT_NE(nav->Current(), nullptr);
  EXPECT_EQ(nav->Current()->id(), FormId::Form2a);
}

TEST_F(Form8Test, EveryWayOutWritesBackAnOpenEdit) {
  struct Case {
    const char* name;
    std::function<void(Form8*)> leave;
    FormId target;
  } cases[] = {
      {"continue", [](Form8* f) { QTest::mouseClick(f->Picture1, Qt::LeftButton); }, FormId::Form2a},
      {"about", [](Form8* f) { QTest::mouseClick(f->Command6, Qt::LeftButton); }, FormId::for7},
      {"sheet", [](Form8* f) { QTest::mouseClick(f->Command4, Qt::LeftButton); }, FormId::form8},
      {"close box", [](Form8* f) { f->close(); }, FormId::Form2a},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    s->ItemTable(206, 3) = Cell();
    Form8* f = Sheet(2);
    f->Tablica->SetRow(6);
    f->Tablica->SetCol(3);
    TypeIntoGrid(f->Tablica, f->tekst, "-42.5");
    ASSERT_TRUE(f->Family()->EditorOpen());
    c.leave(f);
    EXPECT_EQ(Next()->id(), c.target);
    EXPECT_EQ(s->ItemTable(206, 3), Cell::FileNumber("-42.5"));
  }
}

TEST_F(Form8Test, FillsFromTheTableWithoutAFileAndStartsEmptyOnlyOnceAfterNew) {
  s->ItemTable(205, 1) = Cell::Text("77");
  Form8* f = Sheet(2);
  EXPECT_EQ(f->Tablica->TextMatrix(5, 1), "77");  // no file named: still filled
  f = Sheet(2);
  EXPECT_EQ(f->Tablica->TextMatrix(5, 1), "77");

  s->NewDocFlag = kFlagOn;
  f = Sheet(2);
  EXPECT_EQ(f->Tablica->TextMatrix(5, 1), "");
  EXPECT_EQ(s->NewDocFlag, kFlagOff);
  Enter(f, 6, 1, "5");
  f = Click(f->Command2);
  EXPECT_EQ(f->Tablica->TextMatrix(6, 1), "5");
  // The first showing after New wrote its empty cells back.
  EXPECT_EQ(f->Tablica->TextMatrix(5, 1), "");
}

TEST_F(Form8Test, AboutOpensTheGeneralDataWindow) {
  Form8* f = Sheet(4);
  QTest::mouseClick(f->Command6, Qt::LeftButton);
  EXPECT_NE(dynamic_cast<For7*>(Next()), nullptr);
}

// ---- printing ---------------------------------------------------------------

using Form8PrintTest = Form8Test;

TEST_F(Form8PrintTest, GeneralDataHasNoPrintButtonAndEverySheetPrintsItsPagesInOneJob) {
  struct Case {
    int sheet;
    int pages;
    const char* title;
  } cases[] = {{2, 2, "Balance Sheet"}, {3, 2, "Income Statement"}, {4, 2, "Cash Flow - Indirect Method"},
               {5, 1, "Expenses"}};
  Form8* general = Sheet(1);
  EXPECT_FALSE(general->Picture2->isVisible());
  EXPECT_FALSE(general->Picture2->isEnabled());
  int calls = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sheet);
    Form8* f = Sheet(c.sheet);
    ASSERT_TRUE(f->Picture2->isVisible() && f->Picture2->isEnabled());
    EXPECT_EQ(f->Picture2->toolTip(), " Print ");
    auto printer = dialogs.QueueRecordingPrinter();
    QTest::mouseClick(f->Picture2, Qt::LeftButton);
    EXPECT_EQ(dialogs.printerCalls, ++calls);  // one dialog for all the pages
    EXPECT_EQ(printer->jobsEnded, 1);
    EXPECT_EQ(printer->pagesEnded, c.pages);
    EXPECT_EQ(printer->TextAt(0, 9.5, 1.1), "Page:  1 ");
    EXPECT_EQ(printer->TextAt(c.pages - 1, 9.5, 1.1), c.pages == 2 ? "Page:  2 " : "Page:  1 ");
    ASSERT_FALSE(printer->texts.empty());
    EXPECT_EQ(printer->texts[0].text, c.title);
    EXPECT_EQ(Next(), f);  // the sheet stays
  }
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(Sheet(3, kCroatian)->Picture2->toolTip(), " Ispis ");
}

TEST_F(Form8PrintTest, PagesShowTheFiguresOnTheScreenOneStillInTheEditorIncluded) {
  Form8* f = Sheet(2);
  Enter(f, 5, 1, "1200");
  f->Tablica->SetRow(6);
  f->Tablica->SetCol(2);
  TypeIntoGrid(f->Tablica, f->tekst, "78");
  ASSERT_TRUE(f->Family()->EditorOpen());
  auto printer = dialogs.QueueRecordingPrinter();
  QTest::mouseClick(f->Picture2, Qt::LeftButton);
  EXPECT_EQ(printer->TextAt(0, 3 + 1.1, 1.9 + 0.18 * 5), "    1200");
  EXPECT_EQ(printer->TextAt(0, 3 + 2.2, 1.9 + 0.18 * 6), "      78");
  EXPECT_EQ(Item(206, 2), "78");
  EXPECT_FALSE(f->Family()->EditorOpen());
}

TEST_F(Form8PrintTest, CancelledPrintChangesNothing) {
  s->ItemTable(101, 1) = Cell::Text("2023");
  s->ItemTable(301, 1) = Cell::Text("earlier");
  Form8* f = Sheet(2);
  f->Tablica->SetRow(6);
  f->Tablica->SetCol(2);
  TypeIntoGrid(f->Tablica, f->tekst, "78");
  QTest::mouseClick(f->Picture2, Qt::LeftButton);  // no printer chosen: the user cancels
  EXPECT_EQ(dialogs.printerCalls, 1);
  EXPECT_EQ(Item(301, 1), "earlier");  // no period names copied
  EXPECT_EQ(Item(206, 2), "");         // nothing written back
  EXPECT_TRUE(f->Family()->EditorOpen());
  EXPECT_EQ(f->tekst->text(), "78");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Form8PrintTest, FailingPrinterIsReportedInTheLanguageAndTheSheetStays) {
  s->ItemTable(101, 1) = Cell::Text("2023");
  s->ItemTable(301, 1) = Cell::Text("earlier");
  Form8* f = Sheet(3, kCroatian);
  // A printer that cannot start: nothing is composed, nothing copied.
  auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
  device->setOutputFormat(QPrinter::PdfFormat);
  device->setOutputFileName("/nonexistent-folder/morvadel/report.pdf");
  auto unstartable = std::make_shared<QtPrinter>(std::move(device));
  unstartable->Start();
  dialogs.printerAnswers.push_back(unstartable);
  QTest::mouseClick(f->Picture2, Qt::LeftButton);
  EXPECT_EQ(Item(301, 1), "earlier");
  // A printer that fails while printing.
  auto failing = dialogs.QueueRecordingPrinter();
  failing->FailOnEnd();
  QTest::mouseClick(f->Picture2, Qt::LeftButton);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].text,
            "Ispis nije uspio: datoteku /nonexistent-folder/morvadel/report.pdf nije moguće zapisati (nema takve "
            "datoteke ili mape). Ništa nije zapisano.");
  EXPECT_EQ(dialogs.messages[1].text, "Ispis nije uspio: pisač se nije mogao pokrenuti ili je javio grešku.");
  for (const auto& m : dialogs.messages) EXPECT_EQ(m.icon, MsgIcon::Critical);
  EXPECT_EQ(Next(), f);
}

TEST_F(Form8Test, Screenshots) {
  const char* out = std::getenv("MORVADEL_SCREENSHOTS");
  if (!out) GTEST_SKIP() << "set MORVADEL_SCREENSHOTS to a folder to take them";
  s->ItemTable(101, 1) = Cell::Text("2021");
  s->ItemTable(101, 2) = Cell::Text("2022");
  s->ItemTable(205, 1) = Cell::Text("1200");
  s->ItemTable(206, 1) = Cell::Text("800");
  for (int16_t language : {kCroatian, kEnglish}) {
    for (int sheet = 1; sheet <= 5; ++sheet) {
      Form8* f = Sheet(sheet, language);
      if (sheet == 2) {
        f->Tablica->SetRow(7);
        TypeIntoGrid(f->Tablica, f->tekst, "450");
      }
      f->adjustSize();
      QApplication::processEvents();
      const QString name = QString("%1/form8_%2_%3.png").arg(out).arg(language == kCroatian ? "hr" : "en").arg(sheet);
      EXPECT_TRUE(f->grab().save(name));
    }
  }
}

}  // namespace
}  // namespace morvadel::test
