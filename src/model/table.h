#pragma once
#include <vector>

#include "check.h"

namespace morvadel {

// A fixed-size table indexed (row, column) from 0 to Rows-1 and Cols-1
// inclusive. Every access is checked.
template <class T, int Rows, int Cols>
class Table {
 public:
  static constexpr int kRows = Rows;
  static constexpr int kCols = Cols;

  Table() : data_(static_cast<size_t>(Rows) * Cols) {}

  T& operator()(int r, int c) {
    MORVADEL_CHECK(r >= 0 && r < Rows && c >= 0 && c < Cols);
    return data_[static_cast<size_t>(r) * Cols + c];
  }
  const T& operator()(int r, int c) const {
    MORVADEL_CHECK(r >= 0 && r < Rows && c >= 0 && c < Cols);
    return data_[static_cast<size_t>(r) * Cols + c];
  }
  void Fill(const T& value) { data_.assign(data_.size(), value); }

 private:
  std::vector<T> data_;
};

}  // namespace morvadel
