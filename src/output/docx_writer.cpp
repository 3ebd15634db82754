#include "output/docx_writer.h"

#include <minizip/zip.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <utility>

#include "output/export_table.h"

namespace morvadel {

namespace {

constexpr const char* kContentTypes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "<Override PartName=\"/word/styles.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
    "</Types>";

constexpr const char* kPackageRels =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"word/document.xml\"/>"
    "</Relationships>";

constexpr const char* kDocumentRels =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" Target=\"styles.xml\"/>"
    "</Relationships>";

constexpr const char* kWordNamespace = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

// Text for an XML element or attribute: the markup characters as entities,
// characters XML cannot hold dropped, a tab as a blank.
std::string XmlText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : WritableText(text)) {
    const unsigned char u = static_cast<unsigned char>(ch);
    switch (ch) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\t': out += ' '; break;
      default:
        if (u >= 0x20 || ch == '\n' || ch == '\r') out += ch;
        break;
    }
  }
  return out;
}

std::string HalfPoints(double size) { return std::to_string(static_cast<int>(size * 2 + 0.5)); }

std::string RunProperties(const DocFont& f) {
  const std::string name = XmlText(f.name);
  std::string p = "<w:rPr><w:rFonts w:ascii=\"" + name + "\" w:hAnsi=\"" + name + "\" w:eastAsia=\"" + name +
                  "\" w:cs=\"" + name + "\"/>";
  if (f.bold) p += "<w:b/><w:bCs/>";
  p += "<w:sz w:val=\"" + HalfPoints(f.size) + "\"/><w:szCs w:val=\"" + HalfPoints(f.size) + "\"/></w:rPr>";
  return p;
}

std::string StylesXml() {
  const DocFont normal;
  return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<w:styles xmlns:w=\"") +
         kWordNamespace + "\"><w:docDefaults><w:rPrDefault>" + RunProperties(normal) +
         "</w:rPrDefault><w:pPrDefault><w:pPr><w:spacing w:before=\"0\" w:after=\"0\" w:line=\"240\" "
         "w:lineRule=\"auto\"/></w:pPr></w:pPrDefault></w:docDefaults>"
         "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/>"
         "</w:style></w:styles>";
}

// One part of the zip file; false with errno set on failure.
bool AddPart(zipFile zip, const char* name, const std::string& data) {
  zip_fileinfo info{};
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  info.tmz_date.tm_sec = static_cast<uInt>(local.tm_sec);
  info.tmz_date.tm_min = static_cast<uInt>(local.tm_min);
  info.tmz_date.tm_hour = static_cast<uInt>(local.tm_hour);
  info.tmz_date.tm_mday = static_cast<uInt>(local.tm_mday);
  info.tmz_date.tm_mon = static_cast<uInt>(local.tm_mon);
  info.tmz_date.tm_year = static_cast<uInt>(local.tm_year + 1900);
  if (zipOpenNewFileInZip(zip, name, &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION) !=
      ZIP_OK)
    return false;
  const bool written = zipWriteInFileInZip(zip, data.data(), static_cast<unsigned>(data.size())) == ZIP_OK;
  const bool closed = zipCloseFileInZip(zip) == ZIP_OK;
  return written && closed;
}

}  // namespace

std::string DocParagraph::Text() const {
  std::string t;
  for (const DocRun& r : runs) t += r.text;
  return t;
}

DocDocument::DocDocument() : paragraphs(1) {}

DocTypist::DocTypist(DocDocument& doc) : doc_(doc) {
  if (doc_.paragraphs.empty()) doc_.paragraphs.emplace_back();
}

DocParagraph& DocTypist::Current() { return doc_.paragraphs.back(); }

void DocTypist::Type(std::string_view text) {
  size_t i = 0;
  while (i <= text.size()) {
    const size_t end = text.find_first_of("\r\n", i);
    const std::string_view piece = text.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i);
    DocParagraph& p = Current();
    if (!piece.empty()) {
      if (!p.runs.empty() && !p.runs.back().pageBreak && p.runs.back().font == font)
        p.runs.back().text += piece;
      else
        p.runs.push_back({std::string(piece), font, false});
    }
    p.mark = font;
    if (end == std::string_view::npos) break;
    // CR LF is one paragraph end.
    i = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    doc_.paragraphs.emplace_back();
    doc_.paragraphs.back().mark = font;
  }
}

void DocTypist::PageBreak() { Current().runs.push_back({"", font, true}); }

std::string DocxDocumentXml(const DocDocument& doc) {
  std::string x = std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<w:document xmlns:w=\"") +
                  kWordNamespace + "\"><w:body>";
  for (const DocParagraph& p : doc.paragraphs) {
    x += "<w:p><w:pPr>" + RunProperties(p.mark) + "</w:pPr>";
    for (const DocRun& r : p.runs) {
      x += "<w:r>" + RunProperties(r.font);
      if (r.pageBreak)
        x += "<w:br w:type=\"page\"/>";
      else
        x += "<w:t xml:space=\"preserve\">" + XmlText(r.text) + "</w:t>";
      x += "</w:r>";
    }
    x += "</w:p>";
  }
  const int w = doc.landscape ? kDocPageLongTwips : kDocPageShortTwips;
  const int h = doc.landscape ? kDocPageShortTwips : kDocPageLongTwips;
  const std::string margin = std::to_string(kDocMarginTwips);
  x += "<w:sectPr><w:pgSz w:w=\"" + std::to_string(w) + "\" w:h=\"" + std::to_string(h) + "\"" +
       (doc.landscape ? " w:orient=\"landscape\"" : "") + "/><w:pgMar w:top=\"" + margin + "\" w:right=\"" + margin +
       "\" w:bottom=\"" + margin + "\" w:left=\"" + margin +
       "\" w:header=\"720\" w:footer=\"720\" w:gutter=\"0\"/></w:sectPr></w:body></w:document>";
  return x;
}

int WriteDocx(const std::string& path, const DocDocument& doc) {
  errno = 0;
  zipFile zip = zipOpen(path.c_str(), APPEND_STATUS_CREATE);
  if (!zip) return errno ? errno : EIO;
  const std::pair<const char*, std::string> parts[] = {
      {"[Content_Types].xml", kContentTypes},
      {"_rels/.rels", kPackageRels},
      {"word/_rels/document.xml.rels", kDocumentRels},
      {"word/styles.xml", StylesXml()},
      {"word/document.xml", DocxDocumentXml(doc)},
  };
  int err = 0;
  for (const auto& [name, data] : parts) {
    errno = 0;
    if (!AddPart(zip, name, data)) {
      err = errno ? errno : EIO;
      break;
    }
  }
  errno = 0;
  if (zipClose(zip, nullptr) != ZIP_OK && !err) err = errno ? errno : EIO;
  return err;
}

}  // namespace morvadel
