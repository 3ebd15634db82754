#include "row_names.h"

#include "labels.h"
#include "message_parts.h"

namespace morvadel {

namespace {

bool Blank(const std::string& t) { return t.find_first_not_of(' ') == std::string::npos; }

std::string Trimmed(const std::string& t) {
  const size_t first = t.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return t.substr(first, t.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string RowName(const SharedState& s, int row, int16_t language) {
  const bool hr = language == kCroatian;
  const int sheet = row / 100;
  const int k = row % 100;
  if (sheet >= 1 && sheet <= 5 && k >= 1) {
    auto list = StatementLabels(sheet, language);
    if (static_cast<size_t>(k) <= list.size() && !Blank(list[static_cast<size_t>(k) - 1])) {
      const SheetTitle& title = kStatementTitles[sheet - 1];
      return Trimmed(list[static_cast<size_t>(k) - 1]) + " (" + (hr ? title.hr : title.en) + ")";
    }
  }
  // Rows below 100 hold the amounts the recalculation derives for the
  // analyses; their label column is a scratch list, never their own.
  if (row >= 100 && row < ItemTableT::kRows) {
    const std::string own = Trimmed(ItemText(s, row, hr ? kLabelHrColumn : kLabelEnColumn));
    if (!own.empty()) return own;
  }
  return hr ? "Iznos izračunat za analize" : "An amount computed for the analyses";
}

std::string PeriodName(const SharedState& s, int period, int16_t language) {
  std::string text = language == kCroatian ? "razdoblje " : "period ";
  text += RomanPeriod(period);
  if (period < 1 || period > 6) return text;
  // A name is a cell's text: a hand-edited file may hold pages of it.
  const std::string name = Trimmed(ShortForMessage(Trimmed(ItemText(s, 101, period))));
  if (!name.empty()) text += " (" + name + ")";
  return text;
}

std::string PlaceName(const std::string& what, const SharedState& s, int period, int16_t language) {
  return what + ", " + PeriodName(s, period, language);
}

}  // namespace morvadel
