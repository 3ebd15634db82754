#pragma once
// The graph buffers behind the two graph windows, without the windows:
// the common-size groups (one item group of the common-size balance sheet or
// income statement for one period) and the value graphs (up to five accounts
// of the three statements over periods I..VI).
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/shared_state.h"

namespace morvadel {

inline constexpr int kGraphSlots = 5;

// The series colours of slots 1..5, shared by the grids' coloured cells,
// the charts and the printed legend keys.
struct Rgb {
  int r, g, b;
};
Rgb SlotColour(int slot);  // 1..5; black outside

// The one conversion of a buffer cell to currency; a text that does not
// read as a number, or a number beyond the currency range, is refused.
Converted<Currency> ReadGraphValue(const SharedState& s, const Cell& cell);

// Period numerals I..VI (1..6); "" outside.
const char* PeriodNumeral(int period);
// What a chart calls a period: its name from item row 101, or its numeral
// while it has none.
std::string PeriodChartLabel(const SharedState& s, int period);

// ---- common-size groups ----------------------------------------------------

inline constexpr int16_t kGraphGridCols = 2;
inline constexpr int16_t kGraphGridRows = 13;
inline constexpr int16_t kFirstGraphGroup = 51;  // Assets, the group the graphs open with
inline constexpr int16_t kBalanceGraphSection = 500;
inline constexpr int16_t kIncomeGraphSection = 600;

struct GraphGroup {
  int16_t code;         // ReportCode 51..58, 61..63
  int16_t sectionBase;  // 500 balance-sheet groups, 600 income-statement groups
  const char* titleHr;  // the window title and the group button's caption
  const char* titleEn;
  std::array<int, kGraphSlots> items;  // statement rows in slot order; 0 = unused slot

  int ItemCount() const;
  // The common-size section the values come from: 900 or 1000.
  int ValueSection() const { return sectionBase == kBalanceGraphSection ? 900 : 1000; }
};

// Every group the window can load, 53 (net property, which no button
// opens) included.
std::span<const GraphGroup> GraphGroups();
// The group of a ReportCode; nullptr when none.
const GraphGroup* GraphGroupOf(int code);

// The settings a group button writes before the window shows itself again:
// the grid shape (2 x 13, one fixed row and column), ReportCode, ReportTitle
// in the current language and SectionBase. Unknown codes change nothing.
void SetGraphGroupSettings(SharedState& s, int code);

// The period heading of grid cell (0, 1); the one for V is a character
// shorter than the others.
const char* GraphPeriodHeading(int period);

// The buffer part of the load, after the group's label list has been
// loaded into column 0 of rows 1..99: clears ChartLabels(0..12, 0) and
// ChartValues(0..12, 1), then for each item k of the group ChartLabels(k + 2,
// 0) := the label of its row and ChartValues(k + 2, 1) := the common-size
// percentage of the period as currency. A code without a group loads
// nothing; a cell that cannot be read counts as 0.
void LoadGraphGroup(SharedState& s, int code, int period);

// ---- value graphs ------------------------------------------------------------

inline constexpr int kBalanceSheetList = 1;
inline constexpr int kIncomeStatementList = 2;
inline constexpr int kCashFlowList = 3;

// The item rows of list 1..3 in list order: the code-to-row tables (list
// code 200, 300 or 400 plus the position).
std::span<const int> AccountRows(int list);
int ListCodeBase(int list);  // 200, 300, 400
// The item row of a list code; 0 when the code is in none of the tables.
int MapCodeToRow(int listCode);

struct AccountItem {
  int position;  // in the code-to-row table: the list code is base + position
  int row;
  std::string label;
};
// The accounts a list offers: the table's rows whose label in the current
// language (column 15 or 16) is not empty, in table order. With the labels
// of the catalogue, position and place in the list are the same.
std::vector<AccountItem> AccountListItems(const SharedState& s, int list);

// Writes up to five list codes into the slots of SelectedAccounts in the
// order given (callers give list order); the other slots get 0.
void AssignAccountSlots(SharedState& s, std::span<const int> listCodes);

// A period cell of a picked account that could not be read; it counts as 0.
struct ValueGraphProblem {
  int slot;
  int row;
  int period;
  ConvStatus status;
};

struct ValueGraphFill {
  int filled = 0;  // slots with a list code
  std::vector<ValueGraphProblem> problems;
};

// The OK of the value-graph options after the slots are assigned: clears
// ChartValues(1..13, 1..10) and ChartLabels(1..13, 0), then for each filled
// slot k maps its code to ItemRow and copies every non-empty period cell
// into ChartValues(k + 1, p) and the account's label into ChartLabels(k + 1,
// 0).
ValueGraphFill FillValueGraphBuffers(SharedState& s);

// One message naming each account and period that could not be read, in
// the current language; "" when there are none.
std::string DescribeValueGraphProblems(const SharedState& s, const ValueGraphFill& fill);

}  // namespace morvadel
