#pragma once
// A full workbook for the benchmarks that show windows: six periods of every
// statement, the company block and the industry figures, totalled as the
// entry window's sum leaves them, the common-size sections the comparison
// window leaves for its graphs, and five accounts picked for the value
// graphs.
#include <string>

#include "compare/common_size.h"
#include "compare/compare_result.h"
#include "compare/graphs.h"
#include "model/recalc.h"
#include "model/shared_state.h"

namespace morvadel::bench {

inline void FillWorkbook(SharedState& s) {
  for (int j = 1; j <= 6; ++j) {
    s.ItemTable(1, j) = Cell::Text(std::to_string(2018 + j));
    s.ItemTable(101, j) = Cell::Text("Šibenik " + std::to_string(2018 + j));
    s.ItemTable(102, j) = Cell::Text("365");
    for (int r = 103; r <= 107; ++r) s.ItemTable(r, j) = Cell::Text(std::to_string(400 + 10 * r + j));
    for (int section : {200, 300, 400, 500})
      for (int k = 2; k <= 52; ++k) {
        const int value = ((section + k) * 37 % 900 + 300) * (100 + 9 * j) / 100;
        s.ItemTable(section + k, j) = Cell::Text(std::to_string(value));
      }
  }
  for (int section : {600, 700, 800})
    for (int k = 2; k <= 47; ++k) s.ItemTable(section + k, kIndCompColumn) = Cell::Text("1.25");
  s.Company(1, 1) = Cell::Text("Prehrambena industrija d.d.");
  s.Company(5, 1) = Cell::Text("Šibenik");
  s.CurrencyName = "EUR";
  s.FileName = "/tmp/full.eka";
  RecalculateStatements(s);
  ApplyCompareResult(s, ComputeCommonSizeBalance(s));
  ApplyCompareResult(s, ComputeCommonSizeIncome(s));
  const int accounts[] = {200, 212, 300, 314, 430};
  AssignAccountSlots(s, accounts);
  FillValueGraphBuffers(s);
}

}  // namespace morvadel::bench
