// Every window built and shown offscreen on a full workbook: the change from
// the window before (unload, construct, Form_Load, place and show) and the
// events that paint it. One benchmark per window, the statement sheets and
// the comparison views each, so that a window slower than a frame (16 ms)
// stands out.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <functional>
#include <memory>
#include <string>

#include "bench_app.h"
#include "compare/compare_forms.h"
#include "compare/graphs.h"
#include "compare/form50.h"
#include "entry/entry_forms.h"
#include "entry/form8.h"
#include "full_workbook.h"
#include "platform/dialogs.h"
#include "platform/navigator.h"
#include "ratios/ratio_forms.h"
#include "ratios/ratio_help_pages.h"
#include "shell/form2a.h"

namespace {

using namespace morvadel;

using bench::SilentDialogs;

struct Program {
  std::unique_ptr<SharedState> s = std::make_unique<SharedState>();
  SilentDialogs dialogs;
  Navigator nav;
  AppContext ctx{*s, nav, dialogs};

  explicit Program(int16_t language) {
    s->Language = language;
    bench::FillWorkbook(*s);
    nav.SetContext(&ctx);
    RegisterShellForms(nav);
    RegisterEntryForms(nav);
    RegisterRatioForms(nav);
    RegisterCompareForms(nav);
    Show(FormId::Form2a);  // the window every other one is opened from
  }
  void Show(FormId id) {
    nav.Show(id);
    nav.ProcessPending();
    QApplication::processEvents();
  }
};

// Shows `id` over and over, each time after `settings` wrote what the
// window reads, as the command that opens it does.
void ShowWindow(benchmark::State& state, FormId id, const std::function<void(SharedState&)>& settings) {
  Program program(static_cast<int16_t>(state.range(0)));
  for (auto _ : state) {
    if (settings) settings(*program.s);
    program.Show(id);
    benchmark::DoNotOptimize(program.nav.Current());
  }
}

void Register(const char* name, FormId id, std::function<void(SharedState&)> settings = {}) {
  benchmark::RegisterBenchmark(name, [id, settings](benchmark::State& state) { ShowWindow(state, id, settings); })
      ->ArgName("language")
      ->Arg(kCroatian)
      ->Arg(kEnglish)
      ->Unit(benchmark::kMillisecond);
}

void RegisterAll() {
  Register("Form1_LanguageChoice", FormId::Form1);
  Register("Form2a_MainWindow", FormId::Form2a);
  const char* const sheets[] = {"form8_GeneralData", "form8_BalanceSheet", "form8_IncomeStatement",
                                "form8_CashFlow", "form8_Expenses"};
  for (int sheet = 1; sheet <= 5; ++sheet)
    Register(sheets[sheet - 1], FormId::form8, [sheet](SharedState& s) { SetStatementSheetSettings(s, sheet); });
  Register("for7_About", FormId::for7);
  Register("For20_CurrencyConversion", FormId::For20);
  Register("For21_InflationAdjustment", FormId::For21);
  Register("Form11_Liquidity", FormId::Form11);
  Register("Form12_Leverage", FormId::Form12);
  Register("Form13_Activity", FormId::Form13);
  Register("Form14_Profitability", FormId::Form14);
  Register("Form15_Efficiency", FormId::Form15);
  Register("Form3_Overview", FormId::Form3);
  Register("Unos2_RatioRealValues", FormId::Unos2, [](SharedState& s) {
    s.RatioCode = 33;
    s.AverageOffered = kFlagOn;
    s.AverageMode = kFlagOff;
  });
  Register("Unos2_RatioAverageValues", FormId::Unos2, [](SharedState& s) {
    s.RatioCode = 33;
    s.AverageOffered = kFlagOn;
    s.AverageMode = kFlagOn;
  });
  Register("Form18_HelpPage", FormId::Form18, [](SharedState& s) { s.RatioCode = 11; });
  Register("Form18_AveragesPage", FormId::Form18, [](SharedState& s) { s.RatioCode = kAveragesHelpCode; });
  const struct {
    const char* name;
    int code;
  } views[] = {{"form50_DunBradstreet", 1},
               {"form50_PrenticeHall", 2},
               {"form50_RobertMorris", 3},
               {"form50_CommonSizeBalanceSheet", 9},
               {"form50_CommonSizeIncomeStatement", 10}};
  for (const auto& v : views)
    Register(v.name, FormId::form50, [code = v.code](SharedState& s) { SetCompareViewSettings(s, code); });
  Register("Form19_IndustrySourceHelp", FormId::Form19, [](SharedState& s) { s.ReportCode = 1; });
  Register("form60_CommonSizeGraphs", FormId::form60, [](SharedState& s) {
    SetGraphGroupSettings(s, 52);
    s.SelectedPeriod = 1;
  });
  Register("Form16_ValueGraphOptions", FormId::Form16);
  Register("Form55_ValueGraphs", FormId::Form55);
}

}  // namespace

int main(int argc, char** argv) {
  // The offscreen platform's notes (it cannot raise a window) would drown
  // the table.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  RegisterAll();
  return bench::RunBenchmarks(argc, argv);
}
