#include "compare/industry.h"

#include <string>
#include <utility>

#include "model/number.h"

namespace morvadel {
namespace {

// Rows whose labels name a percentage are multiplied by 100, rows in days or
// times are not, so the figure the user types is in the unit of the label.
constexpr IndustryRatioRow kDunBradstreetRows[] = {
    {4, 205, 222, true},   // Cash
    {5, 206, 222, true},   // Accounts receivables
    {6, 207, 222, true},   // Inventory
    {7, 81, 222, true},    // Other current assets (208 + 209)
    {8, 211, 222, true},   // Total current assets
    {9, 216, 222, true},   // Fixed assets
    {10, 61, 222, true},   // Other non-current (218 + 219 + 220)
    {11, 222, 222, true},  // Total assets
    {12, 228, 222, true},  // Accounts payable
    {13, 62, 222, true},   // Bank loans & notes pay. (226 + 227)
    {14, 63, 222, true},   // Other current liabs. (230 + 231)
    {15, 233, 222, true},  // Total current liabs.
    {16, 64, 222, true},   // Other long term (235 + 237)
    {17, 236, 222, true},  // Deferred credits
    {18, 84, 222, true},   // Net worth (242 + 243 + 244)
    {19, 250, 222, true},  // Total liab. & net worth
    {22, 303, 303, true},  // Net sales
    {23, 306, 303, true},  // Pre-tax profit
    {24, 325, 303, true},  // Net profit after tax
    {27, 75, 233, false},  // Quick ratio (times)
    {28, 211, 233, false}, // Current ratio (times)
    {29, 233, 84, true},   // Curr liab to NW (%)
    {30, 233, 207, true},  // Curr liab to lnv (%)
    {31, 240, 84, true},   // Total liab to NW (%)
    {32, 216, 84, true},   // Fixed Assets to NW (%)
    {35, 206, 65, false},  // Collection period (days): receivables over net sales per day
    {36, 303, 207, false}, // Sales to lnv (times)
    {37, 222, 303, true},  // Assets to sales (%)
    {38, 303, 67, false},  // Sales to NWC (times)
    {39, 228, 303, true},  // Acct pay to sales (%)
    {42, 325, 303, true},  // Return on sales (%)
    {43, 325, 222, true},  // Return on assets (%)
    {44, 325, 84, true},   // Return on NW (%)
};

constexpr IndustryRatioRow kPrenticeHallRows[] = {
    {3, 304, 303, true},   // Cost of operations
    {4, 513, 303, true},   // Rent
    {5, 512, 303, true},   // Taxes paid
    {6, 316, 303, true},   // Interest paid
    {7, 71, 303, true},    // Deprec/deplet/amortiz (503 + 504 + 505)
    {8, 72, 303, true},    // Pensions and oth benefits (509 + 510)
    {9, 73, 303, true},    // Other (506 + 507 + 514 + 515)
    {10, 511, 303, true},  // Officers compensation
    {11, 325, 303, true},  // Operating margin
    {12, 74, 303, true},   // Oper marg bef off. comp. (325 + 511)
    {15, 211, 233, false}, // Current ratio
    {16, 75, 233, false},  // Quick ratio
    {17, 303, 76, false},  // Net sales to working cap. (211 - 233)
    {18, 77, 316, false},  // Coverage ratio (321 + 316)
    {19, 303, 222, false}, // Total asset turnover
    {20, 303, 207, false}, // Inventory turnover
    {21, 303, 206, false}, // Receivables turnover
    {22, 240, 78, false},  // Tot liab to net worth (242 + 243 + 244)
    {25, 240, 222, true},  // Debt ratio
    {26, 79, 222, true},   // Return on assets (321 - 323)
    {27, 325, 78, true},   // Return on equity
    {28, 70, 248, true},   // Return bef lnt on equity (325 + 316)
    {29, 321, 303, true},  // Profit margin before income tax: pre-tax income, not 79 (after tax)
    {30, 325, 303, true},  // Profit margin, aft lnc tax
};

constexpr IndustryRatioRow kRobertMorrisRows[] = {
    {3, 205, 222, true},   // Cash & equivalents
    {4, 206, 222, true},   // Trade receivables (net)
    {5, 207, 222, true},   // Inventory
    {6, 81, 222, true},    // All other current (208 + 209)
    {7, 211, 222, true},   // Total current
    {8, 216, 222, true},   // Fixed assets (net)
    {9, 220, 222, true},   // Intangibles (net)
    {10, 82, 222, true},   // (218 + 219)
    {11, 222, 222, true},  // Total assets
    {14, 226, 222, true},  // Notes payable (ST)
    {15, 227, 222, true},  // Current maturities L/T/D
    {16, 228, 222, true},  // Trade payables
    {17, 230, 222, true},  // Income taxes payable
    {18, 231, 222, true},  // All other current
    {19, 233, 222, true},  // Total current
    {20, 235, 222, true},  // Long-term debt
    {21, 83, 222, true},   // (236 + 237)
    {22, 84, 222, true},   // Net worth (242 + 243 + 244)
    {23, 250, 222, true},  // Tot. liab. & net worth
    {26, 303, 303, false}, // Net sales
    {27, 306, 303, false}, // Pre-tax profit
    {28, 85, 303, false},  // Operating & other exp (306 - 321)
    {29, 321, 303, false}, // Profit before taxes
    {32, 211, 233, false}, // Current ratio
    {33, 86, 233, false},  // Quick ratio (205 + 206)
    {34, 303, 206, false}, // Sales/receivables
    {35, 304, 207, false}, // Cost of sales/inventory
    {36, 304, 228, false}, // Cost of sales/payables
    {37, 303, 76, false},  // Sales to working capital: 211 - 233, not row 87 (their sum)
    {38, 88, 316, false},  // EBIT/interest (321 + 316)
    {39, 89, 227, false},  // Cash flow/cur. mat. L/T/D (325 + 503 + 504 + 505)
    {40, 216, 90, false},  // Fixed/worth (242 + 243 + 244 - 220)
    {41, 240, 90, false},  // Debt/worth
    {42, 321, 90, true},   // % Pre-tax profit/tang NW
    {43, 321, 222, true},  // % Pre-tax profit/assets
    {44, 303, 216, false}, // Sales/net fixed assets
    {45, 303, 222, false}, // Sales/total assets
    {46, 91, 303, true},   // % Depre.depl.amort/aales (503 + 504 + 505)
    {47, 511, 303, true},  // % Officers' comp/aales
};

// Currency of a two-decimal ratio.
Currency FromHundredths(int64_t q) { return Currency::FromRaw(q * 100); }

ResultCell MoneyCell(Currency v, char mark) {
  return {FormatScaled(v.raw, Currency::kPlaces, mark), Cell::Money(v)};
}

CompareResult ComputeIndustry(const SharedState& s, int section, int lastRow,
                              std::span<const IndustryRatioRow> ratios) {
  CompareResult result(section, lastRow, 10);
  const ResultCell none{"", Cell::Text("")};
  auto next = ratios.begin();
  for (int r = 1; r <= lastRow; ++r) {
    const IndustryRatioRow* ratio = nullptr;
    if (next != ratios.end() && next->row == r) ratio = &*next++;

    int16_t count = 0;
    Currency low, high, sum;
    for (int p = 1; p <= 6; ++p) {
      ResultCell cell{"", Cell::Int32(0)};
      if (ratio) {
        int64_t q = 0;
        cell = ComputeRatioCell(s, ratio->numerator, ratio->denominator, p, ratio->times100, &q);
        if (q != 0) AccumulateRowStats(FromHundredths(q), count, low, high, sum);
      }
      result.at(r, p) = std::move(cell);
    }
    result.at(r, kMaxColumn) = count > 0 ? MoneyCell(high, s.DecimalMark) : none;
    result.at(r, kMinColumn) = count > 0 ? MoneyCell(low, s.DecimalMark) : none;
    const auto average = RowAverage(sum, count);
    result.at(r, kAverageColumn) = average ? MoneyCell(*average, s.DecimalMark) : none;

    // The industry figure is the user's text and is never interpreted.
    std::string figure = ItemText(s, section + r, kIndCompColumn);
    result.at(r, kIndCompColumn) = ResultCell{figure, Cell::Text(figure)};
  }
  return result;
}

}  // namespace

std::span<const IndustryRatioRow> IndustryRatioRows(int reportCode) {
  switch (reportCode) {
    case kDunBradstreetView: return kDunBradstreetRows;
    case kPrenticeHallView: return kPrenticeHallRows;
    case kRobertMorrisView: return kRobertMorrisRows;
    default: return {};
  }
}

void AccumulateRowStats(Currency value, int16_t& count, Currency& low, Currency& high, Currency& sum) {
  count = static_cast<int16_t>(count + 1);
  if (low.IsZero() || value < low) low = value;
  if (count == 1 || value > high) high = value;
  sum = Currency::FromRaw(sum.raw + value.raw);
}

std::optional<Currency> RowAverage(Currency sum, int16_t count) {
  if (sum.IsZero() || count <= 0) return std::nullopt;
  // To currency first, then to two decimals, each exact on the decimal
  // value; the first step never moves a half, as the sum has two decimals.
  const int64_t four = *RoundQuotient(sum.raw, count, 0, Rounding::HalfEven);
  const int64_t two = *RoundQuotient(four, 100, 0, Rounding::HalfUp);
  return FromHundredths(two);
}

CompareResult ComputeDunBradstreetComparison(const SharedState& s) {
  return ComputeIndustry(s, kDunBradstreetSection, kDunBradstreetLastRow, kDunBradstreetRows);
}

CompareResult ComputePrenticeHallComparison(const SharedState& s) {
  return ComputeIndustry(s, kPrenticeHallSection, kPrenticeHallLastRow, kPrenticeHallRows);
}

CompareResult ComputeRobertMorrisComparison(const SharedState& s) {
  return ComputeIndustry(s, kRobertMorrisSection, kRobertMorrisLastRow, kRobertMorrisRows);
}

}  // namespace morvadel
