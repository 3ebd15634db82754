#pragma once
// The landscape report pages: the frame, the header and footer every page
// shares, the period heads and the row printers that the statement and
// comparison views compose their pages from. Positions are inches from the
// top-left corner of the printable area; the header's font sizes are
// multiplied by scale (1.0 at every call).
#include <functional>
#include <string_view>

#include "model/shared_state.h"
#include "platform/printer.h"

namespace morvadel {

inline constexpr const char* kArial = "Arial";
inline constexpr const char* kCourierNew = "Courier New";
inline constexpr const char* kMsSansSerif = "Ms Sans Serif";

// One line of text with its top-left corner at (x, y).
void PrintAt(Printer& target, double x, double y, std::string_view text);
// Font name, size and weight at once.
void SetPrintFont(Printer& target, const char* name, double size, bool bold);

// The black outline from (1, 1) to (10.3, 7).
void PrintPageFrame(Printer& target);

// The header and footer texts of every report page, in this order: the
// title in blue, centred at titleY; the company lines when ShowCompany is
// 1; the currency line; the page number when pageNumber is true; the
// reporter line; the view mark (ReportCode "-" SectionBase). The currency
// line, page number and reporter line need Language 1 or 2.
void PrintHeaderTexts(Printer& target, const SharedState& s, std::string_view title, double titleY,
                      bool pageNumber, double scale);

// Landscape, inches, the frame, the period names of row 101 copied into
// rows 201, 301, ..., 801, then the header texts with ReportTitle at 1.1
// and the page number.
void PrintPageHeader(Printer& target, SharedState& s, double scale);

// Heads of periods I..VI and the period names, Courier New 10 bold.
void PrintPeriodHeader6(Printer& target, const SharedState& s, double scale);
// Heads of periods I..VI, Max, Min, Average and Ind Comp and the period
// names, Courier New 8 bold.
void PrintPeriodHeader10(Printer& target, const SharedState& s, double scale);

// Row printers: rows 2..PrintRowCount of the section (item row SectionBase
// + PrintRowOffset + r at y = 1.9 + 0.18 r), the label and every value that
// is neither empty nor 0; then the page ends.
void PrintRatioRows6(Printer& target, const SharedState& s, double scale);   // "####0.00"
void PrintAmountRows6(Printer& target, const SharedState& s, double scale);  // "########"
void PrintRatioRows10(Printer& target, const SharedState& s, double scale);  // "###0.00", 10 columns

// How a view prints: its period head and row printer and the rows of its
// pages (0 on page 2: one page only).
struct ReportLayout {
  void (*periodHead)(Printer&, const SharedState&, double);
  void (*rows)(Printer&, const SharedState&, double);
  int16_t firstPageRows;
  int16_t secondPageRows;
};
// The statement sheets 2..5; nullptr for the general data and other codes.
const ReportLayout* StatementLayout(int sheet);
// The comparison views 1, 2, 3, 9 and 10; nullptr for other codes.
const ReportLayout* ComparisonLayout(int view);

// Page 2 of a view, where it has one: PageNumber 2, the page header, the
// period head and the rows from offset 25; nothing for a one-page view.
void PrintSecondPage(Printer& target, SharedState& s, const ReportLayout& layout);
// The pages of a view: page 1 (offset 0), then PrintSecondPage; then the
// page is ended once more.
void PrintReport(Printer& target, SharedState& s, const ReportLayout& layout);

// The print button of a view: the print dialog once; with a printer
// chosen, `prepare` (the window's write-back, so that the pages show what
// the grid shows), then the pages in one job. Failures are reported in the
// current language. True when the pages went out.
bool PrintReportCommand(Dialogs& dialogs, SharedState& s, const ReportLayout& layout,
                        const std::function<void()>& prepare);

}  // namespace morvadel
