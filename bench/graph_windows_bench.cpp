// Building and showing the graph windows offscreen on a filled workbook:
// construct, Form_Load (labels, buffers, grid, chart), show, and the events
// that paint it. The common-size graphs read the sections the comparison
// window's calculation leaves; the value graphs the buffers of five picks.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>

#include "bench_app.h"
#include "compare/common_size.h"
#include "compare/compare_forms.h"
#include "compare/graphs.h"
#include "platform/dialogs.h"
#include "platform/navigator.h"

namespace {

using namespace morvadel;

void FillWorkbook(SharedState& s) {
  for (int j = 1; j <= 6; ++j) s.ItemTable(101, j) = Cell::Text(std::to_string(2018 + j));
  for (int row = 201; row <= 450; ++row)
    for (int j = 1; j <= 6; ++j) {
      const int value = (row * 37 % 900 + 300) * (100 + 9 * j) / 100;
      s.ItemTable(row, j) = Cell::Text(std::to_string(value));
      s.ItemValues(row, j) = value;
    }
  ApplyCompareResult(s, ComputeCommonSizeBalance(s));
  ApplyCompareResult(s, ComputeCommonSizeIncome(s));
}

struct Program {
  std::unique_ptr<SharedState> s = std::make_unique<SharedState>();
  bench::SilentDialogs dialogs;
  Navigator nav;
  AppContext ctx{*s, nav, dialogs};
  Program() {
    nav.SetContext(&ctx);
    RegisterCompareForms(nav);
    s->Language = kEnglish;
    FillWorkbook(*s);
  }
  void Show(FormId id) {
    nav.Show(id);
    nav.ProcessPending();
    QApplication::processEvents();
    benchmark::DoNotOptimize(nav.Current());
  }
};

// Arg: the group shown (52 five balance-sheet items, 62 five income items).
void BM_ShowCommonSizeGraphs(benchmark::State& state) {
  Program p;
  SetGraphGroupSettings(*p.s, static_cast<int>(state.range(0)));
  p.s->SelectedPeriod = 3;
  for (auto _ : state) p.Show(FormId::form60);
}
BENCHMARK(BM_ShowCommonSizeGraphs)->Arg(52)->Arg(62)->Unit(benchmark::kMillisecond);

// Arg: the letters of each account label and period name (0: the usual
// short ones).
void BM_ShowValueGraphs(benchmark::State& state) {
  Program p;
  const auto letters = static_cast<size_t>(state.range(0));
  for (int list = kBalanceSheetList; list <= kCashFlowList; ++list)
    for (int row : AccountRows(list))
      p.s->ItemTable(row, kLabelEnColumn) =
          Cell::Text(letters ? std::string(letters, 'a') : "Account " + std::to_string(row));
  if (letters)
    for (int j = 1; j <= 6; ++j) p.s->ItemTable(101, j) = Cell::Text(std::string(letters, 'p'));
  const int codes[] = {200, 212, 300, 314, 430};
  AssignAccountSlots(*p.s, codes);
  FillValueGraphBuffers(*p.s);
  for (auto _ : state) p.Show(FormId::Form55);
}
BENCHMARK(BM_ShowValueGraphs)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond);

// The options window's OK without the windows: slots, rows and buffers.
void BM_FillValueGraphBuffers(benchmark::State& state) {
  Program p;
  const int codes[] = {200, 212, 300, 314, 430};
  for (auto _ : state) {
    AssignAccountSlots(*p.s, codes);
    benchmark::DoNotOptimize(FillValueGraphBuffers(*p.s));
  }
}
BENCHMARK(BM_FillValueGraphBuffers)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return morvadel::bench::RunBenchmarks(argc, argv); }
