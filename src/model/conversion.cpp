#include "conversion.h"

#include <filesystem>
#include <limits>

#include "labels.h"
#include "message_parts.h"
#include "number.h"
#include "row_names.h"

namespace morvadel {
namespace {

constexpr int64_t kUnit = Currency::kScale;  // one whole unit in currency
// The whole units a currency cell holds. Summary values are no statement
// amounts: no formula reads them, so they are not held to 32 bits.
constexpr int64_t kMaxAmount = std::numeric_limits<int64_t>::max() / kUnit;
constexpr int64_t kMinAmount = -kMaxAmount;

// Every number the two windows read, stored or typed, passes through the
// program's one reader here. An empty cell or a blank text is 0.
std::optional<Decimal> NumberIn(const Cell& cell, const SharedState& s) { return CellDecimal(cell, s.DecimalMark); }

// A typed number; a blank box is no number.
std::optional<Decimal> TypedNumber(std::string_view text, const SharedState& s) {
  const Cell typed = Cell::Text(std::string(text));
  if (typed.IsBlank()) return std::nullopt;
  return NumberIn(typed, s);
}

// One summary cell restated: the cell as currency, its product with a
// factor of `factorPlaces` decimals as currency, then whole units.
template <class Factor>
Restatement Restate(const SharedState& s, Factor factorOfPeriod, int factorPlaces) {
  Restatement out;
  Int128 factorScale = 1;
  for (int i = 0; i < factorPlaces; ++i) factorScale *= 10;
  for (int r = kFirstSummaryMoneyRow; r <= kLastSummaryMoneyRow; ++r)
    for (int c = kFirstPeriodColumn; c <= kLastPeriodColumn; ++c) {
      const auto value = NumberIn(s.ItemTable(r, c), s);
      if (!value) {
        out.error = {RestateError::Kind::NotNumber, r, c};
        return out;
      }
      const auto raw = RoundScaled(*value, Currency::kPlaces, Rounding::HalfEven);
      std::optional<int64_t> product;
      if (raw) product = RoundQuotient(Int128{*raw} * factorOfPeriod(c), factorScale, 0, Rounding::HalfEven);
      std::optional<int64_t> whole;
      if (product) whole = RoundQuotient(*product, kUnit, 0, Rounding::HalfUp);
      if (!whole || *whole < kMinAmount || *whole > kMaxAmount) {
        out.error = {RestateError::Kind::OutOfRange, r, c};
        return out;
      }
      out.values(r, c) = Currency::FromWhole(*whole);
    }
  return out;
}

// A message quotes at most a line of a typed or stored text.
std::string Quoted(std::string_view text) { return QuoteForMessage(text); }

const char* NothingChanged(int16_t language) {
  return language == kCroatian ? " Ništa nije promijenjeno." : " Nothing was changed.";
}

}  // namespace

std::optional<Currency> ReadExchangeRate(std::string_view text, const SharedState& s) {
  const auto d = TypedNumber(text, s);
  if (!d) return std::nullopt;
  const auto raw = RoundScaled(*d, Currency::kPlaces, Rounding::HalfEven);
  if (!raw || *raw <= 0) return std::nullopt;
  return Currency::FromRaw(*raw);
}

std::optional<int64_t> ReadPercentage(std::string_view text, const SharedState& s) {
  const auto d = TypedNumber(text, s);
  if (!d || (d->negative && !d->IsZero())) return std::nullopt;
  return RoundScaled(*d, kPercentPlaces, Rounding::HalfEven);
}

namespace {

bool TooLargeToHold(std::string_view text, const SharedState& s, int places) {
  const auto d = TypedNumber(text, s);
  return d && !d->negative && !RoundScaled(*d, places, Rounding::HalfEven);
}

// The whole part of the largest value a field of `places` decimals holds.
std::string LargestHeld(int places) {
  int64_t whole = std::numeric_limits<int64_t>::max();
  for (int i = 0; i < places; ++i) whole /= 10;
  return std::to_string(whole);
}

}  // namespace

bool RateTooLarge(std::string_view text, const SharedState& s) { return TooLargeToHold(text, s, Currency::kPlaces); }

RateFault RateRefusal(std::string_view text, const SharedState& s) {
  if (RateTooLarge(text, s)) return RateFault::TooLarge;
  const auto d = TypedNumber(text, s);
  if (d && !d->negative && !d->IsZero()) {
    const auto raw = RoundScaled(*d, Currency::kPlaces, Rounding::HalfEven);
    if (raw && *raw == 0) return RateFault::TooSmall;
  }
  return RateFault::NotPositive;
}

bool PercentageTooLarge(std::string_view text, const SharedState& s) { return TooLargeToHold(text, s, kPercentPlaces); }

Restatement ConvertedSummary(const SharedState& s, Currency rate) {
  return Restate(s, [rate](int) { return rate.raw; }, Currency::kPlaces);
}

Restatement AdjustedSummary(const SharedState& s, const Percentages& percent) {
  // percent / 100: two more decimals than the percentage has.
  return Restate(s, [&percent](int c) { return percent[static_cast<size_t>(c - 1)]; }, kPercentPlaces + 2);
}

void ApplyRestatement(SharedState& s, const Restatement& r) {
  MORVADEL_CHECK(r.error.ok());
  for (int row = kFirstSummaryMoneyRow; row <= kLastSummaryMoneyRow; ++row)
    for (int c = kFirstPeriodColumn; c <= kLastPeriodColumn; ++c) {
      s.ConvWork(row, c) = r.values(row, c);
      s.ItemTable(row, c) = Cell::Money(r.values(row, c));
    }
}

RestateError ConvertSummary(SharedState& s, Currency rate) {
  const Restatement r = ConvertedSummary(s, rate);
  if (r.error.ok()) ApplyRestatement(s, r);
  return r.error;
}

RestateError AdjustSummary(SharedState& s, const Percentages& percent) {
  const Restatement r = AdjustedSummary(s, percent);
  if (r.error.ok()) ApplyRestatement(s, r);
  return r.error;
}

std::string DescribeRestateError(const RestateError& e, const SharedState& s, int16_t language) {
  if (e.ok()) return "";
  const bool hr = language == kCroatian;
  const std::string where = PlaceName(SummaryLabel(e.row, language), s, e.period, language) + ": ";
  std::string what;
  if (e.kind == RestateError::Kind::NotNumber) {
    std::string text;
    if (e.row >= 0 && e.row < ItemTableT::kRows && e.period >= 0 && e.period < ItemTableT::kCols)
      text = CellText(s.ItemTable(e.row, e.period), s.DecimalMark);
    what = hr ? "upisani tekst " + Quoted(text) + " nije broj." : "the entry " + Quoted(text) + " is not a number.";
  } else {
    const std::string low = std::to_string(kMinAmount), high = std::to_string(kMaxAmount);
    what = hr ? "iznos je izvan dopuštenog raspona (od " + low + " do " + high + ")."
              : "the amount is outside the allowed range (" + low + " to " + high + ").";
  }
  return where + what + NothingChanged(language);
}

std::string DescribeBadRate(std::string_view text, int16_t language, RateFault fault, char decimalMark) {
  if (fault == RateFault::TooSmall) {
    const std::string least = FormatScaled(1, Currency::kPlaces, decimalMark);
    if (language == kCroatian)
      return "Tečaj: " + Quoted(text) + " je manji od najmanjeg koji program prima (najmanje " + least + ")." +
             NothingChanged(language);
    return "Exchange rate per unit: " + Quoted(text) + " is below the smallest rate the program holds (" + least +
           ")." + NothingChanged(language);
  }
  if (fault == RateFault::TooLarge) {
    const std::string most = LargestHeld(Currency::kPlaces);
    if (language == kCroatian)
      return "Tečaj: " + Quoted(text) + " je veći od najvećeg koji program prima (najviše " + most + ")." +
             NothingChanged(language);
    return "Exchange rate per unit: " + Quoted(text) + " is larger than the program holds (at most " + most + ")." +
           NothingChanged(language);
  }
  if (language == kCroatian) return "Tečaj: " + Quoted(text) + " nije pozitivan broj." + NothingChanged(language);
  return "Exchange rate per unit: " + Quoted(text) + " is not a positive number." + NothingChanged(language);
}

std::string DescribeBadPercentage(std::string_view text, int period, int16_t language, bool tooLarge) {
  if (tooLarge) {
    const std::string most = LargestHeld(kPercentPlaces);
    if (language == kCroatian)
      return std::string("Postotak razdoblja ") + RomanPeriod(period) + ": " + Quoted(text) +
             " je veći od najvećeg koji program prima (najviše " + most + ")." + NothingChanged(language);
    return std::string("Percentage of period ") + RomanPeriod(period) + ": " + Quoted(text) +
           " is larger than the program holds (at most " + most + ")." + NothingChanged(language);
  }
  if (language == kCroatian)
    return std::string("Postotak razdoblja ") + RomanPeriod(period) + ": " + Quoted(text) +
           " nije broj jednak nuli ili veći od nule." + NothingChanged(language);
  return std::string("Percentage of period ") + RomanPeriod(period) + ": " + Quoted(text) +
         " is not a number of zero or more." + NothingChanged(language);
}

std::string DescribeBlankFileName(int16_t language) {
  if (language == kCroatian) return std::string("Upišite ime nove datoteke (Snimi file).") + NothingChanged(language);
  return std::string("Please type a name for the new file (Save As).") + NothingChanged(language);
}

std::string AskReplaceFile(const std::string& path, int16_t language) {
  if (language == kCroatian)
    return "Datoteka \"" + path + "\" već postoji. Snimanje će je zamijeniti. Želite li koristiti ovo ime?";
  return "The file \"" + path + "\" already exists. Saving will replace it. Use this name?";
}

std::string DescribeOpenWorkbookFile(const std::string& path, int16_t language) {
  if (language == kCroatian)
    return "Datoteka \"" + path +
           "\" je upravo otvorena radna knjiga. Nova radna knjiga sprema se u novu datoteku: upišite drugo ime "
           "(Snimi file)." +
           NothingChanged(language);
  return "The file \"" + path +
         "\" is the open workbook itself. The new workbook is saved as a new file: please type another name "
         "(Save As)." +
         NothingChanged(language);
}

std::string DefaultRateText(char decimalMark) { return std::string("1") + decimalMark + "0000"; }

std::string DefaultStem(const std::string& fileName, const char* suffix) {
  return std::filesystem::path(fileName).stem().string() + suffix;
}

std::optional<std::string> RestatedFilePath(const std::string& fileName, const std::string& typed) {
  namespace fs = std::filesystem;
  const fs::path name(typed);
  std::string last = name.filename().string();
  const std::string ext = kWorkbookExtension;
  bool hasExtension = last.size() >= ext.size();
  for (size_t i = 0; hasExtension && i < ext.size(); ++i) {
    const char c = last[last.size() - ext.size() + i];
    hasExtension = (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == ext[i];
  }
  // Nothing but the extension would name the file ".eka".
  if (Cell::Text(hasExtension ? last.substr(0, last.size() - ext.size()) : last).IsBlank()) return std::nullopt;
  const fs::path path = name.is_relative() ? fs::path(fileName).parent_path() / name : name;
  return hasExtension ? path.string() : path.string() + ext;
}

}  // namespace morvadel
