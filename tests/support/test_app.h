#pragma once
// The program as the window tests run it: a shared state, a navigator and
// fake dialogs tied together by one application context, with the windows a
// test needs registered. Exports go to a folder of the test's own, and the
// desktop opener and the document preview only record what they were given.
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "fake_dialogs.h"
#include "model/shared_state.h"
#include "output/export_run.h"
#include "platform/app_context.h"
#include "platform/navigator.h"

namespace morvadel::test {

struct TestApp {
  using RegisterForms = void (*)(Navigator&);

  struct Preview {
    DocDocument doc;
    std::string path;
    int16_t language;
  };

  std::unique_ptr<SharedState> s;
  FakeDialogs dialogs;
  std::unique_ptr<ExportRun> exports;
  std::unique_ptr<Navigator> nav;
  std::unique_ptr<AppContext> ctx;

  // What the exports handed to the desktop.
  std::filesystem::path exportDir = UniqueExportDir();
  std::vector<std::string> opened;
  bool openerWorks = true;
  std::vector<Preview> previews;

  TestApp() = default;
  TestApp(const TestApp&) = delete;
  TestApp& operator=(const TestApp&) = delete;
  // The windows go first: they hold the context, the state and the dialogs.
  ~TestApp() {
    nav.reset();
    std::error_code ec;
    std::filesystem::remove_all(exportDir, ec);
  }

  // A fresh program with the windows of `registers` (e.g. RegisterShellForms).
  // The fake dialogs keep their queued answers and records.
  void Reset(std::initializer_list<RegisterForms> registers) {
    nav.reset();
    ctx.reset();
    s = std::make_unique<SharedState>();
    exports = std::make_unique<ExportRun>();
    exports->folder = exportDir.string();
    exports->openFile = [this](const std::string& path) {
      dialogs.NoteWaitCursor();
      opened.push_back(path);
      return openerWorks;
    };
    exports->preview = [this](const DocDocument& doc, const std::string& path, int16_t language) {
      dialogs.NoteWaitCursor();
      previews.push_back({doc, path, language});
    };
    nav = std::make_unique<Navigator>();
    ctx = std::make_unique<AppContext>(AppContext{*s, *nav, dialogs, exports.get()});
    nav->SetContext(ctx.get());
    for (RegisterForms r : registers) r(*nav);
  }

  // A figure of the workbook as the entry window and recalculation leave it.
  void Put(int row, int period, int32_t value) {
    s->ItemTable(row, period) = Cell::Text(std::to_string(value));
    s->ItemValues(row, period) = value;
  }

 private:
  static std::filesystem::path UniqueExportDir() {
    static std::atomic<int> count{0};
    return std::filesystem::temp_directory_path() /
           ("morvadel_exports_" + std::to_string(::getpid()) + "_" + std::to_string(count++));
  }
};

}  // namespace morvadel::test
