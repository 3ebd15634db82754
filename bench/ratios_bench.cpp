#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "ratios/ratio_catalogue.h"
#include "ratios/ratio_engine.h"

namespace {

using namespace morvadel;

// A workbook whose every period holds figures in all rows the ratios read,
// stored as text the way the entry windows and recalculation leave them.
std::unique_ptr<SharedState> FilledWorkbook() {
  auto s = std::make_unique<SharedState>();
  s->Language = kEnglish;
  for (int r = 1; r <= 600; ++r)
    for (int c = 1; c <= 6; ++c) s->ItemTable(r, c) = Cell::Text(std::to_string(1000 + r * 7 + c * 131));
  for (int c = 1; c <= 6; ++c) s->ItemTable(102, c) = Cell::Text("365");
  return s;
}

void RunAllRatios(benchmark::State& state, int16_t averageMode) {
  auto s = FilledWorkbook();
  s->AverageMode = averageMode;
  for (auto _ : state) {
    for (int16_t code : kSelectableRatioCodes) {
      s->RatioCode = code;
      RatioResult r = LoadRatio(*s);
      benchmark::DoNotOptimize(r);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kSelectableRatioCodes.size()));
}

void BM_AllRatiosReal(benchmark::State& state) { RunAllRatios(state, kFlagOff); }
BENCHMARK(BM_AllRatiosReal)->Unit(benchmark::kMicrosecond);

void BM_AllRatiosAveraged(benchmark::State& state) { RunAllRatios(state, kFlagOn); }
BENCHMARK(BM_AllRatiosAveraged)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
