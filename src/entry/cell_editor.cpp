#include "entry/cell_editor.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <algorithm>

#include "model/number.h"
#include "model/shared_state.h"
#include "platform/grid.h"
#include "platform/twips.h"

namespace morvadel {

namespace {

bool IsDigit(int k) { return k >= '0' && k <= '9'; }

// The characters of a typed figure: digits, the sign, and both marks, one
// of which is the decimal mark and the other the group separator in the
// user's notation. The number reader judges the marks; dropping one here
// would silently turn "12,5" into 125.
bool IsFigureChar(int k) { return IsDigit(k) || k == '.' || k == ',' || k == '-'; }

// The key code of the editor's key-down handling, 0 for other keys.
int KeyDownCode(const QKeyEvent& e) {
  switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return kKeyEnter;
    case Qt::Key_Escape: return kKeyEsc;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Down: return kKeyDown;
    default: return 0;
  }
}

// The character a key press types, as the key filter sees it: Backspace,
// or a printable character; 0 for keys that type nothing (Delete, arrows,
// Ctrl and Alt shortcuts such as copy and paste, which the edit guard
// covers). Ctrl+Alt is AltGr on some systems and types characters.
int TypedCode(const QKeyEvent& e) {
  if (e.key() == Qt::Key_Backspace) return kKeyBackspace;
  const Qt::KeyboardModifiers mods = e.modifiers() & (Qt::AltModifier | Qt::ControlModifier);
  if (mods == Qt::AltModifier || mods == Qt::ControlModifier) return 0;
  const QList<uint> points = e.text().toUcs4();
  if (points.isEmpty()) return 0;
  const uint k = points.front();
  if (k < 32 || k == 127) return 0;
  return static_cast<int>(k);
}

// Strips the refused characters from a line edit's text after every user
// change; the text carries no context, so the whole text is checked.
class LineEditGuard : public QObject {
 public:
  LineEditGuard(QLineEdit* edit, std::function<bool(int)> passes)
      : QObject(edit), edit_(edit), passes_(std::move(passes)) {
    connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) { Check(text); });
  }

 private:
  void Check(const QString& text) {
    const int cursor = edit_->cursorPosition();
    QString kept;
    int pos = 0, removedBefore = 0;
    for (char32_t ch : text.toUcs4()) {
      const int width = ch > 0xFFFF ? 2 : 1;
      if (passes_(static_cast<int>(ch))) {
        kept += QString::fromUcs4(&ch, 1);
      } else if (pos < cursor) {
        removedBefore += width;
      }
      pos += width;
    }
    if (kept == text) return;
    edit_->setText(kept);
    edit_->setCursorPosition(std::clamp(cursor - removedBefore, 0, static_cast<int>(kept.size())));
  }

  QLineEdit* edit_;
  std::function<bool(int)> passes_;
};

}  // namespace

bool StorableCharacter(int code) { return code != kDoubleQuote; }

bool GeneralDataKeyPasses(int /*row*/, int keyAscii) {
  return keyAscii != kKeyEnter && StorableCharacter(keyAscii);
}

bool StatementKeyPasses(int row, int keyAscii) {
  if (keyAscii == kKeyEnter || !StorableCharacter(keyAscii)) return false;
  if (row == 1) return true;  // the period or company names
  return keyAscii == kKeyBackspace || IsFigureChar(keyAscii);
}

void GuardLineEdit(QLineEdit* edit, std::function<bool(int code)> passes) {
  new LineEditGuard(edit, std::move(passes));
}

// ---- the family --------------------------------------------------------

CellEditFamily::CellEditFamily(Grid* grid, QWidget* window)
    : QObject(window), grid_(grid), window_(window), filter_(&GeneralDataKeyPasses) {
  QWidget* parent = grid->parentWidget() ? grid->parentWidget() : window;
  tekst = new QLineEdit(parent);
  tekst->setObjectName("tekst");
  tekst->hide();
  tekst->setFrame(false);
  tekst->setTextMargins(3, 0, 3, 0);
  tekst->installEventFilter(this);
  connect(tekst, &QLineEdit::textEdited, this, &CellEditFamily::OnEdited);

  grid->onGotFocus = [this] { Tablica_GotFocus(); };
  grid->onClick = [this] { Tablica_Click(); };
  grid->onKeyPress = [this](int& k) { Tablica_KeyPress(k); };
  grid->onMouseDown = [this](int b, int sh, int x, int y) { Tablica_MouseDown(b, sh, x, y); };
  grid->onLeaveCell = [this] { Tablica_LeaveCell(); };
  grid->onScroll = [this] { Tablica_Scroll(); };

  WatchBackground(window);
  if (parent != window) WatchBackground(parent);
}

CellEditFamily::~CellEditFamily() {
  if (grid_) {
    grid_->onGotFocus = nullptr;
    grid_->onClick = nullptr;
    grid_->onKeyPress = nullptr;
    grid_->onMouseDown = nullptr;
    grid_->onLeaveCell = nullptr;
    grid_->onScroll = nullptr;
  }
}

CellEditFamily::KeyRouting CellEditFamily::TextEditOnEveryRow() {
  return [](CellEditFamily& family, int, int keyAscii) { family.StartTextEdit(keyAscii); };
}

CellEditFamily::KeyRouting CellEditFamily::NumberEditUnlessLocked(std::function<bool(int row)> isLocked) {
  return [isLocked = std::move(isLocked)](CellEditFamily& family, int row, int keyAscii) {
    if (!isLocked(row)) family.StartNumberEdit(keyAscii);
  };
}

void CellEditFamily::SetKeyRouting(KeyRouting routing) { routing_ = std::move(routing); }

void CellEditFamily::SetKeyFilter(KeyFilter filter) {
  filter_ = filter ? std::move(filter) : KeyFilter(&GeneralDataKeyPasses);
}

void CellEditFamily::SetWriteBack(std::function<void()> writeBack) { writeBack_ = std::move(writeBack); }

void CellEditFamily::WatchBackground(QWidget* widget) {
  if (widget) widget->installEventFilter(this);
}

void CellEditFamily::SetUpEditor() {
  if (grid_) tekst->setFont(grid_->font());
  QPalette pal = tekst->palette();
  pal.setColor(QPalette::Base, QApplication::palette().color(QPalette::Midlight));
  tekst->setPalette(pal);
  tekst->setText(QString());
  lastText_.clear();
  RowMoveActive = false;
}

// ---- starting and ending an edit -----------------------------------------

void CellEditFamily::StartNumberEdit(int k) {
  if (!grid_) return;
  CommitCellEdit();  // an edit still open belongs to the current cell
  if (k >= 0 && k <= 32) {
    Open(grid_->Text(), 0, 1000);
  } else if (IsFigureChar(k)) {
    Open(QString(QChar(k)), 1, 0);
  } else {
    Open(QString(), 0, 0);
  }
}

void CellEditFamily::StartTextEdit(int k) {
  if (!grid_) return;
  CommitCellEdit();
  if (k >= 0 && k <= 32) {
    Open(grid_->Text(), 0, 1000);
    return;
  }
  // Any printable character starts the edit with itself, Croatian and
  // other non-ASCII letters included; the previous edit's text never
  // carries over into another cell.
  const char32_t ch = k > 0 ? static_cast<char32_t>(k) : 0;
  if (ch && StorableCharacter(k) && QChar::isPrint(ch)) {
    const QString piece = QString::fromUcs4(&ch, 1);
    Open(piece, static_cast<int>(piece.size()), 0);
  } else {
    Open(QString(), 0, 0);
  }
}

void CellEditFamily::Open(const QString& text, int selStart, int selLength) {
  leftOpen_ = false;
  tekst->setText(text);
  lastText_ = text;
  if (grid_->CellWidth() < 0) return;  // the cell cannot be shown
  const int left = PxFromTwips(grid_->LeftTwips() + grid_->CellLeft());
  const int top = PxFromTwips(grid_->TopTwips() + grid_->CellTop());
  const int width = PxFromTwips(grid_->CellWidth());
  const int height = PxFromTwips(grid_->CellHeight());
  tekst->setGeometry(left, top, width, height);
  open_ = true;
  tekst->show();
  tekst->raise();
  tekst->setFocus(Qt::OtherFocusReason);
  if (selLength > 0) {
    tekst->setSelection(selStart, std::min(selLength, static_cast<int>(text.size()) - selStart));
  } else {
    tekst->setCursorPosition(std::min(selStart, static_cast<int>(text.size())));
  }
}

void CellEditFamily::CommitCellEdit() {
  if (!open_) return;
  open_ = false;  // first: hiding the editor moves the focus, which commits again
  leftOpen_ = false;
  if (grid_) grid_->SetText(tekst->text());
  tekst->hide();
}

void CellEditFamily::CommitAndWriteBack() {
  CommitCellEdit();
  if (writeBack_) writeBack_();
}

// ---- events ------------------------------------------------------------

void CellEditFamily::Form_Click() { CommitCellEdit(); }

void CellEditFamily::Tablica_MouseDown(int button, int, int x, int y) {
  if (!grid_) return;
  PointerOutsideCells = PointOutsideCells(*grid_, x, y);
  // A frozen value cell cannot become current (the industry views freeze
  // columns 1 to 9), so a press there makes the first selectable cell of
  // its row current: the click then edits the row that was pressed, never
  // the row that happened to be current.
  const int row = grid_->MouseRow(), col = grid_->MouseCol();
  const int fixedCols = grid_->FixedCols();
  if (button == 1 && !PointerOutsideCells && row >= grid_->FixedRows() && row < grid_->Rows() && col >= 1 &&
      col < fixedCols && fixedCols < grid_->Cols()) {
    grid_->SetRow(row);
    grid_->SetCol(fixedCols);
  }
}

void CellEditFamily::Tablica_Click() {
  if (!PointerOutsideCells) StartNumberEdit(32);
}

void CellEditFamily::Tablica_GotFocus() {
  if (!RowMoveActive) CommitCellEdit();
}

void CellEditFamily::Tablica_LeaveCell() { Tablica_GotFocus(); }

void CellEditFamily::Tablica_Scroll() { Tablica_GotFocus(); }

void CellEditFamily::Tablica_KeyPress(int& keyAscii) {
  if (!grid_) return;
  if (routing_) routing_(*this, grid_->Row(), keyAscii);
  keyAscii = 0;  // the start rules decide what becomes of the key
}

bool CellEditFamily::tekst_KeyDown(int keyCode) {
  if (!grid_) return false;
  switch (keyCode) {
    case kKeyEnter:
      grid_->SetFocusToGrid();
      // The grid's focus event commits; without an active window no focus
      // event comes, so the commit is made sure of here.
      CommitCellEdit();
      return true;
    case kKeyEsc:
      open_ = false;
      tekst->hide();
      grid_->SetFocusToGrid();
      return true;
    case kKeyUp:
    case kKeyDown: {
      // The figure goes into its cell and the row moves before any pending
      // message runs: keys typed ahead then land in the rows they were
      // typed for.
      CommitCellEdit();
      grid_->SetFocusToGrid();
      const int row = grid_->Row();
      const bool up = keyCode == kKeyUp;
      if (up ? row > grid_->FixedRows() : row < grid_->Rows() - 1) {
        RowMoveActive = true;
        grid_->SetRow(up ? row - 1 : row + 1);
        RowMoveActive = false;
      }
      LetPendingMessagesRun();
      return true;
    }
    default: return false;
  }
}

void CellEditFamily::LetPendingMessagesRun() {
  // Once: an arrow key among the messages let run is handled inside this
  // run and lets the rest run from there, so a long batch of keys never
  // nests one run in another (the stack stays flat however many are queued).
  static bool running = false;
  if (running) return;
  running = true;
  QCoreApplication::processEvents();
  running = false;
}

void CellEditFamily::tekst_KeyPress(int& keyAscii) {
  if (!Passes(keyAscii)) keyAscii = 0;
}

bool CellEditFamily::Passes(int keyAscii) const {
  if (!StorableCharacter(keyAscii)) return false;
  const int row = grid_ ? grid_->Row() : 0;
  return filter_(row, keyAscii);
}

// Pasted, dropped or composed text passes the key filter too: only the
// characters the user's change inserted are checked, so a cell text that
// the filter would not let in (a name loaded from a file) stays editable.
void CellEditFamily::OnEdited(const QString& text) {
  const QString old = lastText_;
  qsizetype p = 0;
  while (p < old.size() && p < text.size() && old[p] == text[p]) ++p;
  qsizetype q = 0;
  while (q < old.size() - p && q < text.size() - p && old[old.size() - 1 - q] == text[text.size() - 1 - q]) ++q;
  const QString inserted = text.mid(p, text.size() - p - q);
  QString kept;
  for (char32_t ch : inserted.toUcs4()) {
    if (Passes(static_cast<int>(ch))) kept += QString::fromUcs4(&ch, 1);
  }
  if (kept != inserted) {
    const QString fixed = text.left(p) + kept + text.right(q);
    tekst->setText(fixed);
    tekst->setCursorPosition(static_cast<int>(p + kept.size()));
    lastText_ = fixed;
    return;
  }
  lastText_ = text;
}

bool CellEditFamily::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tekst && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (const int code = KeyDownCode(*key)) {
      tekst_KeyDown(code);
      return true;
    }
    int typed = TypedCode(*key);
    if (typed == 0) return false;
    tekst_KeyPress(typed);
    return typed == 0;  // a cancelled character never reaches the editor
  }
  if (watched == tekst && event->type() == QEvent::FocusOut) {
    // Tab and Backtab end the edit as a click elsewhere does; the editor is
    // never left open over its cell for a later click to type into.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
      CommitCellEdit();
    else if (open_ && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
      leftOpen_ = true;  // another control of the window took the focus
    return false;
  }
  if (watched == tekst && event->type() == QEvent::FocusIn &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
    leftOpen_ = false;
  if (watched == tekst && event->type() == QEvent::MouseButtonPress && open_ && leftOpen_) {
    // An edit left open when another control took the focus: a click on
    // it is a click on its cell, which starts a fresh edit of that cell.
    PointerOutsideCells = false;
    Tablica_Click();
    return true;
  }
  if (watched != tekst && event->type() == QEvent::MouseButtonPress) Form_Click();
  return false;
}

// ---- hit test and write-back ---------------------------------------------

bool CellEditFamily::PointOutsideCells(const Grid& grid, int x, int y) {
  if (grid.Rows() < 1 || grid.Cols() < 1) return true;
  const int left = grid.ColWidth(0);
  int right = 0;
  for (int c = 0; c < grid.Cols(); ++c)
    if (grid.ColIsVisible(c)) right += grid.ColWidth(c);
  const int top = grid.RowHeight(0);
  int bottom = 0;
  for (int r = 0; r < grid.Rows(); ++r) bottom += grid.RowHeight(r);
  return x < left || x > right || y < top || y > bottom;
}

void SaveGridToTable(const Grid& grid, SharedState& s) {
  const int rows = std::min<int>(s.GridRows, grid.Rows());
  const int cols = std::min<int>({static_cast<int>(s.GridCols), grid.Cols(), ItemTableT::kCols});
  for (int r = 1; r < rows; ++r) {
    const int item = s.SectionBase + r;
    if (item < 0 || item >= ItemTableT::kRows) break;
    for (int c = 1; c < cols; ++c) {
      const std::string text = grid.TextMatrix(r, c).toStdString();
      Cell& cell = s.ItemTable(item, c);
      // A cell the grid shows unchanged keeps its value: a computed figure
      // or a number read from the file stays independent of the locale.
      if (text == CellText(cell, s.DecimalMark)) continue;
      // A figure typed into a period column is kept as the file writes
      // numbers, so the workbook reads alike in every locale; the names of
      // row 1 and the industry figures stay as typed.
      if (r >= 2 && c <= kLastPeriodColumn) {
        if (auto d = ReadNumber(text, s.DecimalMark)) {
          cell = Cell::FileNumber(FormatDecimal(*d, '.'));
          continue;
        }
      }
      cell = Cell::Text(text);
    }
  }
}

}  // namespace morvadel
