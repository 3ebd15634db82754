#pragma once
// The bilingual row labels of the item table. A statement loader clears the
// scratch list (column 0 of rows 1..99), writes its list from row 1 and copies
// it into the section's label column of its language (15 Croatian, 16
// English); an industry loader clears and writes from row 0 and copies
// nothing; a summary loader writes rows 1..27 only. None reads Language.
#include <span>
#include <string_view>

#include "shared_state.h"

namespace morvadel {

void FillGeneralLabelsHr(SharedState& s);
void FillGeneralLabelsEn(SharedState& s);
void FillBalanceSheetLabelsHr(SharedState& s);
void FillBalanceSheetLabelsEn(SharedState& s);
void FillIncomeStatementLabelsHr(SharedState& s);
void FillIncomeStatementLabelsEn(SharedState& s);
void FillCashFlowLabelsHr(SharedState& s);
void FillCashFlowLabelsEn(SharedState& s);
void FillExpenseLabelsHr(SharedState& s);
void FillExpenseLabelsEn(SharedState& s);
void FillDunBradstreetLabels(SharedState& s);
void FillPrenticeHallLabels(SharedState& s);
void FillRobertMorrisLabels(SharedState& s);
void FillSummaryLabelsHr(SharedState& s);
void FillSummaryLabelsEn(SharedState& s);

// The statement sheets: 1 general data, 2 balance sheet, 3 income statement,
// 4 cash flow, 5 expense details (the ReportCode of the entry window).
// Runs the loader of the sheet in the given language (1 or 2).
void FillStatementLabels(SharedState& s, int sheet, int16_t language);

// The titles of the statement sheets 1..5, Croatian and English.
struct SheetTitle {
  const char* hr;
  const char* en;
};
inline constexpr SheetTitle kStatementTitles[5] = {
    {"Opći podaci", "General Data"},
    {"Bruto bilanca", "Balance Sheet"},
    {"Račun dobiti i gubitaka", "Income Statement"},
    {"Novčani tijek - indirektna metoda", "Cash Flow - Indirect Method"},
    {"Troškovi", "Expenses"},
};
// The data rows each statement sheet shows (grid rows 1 to n, under the
// column heads).
inline constexpr int kStatementSheetRows[5] = {13, 52, 32, 50, 14};

// A statement list itself (row r of the list is element r - 1).
std::span<const char* const> StatementLabels(int sheet, int16_t language);

// The condensed summary label of row 1..27 in a language (1 Croatian,
// otherwise English), whatever the scratch list holds now; "" for any other
// row.
const char* SummaryLabel(int row, int16_t language);

// The numeral of period 1..6: "I" to "VI"; "?" for any other number.
const char* RomanPeriod(int period);

}  // namespace morvadel
