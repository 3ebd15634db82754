#include "ratio_catalogue.h"

#include <algorithm>

#include "model/shared_state.h"

namespace morvadel {
namespace {

// Code, names, rows, decimals, grid labels (numerator and denominator,
// Croatian then English), kind texts, English numerator chart label.
constexpr RatioEntry kCatalogue[] = {
    {11, "Koeficijent tekuće likvidnosti", "Current Ratio", 211, 233, 2,
     "Tekuća imovina", "Tekuće obveze",
     "Current assets ", "Current liabilities",
     "Koeficijent", "Current Ratio", "Current assets "},
    {12, "Koeficijent ubrzane likvidnosti", "Quick Ratio", 51, 233, 2,
     "Brzo unovčiva imovina", "Tekuće obveze",
     "Cash, securities & receivables", "Current liabilities",
     "Koeficijent", "Quick Ratio", "Cash, securities & receivables"},
    {13, "Koeficijent trenutne likvidnosti", "Cash Ratio", 205, 233, 2,
     "Novac i utržive vrijed.", "Tekuće obveze",
     "Cash and marketable securities", "Current liabilities",
     "Koeficijent", "Cash Ratio", "Cash and marketable securities"},
    {14, "Koeficijent financijske stabilnosti", "Index of Financial Stability", 216, 52, 2,
     "Fiksna imovina", "Kapital + dug. obveze",
     "Net property ", "Equity+longterm liabilites",
     "Koeficijent", "Index of Financial Stability", "Net property "},
    {21, "Koeficijent zaduženosti", "Debt Ratio", 240, 222, 2,
     "Ukupne obveze", "Ukupna aktiva",
     "Total liabilities", "Total assets",
     "Koeficijent", "Debt Ratio", "Total liabilities"},
    {22, "Koeficijent vlastitog financiranja", "Coefficient of Self-Financing", 248, 222, 2,
     "Vlastiti kapital", "Ukupna aktiva",
     "Total stockholders equity", "Total assets",
     "Koeficijent", "Ratio", "Total stockholders equity"},
    {23, "Koeficijent financiranja", "Debt to Equity Ratio", 240, 248, 2,
     "Ukupne obveze", "Vlastiti kapital",
     "Total liabilities    ", "Ttl stockholders equity",
     "Koeficijent", "Ratio", "Total liabilities    "},
    {24, "Pokriće troškova kamata", "Times Interest Earned", 53, 316, 2,
     "Dobit prije por. + kam", "Troškovi kamata",
     "Pre-tax profit+interest", "Interest on expenses",
     "Pokriće troškova", "Ratio", "Pre-tax profit+interest"},
    {25, "Faktor zaduženosti", "Debt Factor", 240, 54, 2,
     "Ukupne obveze", "Neto dobit + kamate",
     "Total liabilities", "Net income+interest exp.",
     "Faktor zaduženosti", "Ratio", "Total liabilities"},
    {26, "Stupanj pokrića (I)", "Liquidity Ratio (I)", 248, 216, 2,
     "Vlastiti kapital", "Fiksna imovina",
     "Total stockholders equity", "Net property",
     "Stupanj pokrića", "Ratio", "Total stockholders equity"},
    {27, "Stupanj pokrića (II)", "Liquidity Ratio (II)", 55, 216, 2,
     "Vl.kapital+dug.obveze", "Fiksna imovina",
     "Net property+Long term liabil", "Net property",
     "Stupanj pokrića", "Ratio", "Net property+L.term liabilit."},
    {31, "Koeficijent obrtaja ukupnih sredstava", "Total Assets Turnover Ratio", 303, 222, 2,
     "Prihodi od prodaje", "Ukupna aktiva",
     "Net sales", "Total assets",
     "Koeficijent", "Ratio", "Net sales"},
    {32, "Koeficijent obrtaja obrtnih sredstava", "Working Capital Turnover Ratio", 303, 211, 2,
     "Prihodi od prodaje", "Obrtna sredstva",
     "Net sales", "Working capital",
     "Koeficijent", "Ratio", "Net sales"},
    {33, "Koeficijent obrtaja zaliha", "Inventory Turnover Ratio", 304, 207, 2,
     "Vrijed.prodane robe", "Ukupne zalihe",
     "Sold goods value", "Total inventory",
     "Koeficijent", "Ratio (times)", "Sold goods value"},
    {34, "Prosječno vrijeme obrta zaliha", "Inventory Processing Period", 102, 56, 0,
     "Trajanje razdoblja dana", "Koef. obrtaja zaliha",
     "Period length (Days)", "Inventory turnover (3.3)",
     "Prosj. vrijeme obrta dana", "Inv. Proc. Period (Days)", "Period length (Days)"},
    {35, "Koeficijent obrtaja potraživanja", "Receivables Turnover Ratio", 303, 206, 2,
     "Prihodi od prodaje", "Potraživanja",
     "Net sales", "Receivables",
     "Koeficijent", "Ratio (times)", "Net sales"},
    {36, "Trajanje naplate potraživanja", "Receivables Collection Period", 102, 57, 0,
     "Trajanje razdoblja dana", "Koef. obrta potraživanja",
     "Period length (Days)", "Receivables turnover (3.5)",
     "Trajanje naplate dana", "Receivables Collection (Days)", "Period length (Days)"},
    {37, "Koeficijent obrta obveza", "Payables Turnover Ratio", 304, 233, 2,
     "Trošk. prodane robe", "Tekuće obveze",
     "Cost of goods sold", "Curent liabilities (payables)",
     "Koeficijent", "Ratio (times)", "Cost of goods sold"},
    {38, "Trajanje plaćanja u danima", "Payables Payment Period", 102, 58, 0,
     "Trajanje razdoblja dana", "Koef. obrta obveza",
     "Period length (Days)", "Payables turnover",
     "Trajanje plaćanja", "Payables Payment Period(Days)", "Period length (Days)"},
    {39, "Ciklus obrta novca", "Cash Conversion Cycle", 0, 0, 2,
     "Naplata+obrt zali.+plać", " ",
     "Receivables collection period  + Inventory processing period + Payables payment period", " ",
     "Ciklus obrta novca", "Ratio", "Receivables collection period  + Inventory processing period + Payables payment period"},
    {41, "Marža profita", "Profit Margin (Net)", 54, 303, 2,
     "Neto dobit + kamate", "Prihodi od prodaje",
     "Net income + interest", "Net sales",
     "Marža profita", "Ratio", "Net income + interest"},
    {42, "Marža profita (bruto)", "Profit Margin (Gross)", 306, 303, 2,
     "Bruto profit", "Prihodi od prodaje",
     "Pre-tax profit", "Net sales",
     "Marža profita (bruto)", "Ratio", "Pre-tax profit"},
    {43, "Operativna marža profita", "Operating Profit Margin", 311, 303, 2,
     "Operativni profit", "Prihodi od prodaje",
     "Operating profit", "Net sales",
     "Operativna marža", "Operating Profit Margin", "Operating profit"},
    {44, "Rentabilnost ukupnih sredstava (Neto)", "Return on Assets (Net)", 54, 222, 2,
     "Neto dobit + kamate", "Ukupna aktiva",
     "Net income + interest", "Total assets",
     "Rentabilnost", "Ratio", "Net income + interest"},
    {45, "Rentabilnost ukupnih sredstava (Bruto)", "Return on Assets (Gross) - ROA", 306, 222, 2,
     "Bruto profit", "Ukupna aktiva",
     "Pre-tax profit", "Total assets",
     "Rentabilnost", "Ratio", "Pre-tax profit"},
    {46, "Rentabilnost vlastitog kapitala", "Return on Total Equity", 325, 248, 2,
     "Neto dobit", "Vlastiti kapital",
     "Net income", "Total equity",
     "Rentabilnost", "Ratio", "Net income"},
    {51, "Akumulativnost", "Capital-generating Ability", 332, 222, 2,
     "Zadržana dobit", "Ukupna aktiva",
     "Retained earnings", "Total assets",
     "Akumulativnost", "Ratio", "Retained earnings"},
    {52, "Reproduktivna sposobnost", "Income-generating Capacity", 503, 222, 2,
     "Amortizacija", "Ukupna aktiva",
     "Depreciation ", "Total assets",
     "Reproduktivna sposob.", "Ratio", "Depreciation "},
    {53, "Ekonomičnost proizvodnje", "Production Efficiency", 303, 304, 2,
     "Prihodi od prodaje", "Troš. prodane robe",
     "Net sales", "Cost of goods sold",
     "Ekonomičnost", "Ratio", "Net sales"},
    {54, "Ekonomičnost poslovanja", "Business Efficiency", 318, 319, 2,
     "Ukupni prihodi", "Ukupni troškovi",
     "Total income", "Total expenses",
     "Ekonomičnost", "Ratio", "Total income"},
    {55, "Ekonomičnost prodaje", "Sales Efficiency", 303, 308, 2,
     "Prihodi od prodaje", "Troškovi prodaje",
     "Net sales", "Sales expenses",
     "Ekonomičnost", "Ratio", "Net sales"},
    {56, "Ekonomičnost financiranja", "Efficiency of Financial Activities", 315, 316, 2,
     "Financijski prihodi", "Financijski rashod",
     "Financial income", "Financial expenses",
     "Ekonomičnost", "Ratio", "Financial income"},
    {57, "Ekonomičnost izvanrednih aktivnosti", "Efficiency of Extra Activities", 313, 314, 2,
     "Izvanredni prihodi", "Izvanredni rashodi",
     "Extra income", "Extra expenses",
     "Ekonomičnost", "Ratio", "Extra income"},
};

constexpr int16_t kAveragedAfterNavigation[] = {31, 32, 33, 35, 37};

}  // namespace

std::span<const RatioEntry> RatioCatalogue() { return kCatalogue; }

const RatioEntry* FindRatio(int16_t code) {
  for (const RatioEntry& e : kCatalogue)
    if (e.code == code) return &e;
  return nullptr;
}

bool IsSelectableRatio(int16_t code) {
  return std::find(kSelectableRatioCodes.begin(), kSelectableRatioCodes.end(), code) !=
         kSelectableRatioCodes.end();
}

int16_t NextRatioCode(int16_t code) {
  auto it = std::upper_bound(kSelectableRatioCodes.begin(), kSelectableRatioCodes.end(), code);
  return it == kSelectableRatioCodes.end() ? code : *it;
}

int16_t PreviousRatioCode(int16_t code) {
  auto it = std::lower_bound(kSelectableRatioCodes.begin(), kSelectableRatioCodes.end(), code);
  return it == kSelectableRatioCodes.begin() ? code : *(it - 1);
}

bool OffersAverageAfterNavigation(int16_t code) {
  return std::find(std::begin(kAveragedAfterNavigation), std::end(kAveragedAfterNavigation), code) !=
         std::end(kAveragedAfterNavigation);
}

namespace {

std::string_view Pick(int16_t code, int16_t language, std::string_view RatioEntry::*hr,
                      std::string_view RatioEntry::*en) {
  const RatioEntry* e = FindRatio(code);
  if (e == nullptr) return {};
  if (language == kCroatian) return e->*hr;
  if (language == kEnglish) return e->*en;
  return {};
}

}  // namespace

std::string_view RatioTitle(int16_t code, int16_t language) {
  return Pick(code, language, &RatioEntry::nameHr, &RatioEntry::nameEn);
}
std::string_view RatioTitleHr(int16_t code) { return RatioTitle(code, kCroatian); }
std::string_view RatioTitleEn(int16_t code) { return RatioTitle(code, kEnglish); }

std::string_view NumeratorLabel(int16_t code, int16_t language) {
  return Pick(code, language, &RatioEntry::numeratorHr, &RatioEntry::numeratorEn);
}

std::string_view DenominatorLabel(int16_t code, int16_t language) {
  return Pick(code, language, &RatioEntry::denominatorHr, &RatioEntry::denominatorEn);
}

std::string_view RatioKind(int16_t code, int16_t language) {
  return Pick(code, language, &RatioEntry::kindHr, &RatioEntry::kindEn);
}

std::string_view NumeratorChartLabel(int16_t code, int16_t language) {
  return Pick(code, language, &RatioEntry::numeratorHr, &RatioEntry::numeratorChartEn);
}

}  // namespace morvadel
