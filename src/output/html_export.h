#pragma once
// The web-page export: the table of a view, with its title and the company
// lines, as a simple page of lines with a bordered table whose rows
// alternate white and green.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/export_table.h"

namespace morvadel {

// The names and texts of the save dialog and the messages.
inline constexpr const char* kHtmlDialogTitle = "Export to Web Page...";
inline constexpr const char* kHtmlDefaultName = "Tarv01-s.html";
inline constexpr const char* kHtmlFilter = "Web Pages (*.HTML)|*.HTML";
inline constexpr const char* kHtmlDefaultExtension = "HTML";
inline constexpr const char* kHtmlDoneMessage = "Export to HTML complete!";
inline constexpr const char* kHtmlDoneTitle = "Export Complete";
inline constexpr const char* kHtmlErrorMessage = "Error encountered in exporting.";
inline constexpr const char* kHtmlErrorTitle = "Error";
// The fixed page title before the date.
inline constexpr const char* kHtmlPageTitle = "Morvadel";

// A text as page content: & < > and " as their entities.
std::string HtmlEscape(std::string_view text);

// The page's lines, without line ends. date is "dd-mm-yy". Rows whose label
// cell is empty are left out and do not count for the colours.
std::vector<std::string> HtmlPageLines(const ExportTable& table, const std::optional<CompanyLines>& company,
                                       int16_t language, const std::string& date);

// The lines joined, each ended by CR LF, written to path through a
// temporary file renamed over it. Returns 0 or an errno.
int WriteHtmlPage(const std::string& path, const std::vector<std::string>& lines);

}  // namespace morvadel
