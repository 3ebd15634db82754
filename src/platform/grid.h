#pragma once
// The grid control "Tablica": a table of text cells with frozen heading rows
// and label columns, a current cell that the user moves with the mouse and
// the arrow keys, per-cell background colours, and no editing of its own
// (windows lay a floating editor over the current cell). Widths, heights and
// positions are in twips.
#include <QAbstractScrollArea>
#include <QColor>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

namespace morvadel {

class Grid : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit Grid(QWidget* parent = nullptr);

  // Shape. The grid has rows 0..Rows()-1 and columns 0..Cols()-1; the first
  // FixedRows() rows and FixedCols() columns are frozen while scrolling and
  // cannot become the current cell. Changing a count keeps the texts of the
  // cells that remain; new cells are empty with the default size (rows 240
  // twips, columns 960). The fixed counts are kept within the counts.
  int Rows() const;
  void SetRows(int rows);
  int Cols() const;
  void SetCols(int cols);
  int FixedRows() const;
  void SetFixedRows(int rows);
  int FixedCols() const;
  void SetFixedCols(int cols);

  // Twips; a negative size restores the default.
  int RowHeight(int row) const;
  void SetRowHeight(int row, int twips);
  int ColWidth(int col) const;
  void SetColWidth(int col, int twips);

  // Any cell, fixed cells included, without moving the current cell.
  QString TextMatrix(int row, int col) const;
  void SetTextMatrix(int row, int col, const QString& text);

  // The current cell. Setting Row or Col raises LeaveCell first (while Row
  // and Col still name the old cell) when the cell changes, then moves,
  // scrolls it into view and raises no Click. Values are clamped to the
  // selectable range; without a selectable row (column) the current one is
  // the first row (column) after the fixed ones, or the last one.
  int Row() const;
  void SetRow(int row);
  int Col() const;
  void SetCol(int col);
  QString Text() const;  // text of the current cell
  void SetText(const QString& text);

  // Background of the current cell only; an invalid colour restores the
  // default.
  void SetCellBackColor(const QColor& color);
  // The background a cell is painted with (the default one when none was
  // set): for tests and printing.
  QColor CellBackColorAt(int row, int col) const;

  // Rectangle of the current cell as shown, in twips relative to the grid's
  // top-left corner; the cell is scrolled into view first. CellWidth is
  // negative when the cell cannot be shown at all.
  int CellLeft();
  int CellTop();
  int CellWidth();
  int CellHeight();
  // True when the column is at least partly on screen.
  bool ColIsVisible(int col) const;
  // The row and column under the pointer at the latest mouse press, fixed
  // ones included; -1 where the press was outside the cells. Set before
  // MouseDown is raised.
  int MouseRow() const { return mouseRow_; }
  int MouseCol() const { return mouseCol_; }

  // The grid's position in its window, in twips.
  int LeftTwips() const;
  int TopTwips() const;

  void SetFocusToGrid();

  // True when the cell's text is drawn whole within its column.
  bool CellTextFits(int row, int col) const;
  // The part of the cell's text that painting lays out: all of it, or of a
  // text far too long for the column as many letters as reach well past
  // it, from the side the cell shows (the end of a figure, which stands on
  // the right), and a character of each font the rest of the text needs:
  // it draws as the whole text would. TextMatrix keeps the whole text.
  QString DrawnText(int row, int col) const;
  // The whole text of the cell at a point of the viewport when the cell is
  // too narrow to show all of it; empty otherwise. The grid shows it as
  // the cell's tooltip.
  QString ToolTipAt(const QPoint& viewportPos) const;

  // Events, called synchronously on the user-interface thread.
  // Order on a left click in the cells: GotFocus (if the grid did not have
  // the focus), MouseDown, LeaveCell (if the current cell moves), Click (the
  // current cell has already moved). A click outside the selectable cells
  // raises MouseDown and Click without moving the current cell.
  std::function<void()> onGotFocus;
  std::function<void()> onClick;
  // A character typed while the grid has the focus: its Unicode code point,
  // or 8 Backspace, 13 Enter, 27 Esc, 32 space. Setting it to 0 drops it.
  std::function<void(int& keyAscii)> onKeyPress;
  std::function<void(int button, int shift, int xTwips, int yTwips)> onMouseDown;
  std::function<void()> onLeaveCell;
  std::function<void()> onScroll;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  bool focusNextPrevChild(bool next) override;

 private:
  struct CellData {
    QString text;
    QColor back;  // invalid = default
  };
  CellData& At(int row, int col);
  const CellData& At(int row, int col) const;
  void Reshape(int rows, int cols);
  void ClampCurrent();  // after a shape change; raises nothing
  void MoveCurrent(int row, int col);  // raises LeaveCell, scrolls into view
  void EnsureVisible(int row, int col);
  void UpdateScrollBars();
  int FirstScrollRow() const;  // first non-fixed row shown at the top
  int FirstScrollCol() const;
  // Edges of a row or column as shown, in viewport pixels; false when it is
  // scrolled away (or outside the grid).
  bool RowSpanPx(int row, int& top, int& bottom) const;
  bool ColSpanPx(int col, int& left, int& right) const;
  int FixedHeightTwips() const;
  int FixedWidthTwips() const;
  int PageRows() const;  // scrolling rows wholly in view, at least 1
  QRect CurrentCellPx();  // scrolled into view, clipped; empty if not shown
  bool HitCell(const QPoint& p, int& row, int& col) const;
  int TextRoomPx(int col) const;  // width of a column's text, pixels
  bool DrawnOnTheRight(int row, int col) const;
  void HandlePress(QMouseEvent* event);

  int rows_ = 2, cols_ = 2, fixedRows_ = 1, fixedCols_ = 1;
  int row_ = 1, col_ = 1;
  int mouseRow_ = -1, mouseCol_ = -1;
  bool ensurePending_ = false;  // a scroll into view waits for the first show
  std::vector<int> rowHeights_;  // twips
  std::vector<int> colWidths_;   // twips
  std::vector<CellData> cells_;
};

}  // namespace morvadel
