#include <benchmark/benchmark.h>

#include <memory>

#include "compare/common_size.h"
#include "compare/industry.h"

namespace {

using namespace morvadel;

// Every item row of every period filled, and an industry figure in every
// ratio row, so each calculation does all of its work.
std::unique_ptr<SharedState> FullWorkbook() {
  auto s = std::make_unique<SharedState>();
  for (int r = 2; r <= 1600; ++r)
    for (int c = 1; c <= 6; ++c) s->ItemValues(r, c) = (r % 2 ? 1 : -1) * (r * 37 + c * 1013);
  for (int section : {600, 700, 800})
    for (int r = 1; r <= 47; ++r) s->ItemTable(section + r, kIndCompColumn) = Cell::Text("12.34");
  return s;
}

void Run(benchmark::State& state, CompareResult (*compute)(const SharedState&)) {
  auto s = FullWorkbook();
  for (auto _ : state) {
    CompareResult r = compute(*s);
    ApplyCompareResult(*s, r);
    benchmark::DoNotOptimize(r);
  }
}

void BM_CommonSizeBalance(benchmark::State& state) { Run(state, ComputeCommonSizeBalance); }
void BM_CommonSizeIncome(benchmark::State& state) { Run(state, ComputeCommonSizeIncome); }
void BM_DunBradstreet(benchmark::State& state) { Run(state, ComputeDunBradstreetComparison); }
void BM_PrenticeHall(benchmark::State& state) { Run(state, ComputePrenticeHallComparison); }
void BM_RobertMorris(benchmark::State& state) { Run(state, ComputeRobertMorrisComparison); }

BENCHMARK(BM_CommonSizeBalance)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CommonSizeIncome)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DunBradstreet)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PrenticeHall)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RobertMorris)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
