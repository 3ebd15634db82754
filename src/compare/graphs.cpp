#include "compare/graphs.h"

#include <algorithm>
#include <iterator>

#include "model/labels.h"
#include "model/message_parts.h"
#include "model/row_names.h"

namespace morvadel {

namespace {

constexpr Rgb kSlotColours[kGraphSlots] = {
    {255, 64, 64}, {64, 255, 64}, {128, 128, 255}, {255, 255, 64}, {255, 64, 255}};

constexpr const char* kNumerals[] = {"", "I", "II", "III", "IV", "V", "VI"};

constexpr GraphGroup kGroups[] = {
    {51, kBalanceGraphSection, "Imovina (Aktiva)", "Assets", {11, 16, 18, 19, 20}},
    {52, kBalanceGraphSection, "Tekuća imovina", "Current Assets", {5, 6, 7, 8, 9}},
    {53, kBalanceGraphSection, "Fiksna imovina", "Net Property", {13, 14, 0, 0, 0}},
    {54, kBalanceGraphSection, "Obveze i vlasnička glavnica", "Liabilities And Stockholders Equity",
     {40, 48, 0, 0, 0}},
    {55, kBalanceGraphSection, "Obveze", "Liabilities", {33, 39, 0, 0, 0}},
    // Five slots for the six current liabilities: short term debt (26) is
    // not among them.
    {56, kBalanceGraphSection, "Tekuće obveze", "Current Liabilities", {27, 28, 29, 30, 31}},
    {57, kBalanceGraphSection, "Dugoročne obveze", "Long Term Liabilities", {35, 36, 37, 0, 0}},
    {58, kBalanceGraphSection, "Vlasnička glavnica", "Shareholdes Equity", {42, 43, 44, 45, 0}},
    {61, kIncomeGraphSection, "Ukupni prihodi", "Total Revenues", {3, 13, 15, 0, 0}},
    {62, kIncomeGraphSection, "Ukupni troškovi", "Total Expenses", {4, 8, 9, 14, 16}},
    {63, kIncomeGraphSection, "Ukupna dobit", "Earnings", {30, 31, 32, 0, 0}},
};

constexpr const char* kPeriodHeadings[] = {"         I   ", "         II  ", "        III  ",
                                           "         IV  ", "         V  ",  "         VI  "};

// The buffers' rows the common-size graph window clears (its grid's rows).
constexpr int kGraphBufferRows = kGraphGridRows;

constexpr int kBalanceRows[] = {205, 206, 207, 208, 209, 211, 213, 214, 216, 218, 219, 220, 222, 226, 227, 228, 229,
                                230, 231, 233, 235, 236, 237, 239, 240, 242, 243, 244, 245, 247, 248, 250, 252};
constexpr int kIncomeRows[] = {303, 304, 306, 308, 309, 311, 313, 314, 315, 316,
                               318, 319, 321, 323, 325, 327, 328, 330, 331, 332};
constexpr int kCashFlowRows[] = {404, 408, 409, 410, 411, 412, 416, 417, 418, 419, 420, 421, 422, 423, 425, 428,
                                 429, 430, 431, 433, 437, 438, 439, 440, 441, 442, 443, 445, 447, 448, 450};

// A label cell counts as empty when it holds nothing or the empty text.
bool EmptyLabel(const Cell& c) { return c.IsEmpty() || (c.IsText() && c.text().empty()); }

int LabelColumn(const SharedState& s) { return s.Language == kCroatian ? kLabelHrColumn : kLabelEnColumn; }

// The label a message names an account by: its label column, or the
// catalogue's label where the column is empty.
std::string AccountLabel(const SharedState& s, int row) {
  const std::string& own = s.ItemTable(row, LabelColumn(s)).text();
  if (!own.empty()) return own;
  const int sheet = row / 100;
  if (sheet < 2 || sheet > 4) return {};
  const auto list = StatementLabels(sheet, s.Language == kCroatian ? kCroatian : kEnglish);
  const int r = row % 100;
  return r >= 1 && r <= static_cast<int>(list.size()) ? list[r - 1] : std::string();
}

}  // namespace

Rgb SlotColour(int slot) { return slot >= 1 && slot <= kGraphSlots ? kSlotColours[slot - 1] : Rgb{0, 0, 0}; }

Converted<Currency> ReadGraphValue(const SharedState& s, const Cell& cell) { return ToCurrency(cell, s.DecimalMark); }

const char* PeriodNumeral(int period) { return period >= 1 && period <= 6 ? kNumerals[period] : ""; }

std::string PeriodChartLabel(const SharedState& s, int period) {
  if (period < 1 || period > 6) return {};
  std::string name = ItemText(s, 101, period);
  if (name.find_first_not_of(' ') == std::string::npos) name = PeriodNumeral(period);
  return name;
}

// ---- common-size groups ----------------------------------------------------

int GraphGroup::ItemCount() const {
  return static_cast<int>(std::count_if(items.begin(), items.end(), [](int r) { return r != 0; }));
}

std::span<const GraphGroup> GraphGroups() { return kGroups; }

const GraphGroup* GraphGroupOf(int code) {
  for (const GraphGroup& g : kGroups)
    if (g.code == code) return &g;
  return nullptr;
}

void SetGraphGroupSettings(SharedState& s, int code) {
  const GraphGroup* g = GraphGroupOf(code);
  if (!g) return;
  s.GridCols = kGraphGridCols;
  s.GridRows = kGraphGridRows;
  s.GridFixedCols = 1;
  s.GridFixedRows = 1;
  s.ReportCode = g->code;
  if (s.Language == kCroatian) s.ReportTitle = g->titleHr;
  if (s.Language == kEnglish) s.ReportTitle = g->titleEn;
  s.SectionBase = g->sectionBase;
}

const char* GraphPeriodHeading(int period) {
  return period >= 1 && period <= 6 ? kPeriodHeadings[period - 1] : "";
}

void LoadGraphGroup(SharedState& s, int code, int period) {
  for (int i = 0; i < kGraphBufferRows; ++i) {
    s.ChartLabels(i, 0) = Cell::Text("");
    s.ChartValues(i, 1) = Currency{};
  }
  const GraphGroup* g = GraphGroupOf(code);
  if (!g || period < 1 || period > 6) return;
  for (int k = 1; k <= kGraphSlots; ++k) {
    const int r = g->items[k - 1];
    if (r == 0) continue;
    s.ChartLabels(k + 2, 0) = s.ItemTable(r, kLabelColumn);
    const Converted<Currency> v = ReadGraphValue(s, s.ItemTable(g->ValueSection() + r, period));
    s.ChartValues(k + 2, 1) = v.ok() ? v.value : Currency{};
  }
}

// ---- value graphs ------------------------------------------------------------

std::span<const int> AccountRows(int list) {
  switch (list) {
    case kBalanceSheetList: return kBalanceRows;
    case kIncomeStatementList: return kIncomeRows;
    case kCashFlowList: return kCashFlowRows;
    default: return {};
  }
}

int ListCodeBase(int list) { return list >= 1 && list <= 3 ? 100 + 100 * list : 0; }

int MapCodeToRow(int listCode) {
  // Codes below 300 are the balance sheet's, as the window reads them.
  const int list = listCode < 300 ? kBalanceSheetList : listCode < 400 ? kIncomeStatementList
                                                       : listCode < 500 ? kCashFlowList : 0;
  const auto rows = AccountRows(list);
  const int position = listCode - ListCodeBase(list);
  if (position < 0 || position >= static_cast<int>(rows.size())) return 0;
  return rows[static_cast<size_t>(position)];
}

std::vector<AccountItem> AccountListItems(const SharedState& s, int list) {
  std::vector<AccountItem> items;
  if (s.Language != kCroatian && s.Language != kEnglish) return items;
  const auto rows = AccountRows(list);
  const int column = LabelColumn(s);
  for (size_t i = 0; i < rows.size(); ++i) {
    const Cell& label = s.ItemTable(rows[i], column);
    if (EmptyLabel(label)) continue;
    items.push_back({static_cast<int>(i), rows[i], CellText(label, s.DecimalMark)});
  }
  return items;
}

void AssignAccountSlots(SharedState& s, std::span<const int> listCodes) {
  for (int k = 1; k <= kGraphSlots; ++k) s.SelectedAccounts(1, k) = 0;
  int n = 0;
  for (int code : listCodes) {
    if (n == kGraphSlots) break;
    s.SelectedAccounts(1, ++n) = static_cast<int16_t>(code);
  }
}

ValueGraphFill FillValueGraphBuffers(SharedState& s) {
  ValueGraphFill fill;
  for (int r = 1; r <= 13; ++r) {
    for (int c = 1; c <= 10; ++c) s.ChartValues(r, c) = Currency{};
    s.ChartLabels(r, 0) = Cell::Text("");
  }
  const int labelColumn = LabelColumn(s);
  for (int k = 1; k <= kGraphSlots; ++k) {
    const int code = s.SelectedAccounts(1, k);
    if (code == 0) continue;
    const int row = MapCodeToRow(code);
    if (row != 0) s.SelectedAccounts(2, k) = static_cast<int16_t>(row);
    const int itemRow = s.SelectedAccounts(2, k);
    ++fill.filled;
    if (itemRow <= 0 || itemRow >= ItemTableT::kRows) continue;
    for (int p = 1; p <= 6; ++p) {
      const Cell& cell = s.ItemTable(itemRow, p);
      if (EmptyLabel(cell)) continue;  // nothing, or the empty text
      const Converted<Currency> v = ReadGraphValue(s, cell);
      s.ChartValues(k + 1, p) = v.ok() ? v.value : Currency{};
      if (!v.ok()) fill.problems.push_back({k, itemRow, p, v.status});
      if (s.Language == kCroatian || s.Language == kEnglish) s.ChartLabels(k + 1, 0) = s.ItemTable(itemRow, labelColumn);
    }
  }
  return fill;
}

std::string DescribeValueGraphProblems(const SharedState& s, const ValueGraphFill& fill) {
  if (fill.problems.empty()) return {};
  const bool hr = s.Language == kCroatian;
  std::string text = hr ? "Neke vrijednosti nije moguće pročitati i prikazane su kao 0:"
                        : "Some values could not be read and are shown as 0:";
  for (const ValueGraphProblem& p : fill.problems) {
    text += "\n";
    // At most a line of the label and of the period name: a hand-edited
    // file may hold pages of either.
    text += PlaceName(ShortForMessage(AccountLabel(s, p.row)), s, p.period, s.Language);
    if (p.status == ConvStatus::NotNumber)
      text += hr ? ": upisana vrijednost nije broj" : ": the entry is not a number";
    else
      text += hr ? ": broj je izvan dopuštenog raspona" : ": the number is out of range";
  }
  return text;
}

}  // namespace morvadel
