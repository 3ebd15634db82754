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
  const bool statement = sheet >= 1 && sheet <= 5;
  const std::string title = statement ? std::string(hr ? kStatementTitles[sheet - 1].hr : kStatementTitles[sheet - 1].en) : "";
  if (statement && k >= 1) {
    auto list = StatementLabels(sheet, language);
    if (static_cast<size_t>(k) <= list.size() && !Blank(list[static_cast<size_t>(k) - 1]))
      return Trimmed(list[static_cast<size_t>(k) - 1]) + " (" + title + ")";
  }
  // Rows below 100 hold the amounts the recalculation derives for the
  // analyses; their label column is a scratch list, never their own.
  if (row >= 100 && row < ItemTableT::kRows) {
    // The label columns travel with the file: at most a line of them.
    const std::string own = Trimmed(ShortForMessage(Trimmed(ItemText(s, row, hr ? kLabelHrColumn : kLabelEnColumn))));
    if (!own.empty()) return own;
  }
  if (statement) {
    // A row of the sheet without a label can still be typed into: it is
    // found by counting down the sheet. Other stored rows only a
    // hand-edited file fills.
    if (k >= 1 && k <= kStatementSheetRows[sheet - 1])
      return (hr ? "Redak " + std::to_string(k) + " bez naziva (" : "Row " + std::to_string(k) + " without a label (") +
             title + ")";
    return (hr ? "Iznos koji list ne prikazuje (" : "An amount no sheet shows (") + title + ")";
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
