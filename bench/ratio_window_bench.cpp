// Building and showing the ratio window offscreen on a filled workbook:
// construct, Form_Load (engine, grid, three charts), show, and the events
// that paint it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>

#include "platform/dialogs.h"
#include "platform/navigator.h"
#include "ratios/ratio_catalogue.h"
#include "ratios/ratio_forms.h"

namespace {

using namespace morvadel;

// No message can come from a filled workbook; answer quietly anyway.
class SilentDialogs : public Dialogs {
 public:
  std::string OpenFile(const std::string&) override { return ""; }
  std::string SaveFile(const std::string&, const std::string&, const std::string&) override { return ""; }
  void Message(const std::string&, MsgIcon, const std::string&) override {}
  bool AskYesNo(const std::string&, MsgIcon, const std::string&) override { return false; }
};

void FillWorkbook(SharedState& s) {
  for (int j = 1; j <= 6; ++j) {
    s.ItemTable(1, j) = Cell::Text(std::to_string(2018 + j));
    s.ItemTable(101, j) = Cell::Text(std::to_string(2018 + j));
  }
  for (const RatioEntry& e : RatioCatalogue())
    for (int row : {e.numeratorRow, e.denominatorRow}) {
      if (row == 0) continue;
      for (int j = 1; j <= 6; ++j) {
        const int value = row == 102 ? 365 : (row * 37 % 900 + 300) * (100 + 9 * j) / 100;
        s.ItemTable(row, j) = Cell::Text(std::to_string(value));
      }
    }
}

void BM_ShowRatioWindow(benchmark::State& state) {
  auto s = std::make_unique<SharedState>();
  FillWorkbook(*s);
  s->Language = kEnglish;
  s->AverageOffered = kFlagOn;
  s->AverageMode = state.range(0) ? kFlagOn : kFlagOff;
  s->RatioCode = 33;
  SilentDialogs dialogs;
  Navigator nav;
  AppContext ctx{*s, nav, dialogs};
  nav.SetContext(&ctx);
  RegisterRatioForms(nav);
  for (auto _ : state) {
    nav.Show(FormId::Unos2);
    nav.ProcessPending();
    QApplication::processEvents();
    benchmark::DoNotOptimize(nav.Current());
  }
}
BENCHMARK(BM_ShowRatioWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
