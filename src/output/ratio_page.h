#pragma once
// The printed page of the ratio window: the frame and header of the report
// pages with the ratio's name as title, the ratio's rows for periods I..VI
// over the ruled table background, and the three charts side by side.
#include <QPicture>
#include <array>
#include <string>

#include "model/shared_state.h"
#include "platform/printer.h"

namespace morvadel {

// Charts are printed at 4000 by 3000 twips.
inline constexpr int kRatioChartWidthTwips = 4000;
inline constexpr int kRatioChartHeightTwips = 3000;

// What the page takes from the ratio window.
struct RatioPage {
  std::string title;                      // the title label (the ratio's name)
  std::array<std::string, 6> rowLabels;   // grid cells (1..5, 0); [0] unused
  std::array<std::string, 7> periodNames; // grid cells (1, 1..6); [0] unused
  QPicture tableBackground;               // the ruled table, 9.25 by 2 inches
  QPicture numeratorChart, denominatorChart, ratioChart;  // recorded at their print size
};

// The page, ended as one page. Values come from RatioPeriods and the mask
// of the ratio row from RatioCode (whole days for 34, 36 and 38).
void PrintRatioReportPage(Printer& target, const SharedState& s, const RatioPage& page, double scale);
// The numerator, denominator and ratio charts at (1.3, 4.8), (4.3, 4.8)
// and (7.3, 4.8), at their own size.
void Ispis_chartova(Printer& target, const RatioPage& page);

}  // namespace morvadel
