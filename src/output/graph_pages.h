#pragma once
// The printed pages of the two graph windows: the common-size graph page
// (one group for one period: labels, percentages, shares, footnote, chart and
// legend keys) and the value-graph page (the accounts over the six periods on
// a ruled table, the line chart and the period names under it). Both share
// the frame and header texts of the report pages, without a page number.
// Their pictures are recorded drawings, sharp at any zoom.
#include <QColor>
#include <QPicture>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/shared_state.h"
#include "platform/printer.h"

namespace morvadel {

// The charts are printed at these sizes.
inline constexpr int kCommonSizeChartWidthTwips = 7000;
inline constexpr int kCommonSizeChartHeightTwips = 6500;
inline constexpr int kValueChartWidthTwips = 8000;
inline constexpr int kValueChartHeightTwips = 4500;

// Legend pictures by their number of keys (2 to 5): their size in pixels.
inline constexpr int kLegendWidthPx = 18;
int LegendHeightPx(int keys);  // 55, 82, 113, 193; 0 for other counts
// The legend picture of the common-size graph page for the colours of its
// first slots (2 to 5), of the size above: printed at (5.2, 3.3), each key
// stands level with its slot's row of the page.
QPicture CommonSizeLegend(const std::vector<QColor>& colours);

// ---- the common-size graph page ----------------------------------------------

// What the page shows beside the labels, from ChartValues(3..7, 1) and
// ReportCode.
struct GraphPageFigures {
  // Slots 1..5 (index 0..4): the value, and the share of the group in
  // hundredths where it is printed: the group prints shares (not 51, 54),
  // the value is not 0 and the group's values do not add up to 0.
  std::array<Currency, 5> values{};
  std::array<std::optional<int64_t>, 5> shareHundredths{};
  int legendKeys = 0;  // the last slot with a value other than 0 (2..5), else 0
};
// Leaves the last share's quotient in RoundArg.
GraphPageFigures ComputeGraphPage(SharedState& s);

// The footnote naming the first value column; "" for the groups without a
// share column (51, 54) and for net property (53).
const char* GraphFootnote(int code, int16_t language);

// What the page takes from the common-size graph window.
struct CommonSizeGraphPage {
  std::array<std::string, 8> labels;  // grid cells (1..7, 0) as shown; [0] unused
  std::string periodName;             // grid cell (1, 1) as shown
  QPicture chart;                     // the chart at its print size
  std::array<QPicture, 6> legends;    // the legend picture of 2..5 keys; [0], [1] unused
};

// The page, ended as one page.
void PrintCommonSizeGraphPage(Printer& target, SharedState& s, const CommonSizeGraphPage& page, double scale);
// The chart at (5.3, 2.1) and the legend picture of the last slot that holds
// a value at (5.2, 3.3), both at their own size.
void Ispis_chartova(Printer& target, const SharedState& s, const CommonSizeGraphPage& page);

// ---- the value-graph page ----------------------------------------------------

struct ValueGraphPage {
  std::string title;                       // the window's title label
  std::array<std::string, 7> rowLabels;    // grid cells (1..6, 0) as shown; [0] unused
  std::array<std::string, 7> periodNames;  // grid cells (1, 1..6) as shown; [0] unused
  QPicture tableBackground;                // the ruled table, 9.25 by 2 inches
  QPicture chart;                          // the chart at its print size
};

// The page, ended as one page. Values come from ChartValues(1..6, 1..6).
void PrintValueGraphPage(Printer& target, const SharedState& s, const ValueGraphPage& page, double scale);
// The chart at (2.9, 3.75) at its own size.
void Ispis_chartova(Printer& target, const ValueGraphPage& page);

// Where the value-graph page prints its period names under the chart: the
// chart's plot places its periods over them.
inline constexpr double kValueChartLeft = 2.9;  // inches on the page
double ValueChartPeriodCentre(int period);      // inches on the page, 1..6

}  // namespace morvadel
