#pragma once
// The grid cell-editing family: the grid "Tablica" cannot be typed into, so
// a floating single-line editor "tekst" is laid exactly over the grid's
// current cell, takes the keys and writes its text into that cell when the
// edit is committed. One CellEditFamily serves one window; the window
// chooses how characters typed into the grid are routed (its row rule), the
// editor's key filter and its write-back.
//
// Typical use in a window's constructor and Form_Load:
//
//   edit_ = new CellEditFamily(Tablica, this);
//   tekst = edit_->tekst;
//   edit_->SetKeyRouting(CellEditFamily::NumberEditUnlessLocked(
//       [](int row) { return IsLockedRow(sheet, row); }));
//   edit_->SetKeyFilter(&StatementKeyPasses);
//   edit_->SetWriteBack([this] { SaveGridToTable(*Tablica, s_); });
//   ...                      // build the grid
//   edit_->SetUpEditor();    // last step of Form_Load
//
// and in every command that stores, switches view, recalculates or leaves:
//
//   edit_->CommitAndWriteBack();  // an open edit is never lost
//
// The family connects itself to the grid's callbacks (onGotFocus, onClick,
// onKeyPress, onMouseDown, onLeaveCell, onScroll); a window must not replace
// them. Character and key codes are Unicode code points (8 Backspace,
// 13 Enter, 27 Esc, 32 space), as the grid reports them.
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

namespace morvadel {

class Grid;
struct SharedState;

// Key codes of the editor's key-down handling.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEsc = 27;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyDown = 40;

// The double quote cannot be stored in the workbook file (it would end the
// value early), so no editor of the program accepts it.
inline constexpr int kDoubleQuote = 34;

// Editor key filters: true when the character may be typed into the editor
// while the grid's current row is `row`.
// General data: everything but Enter (and the double quote) passes.
bool GeneralDataKeyPasses(int row, int keyAscii);
// Statements: Enter is cancelled; outside the period-name row 1 only
// Backspace, "-", ".", "," and the digits pass (both marks: the number
// reader judges them by the user's notation); in row 1 everything but the
// double quote passes.
bool StatementKeyPasses(int row, int keyAscii);

class CellEditFamily : public QObject {
  Q_OBJECT

 public:
  // Routes a character typed while the grid has the focus; `row` is the
  // grid's current row. It usually calls StartNumberEdit or StartTextEdit.
  using KeyRouting = std::function<void(CellEditFamily& family, int row, int keyAscii)>;
  // The editor's key filter (see GeneralDataKeyPasses, StatementKeyPasses).
  using KeyFilter = std::function<bool(int row, int keyAscii)>;

  // Creates the editor `tekst` as a sibling of the grid (a child of the
  // grid's parent widget), hidden, and connects the grid's and the editor's
  // events. `window` is the form whose background click commits an edit.
  CellEditFamily(Grid* grid, QWidget* window);
  ~CellEditFamily() override;

  // Ready-made key routings.
  // General data: StartTextEdit on every row.
  static KeyRouting TextEditOnEveryRow();
  // Statements and comparisons: nothing on a locked row, StartNumberEdit on
  // every other row.
  static KeyRouting NumberEditUnlessLocked(std::function<bool(int row)> isLocked);

  void SetKeyRouting(KeyRouting routing);
  void SetKeyFilter(KeyFilter filter);  // default: GeneralDataKeyPasses
  // What CommitAndWriteBack runs after the commit (for instance
  // SaveGridToTable, or the copy of the grid into Company).
  void SetWriteBack(std::function<void()> writeBack);

  // Last step of Form_Load, after the grid is built: the editor takes the
  // grid's font, the system's light 3-D colour as background and an empty
  // text; RowMoveActive := false.
  void SetUpEditor();

  // Opens the editor over the current cell for a number cell: a control
  // code or space (0..32) opens it with the cell's text, all selected; a
  // digit, ".", "," or "-" opens it with that one character, caret after
  // it; any other character opens it empty.
  void StartNumberEdit(int keyAscii);
  // The same for a text cell: a printable character (any letter, Croatian
  // and other non-ASCII letters included) opens it with that character; a
  // double quote or another non-printable code opens it empty. The text of
  // an earlier edit is never carried into the new cell.
  void StartTextEdit(int keyAscii);
  // Ends an open edit: the current cell's text := the editor's text, and
  // the editor is hidden. Nothing happens while no edit is open. Tab and
  // Backtab out of the editor commit too.
  void CommitCellEdit();
  // Commits an open edit, then runs the window's write-back.
  void CommitAndWriteBack();
  // True while an edit is open (the editor shown over the current cell).
  bool EditorOpen() const { return open_; }

  // Event handlers, connected by the constructor; public so that tests and
  // windows with extra controls can raise them.
  void Form_Click();
  // The hit test; a left press (button 1) on a frozen value cell of a data
  // row also makes that row's first selectable cell current.
  void Tablica_MouseDown(int button, int shift, int xTwips, int yTwips);
  void Tablica_Click();
  void Tablica_GotFocus();
  void Tablica_LeaveCell();
  void Tablica_Scroll();
  void Tablica_KeyPress(int& keyAscii);
  // Enter commits, Esc drops the edit, Up and Down commit and move the
  // current row by one (never into the fixed rows or past the last row).
  // Returns true when the key was one of these four.
  bool tekst_KeyDown(int keyCode);
  // The window's key filter: sets keyAscii to 0 when it is refused.
  void tekst_KeyPress(int& keyAscii);

  // The hit test of a mouse press at (x, y) twips from the grid's top-left
  // corner: true when it lies left of column 1 (the label column), above
  // row 1 (the heading row), right of the visible columns or below the last
  // row. A point exactly on a bound is inside.
  static bool PointOutsideCells(const Grid& grid, int xTwips, int yTwips);

  // Adds a background widget whose click commits an open edit, like the
  // window's own background (for panels that hold the window's controls).
  void WatchBackground(QWidget* widget);

  // The editor; a sibling of the grid, hidden when no edit is open.
  QLineEdit* tekst = nullptr;
  // True only while the Up/Down handling moves the current row: the grid's
  // focus, leave-cell and scroll events then commit nothing.
  bool RowMoveActive = false;
  // Set by every mouse press on the grid from the hit test; a click on the
  // grid opens the editor only while it is false.
  bool PointerOutsideCells = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Open(const QString& text, int selStart, int selLength);
  void LetPendingMessagesRun();
  void OnEdited(const QString& text);
  bool Passes(int keyAscii) const;

  QPointer<Grid> grid_;
  QPointer<QWidget> window_;
  KeyRouting routing_;
  KeyFilter filter_;
  std::function<void()> writeBack_;
  bool open_ = false;
  bool leftOpen_ = false;  // open while another control has the focus
  QString lastText_;  // the editor's text before the user's latest change
};

// Writes the grid back into the item table: for r = 1..GridRows-1 and
// c = 1..GridCols-1, ItemTable(SectionBase + r, c) := the text of grid cell
// (r, c). A cell whose table value shows as that very text keeps its value;
// a changed text in a period column (1..6) of rows 2 and below that reads
// as a number in the user's format is stored as a file number (point, no
// grouping), so it reads alike in every locale; every other text is stored
// as a text value. The bounds are the shared shape settings, never beyond
// the grid's own rows and columns nor the item table.
void SaveGridToTable(const Grid& grid, SharedState& s);

// Refuses every character for which `passes` is false, however it reaches
// the line edit (typed, pasted, dropped or composed by an input method).
// Used for boxes whose text is stored in the workbook file.
void GuardLineEdit(QLineEdit* edit, std::function<bool(int code)> passes);

// True for every character but the double quote.
bool StorableCharacter(int code);

}  // namespace morvadel
