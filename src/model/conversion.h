#pragma once
// Currency conversion and inflation adjustment of the summary rows
// (ItemTable rows 3..27, periods I..VI), the typed rate and percentages they
// use, and the new file name the restated workbook is saved under.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shared_state.h"

namespace morvadel {

inline constexpr int kFirstSummaryMoneyRow = 3;
inline constexpr int kLastSummaryMoneyRow = 27;

// The percentage of each period I..VI, held exactly as percent x 10^9.
inline constexpr int kPercentPlaces = 9;
using Percentages = std::array<int64_t, 6>;

// The rate typed into the rate box as currency (four decimals, halves to
// even); nullopt unless the text reads as a number that is above 0 there.
std::optional<Currency> ReadExchangeRate(std::string_view text, const SharedState& s);
// A period's typed percentage (percent x 10^9); nullopt unless the text
// reads as a number of 0 or more.
std::optional<int64_t> ReadPercentage(std::string_view text, const SharedState& s);
// True when a refused rate or percentage is a number of the right sign that
// is only too large to hold, so the message can say so.
bool RateTooLarge(std::string_view text, const SharedState& s);
bool PercentageTooLarge(std::string_view text, const SharedState& s);

// Why a typed rate was refused: no positive number, a positive number too
// large to hold, or one so small that it is 0 at the four decimals a rate
// holds (below 0.00005, and 0.00005 itself, which rounds to even).
enum class RateFault { NotPositive, TooLarge, TooSmall };
RateFault RateRefusal(std::string_view text, const SharedState& s);

struct RestateError {
  enum class Kind {
    None,
    NotNumber,   // a summary cell holds a text that does not read as a number
    OutOfRange,  // the cell or its result lies outside the range of an amount
  };
  Kind kind = Kind::None;
  int row = 0;     // 3..27
  int period = 0;  // 1..6 (periods I..VI)
  bool ok() const { return kind == Kind::None; }
};

using SummaryWork = Table<Currency, kLastSummaryMoneyRow + 1, kLastPeriodColumn + 1>;

// The restated summary values, computed without touching the workbook.
struct Restatement {
  RestateError error;  // the first fault, rows outer and periods inner
  SummaryWork values;  // rows 3..27, columns 1..6, whole units when ok
};

// Each summary cell as currency (an empty cell is 0) times the rate as a
// currency product (four decimals), then whole units with halves up. Every
// result must fit a currency cell in whole units.
Restatement ConvertedSummary(const SharedState& s, Currency rate);
// Each summary cell as currency times its period's percentage over 100,
// taken exactly to four decimals, then whole units with halves up.
Restatement AdjustedSummary(const SharedState& s, const Percentages& percent);
// ConvWork and ItemTable, rows 3..27, columns 1..6, := the values of an ok
// restatement (ItemTable as currency cells).
void ApplyRestatement(SharedState& s, const Restatement& r);

// The computation of the conversion and the inflation window. All or
// nothing: the workbook changes only when every summary cell converts.
RestateError ConvertSummary(SharedState& s, Currency rate);
RestateError AdjustSummary(SharedState& s, const Percentages& percent);

// Messages for the user in the given language (1 Croatian, otherwise
// English). A refused summary cell is named by its row's label and its
// period.
std::string DescribeRestateError(const RestateError& e, const SharedState& s, int16_t language);
// decimalMark: how the smallest rate (0.0001) is written in a TooSmall message.
std::string DescribeBadRate(std::string_view text, int16_t language, RateFault fault = RateFault::NotPositive,
                            char decimalMark = '.');
std::string DescribeBadPercentage(std::string_view text, int period, int16_t language, bool tooLarge = false);
std::string DescribeBlankFileName(int16_t language);
std::string AskReplaceFile(const std::string& path, int16_t language);
// The typed name is the open workbook's own file, which the restated
// workbook must not replace.
std::string DescribeOpenWorkbookFile(const std::string& path, int16_t language);

// The rate box's text on opening: one unit with the user's decimal mark.
std::string DefaultRateText(char decimalMark);

inline constexpr const char* kWorkbookExtension = ".eka";
inline constexpr const char* kConversionSuffix = "-conv";
inline constexpr const char* kInflationSuffix = "-infl";

// The file-name box's text on opening: the stem of fileName with the
// suffix ("/data/firm.eka" and "-conv" give "firm-conv").
std::string DefaultStem(const std::string& fileName, const char* suffix);

// The workbook file a typed name stands for: a relative name lies in the
// folder of fileName, and ".eka" is appended unless the name already ends
// with it. nullopt when the name (its last part) is empty or all blanks.
std::optional<std::string> RestatedFilePath(const std::string& fileName, const std::string& typed);

}  // namespace morvadel
