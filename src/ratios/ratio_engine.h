#pragma once
// The ratio engine: one ratio of the catalogue for periods I..VI, with its
// numerator, denominator and dynamics index, on real or averaged
// denominators. The ratio window runs LoadRatio on every load and shows what
// it returns; the printed page and the charts read RatioPeriods. Plain C++,
// no Qt.
#include <array>
#include <string>
#include <vector>

#include "model/shared_state.h"

namespace morvadel {

// RatioPeriods fields, period j in columns 1..6.
inline constexpr int kNumeratorField = 2;
inline constexpr int kDenominatorField = 3;
inline constexpr int kRatioField = 4;
inline constexpr int kDynamicsField = 5;
inline constexpr int kRatioPeriods = 6;

enum class RatioProblemKind {
  NotNumber,       // a numerator or denominator cell whose text is no number
  OutOfRange,      // a numerator or denominator cell beyond the currency range
  ResultOutOfRange, // a ratio, averaged denominator or dynamics beyond it
  NoAverage         // averaging: the previous period's denominator could not be read
};

// A period the engine could not compute; it is shown without a value.
struct RatioProblem {
  RatioProblemKind kind = RatioProblemKind::NotNumber;
  int itemRow = 0;      // the cell's row; for a result, the numerator row
  int otherRow = 0;     // for a result, the denominator row; else 0
  int period = 0;       // 1..6
  std::string message;  // in the current language (Croatian for 1, else English)
};

struct RatioChartData {
  std::string rowLabel;                          // the chart's data-row label
  std::array<std::string, kRatioPeriods> values; // periods I..VI, zeros included
};

// What the ratio window shows after a load.
struct RatioResult {
  RatioResult();  // every grid cell a single blank

  std::string title;  // Label1: the catalogue name in the current language

  // Grid rows 2..5 (numerator, denominator, ratio, dynamics), columns 0..6:
  // the labels in column 0, the values in columns 1..6. Cells start as the
  // single blank the window fills its grid with; a zero ratio or dynamics
  // cell is "".
  std::array<std::array<std::string, 7>, 4> rows;
  std::string& cell(int row, int col);
  const std::string& cell(int row, int col) const;

  RatioChartData ratioChart;        // Graf1
  RatioChartData numeratorChart;    // Graf2
  RatioChartData denominatorChart;  // Graf3

  std::vector<RatioProblem> problems;
  // All problem messages, one a line, for a single message box; "" when none.
  std::string ProblemMessage() const;
};

// The whole load: title, UbaciBrojke (labels, values, averaging, dynamics)
// and the three charts' values. Reads RatioCode, Language, AverageMode,
// ItemTable and DecimalMark; writes RatioPeriods (fields 2..5, periods 1..6),
// RealDenominators (averaging only), the current language's numerator and
// denominator labels, RatioKindText, CurrencyScratch and RoundArg.
RatioResult LoadRatio(SharedState& s);

// The catalogue rows of RatioCode (0 and 0 when it has none), then Napuni.
void UbaciBrojke(SharedState& s, RatioResult& out);

// Labels of grid rows 2..4, then periods I..VI into RatioPeriods and grid
// rows 2..5. Row 0 stands for "no row": every value of it is empty.
void Napuni(SharedState& s, int numeratorRow, int denominatorRow, RatioResult& out);

// The legend text of period j (1..6) in the ratio chart: the summary
// area's period heading (row 1) where it has one, else the period or
// company name of the general data (row 101), as grid row 1 shows it,
// else the period's numeral (I..VI), so every bar can be told apart.
std::string RatioLegendText(const SharedState& s, int period);

// Replaces the denominator of period j (2..6) by the whole-number mean of
// the previous real denominator, RealDenominators(3, j - 1), and the
// current one, keeping the current real one in RealDenominators(3, j).
// Napuni keeps every period's real denominator there as it reads it (period
// I's too), so a period shown without a value still has one. False when the
// mean leaves the currency range.
bool Pros(SharedState& s, int period);

}  // namespace morvadel
