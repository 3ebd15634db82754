#pragma once
// The ratio catalogue: for each ratio code its item rows, bilingual names,
// grid labels, kind texts and decimals, and the order in which the ratio
// window steps through the selectable ratios. Plain C++, no Qt.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace morvadel {

struct RatioEntry {
  int16_t code;
  std::string_view nameHr;  // the ratio window's title
  std::string_view nameEn;
  int numeratorRow;    // ItemTable row; 0 = none (code 39)
  int denominatorRow;  // ItemTable row; 0 = none (code 39)
  int decimals;        // 2, or 0 for the day counts 34, 36, 38
  std::string_view numeratorHr;  // label of grid row 2
  std::string_view denominatorHr;  // label of grid row 3
  std::string_view numeratorEn;
  std::string_view denominatorEn;
  std::string_view kindHr;  // RatioKindText: grid row 4 and the ratio chart
  std::string_view kindEn;
  // Label of the English numerator chart; differs from numeratorEn only for
  // code 27, whose grid label is too long for the chart.
  std::string_view numeratorChartEn;
};

// All 33 entries (32 selectable and code 39, which has names only), in code
// order.
std::span<const RatioEntry> RatioCatalogue();

// The entry of a code, or nullptr when the catalogue has none.
const RatioEntry* FindRatio(int16_t code);

// The 32 selectable codes in the order of forward and back navigation.
inline constexpr std::array<int16_t, 32> kSelectableRatioCodes = {
    11, 12, 13, 14,                      // liquidity
    21, 22, 23, 24, 25, 26, 27,          // leverage
    31, 32, 33, 34, 35, 36, 37, 38,      // activity (39 is never shown)
    41, 42, 43, 44, 45, 46,              // profitability
    51, 52, 53, 54, 55, 56, 57};         // efficiency

bool IsSelectableRatio(int16_t code);

// Forward and back over kSelectableRatioCodes: 57 forward and 11 back stay
// where they are; 38 forward gives 41 and 41 back gives 38. A code outside
// the list moves to the nearest selectable code in that direction (39
// forward gives 41, back 38) and stays when there is none.
int16_t NextRatioCode(int16_t code);
int16_t PreviousRatioCode(int16_t code);

// After forward or back the window offers the real/average toggle only for
// these codes: 31, 32, 33, 35, 37.
bool OffersAverageAfterNavigation(int16_t code);

// Catalogue texts by language (1 Croatian, 2 English). A code without an
// entry, or a language that is neither, gives "".
std::string_view RatioTitle(int16_t code, int16_t language);
std::string_view RatioTitleHr(int16_t code);
std::string_view RatioTitleEn(int16_t code);
std::string_view NumeratorLabel(int16_t code, int16_t language);
std::string_view DenominatorLabel(int16_t code, int16_t language);
std::string_view RatioKind(int16_t code, int16_t language);
std::string_view NumeratorChartLabel(int16_t code, int16_t language);

}  // namespace morvadel
