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

#include "bench_program.h"

namespace {

using namespace morvadel;

// Shows `id` over and over, each time after `settings` wrote what the
// window reads, as the command that opens it does.
void ShowWindow(benchmark::State& state, FormId id, const std::function<void(SharedState&)>& settings) {
  bench::FullProgram program(static_cast<int16_t>(state.range(0)));
  for (auto _ : state) {
    if (settings) settings(*program.s);
    program.Show(id);
    benchmark::DoNotOptimize(program.nav.Current());
  }
}

void RegisterAll() {
  for (const bench::WindowVisit& w : bench::EveryWindow()) {
    benchmark::RegisterBenchmark(w.name.c_str(), [w](benchmark::State& state) { ShowWindow(state, w.id, w.settings); })
        ->ArgName("language")
        ->Arg(kCroatian)
        ->Arg(kEnglish)
        ->Unit(benchmark::kMillisecond);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // The offscreen platform's notes (it cannot raise a window) would drown
  // the table.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  RegisterAll();
  return bench::RunBenchmarks(argc, argv);
}
