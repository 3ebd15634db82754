#include "platform/grid.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

#include "model/check.h"
#include "model/number.h"
#include "platform/fonts.h"
#include "platform/shown_text.h"
#include "platform/twips.h"

namespace morvadel {

namespace {

constexpr int kDefaultRowHeight = 240;  // twips
constexpr int kDefaultColWidth = 960;   // twips
constexpr int kTextPadding = 4;         // pixels either side of a cell's text

const QColor kFixedBack(240, 240, 240);  // button face
const QColor kDataBack(255, 255, 255);
const QColor kEmptyBack(250, 250, 250);  // right of and below the cells
const QColor kDataLine(222, 222, 222);
const QColor kFixedLine(196, 196, 196);
const QColor kFixedSeparator(160, 160, 160);
const QColor kFrame(160, 160, 160);
const QColor kText(0, 0, 0);
const QColor kFixedText(32, 32, 32);
const QColor kFocusFrame(0, 120, 215);
const QColor kIdleFrame(120, 120, 120);

QColor Mix(const QColor& a, const QColor& b, double bShare) {
  const double aShare = 1.0 - bShare;
  return QColor(static_cast<int>(a.red() * aShare + b.red() * bShare + 0.5),
                static_cast<int>(a.green() * aShare + b.green() * bShare + 0.5),
                static_cast<int>(a.blue() * aShare + b.blue() * bShare + 0.5));
}

// Only for alignment: a figure in either of the two number formats. Only
// blanks, signs, digits and the two marks make one, which most texts
// disprove at their first letter, before being converted.
bool ReadsAsNumber(const QString& text) {
  for (const QChar ch : text) {
    const char16_t u = ch.unicode();
    if ((u < u'0' || u > u'9') && u != u' ' && u != u'\t' && u != u'+' && u != u'-' && u != u'.' && u != u',')
      return false;
  }
  if (text.trimmed().isEmpty()) return false;
  const std::string t = text.toStdString();
  return ReadNumber(t, '.').has_value() || ReadNumber(t, ',').has_value();
}

// The button and shift codes of the MouseDown event.
int ButtonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}

int ShiftCode(Qt::KeyboardModifiers mods) {
  int code = 0;
  if (mods & Qt::ShiftModifier) code |= 1;
  if (mods & Qt::ControlModifier) code |= 2;
  if (mods & Qt::AltModifier) code |= 4;
  return code;
}

}  // namespace

Grid::Grid(QWidget* parent) : QAbstractScrollArea(parent) {
  rowHeights_.assign(rows_, kDefaultRowHeight);
  colWidths_.assign(cols_, kDefaultColWidth);
  cells_.assign(static_cast<size_t>(rows_) * cols_, CellData{});

  setFont(GridFont());

  setFocusPolicy(Qt::StrongFocus);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  // A plain box takes the window-text colour; a soft grey suits a table.
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, kFrame);
  setPalette(pal);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setAutoFillBackground(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  UpdateScrollBars();
}

// ---- shape -------------------------------------------------------------

int Grid::Rows() const { return rows_; }
int Grid::Cols() const { return cols_; }
int Grid::FixedRows() const { return fixedRows_; }
int Grid::FixedCols() const { return fixedCols_; }

void Grid::SetRows(int rows) {
  MORVADEL_CHECK(rows >= 0);
  Reshape(rows, cols_);
}

void Grid::SetCols(int cols) {
  MORVADEL_CHECK(cols >= 0);
  Reshape(rows_, cols);
}

void Grid::SetFixedRows(int rows) {
  MORVADEL_CHECK(rows >= 0);
  fixedRows_ = std::min(rows, rows_);
  ClampCurrent();
  UpdateScrollBars();
  viewport()->update();
}

void Grid::SetFixedCols(int cols) {
  MORVADEL_CHECK(cols >= 0);
  fixedCols_ = std::min(cols, cols_);
  ClampCurrent();
  UpdateScrollBars();
  viewport()->update();
}

void Grid::Reshape(int rows, int cols) {
  if (rows != rows_ || cols != cols_) {
    std::vector<CellData> cells(static_cast<size_t>(rows) * cols);
    for (int r = 0; r < std::min(rows, rows_); ++r)
      for (int c = 0; c < std::min(cols, cols_); ++c)
        cells[static_cast<size_t>(r) * cols + c] = std::move(At(r, c));
    cells_ = std::move(cells);
    rows_ = rows;
    cols_ = cols;
    rowHeights_.resize(rows, kDefaultRowHeight);
    colWidths_.resize(cols, kDefaultColWidth);
  }
  fixedRows_ = std::min(fixedRows_, rows_);
  fixedCols_ = std::min(fixedCols_, cols_);
  ClampCurrent();
  UpdateScrollBars();
  viewport()->update();
}

void Grid::ClampCurrent() {
  auto clamp = [](int v, int fixed, int count) {
    if (fixed <= count - 1) return std::clamp(v, fixed, count - 1);
    return std::max(0, std::min(fixed, count - 1));
  };
  row_ = clamp(row_, fixedRows_, rows_);
  col_ = clamp(col_, fixedCols_, cols_);
}

int Grid::RowHeight(int row) const {
  MORVADEL_CHECK(row >= 0 && row < rows_);
  return rowHeights_[row];
}

void Grid::SetRowHeight(int row, int twips) {
  MORVADEL_CHECK(row >= 0 && row < rows_);
  rowHeights_[row] = twips < 0 ? kDefaultRowHeight : twips;
  UpdateScrollBars();
  viewport()->update();
}

int Grid::ColWidth(int col) const {
  MORVADEL_CHECK(col >= 0 && col < cols_);
  return colWidths_[col];
}

void Grid::SetColWidth(int col, int twips) {
  MORVADEL_CHECK(col >= 0 && col < cols_);
  colWidths_[col] = twips < 0 ? kDefaultColWidth : twips;
  UpdateScrollBars();
  viewport()->update();
}

// ---- cells -------------------------------------------------------------

Grid::CellData& Grid::At(int row, int col) {
  MORVADEL_CHECK(row >= 0 && row < rows_ && col >= 0 && col < cols_);
  return cells_[static_cast<size_t>(row) * cols_ + col];
}

const Grid::CellData& Grid::At(int row, int col) const {
  MORVADEL_CHECK(row >= 0 && row < rows_ && col >= 0 && col < cols_);
  return cells_[static_cast<size_t>(row) * cols_ + col];
}

QString Grid::TextMatrix(int row, int col) const { return At(row, col).text; }

void Grid::SetTextMatrix(int row, int col, const QString& text) {
  At(row, col).text = text;
  viewport()->update();
}

int Grid::Row() const { return row_; }
int Grid::Col() const { return col_; }

void Grid::SetRow(int row) { MoveCurrent(row, col_); }
void Grid::SetCol(int col) { MoveCurrent(row_, col); }

QString Grid::Text() const {
  if (row_ >= rows_ || col_ >= cols_) return QString();
  return At(row_, col_).text;
}

void Grid::SetText(const QString& text) {
  if (row_ >= rows_ || col_ >= cols_) return;
  SetTextMatrix(row_, col_, text);
}

void Grid::SetCellBackColor(const QColor& color) {
  if (row_ >= rows_ || col_ >= cols_) return;
  At(row_, col_).back = color;
  viewport()->update();
}

QColor Grid::CellBackColorAt(int row, int col) const {
  const CellData& cell = At(row, col);
  if (cell.back.isValid()) return cell.back;
  return (row < fixedRows_ || col < fixedCols_) ? kFixedBack : kDataBack;
}

// ---- current cell ------------------------------------------------------

void Grid::MoveCurrent(int row, int col) {
  const int oldRow = row_, oldCol = col_;
  row_ = row;
  col_ = col;
  ClampCurrent();
  const int newRow = row_, newCol = col_;
  if (newRow != oldRow || newCol != oldCol) {
    // LeaveCell must still see the cell being left.
    row_ = oldRow;
    col_ = oldCol;
    if (onLeaveCell) {
      // A handler may close the window and with it the grid.
      QPointer<Grid> alive(this);
      onLeaveCell();
      if (!alive) return;
    }
    row_ = newRow;
    col_ = newCol;
    ClampCurrent();  // the handler may have reshaped the grid
  }
  EnsureVisible(row_, col_);
  viewport()->update();
}

void Grid::EnsureVisible(int row, int col) {
  // Before the first show the viewport has no real size yet; scrolling
  // against it would leave the grid scrolled down when it appears.
  if (!isVisible()) {
    ensurePending_ = true;
    return;
  }
  ensurePending_ = false;
  const int vh = viewport()->height();
  const int vw = viewport()->width();
  if (row >= fixedRows_ && row < rows_) {
    int first = FirstScrollRow();
    if (row < first) {
      first = row;
    } else {
      const int fixedTw = FixedHeightTwips();
      auto bottom = [&](int from) {
        int tw = fixedTw;
        for (int r = from; r <= row; ++r) tw += rowHeights_[r];
        return PxFromTwips(tw);
      };
      while (first < row && bottom(first) > vh) ++first;
    }
    verticalScrollBar()->setValue(first - fixedRows_);
  }
  if (col >= fixedCols_ && col < cols_) {
    int first = FirstScrollCol();
    if (col < first) {
      first = col;
    } else {
      const int fixedTw = FixedWidthTwips();
      auto right = [&](int from) {
        int tw = fixedTw;
        for (int c = from; c <= col; ++c) tw += colWidths_[c];
        return PxFromTwips(tw);
      };
      while (first < col && right(first) > vw) ++first;
    }
    horizontalScrollBar()->setValue(first - fixedCols_);
  }
}

QRect Grid::CurrentCellPx() {
  if (row_ >= rows_ || col_ >= cols_) return QRect();
  EnsureVisible(row_, col_);
  int top, bottom, left, right;
  if (!RowSpanPx(row_, top, bottom) || !ColSpanPx(col_, left, right)) return QRect();
  const QRect cell(left, top, right - left, bottom - top);
  return cell.intersected(viewport()->rect());
}

int Grid::CellLeft() {
  const QRect r = CurrentCellPx();
  int left = 0, right = 0;
  if (r.isEmpty() && col_ < cols_) ColSpanPx(col_, left, right);
  return TwipsFromPx(viewport()->geometry().x() + (r.isEmpty() ? left : r.x()));
}

int Grid::CellTop() {
  const QRect r = CurrentCellPx();
  int top = 0, bottom = 0;
  if (r.isEmpty() && row_ < rows_) RowSpanPx(row_, top, bottom);
  return TwipsFromPx(viewport()->geometry().y() + (r.isEmpty() ? top : r.y()));
}

int Grid::CellWidth() {
  const QRect r = CurrentCellPx();
  return r.isEmpty() ? -1 : TwipsFromPx(r.width());
}

int Grid::CellHeight() {
  const QRect r = CurrentCellPx();
  if (!r.isEmpty()) return TwipsFromPx(r.height());
  return row_ < rows_ ? rowHeights_[row_] : 0;
}

bool Grid::ColIsVisible(int col) const {
  int left, right;
  if (!ColSpanPx(col, left, right)) return false;
  return right > left && left < viewport()->width() && right > 0;
}

int Grid::LeftTwips() const { return TwipsFromPx(x()); }
int Grid::TopTwips() const { return TwipsFromPx(y()); }

void Grid::SetFocusToGrid() { setFocus(Qt::OtherFocusReason); }

// ---- geometry ----------------------------------------------------------

int Grid::FirstScrollRow() const { return fixedRows_ + verticalScrollBar()->value(); }
int Grid::FirstScrollCol() const { return fixedCols_ + horizontalScrollBar()->value(); }

int Grid::FixedHeightTwips() const {
  int tw = 0;
  for (int r = 0; r < fixedRows_; ++r) tw += rowHeights_[r];
  return tw;
}

int Grid::FixedWidthTwips() const {
  int tw = 0;
  for (int c = 0; c < fixedCols_; ++c) tw += colWidths_[c];
  return tw;
}

// Edges are rounded from running twips sums, so they agree with the sums of
// RowHeight and ColWidth that the windows compute.
bool Grid::RowSpanPx(int row, int& top, int& bottom) const {
  if (row < 0 || row >= rows_) return false;
  int tw = 0;
  if (row < fixedRows_) {
    for (int r = 0; r < row; ++r) tw += rowHeights_[r];
  } else {
    const int first = FirstScrollRow();
    if (row < first) return false;
    tw = FixedHeightTwips();
    for (int r = first; r < row; ++r) tw += rowHeights_[r];
  }
  top = PxFromTwips(tw);
  bottom = PxFromTwips(tw + rowHeights_[row]);
  return true;
}

bool Grid::ColSpanPx(int col, int& left, int& right) const {
  if (col < 0 || col >= cols_) return false;
  int tw = 0;
  if (col < fixedCols_) {
    for (int c = 0; c < col; ++c) tw += colWidths_[c];
  } else {
    const int first = FirstScrollCol();
    if (col < first) return false;
    tw = FixedWidthTwips();
    for (int c = first; c < col; ++c) tw += colWidths_[c];
  }
  left = PxFromTwips(tw);
  right = PxFromTwips(tw + colWidths_[col]);
  return true;
}

int Grid::PageRows() const {
  const int vh = viewport()->height();
  int tw = FixedHeightTwips();
  int n = 0;
  for (int r = FirstScrollRow(); r < rows_; ++r) {
    tw += rowHeights_[r];
    if (PxFromTwips(tw) > vh) break;
    ++n;
  }
  return std::max(1, n);
}

void Grid::UpdateScrollBars() {
  // Scrolling goes by whole rows and columns: the bar's value is the number
  // of non-fixed rows (columns) scrolled away. The last position shows the
  // last row (column) whole at the bottom (right) edge.
  auto range = [](const std::vector<int>& sizes, int fixed, int count, int fixedTw, int viewPx,
                   int& fitting) {
    int tw = fixedTw;
    fitting = 0;
    for (int i = count - 1; i >= fixed; --i) {
      tw += sizes[i];
      if (PxFromTwips(tw) > viewPx) break;
      ++fitting;
    }
    const int total = count - fixed;
    if (total <= 0) return 0;
    return fitting == 0 ? total - 1 : total - fitting;
  };
  int fitRows = 0, fitCols = 0;
  const int maxRow = range(rowHeights_, fixedRows_, rows_, FixedHeightTwips(),
                           viewport()->height(), fitRows);
  const int maxCol = range(colWidths_, fixedCols_, cols_, FixedWidthTwips(),
                           viewport()->width(), fitCols);
  verticalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setPageStep(std::max(1, fitRows));
  verticalScrollBar()->setRange(0, maxRow);
  horizontalScrollBar()->setSingleStep(1);
  horizontalScrollBar()->setPageStep(std::max(1, fitCols));
  horizontalScrollBar()->setRange(0, maxCol);
}

bool Grid::HitCell(const QPoint& p, int& row, int& col) const {
  row = col = -1;
  int a, b;
  for (int r = 0; r < rows_ && row < 0; ++r)
    if (RowSpanPx(r, a, b) && p.y() >= a && p.y() < b) row = r;
  for (int c = 0; c < cols_ && col < 0; ++c)
    if (ColSpanPx(c, a, b) && p.x() >= a && p.x() < b) col = c;
  return row >= 0 && col >= 0;
}

int Grid::TextRoomPx(int col) const { return PxFromTwips(colWidths_[col]) - 2 * kTextPadding; }

// Figures line up on the right, also in frozen value columns.
bool Grid::DrawnOnTheRight(int row, int col) const {
  return row >= fixedRows_ && col > 0 && ReadsAsNumber(At(row, col).text);
}

QString Grid::DrawnText(int row, int col) const {
  // What a cell lays out of its text: what the whole text would show of it,
  // from the side the cell shows.
  return ShownLetters(At(row, col).text, font(), TextRoomPx(col), DrawnOnTheRight(row, col));
}

bool Grid::CellTextFits(int row, int col) const {
  const QString& text = At(row, col).text;
  // A text cut for drawing is longer than its cell can show.
  if (DrawnText(row, col).size() < text.size()) return false;
  return fontMetrics().horizontalAdvance(text) <= TextRoomPx(col);
}

QString Grid::ToolTipAt(const QPoint& viewportPos) const {
  int row, col;
  if (!HitCell(viewportPos, row, col)) return QString();
  const QString text = At(row, col).text.trimmed();
  if (text.isEmpty() || CellTextFits(row, col)) return QString();
  return text;
}

// ---- events ------------------------------------------------------------

bool Grid::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = ToolTipAt(help->pos());
    if (tip.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), tip, viewport());
    }
    return true;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

void Grid::paintEvent(QPaintEvent* event) {
  QPainter p(viewport());
  p.setClipRegion(event->region());
  p.setFont(font());
  const QRect view = viewport()->rect();
  p.fillRect(view, kEmptyBack);

  // Rows and columns in view, fixed ones first.
  std::vector<int> rows, cols;
  int a, b;
  for (int r = 0; r < rows_; ++r)
    if (RowSpanPx(r, a, b) && b > a && a < view.height()) rows.push_back(r);
  for (int c = 0; c < cols_; ++c)
    if (ColSpanPx(c, a, b) && b > a && a < view.width()) cols.push_back(c);

  const bool focused = hasFocus();
  QRect current;
  for (int r : rows) {
    int top, bottom;
    RowSpanPx(r, top, bottom);
    for (int c : cols) {
      int left, right;
      ColSpanPx(c, left, right);
      const QRect cell(left, top, right - left, bottom - top);
      if (!cell.intersects(event->rect())) continue;
      const bool fixed = r < fixedRows_ || c < fixedCols_;
      const bool isCurrent = r == row_ && c == col_ && !fixed;
      QColor back = CellBackColorAt(r, c);
      if (isCurrent && focused) back = Mix(back, kFocusFrame, 0.16);
      p.fillRect(cell, back);

      // Lines on the right and bottom edges of every cell.
      p.setPen(fixed ? kFixedLine : kDataLine);
      p.drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
      p.drawLine(cell.left(), cell.bottom(), cell.right(), cell.bottom());

      const QString& text = At(r, c).text;
      if (!text.isEmpty()) {
        const QRect inner = cell.adjusted(kTextPadding, 0, -kTextPadding, -1);
        const bool right = DrawnOnTheRight(r, c);
        p.setPen(fixed ? kFixedText : kText);
        p.drawText(inner, (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine,
                   ShownLetters(text, font(), TextRoomPx(c), right));
      }
      if (isCurrent) current = cell;
    }
  }

  // A darker line where the frozen part ends.
  p.setPen(kFixedSeparator);
  if (fixedRows_ > 0 && !rows.empty() && !cols.empty()) {
    RowSpanPx(fixedRows_ - 1, a, b);
    int left, right;
    ColSpanPx(cols.back(), left, right);
    p.drawLine(0, b - 1, std::min(right, view.width()) - 1, b - 1);
  }
  if (fixedCols_ > 0 && !rows.empty() && !cols.empty()) {
    ColSpanPx(fixedCols_ - 1, a, b);
    int top, bottom;
    RowSpanPx(rows.back(), top, bottom);
    p.drawLine(b - 1, 0, b - 1, std::min(bottom, view.height()) - 1);
  }

  if (!current.isNull()) {
    p.setBrush(Qt::NoBrush);
    if (focused) {
      QPen pen(kFocusFrame, 2);
      pen.setJoinStyle(Qt::MiterJoin);
      p.setPen(pen);
      p.drawRect(QRectF(current).adjusted(1, 1, -1, -1));
    } else {
      p.setPen(QPen(kIdleFrame, 1));
      p.drawRect(current.adjusted(0, 0, -1, -1));
    }
  }
}

void Grid::HandlePress(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const QPoint inGrid = pos + viewport()->geometry().topLeft();
  const Qt::MouseButton button = event->button();
  QPointer<Grid> alive(this);  // handlers may close the window
  HitCell(pos, mouseRow_, mouseCol_);
  if (onMouseDown)
    onMouseDown(ButtonCode(button), ShiftCode(event->modifiers()), TwipsFromPx(inGrid.x()),
                TwipsFromPx(inGrid.y()));
  if (!alive || button != Qt::LeftButton) return;
  int row, col;
  // The MouseDown handler may have changed the shape: hit again.
  if (HitCell(pos, row, col) && row >= fixedRows_ && col >= fixedCols_) MoveCurrent(row, col);
  if (alive && onClick) onClick();
}

void Grid::mousePressEvent(QMouseEvent* event) {
  event->accept();
  HandlePress(event);
}

// The second press of a quick double click is a press like any other.
void Grid::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  HandlePress(event);
}

void Grid::keyPressEvent(QKeyEvent* event) {
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  int row = row_, col = col_;
  bool move = true;
  switch (event->key()) {
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_Left: --col; break;
    case Qt::Key_Right: ++col; break;
    case Qt::Key_PageUp: row -= PageRows(); break;
    case Qt::Key_PageDown: row += PageRows(); break;
    case Qt::Key_Home:
      col = fixedCols_;
      if (ctrl) row = fixedRows_;
      break;
    case Qt::Key_End:
      col = cols_ - 1;
      if (ctrl) row = rows_ - 1;
      break;
    default: move = false;
  }
  if (move) {
    event->accept();
    // Keep a move into the fixed part from landing there after clamping.
    row = std::max(row, fixedRows_);
    col = std::max(col, fixedCols_);
    MoveCurrent(row, col);
    return;
  }

  int code = 0;
  switch (event->key()) {
    case Qt::Key_Backspace: code = 8; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: code = 13; break;
    case Qt::Key_Escape: code = 27; break;
    default: {
      const Qt::KeyboardModifiers mods = event->modifiers();
      // Ctrl or Alt combinations are shortcuts, not typing; AltGr (Ctrl+Alt
      // on some systems) types characters.
      const bool ctrlKey = mods & Qt::ControlModifier, altKey = mods & Qt::AltModifier;
      if (ctrlKey != altKey) break;
      const QList<uint> points = event->text().toUcs4();
      if (!points.isEmpty() && points.front() >= 32 && points.front() != 127) code = static_cast<int>(points.front());
    }
  }
  if (code == 0) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  // Accepted so that Enter and Esc do not reach a dialog's default buttons.
  event->accept();
  if (onKeyPress) onKeyPress(code);
}

void Grid::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
  if (onGotFocus) onGotFocus();
}

void Grid::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

void Grid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
  if (ensurePending_ && isVisible()) EnsureVisible(row_, col_);
}

void Grid::showEvent(QShowEvent* event) {
  QAbstractScrollArea::showEvent(event);
  UpdateScrollBars();
  if (ensurePending_) EnsureVisible(row_, col_);
}

void Grid::scrollContentsBy(int, int) {
  viewport()->update();
  if (onScroll) onScroll();
}

// Tab and Backtab walk the window's focus chain; the grid has no use for them.
bool Grid::focusNextPrevChild(bool next) { return QAbstractScrollArea::focusNextPrevChild(next); }

}  // namespace morvadel
