#pragma once
// Shared by the benchmarks that build windows: dialogs that answer quietly,
// a workbook for the ratios and a main with an application offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "model/shared_state.h"
#include "platform/application.h"
#include "platform/dialogs.h"
#include "ratios/ratio_catalogue.h"

namespace morvadel::bench {

// No message can come from a filled workbook; answer quietly anyway.
class SilentDialogs : public Dialogs {
 public:
  std::string OpenFile(const std::string&, const std::string&) override { return ""; }
  std::string SaveFile(const std::string&, const std::string&, const std::string&) override { return ""; }
  void Message(const std::string&, MsgIcon, const std::string&) override {}
  bool AskYesNo(const std::string&, MsgIcon, const std::string&) override { return false; }
};

// Period names and every row a ratio of the catalogue reads, for six periods.
inline void FillRatioWorkbook(SharedState& s) {
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

inline int RunBenchmarks(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  morvadel::Application app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace morvadel::bench
