#include "output/html_export.h"

#include "model/atomic_file.h"

namespace morvadel {

namespace {

constexpr const char* kHeadingColour = "#999999";
constexpr const char* kOddRowColour = "#ffffff";
constexpr const char* kEvenRowColour = "#ccffcc";

// One table cell: the colour, then directly the alignment, then the text
// to the end of the line.
std::string CellLine(const char* colour, const std::string& text) {
  return std::string("   <td bgcolor=\"") + colour + "\"align=\"center\">" + HtmlEscape(text);
}

}  // namespace

std::string HtmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : WritableText(text)) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c; break;
    }
  }
  return out;
}

std::vector<std::string> HtmlPageLines(const ExportTable& table, const std::optional<CompanyLines>& company,
                                       int16_t language, const std::string& date) {
  std::vector<std::string> lines = {"<html>", "", "<head>", "<meta charset=\"utf-8\">", ""};
  if (language == kCroatian) lines.push_back(std::string("<title>") + kHtmlPageTitle + ", dne " + date + "</title>");
  if (language == kEnglish) lines.push_back(std::string("<title>") + kHtmlPageTitle + " as at " + date + "</title>");
  lines.push_back("");
  lines.push_back("<br>");
  if (company) {
    for (const std::string* value : {&company->name, &company->city, &company->address})
      lines.push_back("  <b>" + HtmlEscape(*value) + "</b><br>");
    lines.push_back("<br>");
    lines.push_back("<tr>");
  }
  lines.push_back("  <b>" + HtmlEscape(table.title) + "</b><br>");
  lines.push_back("<br>");
  lines.push_back("<table border=\"1\">");
  lines.push_back("<tr>");
  if (table.rows > 0)
    for (int c = 0; c < table.cols; ++c) lines.push_back(CellLine(kHeadingColour, table.Text(0, c)));
  lines.push_back("</tr>");
  long written = 0;
  for (int r = 1; r < table.rows; ++r) {
    if (table.cols == 0 || table.Text(r, 0).empty()) continue;
    ++written;
    const char* colour = written % 2 == 1 ? kOddRowColour : kEvenRowColour;
    lines.push_back("<tr>");
    for (int c = 0; c < table.cols; ++c) lines.push_back(CellLine(colour, table.Text(r, c)));
  }
  for (const char* line : {"<br>", "<tr>", "</table>", "", "</head>", "", "</html>"}) lines.push_back(line);
  return lines;
}

int WriteHtmlPage(const std::string& path, const std::vector<std::string>& lines) {
  std::string content;
  for (const std::string& line : lines) {
    content += line;
    content += "\r\n";
  }
  return WriteFileAtomically(path, content);
}

}  // namespace morvadel
