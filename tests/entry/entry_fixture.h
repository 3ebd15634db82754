#pragma once
// Shared by the entry tests: the program with the entry windows, and the
// typing helpers.
#include <unistd.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <memory>
#include <string>

#include "entry/cell_editor.h"
#include "entry/entry_forms.h"
#include "entry/for7.h"
#include "entry/form8.h"
#include "platform/grid.h"
#include "platform/navigator.h"
#include "shell/form2a.h"
#include "test_app.h"
#include "typing.h"

namespace morvadel::test {

class EntryFixture : public ::testing::Test, protected TestApp {
 protected:
  void SetUp() override {
    Reset({RegisterShellForms, RegisterEntryForms});
    dir = std::filesystem::temp_directory_path() /
          ("morvadel_entry_" + std::to_string(::getpid()) + "_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
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

  std::filesystem::path dir;
};

}  // namespace morvadel::test
