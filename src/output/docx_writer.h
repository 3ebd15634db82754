#pragma once
// A small word-processor document and its .docx file: paragraphs of runs
// with a font, a size and bold, page breaks, blanks kept as typed, on
// landscape A4 pages. The document is built by typing, as a user (or a
// program driving a word processor) types at the cursor.
#include <string>
#include <string_view>
#include <vector>

namespace morvadel {

struct DocFont {
  std::string name = "Times New Roman";
  double size = 12;  // points
  bool bold = false;
  friend bool operator==(const DocFont&, const DocFont&) = default;
};

struct DocRun {
  std::string text;  // UTF-8, no line ends
  DocFont font;
  bool pageBreak = false;  // a page break in place of text
};

struct DocParagraph {
  std::vector<DocRun> runs;
  DocFont mark;  // the font of the paragraph mark: an empty paragraph's height
  std::string Text() const;  // the runs' texts joined
};

struct DocDocument {
  bool landscape = true;
  std::vector<DocParagraph> paragraphs;  // never empty: the cursor's one last
  DocDocument();
};

// The typing cursor at the end of a document, with the selection's font.
class DocTypist {
 public:
  explicit DocTypist(DocDocument& doc);
  DocFont font;  // what the next typed text gets
  // Types text; CR LF (or a lone CR or LF) ends the paragraph.
  void Type(std::string_view text);
  void PageBreak();

 private:
  DocParagraph& Current();
  DocDocument& doc_;
};

// Writes the document as a .docx file at path; returns 0 or an errno.
int WriteDocx(const std::string& path, const DocDocument& doc);

// The document part (word/document.xml) of the file.
std::string DocxDocumentXml(const DocDocument& doc);

// Page geometry of the file, in twentieths of a point: A4, one-inch margins.
inline constexpr int kDocPageShortTwips = 11906;
inline constexpr int kDocPageLongTwips = 16838;
inline constexpr int kDocMarginTwips = 1440;

}  // namespace morvadel
