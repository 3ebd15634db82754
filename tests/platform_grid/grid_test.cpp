#include "platform/grid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QTest>
#include <QTextBoundaryFinder>
#include <QWheelEvent>
#include <memory>
#include <string>
#include <vector>

#include "platform/shown_text.h"
#include "platform/twips.h"

namespace morvadel {
namespace {

const QColor kShade(231, 231, 222);

// A window with the grid and a line edit that can hold the focus instead.
class GridTest : public testing::Test {
 protected:
  // A statement-like grid: label column 3200 twips, period columns 1000,
  // heading row 250.
  void Build(int cols, int rows, int fixedCols, QSize size) {
    Make(cols, rows, fixedCols, size);
    Show();
  }

  // The window built but not yet shown, as a load handler leaves it.
  void Make(int cols, int rows, int fixedCols, QSize size) {
    window_ = std::make_unique<QWidget>();
    window_->resize(size.width() + 40, size.height() + 80);
    grid_ = new Grid(window_.get());
    grid_->setGeometry(10, 20, size.width(), size.height());
    other_ = new QLineEdit(window_.get());
    other_->setGeometry(10, size.height() + 30, 100, 24);
    grid_->SetCols(cols);
    grid_->SetRows(rows);
    grid_->SetFixedCols(fixedCols);
    grid_->SetFixedRows(1);
    grid_->SetRowHeight(0, 250);
    grid_->SetColWidth(0, 3200);
    for (int c = 1; c < cols; ++c) grid_->SetColWidth(c, 1000);
    Record();
  }

  void Show() {
    window_->show();
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    other_->setFocus();
    log_.clear();
  }

  // Every event goes into log_ by name; LeaveCell and Click also note the
  // current cell they see.
  void Record() {
    grid_->onGotFocus = [this] { log_.push_back("GotFocus"); };
    grid_->onMouseDown = [this](int button, int shift, int x, int y) {
      log_.push_back("MouseDown");
      down_ = {button, shift, x, y};
    };
    grid_->onLeaveCell = [this] {
      log_.push_back("LeaveCell");
      seenAtLeave_ = {grid_->Row(), grid_->Col()};
    };
    grid_->onClick = [this] {
      log_.push_back("Click");
      seenAtClick_ = {grid_->Row(), grid_->Col()};
    };
    grid_->onScroll = [this] { log_.push_back("Scroll"); };
    grid_->onKeyPress = [this](int& key) {
      log_.push_back("KeyPress");
      keys_.push_back(key);
    };
  }

  // Centre of a cell in viewport pixels, from the twips sizes, while the grid
  // is not scrolled.
  QPoint CellCentre(int row, int col) const {
    int x = 0, y = 0;
    for (int c = 0; c < col; ++c) x += grid_->ColWidth(c);
    for (int r = 0; r < row; ++r) y += grid_->RowHeight(r);
    return QPoint(PxFromTwips(x + grid_->ColWidth(col) / 2), PxFromTwips(y + grid_->RowHeight(row) / 2));
  }

  void Click(QPoint inViewport, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(grid_->viewport(), button, Qt::NoModifier, inViewport);
  }

  void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(grid_, key, mods); }

  QImage Shot() { return grid_->viewport()->grab().toImage(); }

  // A cell's rectangle in the viewport while the grid is not scrolled.
  QRect CellRect(int row, int col) const {
    int left = 0, top = 0;
    for (int c = 0; c < col; ++c) left += grid_->ColWidth(c);
    for (int r = 0; r < row; ++r) top += grid_->RowHeight(r);
    return QRect(QPoint(PxFromTwips(left), PxFromTwips(top)),
                 QPoint(PxFromTwips(left + grid_->ColWidth(col)) - 1, PxFromTwips(top + grid_->RowHeight(row)) - 1));
  }

  std::unique_ptr<QWidget> window_;
  Grid* grid_ = nullptr;
  QLineEdit* other_ = nullptr;
  std::vector<std::string> log_;
  std::vector<int> keys_;
  std::vector<int> down_;
  std::pair<int, int> seenAtLeave_{-1, -1}, seenAtClick_{-1, -1};
};

using Log = std::vector<std::string>;

TEST_F(GridTest, FixedCellsTakeTextWithoutMovingTheCurrentCell) {
  Build(7, 14, 1, {700, 300});
  const QRect heading(PxFromTwips(3200 + 2000) + 2, 1, 60, 14);  // cell (0, 3)
  auto darkPixels = [&](const QImage& img, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (qGray(img.pixel(x, y)) < 100) ++n;
    return n;
  };
  EXPECT_EQ(darkPixels(Shot(), heading), 0);

  grid_->SetTextMatrix(0, 3, "     III");
  grid_->SetTextMatrix(5, 0, "Ukupno aktiva");
  EXPECT_EQ(grid_->TextMatrix(0, 3), "     III");
  EXPECT_EQ(grid_->TextMatrix(5, 0), "Ukupno aktiva");
  EXPECT_EQ(grid_->Row(), 1);
  EXPECT_EQ(grid_->Col(), 1);
  EXPECT_TRUE(log_.empty());
  EXPECT_GT(darkPixels(Shot(), heading), 0);
  EXPECT_GT(darkPixels(Shot(), QRect(2, PxFromTwips(250 + 4 * 240) + 1, 80, 14)), 0);
}

// The grid draws with Arial's metric twin at the size the twips widths were
// measured for; a text too long for its cell shows whole as the tooltip.
TEST_F(GridTest, CutTextsShowWholeAsTooltips) {
  Build(7, 14, 1, {700, 300});
  EXPECT_EQ(QFontInfo(grid_->font()).family(), "Liberation Sans");
  EXPECT_DOUBLE_EQ(grid_->font().pointSizeF(), 7.5);

  grid_->SetTextMatrix(3, 0, "Average number of employees in period");
  grid_->SetTextMatrix(3, 1, "Šibenik 2003");
  grid_->SetTextMatrix(3, 2, "Prehrambena industrija d.d. 2004");
  grid_->SetTextMatrix(0, 4, "Ind Comp");
  grid_->SetColWidth(4, 685);
  struct Case {
    int row, col;
    const char* tip;  // "" = the text fits, no tooltip
  } cases[] = {
      {3, 0, ""},
      {3, 1, ""},
      {3, 2, "Prehrambena industrija d.d. 2004"},
      {0, 4, "Ind Comp"},  // a heading in a narrow column
      {5, 5, ""},          // an empty cell
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.row << "," << c.col);
    int x = 0, y = 0;
    for (int col = 0; col < c.col; ++col) x += grid_->ColWidth(col);
    for (int row = 0; row < c.row; ++row) y += grid_->RowHeight(row);
    const QPoint centre(PxFromTwips(x + grid_->ColWidth(c.col) / 2), PxFromTwips(y + grid_->RowHeight(c.row) / 2));
    EXPECT_EQ(grid_->ToolTipAt(centre), c.tip);
    EXPECT_EQ(grid_->CellTextFits(c.row, c.col), QString(c.tip).isEmpty());
  }
  // Outside the cells there is nothing to show.
  EXPECT_EQ(grid_->ToolTipAt(QPoint(690, 290)), "");
}

// True when a letter (grapheme cluster) of the text begins or ends at pos.
bool BetweenLetters(const QString& text, qsizetype pos) {
  QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, text);
  letters.setPosition(pos);
  return letters.isAtBoundary();
}

// Labels of a statement in Hindi, alone and under their English ones on a
// line of their own.
QString DevanagariLabels() {
  return QString::fromUtf8(
      "कुल परिसंपत्तियाँ चालू देनदारियाँ शुद्ध लाभ (कर के बाद) अल्पकालिक ऋण 2023-24 स्थायी संपत्ति – मशीनरी "
      "नकद एवं बैंक शेष व्यापार प्राप्य (देनदार) आरक्षित निधि एवं अधिशेष दीर्घकालिक उधार प्रति शेयर आय (₹) ");
}

QString TwoLineLabels() {
  return QString::fromUtf8(
      "Total assets:\r\nकुल परिसंपत्तियाँ\r\nCurrent liabilities:\r\nचालू देनदारियाँ\r\n"
      "Net profit (after tax):\r\nशुद्ध लाभ (कर के बाद)\r\n(Fixed assets)\r\nस्थायी संपत्ति\r\n");
}

// What a cell would show if it laid out the whole text: the text drawn
// into the empty viewport as the grid draws a cell's text, at the same
// place and on a pixmap of the screen's resolution, as the grid's own (a
// long line's letters fall on pixels by where it starts).
QImage WholeTextDrawn(const QImage& empty, QRect cell, const QFont& font, const QString& text, bool fixed, bool right) {
  QPixmap pixmap = QPixmap::fromImage(empty);
  QPainter painter(&pixmap);
  painter.setFont(font);
  painter.setPen(fixed ? QColor(32, 32, 32) : QColor(Qt::black));
  painter.drawText(cell.adjusted(4, 0, -4, -1),
                   (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine, text);
  painter.end();
  return pixmap.toImage().copy(cell);
}

// A text far too long for its cell is laid out only as far as the cell
// shows it, from the side it shows, never cut inside a letter, and looks
// exactly as the whole text would; the grid and its tooltip keep it whole.
TEST_F(GridTest, LongTextsAreLaidOutOnlyAsFarAsTheirCellShows) {
  Build(7, 14, 1, {700, 300});
  // Rows of an odd height in pixels, where a line one pixel higher sits
  // half a pixel higher, which rounds to a whole one.
  for (int row : {3, 4}) grid_->SetRowHeight(row, 255);
  const QImage empty = Shot();
  const QString digits = QString("7").repeated(100000) + "2345";
  const QString words = QString("Hello world ").repeated(400);
  struct Case {
    int row, col;
    QString text;
    enum { Start, End, Whole } drawn;
    qsizetype most = 0;        // units it may lay out; 0: twice the cell's pixels
    bool fontsOfRest = false;  // the first letters and a few of the rest, which bring its fonts
  } cases[] = {
      {2, 0, QString("a").repeated(100000), Case::Start},                       // a label
      {0, 3, QString("p").repeated(100000), Case::Start},                       // a heading
      {3, 1, QString::fromUtf8("e\u0301").repeated(50000), Case::Start},        // a letter and its accent
      {4, 1, QString::fromUtf8("\U0001F44D\U0001F3FD").repeated(25000), Case::Start},  // emoji and skin tone
      {5, 1, QString::fromUtf8("x\U0001F1ED\U0001F1F7").repeated(20000), Case::Start}, // flags between letters
      {6, 2, digits, Case::End},                                                // a figure stands on the right
      {7, 2, QString(" ").repeated(100000) + "-12,5", Case::End},
      {8, 1, QString::fromUtf8("שלום ").repeated(20000), Case::Whole},          // written right to left
      {9, 1, QString("Ukupno ") + QString::fromUtf8("שלום ").repeated(20000), Case::Whole},
      {10, 0, "Ukupna aktiva", Case::Whole},                                    // a text that fits
      // Letters of no width before the words: laid out up to the words.
      {11, 1, QString(QChar(0x200B)).repeated(300) + words, Case::Start, 900},  // zero-width spaces
      {12, 1, QString(QChar(0x00AD)).repeated(300) + words, Case::Start, 900},  // soft hyphens
      {13, 1, "e" + QString(QChar(0x0301)).repeated(300) + " " + words, Case::Start, 900},  // 300 accents
      {11, 0, QString(QChar(0x200B)).repeated(300) + "Ukupna aktiva", Case::Whole},
      // Letters beyond the cut that a font of their own draws (here none has
      // them: boxes, higher than the letters of the grid's font) make the
      // whole line higher: one of each comes along.
      {2, 3, DevanagariLabels().repeated(20), Case::Start, 0, true},
      {3, 3, TwoLineLabels().repeated(20), Case::Start, 0, true},
      {4, 3, QString("Ukupno ").repeated(40) + DevanagariLabels(), Case::Start, 0, true},
      // A line separator beyond the cut adds a line, which moves the first;
      // the string terminator makes variants, of which the whole draws one.
      {5, 3, QString("Ukupno ").repeated(40) + QChar(0x2028) + "aktiva", Case::Whole},
      {6, 3, QString("Ukupno ").repeated(40) + QChar(0x9C) + "Ukupno", Case::Whole},
  };
  for (const Case& c : cases) grid_->SetTextMatrix(c.row, c.col, c.text);
  const QImage shown = Shot();
  const QFontMetrics fm(grid_->font());
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.row << "," << c.col);
    EXPECT_EQ(grid_->TextMatrix(c.row, c.col), c.text);
    const QString drawn = grid_->DrawnText(c.row, c.col);
    const int cellPx = PxFromTwips(grid_->ColWidth(c.col));
    if (c.drawn == Case::Whole) {
      EXPECT_EQ(drawn, c.text);
      continue;
    }
    int left = 0, top = 0;
    for (int col = 0; col < c.col; ++col) left += grid_->ColWidth(col);
    for (int row = 0; row < c.row; ++row) top += grid_->RowHeight(row);
    const int x = PxFromTwips(left), y = PxFromTwips(top);
    const QRect cell(x, y, PxFromTwips(left + grid_->ColWidth(c.col)) - x,
                     PxFromTwips(top + grid_->RowHeight(c.row)) - y);
    EXPECT_EQ(shown.copy(cell), WholeTextDrawn(empty, cell, grid_->font(), c.text, c.row == 0 || c.col == 0,
                                               c.drawn == Case::End));
    EXPECT_LE(drawn.size(), c.most ? c.most : 2 * cellPx);
    EXPECT_GT(fm.horizontalAdvance(drawn), cellPx);  // it still fills the cell
    if (c.fontsOfRest) {
      EXPECT_LT(drawn.size(), c.text.size());
    } else if (c.drawn == Case::Start) {
      EXPECT_TRUE(c.text.startsWith(drawn));
      EXPECT_TRUE(BetweenLetters(c.text, drawn.size()));
    } else {
      EXPECT_TRUE(c.text.endsWith(drawn));
      EXPECT_TRUE(BetweenLetters(c.text, c.text.size() - drawn.size()));
    }
    EXPECT_FALSE(grid_->CellTextFits(c.row, c.col));
    EXPECT_EQ(grid_->ToolTipAt(CellCentre(c.row, c.col)), c.text.trimmed());
  }

  // The cell looks as it would with the whole text: the figure shows its
  // last digits, the label its first letters.
  auto cellShot = [&](int row, int col) {
    int left = 0, top = 0;
    for (int cc = 0; cc < col; ++cc) left += grid_->ColWidth(cc);
    for (int rr = 0; rr < row; ++rr) top += grid_->RowHeight(rr);
    return Shot().copy(QRect(QPoint(PxFromTwips(left), PxFromTwips(top)),
                             QPoint(PxFromTwips(left + grid_->ColWidth(col)) - 1,
                                    PxFromTwips(top + grid_->RowHeight(row)) - 1)));
  };
  const QImage longFigure = cellShot(6, 2), longLabel = cellShot(2, 0);
  grid_->SetTextMatrix(6, 2, QString("7").repeated(40) + "2345");
  grid_->SetTextMatrix(2, 0, QString("a").repeated(200));
  EXPECT_EQ(grid_->DrawnText(6, 2).size(), 44);
  EXPECT_EQ(longFigure, cellShot(6, 2));
  EXPECT_EQ(longLabel, cellShot(2, 0));
}

// Letters of no width, or a letter with many accents, fill no room: a cell
// lays out no more than four units of a text a pixel, and one that would
// need more of them to reach past the cell, its words coming only after
// thousands of them or its first letter alone longer, shows blank.
TEST_F(GridTest, TextsOfLongRunsOfLettersOfNoWidthShowBlank) {
  Build(7, 14, 1, {700, 300});
  const QImage empty = Shot();
  const QString zeroWidth = QString(QChar(0x200B)).repeated(20000);
  const struct {
    int row, col;
    QString text;
  } cases[] = {
      {2, 1, zeroWidth},
      {3, 1, QString(QChar(0x00AD)).repeated(20000)},  // soft hyphens
      {4, 1, "e" + QString(QChar(0x0301)).repeated(19999)},
      {5, 0, zeroWidth + "Ukupna aktiva"},  // a label
      {6, 1, zeroWidth + DevanagariLabels()},
  };
  for (const auto& c : cases) grid_->SetTextMatrix(c.row, c.col, c.text);
  const QImage shown = Shot();
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.row << "," << c.col);
    EXPECT_EQ(grid_->DrawnText(c.row, c.col), "");
    EXPECT_EQ(shown.copy(CellRect(c.row, c.col)), empty.copy(CellRect(c.row, c.col)));
    EXPECT_FALSE(grid_->CellTextFits(c.row, c.col));
    EXPECT_EQ(grid_->ToolTipAt(CellCentre(c.row, c.col)), c.text.trimmed());
    EXPECT_EQ(grid_->TextMatrix(c.row, c.col), c.text);
  }
}

// The letters a piece keeps, from either end, at every count of units.
TEST(ShownText, PiecesAreCutBetweenLetters) {
  const QString words = QString("Hello world ").repeated(3);
  const struct {
    const char* name;
    QString text;
  } texts[] = {
      {"accents", QString::fromUtf8("ae\u0301\u0302b").repeated(300)},
      {"surrogates", QString::fromUtf8("\U0001D400z").repeated(300)},
      {"emoji", QString::fromUtf8("\U0001F469\u200D\U0001F4BB.").repeated(300)},
      {"flags", QString::fromUtf8("\U0001F1ED\U0001F1F7\U0001F1EC\U0001F1E7").repeated(200)},
      {"lines", QString("a\r\n").repeated(300)},
      {"zero-width spaces", QString(QChar(0x200B)).repeated(300) + words},
      {"soft hyphens", QString(QChar(0x00AD)).repeated(300) + words},
      {"300 accents", "e" + QString(QChar(0x0301)).repeated(300) + " " + words},
      // Letters of a syllabic script, which Qt tells apart from the start of
      // each run of the script.
      {"Devanagari", DevanagariLabels()},
      {"two-line labels", TwoLineLabels()},
      {"Devanagari after blanks", "  \r\n  " + DevanagariLabels()},
  };
  for (const auto& t : texts) {
    for (qsizetype most = 0; most <= t.text.size() + 1; ++most) {
      SCOPED_TRACE(testing::Message() << t.name << " " << most);
      const QString lead = LeadingLetters(t.text, most), trail = TrailingLetters(t.text, most);
      ASSERT_TRUE(t.text.startsWith(lead));
      ASSERT_TRUE(t.text.endsWith(trail));
      ASSERT_LE(lead.size(), most);
      ASSERT_LE(trail.size(), most);
      // The longest such piece: one letter more would not fit.
      ASSERT_TRUE(BetweenLetters(t.text, lead.size()));
      ASSERT_TRUE(BetweenLetters(t.text, t.text.size() - trail.size()));
      QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, t.text);
      letters.setPosition(lead.size());
      if (lead.size() < t.text.size()) ASSERT_GT(letters.toNextBoundary(), most);
      letters.setPosition(t.text.size() - trail.size());
      if (trail.size() < t.text.size()) ASSERT_LT(letters.toPreviousBoundary(), t.text.size() - most);
    }
    EXPECT_EQ(LeadingLetters(t.text, t.text.size()), t.text);
    EXPECT_EQ(TrailingLetters(t.text, t.text.size() + 5), t.text);
  }
}

// Letters of a syllabic script far after the cut, after characters of no
// script of their own, still decide where the letters before it end.
TEST(ShownText, PiecesBeforeAFarOffScriptAreCutBetweenLetters) {
  const struct {
    const char* name;
    QString text;
  } texts[] = {
      {"zero-width spaces", QString(QChar(0x200B)).repeated(300) + DevanagariLabels()},
      {"accents", QString(QChar(0x0301)).repeated(300) + DevanagariLabels()},
      {"blanks and lines", QString("  \r\n").repeated(100) + DevanagariLabels()},
  };
  for (const auto& t : texts) {
    QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, t.text);
    for (qsizetype most = 0; most <= 320; ++most) {
      SCOPED_TRACE(testing::Message() << t.name << " " << most);
      const QString lead = LeadingLetters(t.text, most);
      ASSERT_TRUE(t.text.startsWith(lead));
      ASSERT_LE(lead.size(), most);
      ASSERT_TRUE(BetweenLetters(t.text, lead.size()));
      letters.setPosition(lead.size());
      ASSERT_GT(letters.toNextBoundary(), most);  // one letter more would not fit
    }
  }
}

// A text of thousands of letters beyond its cell that other fonts draw is
// laid out only as far as the cell shows it, and looks as it would whole.
TEST_F(GridTest, ThousandsOfLettersOfOtherFontsBeyondTheCellAreNotLaidOut) {
  Build(7, 14, 1, {700, 300});
  const QImage empty = Shot();
  QString cjk;
  for (char16_t letter = 0x4E00; letter < 0x4E00 + 20000; ++letter) cjk += QChar(letter);
  const QString texts[] = {cjk, "Ukupno " + cjk};
  for (int row = 2; row < 4; ++row) grid_->SetTextMatrix(row, 1, texts[row - 2]);
  const QImage shown = Shot();
  const QFontMetricsF fm(grid_->font());
  for (int row = 2; row < 4; ++row) {
    SCOPED_TRACE(row);
    const QString& text = texts[row - 2];
    const QString drawn = grid_->DrawnText(row, 1);
    EXPECT_TRUE(text.startsWith(drawn));
    EXPECT_LE(drawn.size(), 4 * (PxFromTwips(grid_->ColWidth(1)) + 4 * fm.height()));
    const QRect cell = CellRect(row, 1);
    EXPECT_EQ(shown.copy(cell), WholeTextDrawn(empty, cell, grid_->font(), text, false, false));
  }
}

TEST_F(GridTest, CellBackColorColoursExactlyTheCurrentCell) {
  Build(7, 53, 1, {700, 400});
  grid_->SetRow(10);
  grid_->SetCol(3);
  grid_->SetCellBackColor(kShade);
  for (int r = 0; r < grid_->Rows(); ++r)
    for (int c = 0; c < grid_->Cols(); ++c) {
      const bool fixed = r == 0 || c == 0;
      const QColor expected = r == 10 && c == 3 ? kShade : fixed ? QColor(240, 240, 240) : QColor(Qt::white);
      EXPECT_EQ(grid_->CellBackColorAt(r, c), expected) << r << "," << c;
    }
  // Painted so once the cell is no longer current; its neighbours stay white.
  grid_->SetRow(20);
  const QImage img = Shot();
  EXPECT_EQ(QColor(img.pixel(CellCentre(10, 3))), kShade);
  EXPECT_EQ(QColor(img.pixel(CellCentre(10, 2))), QColor(Qt::white));
  EXPECT_EQ(QColor(img.pixel(CellCentre(11, 3))), QColor(Qt::white));
}

TEST_F(GridTest, LeaveCellSeesTheOldCellBeforeEveryMove) {
  Build(7, 14, 1, {700, 300});
  struct Case {
    const char* name;
    std::function<void()> act;
    std::pair<int, int> to;
  };
  const std::vector<Case> cases = {
      {"SetRow", [&] { grid_->SetRow(4); }, {4, 1}},
      {"SetCol", [&] { grid_->SetCol(5); }, {4, 5}},
      {"Down", [&] { Key(Qt::Key_Down); }, {5, 5}},
      {"Left", [&] { Key(Qt::Key_Left); }, {5, 4}},
      {"End", [&] { Key(Qt::Key_End); }, {5, 6}},
      {"Ctrl+Home", [&] { Key(Qt::Key_Home, Qt::ControlModifier); }, {1, 1}},
      {"Ctrl+End", [&] { Key(Qt::Key_End, Qt::ControlModifier); }, {13, 6}},
      {"PageUp", [&] { Key(Qt::Key_PageUp); }, {1, 6}},
      {"click", [&] { Click(CellCentre(7, 2)); }, {7, 2}},
  };
  grid_->SetFocusToGrid();
  for (const Case& c : cases) {
    const std::pair<int, int> from{grid_->Row(), grid_->Col()};
    log_.clear();
    seenAtLeave_ = {-1, -1};
    c.act();
    EXPECT_EQ(seenAtLeave_, from) << c.name;
    EXPECT_EQ(std::make_pair(grid_->Row(), grid_->Col()), c.to) << c.name;
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "LeaveCell"), 1) << c.name;
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "Click"), c.name == std::string("click") ? 1 : 0) << c.name;
  }
  // A move that goes nowhere raises nothing.
  log_.clear();
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);
  EXPECT_EQ(grid_->Col(), 1);
  grid_->SetRow(1);
  log_.clear();
  Key(Qt::Key_Up);
  Key(Qt::Key_Left);
  grid_->SetRow(0);  // clamped to the first data row, where it already is
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(grid_->Row(), 1);
  grid_->SetRow(99);
  EXPECT_EQ(grid_->Row(), 13);
}

TEST_F(GridTest, ClickGivesFocusThenMouseDownLeaveCellAndClickOnTheNewCell) {
  Build(7, 14, 1, {700, 300});
  ASSERT_FALSE(grid_->hasFocus());
  const QPoint p = CellCentre(6, 4);
  Click(p);
  EXPECT_EQ(log_, (Log{"GotFocus", "MouseDown", "LeaveCell", "Click"}));
  EXPECT_EQ(seenAtLeave_, std::make_pair(1, 1));
  EXPECT_EQ(seenAtClick_, std::make_pair(6, 4));
  const QPoint inGrid = grid_->viewport()->mapTo(grid_, p);
  EXPECT_EQ(down_, (std::vector<int>{1, 0, TwipsFromPx(inGrid.x()), TwipsFromPx(inGrid.y())}));

  // Again on the same cell: the grid has the focus and the cell does not move.
  log_.clear();
  Click(p);
  EXPECT_EQ(log_, (Log{"MouseDown", "Click"}));

  // The right button only reports the press.
  log_.clear();
  Click(CellCentre(8, 2), Qt::RightButton);
  EXPECT_EQ(log_, (Log{"MouseDown"}));
  EXPECT_EQ(down_[0], 2);
  EXPECT_EQ(grid_->Row(), 6);
}

TEST_F(GridTest, ClicksOutsideTheDataCellsRaiseMouseDownAndClickOnly) {
  Build(7, 14, 1, {700, 300});
  grid_->SetRow(3);
  grid_->SetCol(2);
  // The cells end at 9200 twips (613 px) across and 3370 twips (225 px) down.
  struct Case {
    const char* name;
    QPoint at;
  };
  const std::vector<Case> cases = {
      {"label column", CellCentre(7, 0)},
      {"heading row", CellCentre(0, 4)},
      {"corner", CellCentre(0, 0)},
      {"right of the last column", QPoint(650, CellCentre(5, 1).y())},
      {"below the last row", QPoint(CellCentre(1, 3).x(), 260)},
  };
  for (const Case& c : cases) {
    log_.clear();
    Click(c.at);
    EXPECT_EQ(log_.back(), "Click") << c.name;
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "MouseDown"), 1) << c.name;
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "LeaveCell"), 0) << c.name;
    EXPECT_EQ(std::make_pair(grid_->Row(), grid_->Col()), std::make_pair(3, 2)) << c.name;
    const QPoint inGrid = grid_->viewport()->mapTo(grid_, c.at);
    EXPECT_EQ(down_, (std::vector<int>{1, 0, TwipsFromPx(inGrid.x()), TwipsFromPx(inGrid.y())})) << c.name;
  }
}

TEST_F(GridTest, TenFixedColumnsLeaveOnlyColumnTen) {
  Build(11, 45, 10, {700, 400});
  grid_->SetColWidth(0, 2270);
  for (int c = 1; c <= 9; ++c) grid_->SetColWidth(c, 685);
  grid_->SetColWidth(10, 765);
  EXPECT_EQ(grid_->Col(), 10);
  grid_->SetCol(3);
  EXPECT_EQ(grid_->Col(), 10);
  grid_->SetFocusToGrid();
  for (Qt::Key k : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End}) {
    Key(k);
    EXPECT_EQ(grid_->Col(), 10);
  }
  Key(Qt::Key_Down);
  EXPECT_EQ(std::make_pair(grid_->Row(), grid_->Col()), std::make_pair(2, 10));

  log_.clear();
  Click(CellCentre(5, 4));  // a period column: fixed here
  EXPECT_EQ(log_, (Log{"MouseDown", "Click"}));
  EXPECT_EQ(std::make_pair(grid_->Row(), grid_->Col()), std::make_pair(2, 10));
  Click(CellCentre(7, 10));
  EXPECT_EQ(std::make_pair(grid_->Row(), grid_->Col()), std::make_pair(7, 10));
  EXPECT_GT(grid_->CellWidth(), 0);
}

TEST_F(GridTest, TypedKeysReachKeyPressWithTheirCodes) {
  Build(7, 14, 1, {700, 300});
  grid_->SetFocusToGrid();
  log_.clear();
  Key(Qt::Key_7);
  QKeyEvent c(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("č"));
  QApplication::sendEvent(grid_, &c);
  QKeyEvent Z(QEvent::KeyPress, Qt::Key_Z, Qt::ShiftModifier, "Z");
  QApplication::sendEvent(grid_, &Z);
  for (Qt::Key k : {Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space}) Key(k);
  EXPECT_EQ(keys_, (std::vector<int>{'7', 0x10D, 'Z', 8, 13, 13, 27, 32}));
  EXPECT_EQ(std::count(log_.begin(), log_.end(), "KeyPress"), 8);
  EXPECT_EQ(log_.size(), 8u);  // nothing else happens
  EXPECT_EQ(std::make_pair(grid_->Row(), grid_->Col()), std::make_pair(1, 1));
  EXPECT_TRUE(grid_->Text().isEmpty());
  // Shortcuts are not typing.
  Key(Qt::Key_C, Qt::ControlModifier);
  Key(Qt::Key_F2);
  EXPECT_EQ(keys_.size(), 8u);
}

TEST_F(GridTest, CellRectangleIsWhereTheCellIsShownAfterScrolling) {
  Build(7, 53, 1, {400, 200});
  grid_->SetRow(40);
  grid_->SetCol(6);
  EXPECT_GT(grid_->verticalScrollBar()->value(), 0);
  EXPECT_GT(grid_->horizontalScrollBar()->value(), 0);
  const int left = grid_->CellLeft(), top = grid_->CellTop();
  const int width = grid_->CellWidth(), height = grid_->CellHeight();
  EXPECT_EQ(left % kTwipsPerPixel, 0);
  EXPECT_NEAR(width, 1000, 15);
  EXPECT_NEAR(height, 240, 15);
  // Wholly inside the viewport, right of the label column and below the heads.
  const QRect view = grid_->viewport()->geometry();
  EXPECT_GE(left, TwipsFromPx(view.x()) + 3200 - 15);
  EXPECT_GE(top, TwipsFromPx(view.y()) + 250 - 15);
  EXPECT_LE(left + width, TwipsFromPx(view.right() + 1));
  EXPECT_LE(top + height, TwipsFromPx(view.bottom() + 1));

  // A press in the middle of that rectangle lands on the current cell.
  log_.clear();
  const QPoint mid(PxFromTwips(left + width / 2), PxFromTwips(top + height / 2));
  Click(grid_->viewport()->mapFrom(grid_, mid));
  EXPECT_EQ(std::count(log_.begin(), log_.end(), "LeaveCell"), 0);
  EXPECT_EQ(std::make_pair(grid_->Row(), grid_->Col()), std::make_pair(40, 6));

  // Columns 1 to 6 do not fit beside the label column at once.
  EXPECT_TRUE(grid_->ColIsVisible(0));
  EXPECT_TRUE(grid_->ColIsVisible(6));
  EXPECT_FALSE(grid_->ColIsVisible(1));
  grid_->SetCol(1);
  EXPECT_TRUE(grid_->ColIsVisible(1));
  EXPECT_FALSE(grid_->ColIsVisible(6));
  EXPECT_FALSE(grid_->ColIsVisible(7));

  EXPECT_EQ(grid_->LeftTwips(), 150);
  EXPECT_EQ(grid_->TopTwips(), 300);
}

TEST_F(GridTest, EveryWayOfScrollingRaisesScroll) {
  Build(7, 53, 1, {700, 200});
  auto scrolls = [&] { return std::count(log_.begin(), log_.end(), "Scroll"); };
  grid_->SetRow(5);  // already in view
  EXPECT_EQ(scrolls(), 0);
  grid_->SetRow(30);
  EXPECT_EQ(scrolls(), 1);
  EXPECT_EQ(log_.front(), "LeaveCell");  // before the view moves

  log_.clear();
  grid_->verticalScrollBar()->setValue(0);
  EXPECT_EQ(scrolls(), 1);

  log_.clear();
  QWheelEvent wheel(QPointF(50, 50), grid_->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(grid_->viewport(), &wheel);
  EXPECT_EQ(scrolls(), 1);
  EXPECT_GT(grid_->verticalScrollBar()->value(), 0);
  EXPECT_EQ(grid_->Row(), 30);  // scrolling does not move the current cell

  log_.clear();
  grid_->SetFocusToGrid();
  grid_->SetRow(1);
  log_.clear();
  Key(Qt::Key_PageDown);
  Key(Qt::Key_PageDown);
  EXPECT_GT(grid_->Row(), 10);
  EXPECT_GE(scrolls(), 1);
  EXPECT_EQ(grid_->CellWidth() > 0, true);
}

TEST_F(GridTest, RowSetBeforeTheFirstShowDoesNotLeaveTheGridScrolled) {
  Make(7, 53, 1, {700, 400});
  grid_->SetRow(52);
  grid_->SetRow(5);
  Show();
  EXPECT_EQ(grid_->verticalScrollBar()->value(), 0);
  EXPECT_EQ(grid_->Row(), 5);

  // A row below the view is brought in when the grid appears.
  Make(7, 53, 1, {700, 200});
  grid_->SetRow(40);
  Show();
  EXPECT_GT(grid_->verticalScrollBar()->value(), 0);
  EXPECT_GT(grid_->CellWidth(), 0);
}

TEST_F(GridTest, ReshapingKeepsTextsAndClampsTheCurrentCell) {
  Build(7, 14, 1, {700, 300});
  grid_->SetTextMatrix(3, 2, "125");
  grid_->SetRow(12);
  grid_->SetCol(6);
  grid_->SetCellBackColor(kShade);
  grid_->SetRows(10);
  grid_->SetCols(4);
  EXPECT_EQ(std::make_pair(grid_->Row(), grid_->Col()), std::make_pair(9, 3));
  grid_->SetRows(14);
  grid_->SetCols(7);
  EXPECT_EQ(grid_->TextMatrix(3, 2), "125");
  EXPECT_EQ(grid_->TextMatrix(12, 6), "");
  EXPECT_EQ(grid_->CellBackColorAt(12, 6), QColor(Qt::white));
  EXPECT_EQ(grid_->RowHeight(12), 240);
  EXPECT_EQ(grid_->ColWidth(6), 960);
  // No selectable cell: the current one sits on the last row and column.
  grid_->SetFixedCols(7);
  EXPECT_EQ(grid_->Col(), 6);
}

using GridDeathTest = GridTest;

TEST_F(GridDeathTest, IndexOutsideTheGridStops) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  Grid grid;
  grid.SetRows(53);
  grid.SetCols(7);
  EXPECT_DEATH(grid.TextMatrix(53, 0), "check failed");
  EXPECT_DEATH(grid.SetTextMatrix(0, 7, "x"), "check failed");
  EXPECT_DEATH(grid.RowHeight(-1), "check failed");
  EXPECT_DEATH(grid.SetColWidth(7, 100), "check failed");
}

// The balance sheet as the entry window shows it, for looking at.
TEST_F(GridTest, ScreenshotOfAShadedStatement) {
  Make(7, 53, 1, {700, 420});
  const char* heads[] = {"      I", "      II", "     III", "      IV", "      V", "      VI"};
  for (int c = 1; c <= 6; ++c) grid_->SetTextMatrix(0, c, heads[c - 1]);
  const std::vector<int> locked = {1,  2,  3,  4,  10, 11, 12, 15, 16, 17, 21, 22, 23, 24, 25, 32, 33,
                                   34, 38, 39, 40, 41, 46, 47, 48, 49, 50, 51, 52};
  for (int r : locked) {
    grid_->SetRow(r);
    for (int c = 1; c <= 6; ++c) {
      grid_->SetCol(c);
      grid_->SetCellBackColor(kShade);
    }
  }
  for (int r = 1; r < 53; ++r) grid_->SetTextMatrix(r, 0, QString("Stavka bilance %1").arg(r));
  grid_->SetTextMatrix(1, 0, "Razdoblje");
  grid_->SetTextMatrix(1, 1, "2023");
  grid_->SetTextMatrix(1, 2, "2024");
  for (int r = 5; r < 10; ++r)
    for (int c = 1; c <= 3; ++c) grid_->SetTextMatrix(r, c, QString::number(r * 1234 + c * 17));
  grid_->SetTextMatrix(6, 4, "-12,5");
  grid_->SetTextMatrix(7, 4, "n/a");
  grid_->SetRow(5);
  grid_->SetCol(2);
  Show();
  EXPECT_EQ(grid_->verticalScrollBar()->value(), 0);
  grid_->SetFocusToGrid();
  EXPECT_TRUE(window_->grab().save("/tmp/grid_balance.png"));
  grid_->verticalScrollBar()->setValue(grid_->verticalScrollBar()->maximum());
  other_->setFocus();
  EXPECT_TRUE(window_->grab().save("/tmp/grid_balance_scrolled.png"));
}

}  // namespace
}  // namespace morvadel
