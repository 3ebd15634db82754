#include "ratio_engine.h"

#include <limits>
#include <optional>

#include "model/check.h"
#include "model/number.h"
#include "model/row_names.h"
#include "ratios/ratio_catalogue.h"

namespace morvadel {

RatioResult::RatioResult() {
  for (auto& row : rows) row.fill(" ");
}

std::string& RatioResult::cell(int row, int col) {
  MORVADEL_CHECK(row >= 2 && row <= 5 && col >= 0 && col <= 6);
  return rows[static_cast<size_t>(row - 2)][static_cast<size_t>(col)];
}

const std::string& RatioResult::cell(int row, int col) const {
  MORVADEL_CHECK(row >= 2 && row <= 5 && col >= 0 && col <= 6);
  return rows[static_cast<size_t>(row - 2)][static_cast<size_t>(col)];
}

std::string RatioResult::ProblemMessage() const {
  std::string text;
  for (const RatioProblem& p : problems) {
    if (!text.empty()) text += '\n';
    text += p.message;
  }
  return text;
}

namespace {

constexpr int kPlaces = Currency::kPlaces;

const char* const kPeriodNames[] = {"", "I", "II", "III", "IV", "V", "VI"};

int64_t Pow10(int n) {
  int64_t p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

// A four-decimal currency value rounded half up to `digits` decimals, exactly
// on its decimal value (what RoundHalfUp does to the double of it).
std::optional<Currency> RoundHalfUpRaw(int64_t raw, int digits) {
  const int64_t step = Pow10(kPlaces - digits);
  auto units = RoundQuotient(raw, step, 0, Rounding::HalfUp);
  if (!units) return std::nullopt;
  const Int128 scaled = static_cast<Int128>(*units) * step;
  if (scaled > std::numeric_limits<int64_t>::max() || scaled < std::numeric_limits<int64_t>::min())
    return std::nullopt;
  return Currency::FromRaw(static_cast<int64_t>(scaled));
}

std::string ValueText(const SharedState& s, Currency v) {
  return FormatScaled(v.raw, kPlaces, s.DecimalMark);
}

// The message names the figure as the window's grid does: the numerator or
// denominator by its label, a result by the ratio's kind text.
std::string ProblemText(const SharedState& s, RatioProblemKind kind, int row, int period) {
  const int16_t language = s.Language == kCroatian ? kCroatian : kEnglish;
  const bool hr = language == kCroatian;
  const int16_t code = s.RatioCode;
  std::string what;
  if (kind == RatioProblemKind::ResultOutOfRange) {
    what = std::string(RatioKind(code, language));
    if (what.empty()) what = std::string(RatioTitle(code, language));
  } else if (const RatioEntry* e = FindRatio(code)) {
    if (row == e->numeratorRow) what = std::string(NumeratorLabel(code, language));
    else if (row == e->denominatorRow) what = std::string(DenominatorLabel(code, language));
  }
  while (!what.empty() && what.back() == ' ') what.pop_back();
  while (!what.empty() && what.front() == ' ') what.erase(what.begin());
  if (what.empty()) what = RowName(s, row, language);
  const std::string place = PlaceName(what, s, period, language) + ": ";
  const std::string outcome = hr ? " Razdoblje je prikazano bez vrijednosti." : " The period is shown without a value.";
  switch (kind) {
    case RatioProblemKind::NotNumber:
      return place + (hr ? "upisana vrijednost nije broj." : "the entry is not a number.") + outcome;
    case RatioProblemKind::OutOfRange:
      return place + (hr ? "broj je izvan dopuštenog raspona." : "the number is out of range.") + outcome;
    case RatioProblemKind::NoAverage: {
      const std::string previous = PeriodName(s, period - 1, language);
      return place +
             (hr ? "prosjek nije moguće izračunati: nazivnik za " + previous + " nije moguće pročitati."
                 : "no average can be formed: the denominator of " + previous + " could not be read.") +
             outcome;
    }
    case RatioProblemKind::ResultOutOfRange:
      return place + (hr ? "rezultat je izvan dopuštenog raspona." : "the result is out of range.") + outcome;
  }
  return {};
}

void AddProblem(const SharedState& s, RatioResult& out, RatioProblemKind kind, int row, int otherRow,
                int period) {
  out.problems.push_back(RatioProblem{kind, row, otherRow, period, ProblemText(s, kind, row, period)});
}

// Steps 3 and 4 of a period: the cell as currency through CurrencyScratch.
// Row 0 means "no row" and reads as empty. A cell that cannot be read gives
// 0 and a problem.
bool ReadCell(SharedState& s, int row, int period, Currency& into, RatioResult& out) {
  s.CurrencyScratch = Currency{};
  into = Currency{};
  bool ok = true;
  if (row > 0) {
    Converted<Currency> c = ToCurrency(s.ItemTable(row, period), s.DecimalMark);
    if (c.ok()) {
      s.CurrencyScratch = c.value;
    } else {
      AddProblem(s, out,
                 c.status == ConvStatus::NotNumber ? RatioProblemKind::NotNumber
                                                   : RatioProblemKind::OutOfRange,
                 row, 0, period);
      ok = false;
    }
  }
  into = s.CurrencyScratch;
  return ok;
}

}  // namespace

bool Pros(SharedState& s, int period) {
  MORVADEL_CHECK(period >= 2 && period <= kRatioPeriods);
  Currency& den = s.RatioPeriods(kDenominatorField, period);
  s.RealDenominators(kDenominatorField, period) = den;
  if (!den.IsZero()) {
    // The mean of two currency values always fits; only its rounding can
    // step past the range's very edge.
    const Int128 sum = static_cast<Int128>(s.RealDenominators(kDenominatorField, period - 1).raw) + den.raw;
    auto mean = RoundQuotient(sum, 2, 0, Rounding::HalfEven);
    if (!mean) return false;
    den = Currency::FromRaw(*mean);
  }
  s.RoundArg = den.ToDouble();
  auto whole = RoundHalfUpRaw(den.raw, 0);
  if (!whole) return false;
  den = *whole;
  return true;
}

void Napuni(SharedState& s, int numeratorRow, int denominatorRow, RatioResult& out) {
  const int16_t code = s.RatioCode;
  if (s.Language == kCroatian) {
    s.NumeratorLabelHr = std::string(NumeratorLabel(code, kCroatian));
    s.RatioKindText = std::string(RatioKind(code, kCroatian));
    s.DenominatorLabelHr = std::string(DenominatorLabel(code, kCroatian));
    out.cell(2, 0) = s.NumeratorLabelHr;
    out.cell(3, 0) = s.DenominatorLabelHr;
  } else if (s.Language == kEnglish) {
    s.NumeratorLabelEn = std::string(NumeratorLabel(code, kEnglish));
    s.RatioKindText = std::string(RatioKind(code, kEnglish));
    s.DenominatorLabelEn = std::string(DenominatorLabel(code, kEnglish));
    out.cell(2, 0) = s.NumeratorLabelEn;
    out.cell(3, 0) = s.DenominatorLabelEn;
  }
  if (s.Language == kCroatian || s.Language == kEnglish) {
    out.ratioChart.rowLabel = s.RatioKindText;
    out.numeratorChart.rowLabel = std::string(NumeratorChartLabel(code, s.Language));
    out.denominatorChart.rowLabel = std::string(DenominatorLabel(code, s.Language));
  }
  out.cell(4, 0) = s.RatioKindText;

  const RatioEntry* entry = FindRatio(code);
  const int decimals = entry != nullptr ? entry->decimals : 2;
  const bool averaging = s.AverageMode == kFlagOn;
  auto& rp = s.RatioPeriods;
  std::array<bool, kRatioPeriods + 1> realKnown{};  // averaging: the period's denominator could be read

  for (int j = 1; j <= kRatioPeriods; ++j) {
    Currency& num = rp(kNumeratorField, j);
    Currency& den = rp(kDenominatorField, j);
    Currency& ratio = rp(kRatioField, j);
    Currency& dyn = rp(kDynamicsField, j);

    // A period without a value: every figure 0, every cell without a number.
    auto blankPeriod = [&] {
      num = den = ratio = dyn = Currency{};
      out.cell(2, j) = " ";
      out.cell(3, j) = " ";
      out.cell(4, j) = "";
      out.cell(5, j) = "";
    };
    auto dropPeriod = [&] {
      blankPeriod();
      AddProblem(s, out, RatioProblemKind::ResultOutOfRange, numeratorRow, denominatorRow, j);
    };

    const bool numOk = ReadCell(s, numeratorRow, j, num, out);
    const bool denOk = ReadCell(s, denominatorRow, j, den, out);
    // Every period's real denominator is kept as it is read, also where its
    // numerator cannot be read: the next period's average needs it.
    if (averaging) {
      s.RealDenominators(kDenominatorField, j) = den;
      realKnown[static_cast<size_t>(j)] = denOk;
    }
    // An unreadable cell leaves the whole period without a value.
    if (!numOk || !denOk) {
      blankPeriod();
      continue;
    }
    if (!num.IsZero()) out.cell(2, j) = ValueText(s, num);

    if (averaging && j > 1) {
      // Without the previous real denominator no average can be formed.
      if (!realKnown[static_cast<size_t>(j - 1)]) {
        blankPeriod();
        AddProblem(s, out, RatioProblemKind::NoAverage, denominatorRow, 0, j);
        continue;
      }
      if (!Pros(s, j)) {
        dropPeriod();
        continue;
      }
    }
    if (!den.IsZero()) out.cell(3, j) = ValueText(s, den);

    ratio = Currency{};
    s.RoundArg = 0.0;
    out.cell(4, j) = "";
    int64_t quotient = 0;
    if (!den.IsZero()) {
      auto q = RoundQuotient(num.raw, den.raw, kPlaces, Rounding::HalfEven);
      if (!q) {
        dropPeriod();
        continue;
      }
      quotient = *q;
      ratio = Currency::FromRaw(quotient);
      s.RoundArg = ratio.ToDouble();
    }
    // The rounding starts from the four-decimal quotient for every code.
    auto rounded = RoundHalfUpRaw(quotient, decimals);
    if (!rounded) {
      dropPeriod();
      continue;
    }
    ratio = *rounded;
    if (!ratio.IsZero()) out.cell(4, j) = ValueText(s, ratio);

    out.cell(5, 1) = "100";
    out.cell(5, j) = "";
    // Without a ratio in period I the index is taken against 1, but that 1
    // is only the divisor: period I keeps no ratio, so its chart point and
    // printed row show none.
    const Currency base = rp(kRatioField, 1);
    const int64_t divisor = base.IsZero() ? Currency::kScale : base.raw;
    auto d = RoundQuotient(static_cast<Int128>(100) * ratio.raw, divisor, kPlaces, Rounding::HalfEven);
    if (!d) {
      dropPeriod();
      continue;
    }
    dyn = Currency::FromRaw(*d);
    if (!dyn.IsZero()) {
      s.RoundArg = dyn.ToDouble();
      auto dr = RoundHalfUpRaw(dyn.raw, 2);
      if (!dr) {
        dropPeriod();
        continue;
      }
      dyn = *dr;
    }
    if (!dyn.IsZero()) out.cell(5, j) = ValueText(s, dyn);
  }
  // Period I's index always reads 100, whatever the periods held.
  out.cell(5, 1) = "100";
}

void UbaciBrojke(SharedState& s, RatioResult& out) {
  int numeratorRow = 0;
  int denominatorRow = 0;
  if (const RatioEntry* e = FindRatio(s.RatioCode)) {
    numeratorRow = e->numeratorRow;
    denominatorRow = e->denominatorRow;
  }
  Napuni(s, numeratorRow, denominatorRow, out);
}

std::string RatioLegendText(const SharedState& s, int period) {
  MORVADEL_CHECK(period >= 1 && period <= kRatioPeriods);
  auto blank = [](const std::string& t) { return t.find_first_not_of(' ') == std::string::npos; };
  for (int row : {1, 101}) {
    std::string text = ItemText(s, row, period);
    if (!blank(text)) return text;
  }
  return kPeriodNames[period];
}

RatioResult LoadRatio(SharedState& s) {
  RatioResult out;
  out.title = std::string(RatioTitle(s.RatioCode, s.Language));
  if (s.Language == kCroatian) out.cell(5, 0) = "Dinamika I = 100";
  if (s.Language == kEnglish) out.cell(5, 0) = "Dynamics 1st = 100";
  UbaciBrojke(s, out);
  for (int j = 1; j <= kRatioPeriods; ++j) {
    const auto k = static_cast<size_t>(j - 1);
    out.ratioChart.values[k] = ValueText(s, s.RatioPeriods(kRatioField, j));
    out.numeratorChart.values[k] = ValueText(s, s.RatioPeriods(kNumeratorField, j));
    out.denominatorChart.values[k] = ValueText(s, s.RatioPeriods(kDenominatorField, j));
  }
  return out;
}

}  // namespace morvadel
