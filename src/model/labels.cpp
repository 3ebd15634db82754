#include "labels.h"

#include <iterator>

namespace morvadel {
namespace {

constexpr const char* const kGeneralHr[] = {
    "Razdoblje / Firma /",
    "Trajanje razdoblja u danima",
    "Broj zaposlenih u razdoblju / firmi",
    "Broj izdanih preferabilnih dionica",
    "Broj izdanih običnih dionica",
    "Trenutna tržišna cijena pref. dionice",
    "Trenutna tržišna cijena obične  dion",
};

constexpr const char* const kGeneralEn[] = {
    "Period / Company / ",
    "Period length in days",
    "Average number of employees in period",
    "Qty of preferred shares outstanding",
    "Qty of common shares outstanding",
    "Current market price of  preferred share",
    "Current market price of a common share",
};

constexpr const char* const kBalanceSheetHr[] = {
    "Razdoblje / Firma /",
    "",
    "Imovina (Aktiva)",
    "",
    "Novac i utržive vrijednosnice",
    "Potraživanja od kupaca",
    "Ukupne zalihe",
    "Unaprijed plaćeni troškovi",
    "Ostala tekuća imovina",
    "",
    "Ukupna tekuća imovina",
    "",
    "Imovina, postrojenja i oprema",
    "Akumulirana amortizacija",
    "",
    "Ukupno fiksna imovina",
    "",
    "Dugoročne investicije",
    "Ostala  ne tekuća imovina",
    "Ne materijalna imovina",
    "",
    "Ukupno imovina ",
    "",
    "Obveze i  vlasnička glavnica",
    "",
    "Kratkoročna zaduženja",
    "Tekući dio dugoročnih zaduženja",
    "Potraživanja dobavljača",
    "Dospjele obveze",
    "Porez na dobit",
    "Ostale tekuće obveze",
    "",
    "Ukupno tekuće obveze",
    "",
    "Dugoročna zaduženja",
    "Odgođeni porez na dobit",
    "Ostale ne tekuće obveze",
    "",
    "Ukupno dugoročne obveze",
    "Ukupno obveze",
    "",
    "Preferabilne dionice",
    "Obične dionice",
    "Zadržana dobit",
    "Ostale prilagodbe vlasničke glavnice",
    "",
    "Ukupna glavnica običnih dioničara",
    "Ukupna vlasnička glavnica",
    "",
    "Ukupno obveze i vlasnička glavnica",
    "",
    "Izvan bilance za:",
};

constexpr const char* const kBalanceSheetEn[] = {
    "Period / Company /",
    "",
    "Assets",
    "",
    "Cash and marketable securities",
    "Accounts receivables",
    "Inventories",
    "Prepaid expense",
    "Other current assets",
    "",
    "Total current assets",
    "",
    "Property,plant&equipment(Cost Val)",
    "Accumulated depreciation",
    "",
    "Net property",
    "",
    "Long term investments",
    "Other non current assets",
    "Intangible assets",
    "",
    "Total assets",
    "",
    "Liabilities & stockholders equity ",
    "",
    "Short term debt",
    "Current portion of long term debt",
    "Accounts payables",
    "Accrued liabilities",
    "Income taxes payable",
    "Other current liabilities",
    "",
    "Total current liabilities",
    "",
    "Long term debt",
    "Deferred income taxes",
    "Other non current liabilities",
    "",
    "Total long term liabilities",
    "Total liabilities",
    "",
    "Preferred stock",
    "Common stock",
    "Retained earnings",
    "Other equity adjustments",
    "",
    "Total common shareholders equity",
    "Total shareholdes equity",
    "",
    "Total liab. and shareholders equity",
    "",
    "Out of balance by:",
};

constexpr const char* const kIncomeStatementHr[] = {
    "Razdoblje / Firma /",
    "",
    "Neto prodaja",
    "Troškovi prodanih proizvoda",
    "",
    "Doprinos pokrića",
    "",
    "Troškovi prodaje",
    "Opći i administrativni troškovi",
    "",
    "Dobit iz redovnog poslovanja",
    "",
    "Ostali prihodi",
    "Ostali rashodi",
    "Dobit od kamata",
    "Troškovi  kamata",
    "",
    "Ukupni prihodi",
    "Ukupno troškovi",
    "",
    "Dobit prije oporezivanja (bruto)",
    "",
    "Porez na dobit",
    "",
    "Neto dobit",
    "",
    "Dobit iz vlasničkih udjela",
    "Izvanredne stavke",
    "",
    "Dividende za preferabilne dionice",
    "Dividende za obične dionice",
    "Zadržana dobit",
};

constexpr const char* const kIncomeStatementEn[] = {
    "Period / Company /",
    "",
    "Net sales",
    "Cost of goods sold",
    "",
    "Pre-tax profit",
    "",
    "Sales expenses",
    "General & admin. expenses",
    "",
    "Operating profit",
    "",
    "Other non operating income",
    "Other non operating expenses",
    "Interest on income",
    "Interest on expenses",
    "",
    "Total revenues",
    "Total expenses",
    "",
    "Pre-tax income",
    "",
    "Income tax ",
    "",
    "Net income",
    "",
    "Equity income",
    "Unforseen items",
    "",
    "Dividends on preferred stock",
    "Dividends on common stock",
    "Retained earnings",
};

constexpr const char* const kCashFlowHr[] = {
    "Razdolje / Firma /",
    "",
    "Redovne aktivnosti",
    "Neto dobit",
    "",
    "Prilagodbe",
    "",
    "Deprecijacija",
    "Amortizacija",
    "Kumulativni efekt knjigov. promjena",
    "Odgođeni porez  na dobit",
    "Ostale prilagodbe",
    "",
    "Promjene -  (Povečanje / Smanjenje)",
    "",
    "Potraživanja od kupaca",
    "Zalihe",
    "Unaprijed plaćeni troškovi",
    "Ostala kratkoročna imovina",
    "Potraživanja dobavljača",
    "Ostale kratkoročne obveze",
    "Porez na dobit",
    "Ostale operativne promjene",
    "",
    "Neto novac od redovnih aktivnosti",
    "",
    "Investicijske aktivnosti",
    "Pov./smanj. fiksne imovine",
    "Pov./smanj. ostale imovine",
    "Prodaja dugoročne imovine",
    "Ostale investicijske promjene",
    "",
    "Neto novac korišten za investicije",
    "",
    "Financijske aktivnosti",
    "",
    "Pov./smanj. kratkoročnog duga",
    "Pov./smanj. dugor.zaduženja kod banaka",
    "Pov./smanj. dugoročnih obveza",
    "Pov./smanj. upl.kap.za prefer. dionice",
    "Pov./smanj. upl.kap.za obične dionice",
    "Novac za dividende",
    "Ostale financijske promjene",
    "",
    "Neto novac korišten u finan. akt.",
    "",
    "Ukupno čisti novčani tok",
    "Novac na početku razdoblja",
    "",
    "Novac na kraju razdoblja",
};

constexpr const char* const kCashFlowEn[] = {
    "Period / Company /",
    "",
    "Operating activities",
    "Net income",
    "",
    "Adjustments",
    "",
    "Depreciation",
    "Amortisation",
    "Cumulativ effect of acc. changes",
    "Deferred income taxes",
    "Other adjustments",
    "",
    "Changes - (inc/dec.)",
    "",
    "Accts receivables",
    "Inventory",
    "Prepaid expenses",
    "Other current assets",
    "Accts payables",
    "Other current liabilities",
    "Income taxes",
    "Other operating change",
    "",
    "Net cash from oper.activit.",
    "",
    "Investing activities",
    "Inc/dec. fixed assets",
    "Inc/dec. other assets",
    "Disposition of prop.&equipment",
    "Other investing changes",
    "",
    "Net cash used in investing act",
    "",
    "Financing activities",
    "",
    "Inc/dec.short term debt",
    "In/dec. long term bank debt",
    "Inc/dec. long term liabilities",
    "Inc/dec.preferred paid in capital",
    "Inc/dec.common paid in capital",
    "Cash dividends",
    "Other financing changes",
    "",
    "Net cash used in financing act",
    "",
    "Net cash change",
    "Cash beginning of period",
    "",
    "Cash end of  period",
};

constexpr const char* const kExpenseHr[] = {
    "Razdoblje / Firma",
    "",
    "Amortizacija",
    "Depreciacia (pad vrijednosti)",
    "Smanjenje vrijednosti",
    "Sporna potraživanja",
    "Plaće i nadnice",
    "Naknade rukovodiocima",
    "Dodaci i naknade",
    "Dop. za penzije i učešće u profitu",
    "Kompenzacije vlasnicima",
    "Porezi i licence",
    "Najamnina",
    "Popravci i održavanje",
};

constexpr const char* const kExpenseEn[] = {
    "Period / Company /",
    "",
    "Amortisation",
    "Depreciation",
    "Depletion",
    "Bad debts",
    "Salaries & benefits",
    "Management fees",
    "Employee benefits",
    "Pensions and profit sharing",
    "Officer compensation",
    "Taxes and licenses",
    "Rent",
    "Repairs and maintenance",
};

constexpr const char* const kDunBradstreet[] = {
    "Ratio description",
    "",
    "Balance sheet",
    "",
    "Cash",
    "Accounts receivables",
    "Inventory",
    "Other current assets",
    "Total current assets",
    "Fixed assets",
    "Other non-current",
    "Total assets",
    "Accounts payable",
    "Bank loans & notes pay.",
    "Other current liabs.",
    "Total current liabs.",
    "Other long term",
    "Deferred credits",
    "Net worth",
    "Total liab. & net worth",
    "",
    "Income statement",
    "Net sales",
    "Pre-tax profit",
    "Net profit after tax",
    "",
    "Solvency ratios",
    "Quick ratio (times)",
    "Current ratio (times)",
    "Curr liab to NW (%)",
    "Curr liab to lnv (%)",
    "Total liab to NW (%)",
    "Fixed Assets to NW (%)",
    "",
    "Efficiency ratios",
    "Collection period (days)",
    "Sales to lnv (times)",
    "Assets to sales (%)",
    "Sales to NWC (times)",
    "Acct pay to sales (%)",
    "",
    "Profitability ratios",
    "Return on sales (%)",
    "Return on assets (%)",
    "Return on NW (%)",
};

constexpr const char* const kPrenticeHall[] = {
    "Ratio description",
    "",
    "Oper costs/inc - %sales",
    "Cost of operations",
    "Rent",
    "Taxes paid",
    "Interest paid",
    "Deprec/deplet/amortiz",
    "Pensions and oth benefits",
    "Other",
    "Officers compensation",
    "Operating margin",
    "Oper marg bef off. comp.",
    "",
    "Selected financial ratios",
    "Current ratio",
    "Quick ratio",
    "Net sales to working cap.",
    "Coverage ratio",
    "Total asset turnover",
    "Inventory turnover",
    "Receivables turnover",
    "Tot liab to net worth",
    "",
    "Selected financial %",
    "Debt ratio",
    "Return on assets",
    "Return on equity",
    "Return bef lnt on equity",
    "Profit margin  bef lnc tax",
    "Profit margin, aft lnc tax",
};

constexpr const char* const kRobertMorris[] = {
    "Ratio description",
    "",
    "Assets",
    "Cash & equivalents",
    "Trade receivables (net)",
    "Inventory",
    "All other current",
    "Total current",
    "Fixed assets (net)",
    "Intangibles (net)",
    "All other non-current",
    "Total assets",
    "",
    "Liabilities",
    "Notes payable (ST)",
    "Current maturities L/T/D",
    "Trade payables",
    "Income taxes payable",
    "All other current",
    "Total current",
    "Long-term debt",
    "All other non-current",
    "Net worth",
    "Tot. liab. & net worth",
    "",
    "Income data",
    "Net sales",
    "Pre-tax profit",
    "Operating & other exp",
    "Profit before taxes",
    "",
    "Ratios",
    "Current ratio",
    "Quick ratio",
    "Sales/receivables",
    "Cost of sales/inventory",
    "Cost of sales/payables",
    "Sales to working capital",
    "EBIT/interest",
    "Cash flow/cur. mat. L/T/D",
    "Fixed/worth",
    "Debt/worth",
    "% Pre-tax profit/tang NW",
    "% Pre-tax profit/assets",
    "Sales/net fixed assets",
    "Sales/total assets",
    "% Depre.depl.amort/aales",
    "% Officers' comp/aales",
};

constexpr const char* const kSummaryHr[] = {
    "Razdoblje",
    "Trajanje razdoblja u danima",
    "Novac i utržive vrijednosnice",
    "Potraživanja",
    "Ukupne zalihe",
    "Tekuća aktiva(imovina)",
    "Fiksna imovina ukupno",
    "Ukupna aktiva(imovina)",
    "Tekuće obveze",
    "Dugoročne obveze",
    "Ukupno obveze",
    "Vlastiti kapital(glavnica)",
    "Prihodi od prodaje",
    "Amortizacija",
    "Troškovi prodane robe (ukupno)",
    "Troškovi prodaje",
    "Opći i aministrativni troškovi",
    "Financijski prihodi",
    "Financijski rashodi",
    "Izvanredni prihodi",
    "Izvanredni rashodi",
    "Troškovi kamata",
    "Ukupno prihodi",
    "Ukupno troškovi",
    "Dobit prije oporezivanja",
    "Neto dobit (nakon oporezivanja)",
    "Zadržana dobit",
};

constexpr const char* const kSummaryEn[] = {
    "Period",
    "Period length in days",
    "Cash and marketable securities",
    "Accounts receivables",
    "Total supplies",
    "Total current assets",
    "Net property",
    "Total assets",
    "Total current liabilities",
    "Long term liabilities",
    "Total liabilities",
    "Total stockholders equity",
    "Net sales",
    "Depreciation",
    "Cost of goods sold (total)",
    "Sales expenses",
    "General and administrative expenses",
    "Financial income",
    "Financial expenses",
    "Extra income",
    "Extra expenses",
    "Interest on expenses",
    "Total income",
    "Total expenses",
    "Profit before income taxes",
    "Net profit after taxes",
    "Retained earnings",
};

void ClearScratchList(SharedState& s) {
  for (int r = 1; r <= 99; ++r) s.ItemTable(r, kLabelColumn) = Cell::Text("");
}

template <size_t N>
void FillStatement(SharedState& s, const char* const (&list)[N], int section, int labelColumn) {
  ClearScratchList(s);
  for (int r = 1; r <= static_cast<int>(N); ++r) s.ItemTable(r, kLabelColumn) = Cell::Text(list[r - 1]);
  for (int r = 1; r <= static_cast<int>(N); ++r)
    s.ItemTable(section + r, labelColumn) = s.ItemTable(r, kLabelColumn);
}

template <size_t N>
void FillIndustry(SharedState& s, const char* const (&list)[N]) {
  ClearScratchList(s);
  for (int r = 0; r < static_cast<int>(N); ++r) s.ItemTable(r, kLabelColumn) = Cell::Text(list[r]);
}

template <size_t N>
void FillSummary(SharedState& s, const char* const (&list)[N]) {
  for (int r = 1; r <= static_cast<int>(N); ++r) s.ItemTable(r, kLabelColumn) = Cell::Text(list[r - 1]);
}

}  // namespace

void FillGeneralLabelsHr(SharedState& s) { FillStatement(s, kGeneralHr, 100, kLabelHrColumn); }
void FillGeneralLabelsEn(SharedState& s) { FillStatement(s, kGeneralEn, 100, kLabelEnColumn); }
void FillBalanceSheetLabelsHr(SharedState& s) { FillStatement(s, kBalanceSheetHr, 200, kLabelHrColumn); }
void FillBalanceSheetLabelsEn(SharedState& s) { FillStatement(s, kBalanceSheetEn, 200, kLabelEnColumn); }
void FillIncomeStatementLabelsHr(SharedState& s) { FillStatement(s, kIncomeStatementHr, 300, kLabelHrColumn); }
void FillIncomeStatementLabelsEn(SharedState& s) { FillStatement(s, kIncomeStatementEn, 300, kLabelEnColumn); }
void FillCashFlowLabelsHr(SharedState& s) { FillStatement(s, kCashFlowHr, 400, kLabelHrColumn); }
void FillCashFlowLabelsEn(SharedState& s) { FillStatement(s, kCashFlowEn, 400, kLabelEnColumn); }
void FillExpenseLabelsHr(SharedState& s) { FillStatement(s, kExpenseHr, 500, kLabelHrColumn); }
void FillExpenseLabelsEn(SharedState& s) { FillStatement(s, kExpenseEn, 500, kLabelEnColumn); }
void FillDunBradstreetLabels(SharedState& s) { FillIndustry(s, kDunBradstreet); }
void FillPrenticeHallLabels(SharedState& s) { FillIndustry(s, kPrenticeHall); }
void FillRobertMorrisLabels(SharedState& s) { FillIndustry(s, kRobertMorris); }
void FillSummaryLabelsHr(SharedState& s) { FillSummary(s, kSummaryHr); }
void FillSummaryLabelsEn(SharedState& s) { FillSummary(s, kSummaryEn); }

const char* SummaryLabel(int row, int16_t language) {
  constexpr int kCount = static_cast<int>(std::size(kSummaryEn));
  if (row < 1 || row > kCount) return "";
  return (language == kCroatian ? kSummaryHr : kSummaryEn)[row - 1];
}

const char* RomanPeriod(int period) {
  static constexpr const char* kRoman[] = {"I", "II", "III", "IV", "V", "VI"};
  return period >= 1 && period <= 6 ? kRoman[period - 1] : "?";
}

void FillStatementLabels(SharedState& s, int sheet, int16_t language) {
  using Loader = void (*)(SharedState&);
  static constexpr Loader kHr[] = {FillGeneralLabelsHr, FillBalanceSheetLabelsHr, FillIncomeStatementLabelsHr,
                                   FillCashFlowLabelsHr, FillExpenseLabelsHr};
  static constexpr Loader kEn[] = {FillGeneralLabelsEn, FillBalanceSheetLabelsEn, FillIncomeStatementLabelsEn,
                                   FillCashFlowLabelsEn, FillExpenseLabelsEn};
  MORVADEL_CHECK(sheet >= 1 && sheet <= 5);
  if (language == kCroatian) kHr[sheet - 1](s);
  if (language == kEnglish) kEn[sheet - 1](s);
}

std::span<const char* const> StatementLabels(int sheet, int16_t language) {
  MORVADEL_CHECK(sheet >= 1 && sheet <= 5);
  const bool hr = language == kCroatian;
  switch (sheet) {
    case 1: return hr ? std::span<const char* const>(kGeneralHr) : std::span<const char* const>(kGeneralEn);
    case 2: return hr ? std::span<const char* const>(kBalanceSheetHr) : std::span<const char* const>(kBalanceSheetEn);
    case 3: return hr ? std::span<const char* const>(kIncomeStatementHr) : std::span<const char* const>(kIncomeStatementEn);
    case 4: return hr ? std::span<const char* const>(kCashFlowHr) : std::span<const char* const>(kCashFlowEn);
    default: return hr ? std::span<const char* const>(kExpenseHr) : std::span<const char* const>(kExpenseEn);
  }
}

}  // namespace morvadel
