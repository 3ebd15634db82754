#pragma once
// Shared by the entry tests: a shared state with the navigator and fake
// dialogs, and helpers that type into a grid and its cell editor the way a
// user does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <memory>
#include <string>

#include "entry/cell_editor.h"
#include "entry/entry_forms.h"
#include "entry/for7.h"
#include "entry/form8.h"
#include "fake_dialogs.h"
#include "platform/grid.h"
#include "platform/navigator.h"
#include "platform/twips.h"
#include "shell/form2a.h"

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

class EntryFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    s = std::make_unique<SharedState>();
    nav = std::make_unique<Navigator>();
    ctx = std::make_unique<AppContext>(AppContext{*s, *nav, dialogs});
    nav->SetContext(ctx.get());
    RegisterShellForms(*nav);
    RegisterEntryForms(*nav);
    dir = std::filesystem::temp_directory_path() /
          ("morvadel_entry_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override {
    nav.reset();
    std::filesystem::remove_all(dir);
  }

  // The statement entry window on a sheet, opened as its sheet buttons do.
  Form8* Sheet(int code, int16_t language = kEnglish) {
    s->Language = language;
    const StatementSheet& sheet = SheetOf(code);
    s->GridCols = 7;
    s->GridRows = sheet.gridRows;
    s->GridFixedCols = 1;
    s->GridFixedRows = 1;
    s->ReportCode = sheet.code;
    s->SectionBase = sheet.sectionBase;
    return Show<Form8>(FormId::form8);
  }

  For7* General(int16_t language = kEnglish) {
    s->Language = language;
    return Show<For7>(FormId::for7);
  }

  template <class F>
  F* Show(FormId id) {
    nav->Show(id);
    nav->ProcessPending();
    auto* f = dynamic_cast<F*>(nav->Current());
    if (f) Activate(f);
    return f;
  }

  // Carries out what a command asked for; returns the window now shown.
  Form* Next() {
    nav->ProcessPending();
    return nav->Current();
  }

  std::string Path(const char* name) const { return (dir / name).string(); }
  std::string Item(int row, int col) const { return ItemText(*s, row, col); }

  std::unique_ptr<SharedState> s;
  FakeDialogs dialogs;
  std::unique_ptr<Navigator> nav;
  std::unique_ptr<AppContext> ctx;
  std::filesystem::path dir;
};

}  // namespace morvadel::test
