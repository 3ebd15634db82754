#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "model/conversion.h"

namespace {

using namespace morvadel;

// Every summary cell holds a number as the workbook file gives it: text.
std::unique_ptr<SharedState> Summary() {
  auto s = std::make_unique<SharedState>();
  for (int r = kFirstSummaryMoneyRow; r <= kLastSummaryMoneyRow; ++r)
    for (int c = kFirstPeriodColumn; c <= kLastPeriodColumn; ++c)
      s->ItemTable(r, c) = Cell::Text(std::to_string(r * 104729 + c * 7919));
  return s;
}

void BM_ConvertSummary(benchmark::State& state) {
  const auto typed = Summary();
  auto s = Summary();
  const Currency rate = *ReadExchangeRate("7.5345", *s);
  for (auto _ : state) {
    state.PauseTiming();
    s->ItemTable = typed->ItemTable;
    state.ResumeTiming();
    if (!ConvertSummary(*s, rate).ok()) state.SkipWithError("conversion refused");
    benchmark::DoNotOptimize(s->ConvWork(27, 6));
  }
}
BENCHMARK(BM_ConvertSummary)->Unit(benchmark::kMicrosecond);

void BM_AdjustSummary(benchmark::State& state) {
  const auto s = Summary();
  Percentages p;
  p.fill(*ReadPercentage("112.75", *s));
  for (auto _ : state) {
    Restatement r = AdjustedSummary(*s, p);
    benchmark::DoNotOptimize(r.values(27, 6));
  }
}
BENCHMARK(BM_AdjustSummary)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
