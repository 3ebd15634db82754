#pragma once
// Statement recalculation: the period columns of ItemTable into whole
// numbers in ItemValues, the balance-sheet and income-statement totals, the
// derived rows 51..58 and 61..91, and every value written back.
#include <cstdint>
#include <string>
#include <vector>

#include "shared_state.h"

namespace morvadel {

struct RecalcError {
  enum class Kind {
    None,
    NotNumber,  // a cell holds a text that does not read as a number
    Overflow,   // an amount or a computed total lies outside the 32-bit range
  };
  Kind kind = Kind::None;
  int row = 0;     // the item row of the cell or of the total being computed
  int period = 0;  // 1..6 (periods I..VI)
  bool ok() const { return kind == Kind::None; }
};

// Recalculates rows 2..1600, columns 1..6. All or nothing: everything is
// computed in a work copy, and ItemTable and ItemValues change only when
// every amount the formulas read converts and every sum stays inside the
// 32-bit range; otherwise both are left exactly as they were and the first
// fault (in row order for the cells, in computing order for the totals) is
// returned.
//
// Only the amount rows (IsAmountRow: the general data and the statements)
// can stop it. Any other cell that is not a number or is out of range (a
// text typed over a common-size percentage, say) counts as 0 and is left
// as it is, unless a formula writes its row.
//
// The first row of each section (101, 201, ..., 1501) holds the period or
// company names: only a name made of an optional sign and digits converts
// like an amount; every other name ("2019.", "1.5", "Firma d.d.", or digits
// too many for an amount) is left out of the conversion and of the
// write-back, so it stays as typed, and ItemValues holds 0 for it.
RecalcError RecalculateStatements(SharedState& s);

// A message for the user in the given language (1 Croatian, otherwise
// English) naming the row by its label and the period by its numeral and
// name. "" when e is ok.
std::string DescribeRecalcError(const RecalcError& e, const SharedState& s, int16_t language);

// The rows whose amounts the formulas read: the general data and the
// statement rows of sections 100 to 500, without their heading rows (101,
// 201, ... hold the period or company names).
bool IsAmountRow(int row);

// A cell of an amount row, period column, that is not a number or is out
// of range.
struct UnreadableAmount {
  int row = 0;
  int period = 0;  // 1..6
  ConvStatus status = ConvStatus::NotNumber;
};

// Every such cell of the workbook, in row order and, within a row, by period.
std::vector<UnreadableAmount> FindUnreadableAmounts(const SharedState& s);

// The report shown once after Open: the first few of them by their labels,
// periods and texts, and how many more there are; "" when there are none.
inline constexpr size_t kReportedAmounts = 5;
std::string DescribeUnreadableAmounts(const std::vector<UnreadableAmount>& cells, const SharedState& s,
                                      int16_t language);

}  // namespace morvadel
