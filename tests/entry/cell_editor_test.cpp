// The cell-editing family on a bare window: start rules, key filters, the
// editor's keys, the hit test and the write-back.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPalette>
#include <QVBoxLayout>

#include "entry_fixture.h"
#include "model/shared_state.h"

namespace morvadel::test {
namespace {

// A window with a statement-like grid (label column 3200 twips, six period
// columns of 1000, heading row 250) and the family over it.
class CellEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    window->resize(760, 420);
    grid = new Grid(window.get());
    grid->setGeometry(12, 30, 680, 300);
    grid->SetCols(7);
    grid->SetRows(10);
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    grid->SetRowHeight(0, 250);
    grid->SetColWidth(0, 3200);
    for (int c = 1; c < 7; ++c) grid->SetColWidth(c, 1000);
    for (int r = 1; r < 10; ++r) grid->SetTextMatrix(r, 1, QString("old%1").arg(r));
    family = new CellEditFamily(grid, window.get());
    family->SetKeyRouting(CellEditFamily::NumberEditUnlessLocked([](int row) { return row == 4; }));
    family->SetKeyFilter(&StatementKeyPasses);
    family->SetUpEditor();
    Activate(window.get());
    grid->setFocus();
    grid->SetRow(2);
    grid->SetCol(1);
  }

  std::unique_ptr<QWidget> window;
  Grid* grid = nullptr;
  CellEditFamily* family = nullptr;
};

TEST_F(CellEditorTest, StartRulesPerKey) {
  struct Case {
    bool text;  // StartTextEdit, else StartNumberEdit
    int key;
    bool opens;
    const char* editor;
    bool allSelected;
    int cursor;
  } cases[] = {
      {false, 32, true, "old2", true, -1},  {false, 8, true, "old2", true, -1},
      {false, 13, true, "old2", true, -1},  {false, 27, true, "old2", true, -1},
      {false, '7', true, "7", false, 1},    {false, '.', true, ".", false, 1},
      {false, '-', true, "-", false, 1},    {false, 'a', true, "", false, 0},
      {false, ',', true, ",", false, 1},    {false, 0x10D, true, "", false, 0},
      {true, 32, true, "old2", true, -1},   {true, 'a', true, "a", false, 1},
      {true, '7', true, "7", false, 1},     {true, '}', true, "}", false, 1},
      {true, '~', true, "~", false, 1},     {true, 0x10D, true, "č", false, 1},   // č
      {true, 0x17D, true, "Ž", false, 1},   {true, 0x111, true, "đ", false, 1},   // Ž, đ
      {true, 0xE9, true, "é", false, 1},    {true, '"', true, "", false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.text ? "text " : "number ") << c.key);
    family->tekst->setText("left over");  // an earlier edit's text never carries over
    if (c.text) family->StartTextEdit(c.key);
    else family->StartNumberEdit(c.key);
    EXPECT_EQ(family->EditorOpen(), c.opens);
    EXPECT_TRUE(family->tekst->isVisible());
    EXPECT_EQ(family->tekst->text(), QString::fromUtf8(c.editor));
    EXPECT_EQ(family->tekst->hasSelectedText(), c.allSelected);
    if (c.allSelected) {
      EXPECT_EQ(family->tekst->selectedText(), QString::fromUtf8(c.editor));
    }
    if (c.cursor >= 0) {
      EXPECT_EQ(family->tekst->cursorPosition(), c.cursor);
    }
    Key(family->tekst, Qt::Key_Escape);
    EXPECT_FALSE(family->EditorOpen());
    EXPECT_EQ(grid->TextMatrix(2, 1), "old2");
  }
}

TEST_F(CellEditorTest, EditorLiesExactlyOverTheCurrentCellWithTheGridsFontAndLightColour) {
  grid->SetRow(3);
  grid->SetCol(4);
  family->StartNumberEdit(32);
  const QRect expected(PxFromTwips(grid->LeftTwips() + grid->CellLeft()), PxFromTwips(grid->TopTwips() + grid->CellTop()),
                       PxFromTwips(grid->CellWidth()), PxFromTwips(grid->CellHeight()));
  EXPECT_EQ(family->tekst->geometry(), expected);
  EXPECT_EQ(family->tekst->parentWidget(), grid->parentWidget());
  EXPECT_EQ(family->tekst->font(), grid->font());
  EXPECT_EQ(family->tekst->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Midlight));
  EXPECT_TRUE(family->tekst->hasFocus());
}

TEST_F(CellEditorTest, KeyFiltersPerRow) {
  struct Case {
    bool statement;
    int row;
    int key;
    bool passes;
  } cases[] = {
      {true, 2, '5', true},   {true, 2, '-', true},    {true, 2, '.', true},   {true, 2, 8, true},
      {true, 2, 'a', false},  {true, 2, ' ', false},   {true, 2, ',', true},   {true, 2, 13, false},
      {true, 2, '"', false},  {true, 2, 0x10D, false}, {true, 1, 'a', true},   {true, 1, ' ', true},
      {true, 1, 0x10D, true}, {true, 1, ',', true},    {true, 1, 13, false},   {true, 1, '"', false},
      {false, 3, 'a', true},  {false, 3, 0x17E, true}, {false, 3, ' ', true},  {false, 3, 13, false},
      {false, 3, '"', false}, {false, 1, '7', true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.statement << " row " << c.row << " key " << c.key);
    EXPECT_EQ((c.statement ? StatementKeyPasses : GeneralDataKeyPasses)(c.row, c.key), c.passes);
    family->SetKeyFilter(c.statement ? &StatementKeyPasses : &GeneralDataKeyPasses);
    grid->SetRow(c.row);
    int k = c.key;
    family->tekst_KeyPress(k);
    EXPECT_EQ(k, c.passes ? c.key : 0);
  }
}

TEST_F(CellEditorTest, TypingIntoTheEditorIsFilteredByTheRow) {
  grid->SetRow(2);
  TypeIntoGrid(grid, family->tekst, "1a2, \"3.5-");
  EXPECT_EQ(family->tekst->text(), "12," "3.5-");
  Key(family->tekst, Qt::Key_Backspace);
  EXPECT_EQ(family->tekst->text(), "12,3.5");
  Key(family->tekst, Qt::Key_Return);
  EXPECT_EQ(grid->TextMatrix(2, 1), "12,3.5");

  // Row 1 holds the period names: a letter opens an empty editor, the
  // letters after it are taken; the quote never is.
  grid->SetRow(1);
  TypeIntoGrid(grid, family->tekst, "xGodina \"2\" č");
  EXPECT_EQ(family->tekst->text(), "Godina 2 č");
}

TEST_F(CellEditorTest, PastedTextIsFilteredLikeTypedText) {
  grid->SetRow(2);
  family->StartNumberEdit(32);  // "old2", all selected
  QGuiApplication::clipboard()->setText("1x2\"3");
  QTest::keyClick(family->tekst, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(family->tekst->text(), "123");
  // Text already in the cell is not filtered away by a later change.
  Key(family->tekst, Qt::Key_Escape);
  grid->SetTextMatrix(2, 1, "n/a");
  family->StartNumberEdit(32);
  Key(family->tekst, Qt::Key_End);
  TypeText(family->tekst, "9");
  QTest::keyClick(family->tekst, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(family->tekst->text(), "n/a9123");
}

TEST_F(CellEditorTest, EnterCommitsEscDropsUpAndDownCommitAndMove) {
  struct Case {
    int startRow;
    Qt::Key key;
    const char* cell;  // text of the edited cell afterwards
    int rowAfter;
  } cases[] = {
      {3, Qt::Key_Return, "42", 3}, {3, Qt::Key_Enter, "42", 3}, {3, Qt::Key_Escape, "old3", 3},
      {3, Qt::Key_Up, "42", 2},     {3, Qt::Key_Down, "42", 4},  {1, Qt::Key_Up, "42", 1},
      {9, Qt::Key_Down, "42", 9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "row " << c.startRow << " key " << c.key);
    grid->SetTextMatrix(c.startRow, 1, QString("old%1").arg(c.startRow));
    grid->SetRow(c.startRow);
    grid->SetCol(1);
    grid->setFocus();
    TypeIntoGrid(grid, family->tekst, "42");
    ASSERT_TRUE(family->EditorOpen());
    Key(family->tekst, c.key);
    EXPECT_FALSE(family->EditorOpen());
    EXPECT_FALSE(family->tekst->isVisible());
    EXPECT_EQ(grid->TextMatrix(c.startRow, 1), c.cell);
    EXPECT_EQ(grid->Row(), c.rowAfter);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_FALSE(family->RowMoveActive);
    EXPECT_TRUE(grid->hasFocus());
  }
  // Enter on an emptied editor writes the empty text.
  grid->SetRow(5);
  family->StartNumberEdit(32);
  Key(family->tekst, Qt::Key_Delete);
  Key(family->tekst, Qt::Key_Return);
  EXPECT_EQ(grid->TextMatrix(5, 1), "");
}

TEST_F(CellEditorTest, LockedRowsOpenNothingOnTyping) {
  grid->SetRow(4);
  for (char32_t ch : {U'7', U'a', U' '}) {
    TypeChar(grid, ch);
    EXPECT_FALSE(family->EditorOpen());
  }
  // A click still opens the editor there.
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(*grid, 4, 2));
  EXPECT_TRUE(family->EditorOpen());
  EXPECT_EQ(grid->Row(), 4);
  EXPECT_EQ(grid->Col(), 2);
}

TEST_F(CellEditorTest, ClicksOpenTheEditorOnDataCellsOnlyAndCommitAnOpenEdit) {
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(*grid, 3, 1));
  ASSERT_TRUE(family->EditorOpen());
  EXPECT_EQ(family->tekst->selectedText(), "old3");
  TypeText(family->tekst, "88");
  // A click on the label column: the grid takes the focus and commits; no
  // new editor opens.
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(*grid, 5, 0));
  EXPECT_FALSE(family->EditorOpen());
  EXPECT_TRUE(family->PointerOutsideCells);
  EXPECT_EQ(grid->TextMatrix(3, 1), "88");
  for (QPoint p : {CellCentre(*grid, 0, 2), QPoint(CellCentre(*grid, 2, 6).x(), PxFromTwips(250 + 9 * 240) + 8)}) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, p);
    EXPECT_FALSE(family->EditorOpen());
    EXPECT_TRUE(family->PointerOutsideCells);
  }
  // The window's background commits too.
  family->StartNumberEdit('5');
  QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(family->EditorOpen());
  EXPECT_EQ(grid->Text(), "5");
}

// Tab ends the edit like a click elsewhere; a click on a cell always starts
// a fresh edit of it, also where an edit was left open over it.
TEST_F(CellEditorTest, TabCommitsAndAClickOnTheCellStartsAFreshEdit) {
  auto* other = new QLineEdit(window.get());  // the next control in the tab order
  other->setGeometry(12, 340, 100, 24);
  other->show();
  grid->SetRow(1);
  grid->setFocus();
  TypeIntoGrid(grid, family->tekst, "125");
  Key(family->tekst, Qt::Key_Tab);
  EXPECT_FALSE(family->EditorOpen());
  EXPECT_FALSE(family->tekst->isVisible());
  EXPECT_EQ(grid->TextMatrix(1, 1), "125");
  EXPECT_TRUE(other->hasFocus());

  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(*grid, 1, 1));
  ASSERT_TRUE(family->EditorOpen());
  EXPECT_EQ(family->tekst->selectedText(), "125");
  TypeText(family->tekst, "880");
  QTest::keyClick(family->tekst, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_FALSE(family->EditorOpen());
  EXPECT_EQ(grid->TextMatrix(1, 1), "880");

  // Another control that takes the focus leaves the edit open; a click on
  // the open editor then starts afresh on its cell, the open text kept.
  grid->SetRow(2);
  grid->setFocus();
  TypeIntoGrid(grid, family->tekst, "77");
  other->setFocus(Qt::MouseFocusReason);
  ASSERT_TRUE(family->EditorOpen());
  QTest::mouseClick(family->tekst, Qt::LeftButton, {}, family->tekst->rect().center());
  ASSERT_TRUE(family->EditorOpen());
  EXPECT_EQ(grid->TextMatrix(2, 1), "77");
  EXPECT_EQ(family->tekst->selectedText(), "77");
  TypeText(family->tekst, "5");
  Key(family->tekst, Qt::Key_Return);
  EXPECT_EQ(grid->TextMatrix(2, 1), "5");
  // A click inside an editor being typed into only moves the caret.
  TypeIntoGrid(grid, family->tekst, "12");
  QTest::mouseClick(family->tekst, Qt::LeftButton, {}, QPoint(2, family->tekst->height() / 2));
  TypeText(family->tekst, "9");
  Key(family->tekst, Qt::Key_Return);
  EXPECT_EQ(grid->TextMatrix(2, 1), "912");
}

TEST_F(CellEditorTest, HitTestBounds) {
  const int left = 3200, right = 3200 + 6 * 1000, top = 250, bottom = 250 + 9 * 240;
  struct Case {
    int x, y;
    bool outside;
  } cases[] = {
      {left, top, false},          {left - 1, 500, true},   {right, 500, false},     {right + 1, 500, true},
      {4000, top - 1, true},       {4000, bottom, false},   {4000, bottom + 1, true}, {0, 0, true},
      {right, bottom, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    EXPECT_EQ(CellEditFamily::PointOutsideCells(*grid, c.x, c.y), c.outside);
    family->Tablica_MouseDown(1, 0, c.x, c.y);
    EXPECT_EQ(family->PointerOutsideCells, c.outside);
  }
  // Columns scrolled out of view do not count.
  grid->setFixedWidth(PxFromTwips(3200 + 2 * 1000) + 20);
  QApplication::processEvents();
  EXPECT_TRUE(CellEditFamily::PointOutsideCells(*grid, right, 500));
}

TEST_F(CellEditorTest, FocusLeaveCellAndScrollCommitExceptWhileARowMoves) {
  family->StartNumberEdit('1');
  family->RowMoveActive = true;
  family->Tablica_GotFocus();
  family->Tablica_LeaveCell();
  family->Tablica_Scroll();
  EXPECT_TRUE(family->EditorOpen());
  family->RowMoveActive = false;
  family->Tablica_Scroll();
  EXPECT_FALSE(family->EditorOpen());
  EXPECT_EQ(grid->TextMatrix(2, 1), "1");
  // Moving the current cell commits into the cell being left.
  family->StartNumberEdit('2');
  grid->SetRow(6);
  EXPECT_EQ(grid->TextMatrix(2, 1), "2");
  EXPECT_EQ(grid->TextMatrix(6, 1), "old6");
}

TEST_F(CellEditorTest, CommitAndWriteBackCommitsFirst) {
  std::string seen;
  family->SetWriteBack([&] { seen = grid->TextMatrix(2, 1).toStdString(); });
  TypeIntoGrid(grid, family->tekst, "314");
  family->CommitAndWriteBack();
  EXPECT_EQ(seen, "314");
  EXPECT_FALSE(family->EditorOpen());
}

TEST(SaveGridToTable, WritesTheSharedShapeIntoTheSectionAsTexts) {
  auto s = std::make_unique<SharedState>();
  Grid grid;
  grid.SetCols(7);
  grid.SetRows(53);
  for (int r = 0; r < 53; ++r)
    for (int c = 0; c < 7; ++c) grid.SetTextMatrix(r, c, QString("%1/%2").arg(r).arg(c));
  grid.SetTextMatrix(7, 3, "");
  s->ItemTable(200, 1) = Cell::Int32(5);
  s->ItemTable(201, 0) = Cell::Text("label");
  s->ItemTable(253, 1) = Cell::Int32(9);
  s->ItemTable(201, 7) = Cell::Int32(8);
  s->GridRows = 53;
  s->GridCols = 7;
  s->SectionBase = 200;
  SaveGridToTable(grid, *s);
  EXPECT_EQ(s->ItemTable(201, 1), Cell::Text("1/1"));
  EXPECT_EQ(s->ItemTable(252, 6), Cell::Text("52/6"));
  EXPECT_TRUE(s->ItemTable(207, 3).IsBlank());
  EXPECT_EQ(s->ItemTable(200, 1), Cell::Int32(5));         // row 0 stays
  EXPECT_EQ(s->ItemTable(201, 0), Cell::Text("label"));    // column 0 stays
  EXPECT_EQ(s->ItemTable(253, 1), Cell::Int32(9));         // below GridRows - 1
  EXPECT_EQ(s->ItemTable(201, 7), Cell::Int32(8));         // right of GridCols - 1

  // Never beyond the grid, whatever the settings say.
  s->GridRows = 80;
  s->GridCols = 12;
  s->SectionBase = 300;
  SaveGridToTable(grid, *s);
  EXPECT_EQ(s->ItemTable(352, 6), Cell::Text("52/6"));
  EXPECT_TRUE(s->ItemTable(353, 1).IsEmpty());
  EXPECT_TRUE(s->ItemTable(301, 7).IsEmpty());
  // Nor beyond the item table.
  s->GridRows = 53;
  s->SectionBase = 1620;
  SaveGridToTable(grid, *s);
  EXPECT_EQ(s->ItemTable(1650, 1), Cell::Text("30/1"));
}

// What the write-back stores reads alike in every locale: figures the grid
// shows unchanged keep their values, typed figures are kept in the file's
// form; names and industry figures stay as typed.
TEST(SaveGridToTable, StoresFiguresIndependentlyOfTheLocale) {
  for (char mark : {',', '.'}) {
    SCOPED_TRACE(mark);
    auto s = std::make_unique<SharedState>();
    s->DecimalMark = mark;
    s->GridRows = 5;
    s->GridCols = 11;
    s->SectionBase = 600;
    s->ItemTable(602, 1) = Cell::Double(25.38);     // a computed ratio
    s->ItemTable(602, 7) = Cell::Money(Currency::FromRaw(253800));
    s->ItemTable(603, 1) = Cell::FileNumber("12.5");  // read from the file
    s->ItemTable(603, 2) = Cell::Text("1.0");         // a text as it was typed
    Grid grid;
    grid.SetRows(5);
    grid.SetCols(11);
    for (int r = 1; r < 5; ++r)
      for (int c = 1; c < 11; ++c) grid.SetTextMatrix(r, c, QString::fromStdString(ItemText(*s, 600 + r, c)));
    const bool hr = mark == ',';
    grid.SetTextMatrix(1, 1, hr ? "1.234" : "1,234");   // a name stays as typed
    grid.SetTextMatrix(4, 1, hr ? "1.234,5" : "1,234.5");
    grid.SetTextMatrix(4, 2, hr ? "-,5" : "-.5");
    grid.SetTextMatrix(4, 3, hr ? "1.5" : "1,5");       // no number: kept as typed
    grid.SetTextMatrix(4, 10, hr ? "11,50" : "11.50");  // an industry figure: as typed
    SaveGridToTable(grid, *s);
    EXPECT_EQ(s->ItemTable(602, 1), Cell::Double(25.38));
    EXPECT_EQ(s->ItemTable(602, 7), Cell::Money(Currency::FromRaw(253800)));
    EXPECT_EQ(s->ItemTable(603, 1), Cell::FileNumber("12.5"));
    EXPECT_EQ(s->ItemTable(603, 2), Cell::Text("1.0"));
    EXPECT_EQ(s->ItemTable(601, 1), Cell::Text(hr ? "1.234" : "1,234"));
    EXPECT_EQ(s->ItemTable(604, 1), Cell::FileNumber("1234.5"));
    EXPECT_EQ(s->ItemTable(604, 2), Cell::FileNumber("-0.5"));
    EXPECT_EQ(s->ItemTable(604, 3), Cell::Text(hr ? "1.5" : "1,5"));
    EXPECT_EQ(s->ItemTable(604, 10), Cell::Text(hr ? "11,50" : "11.50"));
  }
}

TEST(GuardLineEdit, RefusesTheDoubleQuoteHoweverItArrives) {
  QLineEdit edit;
  GuardLineEdit(&edit, &StorableCharacter);
  edit.show();
  TypeText(&edit, "Kuna \"HRK\"");
  EXPECT_EQ(edit.text(), "Kuna HRK");
  QGuiApplication::clipboard()->setText("\"x\"");
  QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit.text(), "Kuna HRKx");
  EXPECT_EQ(edit.cursorPosition(), 9);
}

}  // namespace
}  // namespace morvadel::test
