#pragma once
// Typing into the windows the way a user does: keys into a grid and its cell
// editor, clicks on a cell, an activated window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "platform/grid.h"
#include "platform/twips.h"

namespace morvadel::test {

// One character typed into a widget, with the text a keyboard gives it
// (Croatian letters included).
inline void TypeChar(QWidget* w, char32_t ch) {
  const QString text = QString::fromUcs4(&ch, 1);
  Qt::Key key = Qt::Key_unknown;
  if (ch >= 'a' && ch <= 'z') key = static_cast<Qt::Key>(Qt::Key_A + (ch - 'a'));
  else if (ch >= 'A' && ch <= 'Z') key = static_cast<Qt::Key>(Qt::Key_A + (ch - 'A'));
  else if (ch >= '0' && ch <= '9') key = static_cast<Qt::Key>(Qt::Key_0 + (ch - '0'));
  else if (ch < 128) key = static_cast<Qt::Key>(ch);
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &release);
}

inline void TypeText(QWidget* w, const QString& text) {
  for (char32_t ch : text.toUcs4()) TypeChar(w, ch);
}

// The first character goes to the grid (it opens the editor), the rest to
// the editor.
inline void TypeIntoGrid(Grid* grid, QLineEdit* tekst, const QString& text) {
  const QList<uint> points = text.toUcs4();
  if (points.isEmpty()) return;
  const char32_t first = points.front();
  TypeChar(grid, first);
  TypeText(tekst, text.mid(QString::fromUcs4(&first, 1).size()));
}

inline void Key(QWidget* w, Qt::Key key) { QTest::keyClick(w, key); }

// Centre of a cell in viewport pixels, the grid not scrolled.
inline QPoint CellCentre(const Grid& grid, int row, int col) {
  int x = 0, y = 0;
  for (int c = 0; c < col; ++c) x += grid.ColWidth(c);
  for (int r = 0; r < row; ++r) y += grid.RowHeight(r);
  return QPoint(PxFromTwips(x + grid.ColWidth(col) / 2), PxFromTwips(y + grid.RowHeight(row) / 2));
}

inline void Activate(QWidget* w) {
  w->show();
  QApplication::setActiveWindow(w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
}

}  // namespace morvadel::test
