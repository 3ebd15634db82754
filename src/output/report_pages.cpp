#include "output/report_pages.h"

#include <string>

#include "output/number_mask.h"

namespace morvadel {

namespace {

const QColor kBlue(0, 0, 255);

// Period I..VI of the workbook: row 101 holds their names.
constexpr int kPeriodNameRow = 101;
constexpr int kPeriods = 6;

std::string Text(const Cell& cell, const SharedState& s) { return CellText(cell, s.DecimalMark); }

// The label "Razdoblje /Firma/" and the six period names of row 101 at
// (x0 + dx c, 1.9), each formatted with the mask and right-aligned.
void PrintPeriodNames(Printer& p, const SharedState& s, double x0, double dx, const char* mask, const char* align) {
  if (s.Language == kCroatian) PrintAt(p, 1.05, 1.9, "Razdoblje /Firma/");
  if (s.Language == kEnglish) PrintAt(p, 1.05, 1.9, "Period /Company/");
  for (int c = 1; c <= kPeriods; ++c)
    PrintAt(p, x0 + dx * c, 1.9, FormatField(s.ItemTable(kPeriodNameRow, c), mask, align, s.DecimalMark));
}

struct RowFormat {
  int lastColumn;
  double x0, dx;
  const char* mask;
  const char* align;
  double fontSize;  // 0: the font the period head left
};

void PrintRows(Printer& p, const SharedState& s, const RowFormat& f) {
  for (int r = 2; r <= s.PrintRowCount; ++r) {
    const int row = s.SectionBase + r + s.PrintRowOffset;
    if (row < 0 || row >= ItemTableT::kRows) break;
    const double y = 1.9 + 0.18 * r;
    if (f.fontSize > 0) SetPrintFont(p, kCourierNew, f.fontSize, true);
    const std::string label = Text(s.ItemTable(row, kLabelColumn), s);
    if (!label.empty()) PrintAt(p, 1.05, y, label);
    for (int c = 1; c <= f.lastColumn; ++c) {
      const Cell& cell = s.ItemTable(row, c);
      if (IsNilCell(cell, s.DecimalMark)) continue;
      PrintAt(p, f.x0 + f.dx * c, y, FormatField(cell, f.mask, f.align, s.DecimalMark));
    }
  }
  p.EndDoc();
}

constexpr ReportLayout kStatementLayouts[] = {
    {&PrintPeriodHeader6, &PrintAmountRows6, 26, 27},  // balance sheet
    {&PrintPeriodHeader6, &PrintAmountRows6, 26, 7},   // income statement
    {&PrintPeriodHeader6, &PrintAmountRows6, 26, 25},  // cash flow
    {&PrintPeriodHeader6, &PrintAmountRows6, 14, 0},   // expenses
};

constexpr ReportLayout kIndustryLayouts[] = {
    {&PrintPeriodHeader10, &PrintRatioRows10, 26, 19},  // Dun and Bradstreet
    {&PrintPeriodHeader10, &PrintRatioRows10, 26, 5},   // Prentice Hall
    {&PrintPeriodHeader10, &PrintRatioRows10, 26, 22},  // Robert Morris
};
constexpr ReportLayout kCommonSizeBalanceLayout = {&PrintPeriodHeader6, &PrintRatioRows6, 26, 27};
constexpr ReportLayout kCommonSizeIncomeLayout = {&PrintPeriodHeader6, &PrintRatioRows6, 26, 7};

// Page 2 prints the rows page 1 could not hold: its printer row 2 shows the
// section's row 2 + 25, the one after page 1's last (printer row 26).
constexpr int16_t kSecondPageOffset = 25;

// One page of a view: its number, the page header, the period head and the
// rows from the offset.
void PrintReportPage(Printer& target, SharedState& s, const ReportLayout& layout, int16_t pageNumber, int16_t offset,
                     int16_t rows) {
  s.PageNumber = pageNumber;
  PrintPageHeader(target, s, 1.0);
  layout.periodHead(target, s, 1.0);
  s.PrintRowOffset = offset;
  s.PrintRowCount = rows;
  layout.rows(target, s, 1.0);
}

}  // namespace

void PrintAt(Printer& target, double x, double y, std::string_view text) {
  target.SetCurrentX(x);
  target.SetCurrentY(y);
  target.Print(text);
}

void SetPrintFont(Printer& target, const char* name, double size, bool bold) {
  target.SetFontName(name);
  target.SetFontSize(size);
  target.SetFontBold(bold);
}

void PrintPageFrame(Printer& target) {
  target.SetForeColor(Qt::black);
  target.Line(1, 1, 10.3, 7, true);
}

void PrintHeaderTexts(Printer& target, const SharedState& s, std::string_view title, double titleY, bool pageNumber,
                      double scale) {
  const bool hr = s.Language == kCroatian, en = s.Language == kEnglish;
  SetPrintFont(target, kArial, 20 * scale, true);
  target.SetForeColor(kBlue);
  target.SetCurrentY(titleY);
  PrintCentered(target, title, 2);
  target.SetForeColor(Qt::black);

  target.SetFontSize(12 * scale);
  if (s.ShowCompany == 1) PrintAt(target, 1.1, 0.3, Text(s.Company(1, 1), s));
  target.SetFontBold(false);
  if (s.ShowCompany == 1) {
    PrintAt(target, 1.1, 0.5, Text(s.Company(5, 1), s));
    PrintAt(target, 1.1, 0.7, Text(s.Company(2, 1), s));
  }

  target.SetFontSize(7 * scale);
  if (hr || en) PrintAt(target, 9, 0.7, (hr ? "Valuta: " : "Currency: ") + s.CurrencyName + s.UnitText);
  if (pageNumber && (hr || en))
    PrintAt(target, 9.5, 1.1, (hr ? "Stranica: " : "Page: ") + PrinterNumber(s.PageNumber));

  target.SetFontSize(6 * scale);
  if (hr || en) PrintAt(target, 1.0, 7.03, (hr ? "Izrađeno po: " : "Reported by: ") + Text(s.ReportedBy, s));
  PrintAt(target, 9.8, 7.03, PrinterNumber(s.ReportCode) + "-" + PrinterNumber(s.SectionBase));
}

void PrintPageHeader(Printer& target, SharedState& s, double scale) {
  target.SetOrientation(kLandscape);
  target.SetScaleMode(kScaleInches);
  PrintPageFrame(target);
  // Every section's heading row carries the period names (they are saved
  // with the workbook); the common-size sections keep their own.
  for (int c = 1; c <= kPeriods; ++c)
    for (int row = 201; row <= 801; row += 100) s.ItemTable(row, c) = s.ItemTable(kPeriodNameRow, c);
  PrintHeaderTexts(target, s, s.ReportTitle, 1.1, true, scale);
}

void PrintPeriodHeader6(Printer& target, const SharedState& s, double) {
  SetPrintFont(target, kCourierNew, 10, true);
  const char* const heads[] = {"I", "II", "III", "IV", "V", "VI"};
  const double xs[] = {4.7, 5.7, 6.7, 7.85, 9.05, 10.05};
  for (int i = 0; i < kPeriods; ++i) PrintAt(target, xs[i], 1.7, heads[i]);
  PrintPeriodNames(target, s, 2.65, 1.1, "############", "@@@@@@@@@@@@");
}

void PrintPeriodHeader10(Printer& target, const SharedState& s, double) {
  SetPrintFont(target, kCourierNew, 8, true);
  const char* const heads[] = {"     I", "    II", "   III", "    IV", "     V",
                               "    VI", "   Max", "   Min", "Average", "Ind Comp"};
  const double xs[] = {3, 3.75, 4.5, 5.25, 6, 6.75, 7.5, 8.25, 8.95, 9.65};
  for (int i = 0; i < 10; ++i) PrintAt(target, xs[i], 1.7, heads[i]);
  PrintPeriodNames(target, s, 2.2, 0.75, "#######", "@@@@@@@");
}

void PrintRatioRows6(Printer& target, const SharedState& s, double) {
  PrintRows(target, s, {kPeriods, 3, 1.1, "####0.00", "@@@@@@@@", 0});
}

void PrintAmountRows6(Printer& target, const SharedState& s, double) {
  PrintRows(target, s, {kPeriods, 3, 1.1, "########", "@@@@@@@@", 0});
}

void PrintRatioRows10(Printer& target, const SharedState& s, double) {
  PrintRows(target, s, {kIndCompColumn, 2.2, 0.75, "###0.00", "@@@@@@@", 8});
}

const ReportLayout* StatementLayout(int sheet) {
  return sheet >= 2 && sheet <= 5 ? &kStatementLayouts[sheet - 2] : nullptr;
}

const ReportLayout* ComparisonLayout(int view) {
  switch (view) {
    case 1: case 2: case 3: return &kIndustryLayouts[view - 1];
    case 9: return &kCommonSizeBalanceLayout;
    case 10: return &kCommonSizeIncomeLayout;
    default: return nullptr;
  }
}

void PrintSecondPage(Printer& target, SharedState& s, const ReportLayout& layout) {
  if (layout.secondPageRows > 0) PrintReportPage(target, s, layout, 2, kSecondPageOffset, layout.secondPageRows);
}

void PrintReport(Printer& target, SharedState& s, const ReportLayout& layout) {
  PrintReportPage(target, s, layout, 1, 0, layout.firstPageRows);
  PrintSecondPage(target, s, layout);
  target.EndDoc();
}

bool PrintReportCommand(Dialogs& dialogs, SharedState& s, const ReportLayout& layout,
                        const std::function<void()>& prepare) {
  return RunPrintCommand(dialogs, s.Language, [&](Printer& printer) {
    prepare();
    PrintReport(printer, s, layout);
  });
}

}  // namespace morvadel
