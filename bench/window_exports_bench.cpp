// The export buttons of each kind of grid window pressed on a full
// workbook, offscreen: the ratio window, an industry and a common-size view
// of the comparison window, and the two graph windows, each into the
// spreadsheet, the web page, a new document and a page appended to the
// run's document. Each press is the run's first of its kind (the workbook
// of one sheet, the document of one page before the appended one), from
// the grid's texts to the file written; the desktop opener and the print
// preview are left out (bench_output paints the preview's pages).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <string>

#include "bench_program.h"
#include "compare/form50.h"
#include "compare/form55.h"
#include "compare/form60.h"
#include "ratios/unos2.h"

namespace {

using namespace morvadel;
namespace fs = std::filesystem;

enum class Export { Spreadsheet, WebPage, Document, AppendedPage };

// Presses an export button of the window shown; false when the window is
// not of the kind expected.
using Press = std::function<bool(Form*, Export)>;

template <class W>
Press PressOn() {
  return [](Form* f, Export kind) {
    auto* w = dynamic_cast<W*>(f);
    if (!w) return false;
    switch (kind) {
      case Export::Spreadsheet: w->Picture16_Click(); break;
      case Export::WebPage: w->Picture18_Click(); break;
      case Export::Document: w->Picture17_Click(); break;
      case Export::AppendedPage: w->Picture19_Click(); break;
    }
    return true;
  };
}

struct WindowCase {
  const char* name;
  FormId id;
  std::function<void(SharedState&)> settings;
  Press press;
};

void PressExport(benchmark::State& state, const WindowCase& window, Export kind) {
  bench::FullProgram p(kEnglish);
  if (window.settings) window.settings(*p.s);
  p.Show(window.id);
  Form* const shown = p.nav.Current();
  // The run's document of one page, for the appended page.
  if (!window.press(shown, kind == Export::AppendedPage ? Export::Document : kind)) {
    state.SkipWithError("the window did not open");
    return;
  }
  const DocDocument firstPage = p.exports.document;
  std::string written;
  for (auto _ : state) {
    state.PauseTiming();
    // Each press the first of its kind in the run, but for the page
    // appended to the document of the run's first export.
    p.exports.sheets.clear();
    p.s->ExcelExportCount = 0;
    if (kind == Export::Document && !p.exports.documentFile.path().empty())
      fs::remove(p.exports.documentFile.path());
    if (kind == Export::AppendedPage) {
      p.exports.document = firstPage;
      p.s->WordExportCount = 1;
    }
    state.ResumeTiming();
    window.press(shown, kind);
  }
  switch (kind) {
    case Export::Spreadsheet: written = p.exports.sheetFile.path(); break;
    case Export::WebPage: written = (p.folder.path() / "page.html").string(); break;
    default: written = p.exports.documentFile.path();
  }
  std::error_code ec;
  const auto bytes = fs::file_size(written, ec);
  if (ec) {
    state.SkipWithError("no file was written");
    return;
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}

void RegisterAll() {
  const WindowCase windows[] = {
      {"Unos2_Ratio", FormId::Unos2, [](SharedState& s) { s.RatioCode = 33; }, PressOn<Unos2>()},
      {"form50_DunBradstreet", FormId::form50, [](SharedState& s) { SetCompareViewSettings(s, 1); }, PressOn<Form50>()},
      {"form50_CommonSizeBalanceSheet", FormId::form50, [](SharedState& s) { SetCompareViewSettings(s, 9); },
       PressOn<Form50>()},
      {"form60_CommonSizeGraphs", FormId::form60,
       [](SharedState& s) {
         SetGraphGroupSettings(s, 52);
         s.SelectedPeriod = 1;
       },
       PressOn<Form60>()},
      {"Form55_ValueGraphs", FormId::Form55, {}, PressOn<Form55>()},
  };
  const struct {
    const char* name;
    Export kind;
  } kinds[] = {{"Spreadsheet", Export::Spreadsheet},
               {"WebPage", Export::WebPage},
               {"Document", Export::Document},
               {"AppendedPage", Export::AppendedPage}};
  for (const WindowCase& w : windows)
    for (const auto& k : kinds)
      benchmark::RegisterBenchmark((std::string("BM_Export/") + w.name + "/" + k.name).c_str(),
                                   [w, kind = k.kind](benchmark::State& state) { PressExport(state, w, kind); })
          ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  RegisterAll();
  return morvadel::bench::RunBenchmarks(argc, argv);
}
