// The memory of a run, offscreen: the program as main() sets it up, on a
// full workbook, visits every window, prints every kind of page into PDF
// files and presses every export button of every kind of grid window once,
// the document exports with their print preview (closed as soon as it has
// drawn its pages). It prints the peak resident memory (VmHWM) and the
// resident memory (VmRSS) after each stage, from a bare application with
// one widget and one chart view (the floor that Qt sets) to the end, and
// what the resident memory is made of at the end: library code and data
// mapped from files against anonymous memory (the heap), and the largest
// mappings.
//
//   bench_memory [--language=1|2] [--no-preview] [--maps=N] [--allocator-as-is] [--exit-after=TEXT]
//
// --allocator-as-is leaves out the allocator's setting that main() makes;
// --exit-after=TEXT ends the run right after the first stage whose name
// holds TEXT, freeing nothing, so that under heaptrack the allocations it
// lists as leaked are what was live there.
#include <QApplication>
#include <QChartView>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench_program.h"
#include "compare/form55.h"
#include "compare/form60.h"
#include "output/document_preview.h"
#include "platform/application.h"
#include "platform/memory_use.h"
#include "ratios/unos2.h"

namespace {

using namespace morvadel;

// Kilobytes of a field of /proc/self/status ("VmHWM", "VmRSS").
long StatusKb(const char* field) {
  std::ifstream in("/proc/self/status");
  std::string line;
  const std::string key = std::string(field) + ":";
  while (std::getline(in, line))
    if (line.compare(0, key.size(), key) == 0) return std::stol(line.substr(key.size()));
  return -1;
}

std::string exitAfter;  // --exit-after=TEXT

void Stage(const char* what) {
  QApplication::processEvents();
  std::printf("%-44s VmHWM %6.1f MB   VmRSS %6.1f MB (files %5.1f, anonymous %5.1f)\n", what,
              StatusKb("VmHWM") / 1024.0, StatusKb("VmRSS") / 1024.0, StatusKb("RssFile") / 1024.0,
              StatusKb("RssAnon") / 1024.0);
  std::fflush(stdout);
  // Ended here without freeing anything, heaptrack lists what is live.
  if (!exitAfter.empty() && std::strstr(what, exitAfter.c_str())) std::_Exit(0);
}

// Resident memory by what it is mapped from: each library and file, the
// heap and the other anonymous memory.
void Breakdown(int largest) {
  std::ifstream rollup("/proc/self/smaps_rollup");
  std::string line;
  std::printf("\n/proc/self/smaps_rollup:\n");
  while (std::getline(rollup, line)) {
    for (const char* key : {"Rss:", "Pss:", "Pss_Anon:", "Pss_File:", "Pss_Shmem:", "Anonymous:", "Shared_Clean:",
                            "Private_Clean:", "Private_Dirty:"})
      if (line.compare(0, std::strlen(key), key) == 0) std::printf("  %s\n", line.c_str());
  }
  std::map<std::string, long> byName;
  std::ifstream smaps("/proc/self/smaps");
  std::string name;
  while (std::getline(smaps, line)) {
    // A mapping's first line starts with its address range.
    const auto dash = line.find('-');
    if (dash != std::string::npos && dash > 0 && std::isxdigit(static_cast<unsigned char>(line[0])) &&
        line.find(' ') > dash) {
      std::istringstream fields(line);
      std::string range, perms, offset, dev, inode;
      fields >> range >> perms >> offset >> dev >> inode;
      name.clear();
      std::getline(fields >> std::ws, name);
      if (name.empty()) name = "[anonymous]";
      continue;
    }
    if (line.compare(0, 4, "Rss:") == 0) byName[name] += std::stol(line.substr(4));
  }
  std::vector<std::pair<long, std::string>> sorted;
  long files = 0, anonymous = 0;
  for (const auto& [n, kb] : byName) {
    sorted.emplace_back(kb, n);
    (n.front() == '/' ? files : anonymous) += kb;
  }
  std::sort(sorted.rbegin(), sorted.rend());
  std::printf("\nresident, mapped from files %.1f MB, anonymous (heap, stacks) %.1f MB; the largest:\n",
              files / 1024.0, anonymous / 1024.0);
  for (int i = 0; i < largest && i < static_cast<int>(sorted.size()); ++i)
    std::printf("  %8.1f MB  %s\n", sorted[i].first / 1024.0, sorted[i].second.c_str());
}

// The preview as a user opens it, closed once it has drawn its pages.
void PreviewAndClose(const DocDocument& doc, const std::string& path, int16_t language) {
  QTimer::singleShot(200, [] {
    if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
  });
  ShowDocumentPreview(doc, path, language);
}

template <class W>
W* Window(bench::FullProgram& p, FormId id, const std::function<void(SharedState&)>& settings = {}) {
  if (settings) settings(*p.s);
  p.Show(id);
  return dynamic_cast<W*>(p.nav.Current());
}

// After a print the window shows itself again, or the main window.
template <class W>
void PrintOn(bench::FullProgram& p, W* w, void (W::*print)(), const std::string& what) {
  if (!w) {
    std::printf("  the window of the %s did not open\n", what.c_str());
    return;
  }
  (w->*print)();
  p.nav.ProcessPending();
  Stage(("  printed " + what).c_str());
}

template <class W>
void ExportsOf(W* w, const std::string& what) {
  if (!w) {
    std::printf("  the %s did not open\n", what.c_str());
    return;
  }
  w->Picture16_Click();
  w->Picture18_Click();
  w->Picture17_Click();
  w->Picture19_Click();
  Stage(("  exported " + what).c_str());
}

}  // namespace

int main(int argc, char** argv) {
  int16_t language = kEnglish;
  bool preview = true;
  int largest = 12;
  bool tune = true;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--language=", 11) == 0) language = static_cast<int16_t>(std::atoi(argv[i] + 11));
    else if (std::strcmp(argv[i], "--no-preview") == 0) preview = false;
    else if (std::strncmp(argv[i], "--maps=", 7) == 0) largest = std::atoi(argv[i] + 7);
    else if (std::strcmp(argv[i], "--allocator-as-is") == 0) tune = false;
    else if (std::strncmp(argv[i], "--exit-after=", 13) == 0) exitAfter = argv[i] + 13;
  }
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});

  // As main() starts the program.
  if (tune) TuneMemoryReturn();
  morvadel::Application app(argc, argv);
  QApplication::setApplicationName("Morvadel");
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setStyle("Fusion");
  Stage("bare application");
  {
    QWidget widget;
    widget.resize(400, 300);
    widget.show();
    Stage("+ one widget shown");
    QChartView chart(&widget);
    chart.resize(400, 300);
    chart.show();
    Stage("+ one chart view shown (the floor)");
  }

  bench::FullProgram p(language);
  if (preview) p.exports.preview = &PreviewAndClose;
  Stage("main window on a full workbook");

  for (const bench::WindowVisit& w : bench::EveryWindow()) {
    if (w.settings) w.settings(*p.s);
    p.Show(w.id);
  }
  p.Show(FormId::Form2a);
  Stage("every window visited");

  for (int sheet = 2; sheet <= 5; ++sheet)
    PrintOn(p, Window<Form8>(p, FormId::form8, [sheet](SharedState& s) { SetStatementSheetSettings(s, sheet); }),
            &Form8::Picture2_Click, "statement sheet " + std::to_string(sheet));
  for (int view : {1, 2, 3, 9, 10})
    PrintOn(p, Window<Form50>(p, FormId::form50, [view](SharedState& s) { SetCompareViewSettings(s, view); }),
            &Form50::Picture2_Click, "comparison view " + std::to_string(view));
  PrintOn(p, Window<Unos2>(p, FormId::Unos2, [](SharedState& s) { s.RatioCode = 33; }), &Unos2::Print1_Click,
          "ratio page");
  PrintOn(p, Window<Form60>(p, FormId::form60, [](SharedState& s) {
            SetGraphGroupSettings(s, 52);
            s.SelectedPeriod = 1;
          }), &Form60::Picture2_Click, "common-size graph page");
  PrintOn(p, Window<Form55>(p, FormId::Form55), &Form55::Print1_Click, "value-graph page");
  std::printf("  (%d print jobs)\n", p.dialogs.jobs);
  Stage("every page kind printed into PDF files");

  ExportsOf(Window<Form8>(p, FormId::form8, [](SharedState& s) { SetStatementSheetSettings(s, 2); }),
            "statement sheet");
  ExportsOf(Window<Unos2>(p, FormId::Unos2, [](SharedState& s) { s.RatioCode = 33; }), "ratio window");
  for (int view : {1, 9})
    ExportsOf(Window<Form50>(p, FormId::form50, [view](SharedState& s) { SetCompareViewSettings(s, view); }),
              "comparison view " + std::to_string(view));
  ExportsOf(Window<Form60>(p, FormId::form60, [](SharedState& s) {
              SetGraphGroupSettings(s, 52);
              s.SelectedPeriod = 1;
            }), "common-size graphs");
  ExportsOf(Window<Form55>(p, FormId::Form55), "value graphs");
  p.Show(FormId::Form2a);
  std::printf("  (%d spreadsheet sheets, %d document exports%s)\n", static_cast<int>(p.exports.sheets.size()),
              p.s->WordExportCount, preview ? " with their previews" : "");
  Stage("every export used");

  Breakdown(largest);
  return 0;
}
