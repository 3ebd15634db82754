#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "model/recalc.h"

namespace {

using namespace morvadel;

// Every cell of rows 2..1600, periods I..VI holds a typed number text.
std::unique_ptr<SharedState> FullWorkbook() {
  auto s = std::make_unique<SharedState>();
  for (int r = 2; r <= kLastStoredRow; ++r)
    for (int c = kFirstPeriodColumn; c <= kLastPeriodColumn; ++c)
      s->ItemTable(r, c) = Cell::Text(std::to_string(r * 37 + c * 1013));
  return s;
}

// As the entry windows leave it: every period cell typed as text again.
void BM_RecalculateTypedWorkbook(benchmark::State& state) {
  auto s = FullWorkbook();
  const auto typed = FullWorkbook();
  for (auto _ : state) {
    state.PauseTiming();
    s->ItemTable = typed->ItemTable;
    state.ResumeTiming();
    RecalcError e = RecalculateStatements(*s);
    if (!e.ok()) state.SkipWithError("recalculation failed");
    benchmark::DoNotOptimize(s->ItemValues(1600, 6));
  }
}
BENCHMARK(BM_RecalculateTypedWorkbook)->Unit(benchmark::kMicrosecond);

// A second recalculation of the same workbook: the cells already hold
// whole numbers.
void BM_RecalculateRecalculatedWorkbook(benchmark::State& state) {
  auto s = FullWorkbook();
  RecalculateStatements(*s);
  for (auto _ : state) {
    RecalcError e = RecalculateStatements(*s);
    if (!e.ok()) state.SkipWithError("recalculation failed");
    benchmark::DoNotOptimize(s->ItemValues(1600, 6));
  }
}
BENCHMARK(BM_RecalculateRecalculatedWorkbook)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
