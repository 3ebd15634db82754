#include "output/word_export.h"

#include <string_view>

#include "output/number_mask.h"

namespace morvadel {

namespace {

constexpr int kLabelWidth = 20;
constexpr int kTitleIndent = 48;
constexpr const char* kWholeMask = "###########";
constexpr const char* kTwoDecimalMask = "#######0.00";
constexpr const char* kValueField = "@@@@@@@@@@@";
const DocFont kTitleFont{"Times New Roman", 14, false};
const DocFont kTableFont{"Courier New", 8, false};

// The first n characters of a UTF-8 text, padded with blanks to n.
std::string FitCharacters(std::string_view text, int n) {
  std::string out;
  int count = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (starts && count == n) break;
    if (starts) ++count;
    out += text[i];
  }
  out.append(static_cast<size_t>(n - count), ' ');
  return out;
}

}  // namespace

const char* WordNumberMask(int16_t reportCode, int gridRow) {
  if (reportCode < 6) return kWholeMask;
  if (reportCode == 21 && gridRow <= 3) return kWholeMask;
  return kTwoDecimalMask;
}

std::string WordRowLine(const ExportTable& table, int r, int16_t reportCode, char decimalMark) {
  std::string line = FitCharacters(table.cols > 0 ? table.Text(r, 0) : std::string(), kLabelWidth);
  const char* mask = WordNumberMask(reportCode, r);
  for (int c = 1; c < table.cols; ++c) {
    const std::string field = FormatField(table.Text(r, c), mask, kValueField, decimalMark);
    // A value that fills its field or runs beyond it would join the text
    // before it into one figure ("100.00123456789012.50").
    if (!field.empty() && field.front() != ' ' && !line.empty() && line.back() != ' ') line += ' ';
    line += field;
  }
  return line;
}

void TypeWordExport(DocDocument& doc, const ExportTable& table, const std::optional<CompanyLines>& company,
                    int16_t reportCode, bool pageBreak, char decimalMark) {
  DocTypist typist(doc);
  // Typing goes on in the font the cursor has where the document ends.
  typist.font = doc.paragraphs.back().mark;
  if (pageBreak) typist.PageBreak();
  if (company) {
    typist.font.bold = true;
    typist.Type(company->name + "   " + company->city + "   " + company->address);
    typist.font.bold = false;
  }
  typist.Type("\r\n\r\n");
  const bool bold = typist.font.bold;
  typist.font = kTitleFont;
  typist.font.bold = bold;
  typist.Type(std::string(kTitleIndent, ' ') + table.title);
  typist.Type("\r\n\r\n\r\n\r\n");
  typist.font = kTableFont;
  for (int r = 0; r < table.rows; ++r) {
    typist.font.bold = r == 0;
    typist.Type(WordRowLine(table, r, reportCode, decimalMark) + "\r\n");
  }
  typist.Type("\r\n");
}

}  // namespace morvadel
