#include "output/graph_pages.h"

#include <algorithm>
#include <limits>

#include "model/number.h"
#include "output/number_mask.h"
#include "output/report_pages.h"
#include "platform/pictures.h"

namespace morvadel {

namespace {

constexpr int kSlots = 5;

// The names under the chart stand 0.85 in apart, nine characters of
// Courier New 10: a longer name ("Šibenik 2004") would run into its
// neighbour and both become unreadable. It is printed whole in a smaller
// size that fills the same nine characters, on the same baseline, down to
// 6 points; a name longer still runs to the right.
void PrintNameUnderChart(Printer& target, double x, const std::string& name) {
  constexpr double kSize = 10, kSmallest = 6, kField = 9, kAscent = 0.83;
  const size_t chars = CharCount(name);
  if (chars <= kField) return PrintAt(target, x, 6.7, name);
  const double size = std::max(kSmallest, kSize * kField / static_cast<double>(chars));
  SetPrintFont(target, kCourierNew, size, true);
  PrintAt(target, x, 6.7 + (kSize - size) * kAscent / 72, name);
  SetPrintFont(target, kCourierNew, kSize, true);
}

// The page's rows: label i (1..7) stands at 2.46 + 0.3 i, slot k on row
// k + 2; the middle of a line of Ms Sans Serif 10 is 0.08 below its top.
constexpr double kRowTop = 2.46, kRowPitch = 0.3, kLineMiddle = 0.08;
double RowTop(int row) { return kRowTop + kRowPitch * row; }
constexpr double kLegendX = 5.2, kLegendY = 3.3;

// The groups whose items are the whole print no shares.
bool PrintsShares(int code) { return code != 51 && code != 54; }

// The legend keys up to the last slot (2..5) that holds a value; 0 when only
// slot 1 or none does.
int LegendKeys(const SharedState& s) {
  for (int k = kSlots; k >= 2; --k)
    if (!s.ChartValues(k + 2, 1).IsZero()) return k;
  return 0;
}

}  // namespace

int LegendHeightPx(int keys) {
  switch (keys) {
    case 2: return 55;
    case 3: return 82;
    case 4: return 113;
    case 5: return 193;
    default: return 0;
  }
}

QPicture CommonSizeLegend(const std::vector<QColor>& colours) {
  const int keys = static_cast<int>(colours.size());
  const QSize size(kLegendWidthPx, LegendHeightPx(keys));
  return LegendKeys(colours, size, RowTop(3) + kLineMiddle - kLegendY, kRowPitch);
}

// ---- the common-size graph page ----------------------------------------------

GraphPageFigures ComputeGraphPage(SharedState& s) {
  GraphPageFigures f;
  Int128 sum = 0;
  for (int k = 1; k <= kSlots; ++k) {
    f.values[k - 1] = s.ChartValues(k + 2, 1);
    sum += f.values[k - 1].raw;
  }
  for (int k = 1; k <= kSlots; ++k) {
    const Currency v = f.values[k - 1];
    // Items that add up to 0 have no shares to give.
    if (v.IsZero() || sum == 0) continue;
    s.RoundArg = v.ToDouble() / ScaledToDouble(static_cast<int64_t>(sum), Currency::kPlaces) * 100;
    if (!PrintsShares(s.ReportCode)) continue;
    // On the exact quotient: a half never goes to binary rounding.
    f.shareHundredths[k - 1] = RoundQuotient(Int128{v.raw} * 100, sum, 2, Rounding::HalfUp);
  }
  f.legendKeys = LegendKeys(s);
  return f;
}

const char* GraphFootnote(int code, int16_t language) {
  const bool hr = language == kCroatian, en = language == kEnglish;
  switch (code) {
    case 52: case 55: case 56: case 57: case 58:
      return hr ? "Kolona 1  = % od ukupne imovine" : en ? "Column 1 = % from Total Assets" : "";
    case 61: case 62: case 63:
      return hr ? "Kolona 1  = % od neto prodaje" : en ? "Column 1 = % from Net Sales" : "";
    default:
      return "";
  }
}

void PrintCommonSizeGraphPage(Printer& target, SharedState& s, const CommonSizeGraphPage& page, double scale) {
  PrintPageFrame(target);
  PrintHeaderTexts(target, s, s.ReportTitle, 1.3, false, scale);

  SetPrintFont(target, kMsSansSerif, 10, false);
  for (int i = 1; i <= 7; ++i) PrintAt(target, 1.2, RowTop(i), page.labels[i]);

  SetPrintFont(target, kCourierNew, 10, true);
  const GraphPageFigures f = ComputeGraphPage(s);
  PrintAt(target, 3.6, 2.7, FormatField(page.periodName, "########", "@@@@@@@@", s.DecimalMark));
  for (int k = 1; k <= kSlots; ++k) {
    if (f.values[k - 1].IsZero()) continue;
    const double y = RowTop(k + 2);
    PrintAt(target, 3.6, y, FormatField(f.values[k - 1], "####0.00", "@@@@@@@@", s.DecimalMark));
    // From the hundredths themselves: items that almost cancel give shares
    // beyond what a currency amount holds.
    if (const auto& share = f.shareHundredths[k - 1])
      PrintAt(target, 4.4, y, FormatField(FormatScaled(*share, 2, s.DecimalMark), "####0.00", "@@@@@@@@", s.DecimalMark));
  }

  SetPrintFont(target, kMsSansSerif, 10, false);
  const std::string footnote = GraphFootnote(s.ReportCode, s.Language);
  if (!footnote.empty()) PrintAt(target, 1.2, 6, footnote);

  Ispis_chartova(target, s, page);
  target.EndDoc();
}

void Ispis_chartova(Printer& target, const SharedState& s, const CommonSizeGraphPage& page) {
  target.PaintPicture(page.chart, 5.3, 2.1);
  const int keys = LegendKeys(s);
  if (keys >= 2 && !page.legends[static_cast<size_t>(keys)].isNull())
    target.PaintPicture(page.legends[static_cast<size_t>(keys)], kLegendX, kLegendY);
}

// ---- the value-graph page ----------------------------------------------------

void PrintValueGraphPage(Printer& target, const SharedState& s, const ValueGraphPage& page, double scale) {
  PrintPageFrame(target);
  PrintHeaderTexts(target, s, page.title, 1.1, false, scale);
  target.PaintPicture(page.tableBackground, 1.02, 1.75, 9.25, 2);

  SetPrintFont(target, kMsSansSerif, 10, false);
  for (int r = 1; r <= 6; ++r) PrintAt(target, 1.2, 1.66 + 0.3 * r, page.rowLabels[r]);

  SetPrintFont(target, kCourierNew, 10, true);
  for (int p = 1; p <= 6; ++p)
    PrintAt(target, 2.5 + 1.1 * p, 1.91, FormatField(page.periodNames[p], "############", "@@@@@@@@@@@@", s.DecimalMark));
  // Every value, zeros included (they come out as blank fields); row 1 of
  // the buffers is always empty and prints blanks on the names' line.
  for (int r = 1; r <= 6; ++r)
    for (int p = 1; p <= 6; ++p)
      PrintAt(target, 2.5 + 1.1 * p, 1.91 + 0.3 * (r - 1),
              FormatField(s.ChartValues(r, p), "############", "@@@@@@@@@@@@", s.DecimalMark));

  Ispis_chartova(target, page);
  for (int p = 1; p <= 6; ++p)
    PrintNameUnderChart(target, 2.3 + 0.85 * p, FormatField(page.periodNames[p], "#########", "@@@@@@@@@", s.DecimalMark));
  target.EndDoc();
}

void Ispis_chartova(Printer& target, const ValueGraphPage& page) { target.PaintPicture(page.chart, kValueChartLeft, 3.75); }

double ValueChartPeriodCentre(int period) {
  // A name of four or five characters at the right of its nine-character
  // field of Courier New 10 (0.6 of an em wide).
  constexpr double kCharWidth = 0.6 * 10 / 72;
  return 2.3 + 0.85 * period + kCharWidth * (9 - 4.5 / 2);
}

}  // namespace morvadel
