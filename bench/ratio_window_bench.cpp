// Building and showing the ratio window offscreen on a filled workbook:
// construct, Form_Load (engine, grid, three charts), show, and the events
// that paint it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>

#include "bench_app.h"
#include "platform/navigator.h"
#include "ratios/ratio_forms.h"

namespace {

using namespace morvadel;
using bench::SilentDialogs;

void BM_ShowRatioWindow(benchmark::State& state) {
  auto s = std::make_unique<SharedState>();
  bench::FillRatioWorkbook(*s);
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

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv); }
