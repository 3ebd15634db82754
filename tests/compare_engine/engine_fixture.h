#pragma once
// A small invented workbook for the comparison calculations: figures go
// straight into ItemValues, as the last recalculation would leave them.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "compare/compare_result.h"

namespace morvadel {

class CompareEngineTest : public ::testing::Test {
 protected:
  std::unique_ptr<SharedState> s = std::make_unique<SharedState>();

  // Periods I, II, ... of one item row; the rest stay as they are.
  void Set(int row, std::initializer_list<int32_t> periods) {
    int p = 1;
    for (int32_t v : periods) s->ItemValues(row, p++) = v;
  }
  void SetAll(int row, int32_t v) {
    for (int p = 1; p <= 6; ++p) s->ItemValues(row, p) = v;
  }
};

inline ::testing::AssertionResult IsUndefined(const Cell& c) {
  if (c.kind() == CellKind::Int32 && c.int32() == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "expected the whole number 0, got kind "
                                       << static_cast<int>(c.kind()) << " '" << CellText(c) << "'";
}

inline ::testing::AssertionResult IsEmptyText(const Cell& c) {
  if (c.kind() == CellKind::Text && c.text().empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "expected the empty text, got kind " << static_cast<int>(c.kind())
                                       << " '" << CellText(c) << "'";
}

inline ::testing::AssertionResult IsDouble(const Cell& c, double v) {
  if (c.kind() == CellKind::Double && c.dbl() == v) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "expected the double " << v << ", got kind "
                                       << static_cast<int>(c.kind()) << " '" << CellText(c) << "'";
}

// raw: currency x 10,000.
inline ::testing::AssertionResult IsMoney(const Cell& c, int64_t raw) {
  if (c.kind() == CellKind::Currency && c.money().raw == raw) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "expected currency raw " << raw << ", got kind "
                                       << static_cast<int>(c.kind()) << " '" << CellText(c) << "'";
}

}  // namespace morvadel
