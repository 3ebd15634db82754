#pragma once
// An independent reader of the exported files for the tests: unzips a part
// and parses the spreadsheet and word-processor XML the way a reader of the
// formats does, without any of the writers' code.
#include <QString>
#include <QXmlStreamReader>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace morvadel::test {

// The text of one part of a zip file; nullopt when the file or the part
// cannot be read.
std::optional<std::string> ZipPart(const std::string& path, const std::string& name);

struct XlsxCell {
  std::string value;  // the number as written, or the text
  bool number = false;
  std::string font;
  double size = 0;
  bool bold = false;
  std::string align;   // "" (general) or "right", ...
  std::string numFmt;  // "" for the general format
};

struct XlsxSheet {
  std::string name;
  std::map<std::string, XlsxCell> cells;  // by reference, "B10"
  std::map<std::string, XlsxCell> formats; // every cell, blank ones included: its format only
  std::map<int, double> widths;           // 1-based column -> width
  std::map<int, double> columnSizes;      // 1-based column -> font size of its format
  std::map<int, double> heights;          // 1-based row -> height
  std::string defaultFont;
  double defaultSize = 0;
  const XlsxCell* At(const std::string& ref) const {
    auto it = cells.find(ref);
    return it == cells.end() ? nullptr : &it->second;
  }
};

struct XlsxBook {
  std::vector<XlsxSheet> sheets;  // in the workbook's order
  int activeTab = 0;
};
std::optional<XlsxBook> ReadXlsx(const std::string& path);

struct DocxRun {
  std::string text;
  std::string font;  // "" = the document's default
  double size = 0;   // 0 = the document's default
  bool bold = false;
  bool pageBreak = false;
};

struct DocxParagraph {
  std::vector<DocxRun> runs;
  std::string Text() const {
    std::string t;
    for (const DocxRun& r : runs) t += r.text;
    return t;
  }
};

struct DocxBook {
  std::vector<DocxParagraph> paragraphs;
  bool landscape = false;
  int pageWidth = 0, pageHeight = 0;  // twips
  std::string defaultFont;
  double defaultSize = 0;
};
std::optional<DocxBook> ReadDocx(const std::string& path);

}  // namespace morvadel::test
