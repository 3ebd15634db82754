#include "recalc.h"

#include <algorithm>
#include <array>
#include <vector>
#include <limits>

#include "message_parts.h"
#include "number.h"
#include "row_names.h"

namespace morvadel {
namespace {

constexpr int kFirstRow = 2;
constexpr int kLastRow = kLastStoredRow;  // 1600

using Work = Table<int32_t, kLastRow + 1, kLastPeriodColumn + 1>;

// The first row of a section holds the period or company names.
bool IsHeadingRow(int row) { return row >= 101 && row % 100 == 1; }

// A heading cell that is a name, not a number: anything but an optional
// sign and digits ("2019." and "1.5" stay as typed), and digits too many
// for an amount (an 11-digit tax number used as the company's name).
bool IsName(const Cell& cell) {
  if (cell.kind() != CellKind::Text && cell.kind() != CellKind::FileNumber) return false;
  const std::string& chars = cell.IsText() ? cell.text() : cell.fileChars();
  const size_t b = chars.find_first_not_of(" \t");
  if (b == std::string::npos) return false;  // blank: counts as 0
  const size_t e = chars.find_last_not_of(" \t") + 1;
  size_t i = b;
  if (chars[i] == '-' || chars[i] == '+') ++i;
  if (i == e) return true;
  for (size_t k = i; k < e; ++k)
    if (chars[k] < '0' || chars[k] > '9') return true;
  int64_t v = 0;
  for (size_t k = i; k < e; ++k) {
    v = v * 10 + (chars[k] - '0');
    if (v > int64_t{std::numeric_limits<int32_t>::max()} + 1) return true;
  }
  const bool negative = chars[b] == '-';
  return negative ? v > int64_t{std::numeric_limits<int32_t>::max()} + 1 : v > std::numeric_limits<int32_t>::max();
}

// A whole amount on its way through a formula. Once a step leaves the
// 32-bit range the amount stays bad, so the first faulty total is the one
// reported, whatever follows in the same formula.
struct Amount {
  int64_t v = 0;
  bool bad = false;
};

Amount Checked(int64_t v, bool bad) {
  return {v, bad || v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()};
}
Amount operator+(Amount a, Amount b) { return Checked(a.v + b.v, a.bad || b.bad); }
Amount operator-(Amount a, Amount b) { return Checked(a.v - b.v, a.bad || b.bad); }

// The formulas of one period, run in their fixed order over the work copy.
class PeriodCalc {
 public:
  // `computed` marks the rows the formulas write.
  PeriodCalc(Work& w, int col, std::vector<bool>& computed) : w_(w), c_(col), computed_(computed) {}

  // The row whose total left the range, 0 when every total fits.
  int Run() {
    Totals();
    RatioRows();
    IndustryRows();
    return failRow_;
  }

 private:
  Amount V(int row) const { return {w_(row, c_), false}; }

  void Set(int row, Amount a) {
    computed_[static_cast<size_t>(row)] = true;
    if (failRow_ != 0) return;
    if (a.bad) {
      failRow_ = row;
      return;
    }
    w_(row, c_) = static_cast<int32_t>(a.v);
  }

  // 0 unless both operands are non-zero; then the nearest whole number of
  // the exact quotient, halves to even.
  void Divide(int row, int num, int den) {
    Set(row, {0, false});
    const int32_t n = w_(num, c_), d = w_(den, c_);
    if (n == 0 || d == 0) return;
    auto q = RoundQuotient(n, d, 0, Rounding::HalfEven);
    // Only -2147483648 / -1 leaves the range.
    Set(row, q ? Checked(*q, false) : Amount{0, true});
  }

  void Totals() {
    Set(211, V(206) + V(205) + V(207) + V(208) + V(209));
    Set(216, V(213) - V(214));
    Set(222, V(211) + V(213) + V(218) + V(219) + V(220) - V(214));
    Set(233, V(226) + V(227) + V(228) + V(229) + V(230) + V(231));
    Set(239, V(235) + V(236) + V(237));
    Set(240, V(239) + V(233));
    Set(247, V(243) + V(244) + V(245));
    Set(248, V(247) + V(242));
    Set(250, V(239) + V(233) + V(248));
    Set(252, V(222) - V(250));
    Set(306, V(303) - V(304));
    Set(311, V(303) - (V(304) + V(308) + V(309)));
    Set(318, V(303) + V(313) + V(315));
    Set(319, V(304) + V(308) + V(309) + V(314) + V(316));
    Set(321, V(318) - V(319));
    Set(325, V(321) - V(323));
  }

  void RatioRows() {
    Set(51, V(206) + V(205));
    Set(52, V(248) + V(239));
    Set(53, V(321) + V(316));
    Set(54, V(325) + V(316));
    Set(55, V(248) + V(239));
    Divide(56, 304, 207);
    Divide(57, 303, 206);
    Divide(58, 304, 233);
  }

  void IndustryRows() {
    Set(81, V(208) + V(209));
    Set(82, V(218) + V(219));
    Set(83, V(236) + V(237));
    Set(84, V(242) + V(243) + V(244));
    Set(85, V(306) - V(321));
    Set(86, V(205) + V(206));
    Set(87, V(233) + V(211));
    Set(88, V(321) + V(316));
    Set(89, V(325) + V(503) + V(504) + V(505));
    Set(90, V(242) + V(243) + V(244) - V(220));
    Set(91, V(503) + V(504) + V(505));
    Set(70, V(325) + V(316));
    Set(71, V(503) + V(504) + V(505));
    Set(72, V(509) + V(510));
    Set(73, V(506) + V(507) + V(514) + V(515));
    Set(74, V(325) + V(511));
    Set(75, V(205) + V(206));
    Set(76, V(211) - V(233));
    Set(77, V(321) + V(316));
    Set(78, V(242) + V(243) + V(244));
    Set(79, V(321) - V(323));
    Set(61, V(218) + V(219) + V(220));
    Set(62, V(226) + V(227));
    Set(63, V(230) + V(231));
    Set(64, V(235) + V(237));
    Divide(65, 303, 102);
    // Working capital for the industry views only where both sides exist;
    // row 76 above always takes the difference.
    Set(67, {0, false});
    if (w_(211, c_) != 0 && w_(233, c_) != 0) Set(67, V(211) - V(233));
  }

  Work& w_;
  int c_;
  std::vector<bool>& computed_;
  int failRow_ = 0;
};

}  // namespace

RecalcError RecalculateStatements(SharedState& s) {
  Work w;
  // Cells left as they are, neither converted nor written back: names in
  // heading rows, and what no formula reads and cannot be read.
  std::vector<bool> keep(static_cast<size_t>(kLastRow + 1) * (kLastPeriodColumn + 1), false);
  auto at = [](int r, int c) { return static_cast<size_t>(r) * (kLastPeriodColumn + 1) + static_cast<size_t>(c); };

  for (int r = kFirstRow; r <= kLastRow; ++r)
    for (int c = kFirstPeriodColumn; c <= kLastPeriodColumn; ++c) {
      const Cell& cell = s.ItemTable(r, c);
      if (IsHeadingRow(r) && IsName(cell)) {
        keep[at(r, c)] = true;
        w(r, c) = 0;
        continue;
      }
      auto v = ToWhole(cell, s.DecimalMark);
      if (v.ok()) {
        w(r, c) = v.value;
      } else if (!IsAmountRow(r)) {
        // A stray text in a result section (typed over a percentage, say)
        // counts as 0 and blocks nothing.
        keep[at(r, c)] = true;
        w(r, c) = 0;
      } else {
        return {v.status == ConvStatus::NotNumber ? RecalcError::Kind::NotNumber : RecalcError::Kind::Overflow,
                r, c};
      }
    }

  std::vector<bool> computed(static_cast<size_t>(kLastRow + 1), false);
  for (int c = kFirstPeriodColumn; c <= kLastPeriodColumn; ++c)
    if (int row = PeriodCalc(w, c, computed).Run(); row != 0) return {RecalcError::Kind::Overflow, row, c};

  for (int r = kFirstRow; r <= kLastRow; ++r)
    for (int c = kFirstPeriodColumn; c <= kLastPeriodColumn; ++c) {
      const int32_t v = w(r, c);
      s.ItemValues(r, c) = v;
      if (keep[at(r, c)] && !computed[static_cast<size_t>(r)]) continue;
      s.ItemTable(r, c) = v == 0 ? Cell::Text("") : Cell::Int32(v);
    }
  return {};
}

std::string DescribeRecalcError(const RecalcError& e, const SharedState& s, int16_t language) {
  if (e.ok()) return "";
  const bool hr = language == kCroatian;
  const std::string where = PlaceName(RowName(s, e.row, language), s, e.period, language) + ": ";

  std::string what;
  if (e.kind == RecalcError::Kind::NotNumber) {
    std::string text;
    if (e.row >= 0 && e.row < ItemTableT::kRows && e.period >= 0 && e.period < ItemTableT::kCols)
      text = CellText(s.ItemTable(e.row, e.period), s.DecimalMark);
    what = hr ? "upisani tekst " + QuoteForMessage(text) + " nije broj."
              : "the entry " + QuoteForMessage(text) + " is not a number.";
  } else {
    what = hr ? "iznos je izvan dopuštenog raspona (od -2147483648 do 2147483647)."
              : "the amount is outside the allowed range (-2147483648 to 2147483647).";
  }
  return where + what + (hr ? " Ništa nije preračunato." : " Nothing was recalculated.");
}

}  // namespace morvadel

namespace morvadel {

bool IsAmountRow(int row) { return row >= 100 && row < 600 && row % 100 != 1; }

std::vector<UnreadableAmount> FindUnreadableAmounts(const SharedState& s) {
  std::vector<UnreadableAmount> found;
  for (int r = 100; r < 600; ++r) {
    if (!IsAmountRow(r)) continue;
    for (int c = kFirstPeriodColumn; c <= kLastPeriodColumn; ++c) {
      const auto v = ToWhole(s.ItemTable(r, c), s.DecimalMark);
      if (!v.ok()) found.push_back({r, c, v.status});
    }
  }
  return found;
}

std::string DescribeUnreadableAmounts(const std::vector<UnreadableAmount>& cells, const SharedState& s,
                                      int16_t language) {
  if (cells.empty()) return "";
  const bool hr = language == kCroatian;
  std::string text = hr ? "Radna knjiga je otvorena, ali neki iznosi u njoj nisu brojevi ili su izvan dopuštenog "
                          "raspona. Računaju se kao 0, a preračunavanje se kod njih zaustavlja dok se ne isprave:"
                        : "The workbook was opened, but some of its amounts are not numbers or are out of range. "
                          "They count as 0, and Sum stops at them until they are corrected:";
  const size_t shown = std::min(cells.size(), kReportedAmounts);
  for (size_t i = 0; i < shown; ++i) {
    const UnreadableAmount& a = cells[i];
    text += "\n" + PlaceName(RowName(s, a.row, language), s, a.period, language) + ": " +
            QuoteForMessage(CellText(s.ItemTable(a.row, a.period), s.DecimalMark));
    if (a.status == ConvStatus::OutOfRange) text += hr ? " (izvan raspona)" : " (out of range)";
    else text += hr ? " (nije broj)" : " (not a number)";
  }
  if (cells.size() > shown) {
    const std::string more = std::to_string(cells.size() - shown);
    text += hr ? "\n… i još " + more + "." : "\n… and " + more + " more.";
  }
  return text;
}

}  // namespace morvadel
