#pragma once
// The document export: the table of a view typed into a word-processor
// document as fixed-width lines of Courier New under the company line and
// the title, on a landscape page.
#include <optional>
#include <string>

#include "output/docx_writer.h"
#include "output/export_table.h"

namespace morvadel {

// The number mask of a table cell by the view's ReportCode: whole numbers on
// the statement sheets (below 6) and in the first four rows of the ratio
// window (21), two decimals everywhere else.
const char* WordNumberMask(int16_t reportCode, int gridRow);

// The line of grid row r: the label cut or padded to 20 characters, then
// each value through the number mask, right-aligned in 11 characters; a
// value that fills its field or is longer stands after one blank.
std::string WordRowLine(const ExportTable& table, int r, int16_t reportCode, char decimalMark);

// Types the export at the end of doc, after a page break when pageBreak:
// the company line in bold (when there is one), two line ends, the title
// after 48 blanks in Times New Roman 14, four line ends, one Courier New 8
// line per grid row (the heading row bold) and one more line end.
void TypeWordExport(DocDocument& doc, const ExportTable& table, const std::optional<CompanyLines>& company,
                    int16_t reportCode, bool pageBreak, char decimalMark);

}  // namespace morvadel
