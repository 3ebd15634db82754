#pragma once
// The whole program offscreen, for the benchmarks that press its buttons:
// every window registered, a full workbook, and dialogs that answer as a
// user who saves where asked and prints into PDF files. The exports write
// into a folder of the run's own; the desktop opener and the document
// preview are left out unless a caller puts them back.
#include <unistd.h>

#include <QApplication>
#include <QPrinter>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench_app.h"
#include "compare/compare_forms.h"
#include "compare/form50.h"
#include "compare/graphs.h"
#include "entry/entry_forms.h"
#include "entry/form8.h"
#include "full_workbook.h"
#include "output/export_run.h"
#include "platform/form.h"
#include "platform/navigator.h"
#include "platform/qt_printer.h"
#include "ratios/ratio_forms.h"
#include "ratios/ratio_help_pages.h"
#include "shell/form2a.h"

namespace morvadel::bench {

// A window as the command that opens it shows it: the settings it reads
// written first.
struct WindowVisit {
  std::string name;
  FormId id;
  std::function<void(SharedState&)> settings;
};

// Every window of the program, the statement sheets, the ratio window's
// two modes, the help pages and the comparison views each.
inline std::vector<WindowVisit> EveryWindow() {
  std::vector<WindowVisit> w = {{"Form1_LanguageChoice", FormId::Form1, {}}, {"Form2a_MainWindow", FormId::Form2a, {}}};
  const char* const sheets[] = {"form8_GeneralData", "form8_BalanceSheet", "form8_IncomeStatement", "form8_CashFlow",
                                "form8_Expenses"};
  for (int sheet = 1; sheet <= 5; ++sheet)
    w.push_back({sheets[sheet - 1], FormId::form8, [sheet](SharedState& s) { SetStatementSheetSettings(s, sheet); }});
  w.push_back({"for7_About", FormId::for7, {}});
  w.push_back({"For20_CurrencyConversion", FormId::For20, {}});
  w.push_back({"For21_InflationAdjustment", FormId::For21, {}});
  w.push_back({"Form11_Liquidity", FormId::Form11, {}});
  w.push_back({"Form12_Leverage", FormId::Form12, {}});
  w.push_back({"Form13_Activity", FormId::Form13, {}});
  w.push_back({"Form14_Profitability", FormId::Form14, {}});
  w.push_back({"Form15_Efficiency", FormId::Form15, {}});
  w.push_back({"Form3_Overview", FormId::Form3, {}});
  for (const bool average : {false, true})
    w.push_back({average ? "Unos2_RatioAverageValues" : "Unos2_RatioRealValues", FormId::Unos2,
                 [average](SharedState& s) {
                   s.RatioCode = 33;
                   s.AverageOffered = kFlagOn;
                   s.AverageMode = average ? kFlagOn : kFlagOff;
                 }});
  w.push_back({"Form18_HelpPage", FormId::Form18, [](SharedState& s) { s.RatioCode = 11; }});
  w.push_back({"Form18_AveragesPage", FormId::Form18, [](SharedState& s) { s.RatioCode = kAveragesHelpCode; }});
  const struct {
    const char* name;
    int code;
  } views[] = {{"form50_DunBradstreet", 1},
               {"form50_PrenticeHall", 2},
               {"form50_RobertMorris", 3},
               {"form50_CommonSizeBalanceSheet", 9},
               {"form50_CommonSizeIncomeStatement", 10}};
  for (const auto& v : views)
    w.push_back({v.name, FormId::form50, [code = v.code](SharedState& s) { SetCompareViewSettings(s, code); }});
  w.push_back({"Form19_IndustrySourceHelp", FormId::Form19, [](SharedState& s) { s.ReportCode = 1; }});
  w.push_back({"form60_CommonSizeGraphs", FormId::form60, [](SharedState& s) {
                 SetGraphGroupSettings(s, 52);
                 s.SelectedPeriod = 1;
               }});
  w.push_back({"Form16_ValueGraphOptions", FormId::Form16, {}});
  w.push_back({"Form55_ValueGraphs", FormId::Form55, {}});
  return w;
}

// A folder of the process's own, removed with it.
class RunFolder {
 public:
  explicit RunFolder(const std::string& name)
      : path_(std::filesystem::temp_directory_path() / (name + "_" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~RunFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  RunFolder(const RunFolder&) = delete;
  RunFolder& operator=(const RunFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Saves every web page as one file of the folder and prints every job into
// a PDF file of its own there ("print-1.pdf", "print-2.pdf", ...).
class RunDialogs : public SilentDialogs {
 public:
  explicit RunDialogs(std::filesystem::path folder) : folder_(std::move(folder)) {}
  std::string SaveFile(const std::string&, const std::string&, const std::string&) override {
    return (folder_ / "page.html").string();
  }
  std::shared_ptr<Printer> ChoosePrinter() override {
    auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
    device->setOutputFormat(QPrinter::PdfFormat);
    device->setOutputFileName(QString::fromStdString((folder_ / ("print-" + std::to_string(++jobs) + ".pdf")).string()));
    auto printer = std::make_shared<QtPrinter>(std::move(device));
    printer->Start();
    return printer;
  }
  int jobs = 0;

 private:
  std::filesystem::path folder_;
};

struct FullProgram {
  RunFolder folder{"morvadel_bench_run"};
  std::unique_ptr<SharedState> s = std::make_unique<SharedState>();
  RunDialogs dialogs{folder.path()};
  ExportRun exports;
  AppContext ctx{*s, nav, dialogs, &exports};
  // Last, so that the windows go first: they hold the context.
  Navigator nav;

  explicit FullProgram(int16_t language) {
    s->Language = language;
    FillWorkbook(*s);
    exports.folder = folder.path().string();
    exports.openFile = [](const std::string&) { return true; };
    exports.preview = nullptr;
    nav.SetContext(&ctx);
    RegisterShellForms(nav);
    RegisterEntryForms(nav);
    RegisterRatioForms(nav);
    RegisterCompareForms(nav);
    Show(FormId::Form2a);  // the window every other one is opened from
  }
  FullProgram(const FullProgram&) = delete;
  FullProgram& operator=(const FullProgram&) = delete;

  // Shows the window and lets it paint.
  void Show(FormId id) {
    nav.Show(id);
    nav.ProcessPending();
    QApplication::processEvents();
  }
  template <class W>
  W* ShowAs(FormId id) {
    Show(id);
    return dynamic_cast<W*>(nav.Current());
  }
};

}  // namespace morvadel::bench
