#include "output/ratio_page.h"

#include "output/number_mask.h"
#include "output/report_pages.h"

namespace morvadel {

namespace {

// RatioPeriods fields.
constexpr int kNumerator = 2, kDenominator = 3, kRatio = 4, kDynamics = 5;

// Day counts are whole numbers; every other ratio has two decimals.
const char* RatioMask(int16_t code) {
  return code == 34 || code == 36 || code == 38 ? "############" : "########0.00";
}

}  // namespace

void PrintRatioReportPage(Printer& target, const SharedState& s, const RatioPage& page, double scale) {
  PrintPageFrame(target);
  PrintHeaderTexts(target, s, page.title, 1.3, false, scale);
  target.PaintPicture(page.tableBackground, 1.02, 2.25, 9.25, 2);

  SetPrintFont(target, kMsSansSerif, 10, false);
  const char* const heads[] = {"I", "II", "III", "IV", "V", "VI"};
  for (int c = 1; c <= 6; ++c) PrintAt(target, 4 + 1.1 * (c - 1), 2.46, heads[c - 1]);
  for (int r = 1; r <= 5; ++r) PrintAt(target, 1.2, 2.46 + 0.3 * r, page.rowLabels[r]);

  SetPrintFont(target, kCourierNew, 10, true);
  const char* const kWhole = "############";
  const char* const kField = "@@@@@@@@@@@@";
  for (int c = 1; c <= 6; ++c) {
    const double x = 2.5 + 1.1 * c;
    const Currency ratio = s.RatioPeriods(kRatio, c);
    PrintAt(target, x, 2.71, FormatField(page.periodNames[c], kWhole, kField, s.DecimalMark));
    PrintAt(target, x, 3.05, FormatField(s.RatioPeriods(kNumerator, c), kWhole, kField, s.DecimalMark));
    PrintAt(target, x, 3.4, FormatField(s.RatioPeriods(kDenominator, c), kWhole, kField, s.DecimalMark));
    if (ratio.IsZero()) continue;
    PrintAt(target, x, 3.7, FormatField(ratio, RatioMask(s.RatioCode), kField, s.DecimalMark));
    PrintAt(target, x, 4, FormatField(s.RatioPeriods(kDynamics, c), "########0.00", kField, s.DecimalMark));
  }

  Ispis_chartova(target, page);
  target.EndDoc();
}

void Ispis_chartova(Printer& target, const RatioPage& page) {
  target.PaintPicture(page.numeratorChart, 1.3, 4.8);
  target.PaintPicture(page.denominatorChart, 4.3, 4.8);
  target.PaintPicture(page.ratioChart, 7.3, 4.8);
}

}  // namespace morvadel
