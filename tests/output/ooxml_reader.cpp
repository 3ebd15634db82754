#include "ooxml_reader.h"

#include <unzip.h>

#include <QRegularExpression>

namespace morvadel::test {

namespace {

using Reader = QXmlStreamReader;

QString Attr(const Reader& x, const char* name) { return x.attributes().value(QString::fromLatin1(name)).toString(); }

bool Is(const Reader& x, const char* name) { return x.isStartElement() && x.qualifiedName() == QLatin1String(name); }
bool Ends(const Reader& x, const char* name) { return x.isEndElement() && x.qualifiedName() == QLatin1String(name); }

// A switch element such as <b/> or <w:b w:val="0"/>: on unless its value
// says off.
bool Switch(const Reader& x, const char* valName) {
  const QString v = Attr(x, valName);
  return v.isEmpty() || (v != "0" && v != "false");
}

struct Font {
  std::string name;
  double size = 0;
  bool bold = false;
};
struct Xf {
  int font = 0;
  int numFmt = 0;
  std::string align;
};

std::string BuiltinFormat(int id) {
  switch (id) {
    case 0: return "";
    case 1: return "0";
    case 2: return "0.00";
    default: return "builtin " + std::to_string(id);
  }
}

}  // namespace

std::optional<std::string> ZipPart(const std::string& path, const std::string& name) {
  unzFile zip = unzOpen(path.c_str());
  if (!zip) return std::nullopt;
  std::optional<std::string> out;
  if (unzLocateFile(zip, name.c_str(), 1) == UNZ_OK && unzOpenCurrentFile(zip) == UNZ_OK) {
    std::string data;
    char buf[8192];
    int n;
    while ((n = unzReadCurrentFile(zip, buf, sizeof buf)) > 0) data.append(buf, static_cast<size_t>(n));
    if (unzCloseCurrentFile(zip) == UNZ_OK && n == 0) out = std::move(data);
  }
  unzClose(zip);
  return out;
}

std::optional<XlsxBook> ReadXlsx(const std::string& path) {
  auto workbook = ZipPart(path, "xl/workbook.xml");
  auto rels = ZipPart(path, "xl/_rels/workbook.xml.rels");
  auto styles = ZipPart(path, "xl/styles.xml");
  if (!workbook || !rels || !styles) return std::nullopt;
  const std::string strings = ZipPart(path, "xl/sharedStrings.xml").value_or("");

  std::map<std::string, std::string> targets;
  for (Reader x(QByteArray::fromStdString(*rels)); !x.atEnd();) {
    x.readNext();
    if (Is(x, "Relationship")) targets[Attr(x, "Id").toStdString()] = Attr(x, "Target").toStdString();
  }

  std::vector<std::string> shared;
  for (Reader x(QByteArray::fromStdString(strings)); !x.atEnd();) {
    x.readNext();
    if (Is(x, "si")) shared.emplace_back();
    if (Is(x, "t") && !shared.empty()) shared.back() += x.readElementText().toStdString();
  }

  std::vector<Font> fonts;
  std::vector<Xf> xfs;
  std::map<int, std::string> numFmts;
  {
    bool inFonts = false, inXfs = false;
    for (Reader x(QByteArray::fromStdString(*styles)); !x.atEnd();) {
      x.readNext();
      if (Is(x, "numFmt")) numFmts[Attr(x, "numFmtId").toInt()] = Attr(x, "formatCode").toStdString();
      if (Is(x, "fonts")) inFonts = true;
      if (Ends(x, "fonts")) inFonts = false;
      if (Is(x, "cellXfs")) inXfs = true;
      if (Ends(x, "cellXfs")) inXfs = false;
      if (inFonts && Is(x, "font")) fonts.emplace_back();
      if (inFonts && !fonts.empty()) {
        if (Is(x, "b")) fonts.back().bold = Switch(x, "val");
        if (Is(x, "sz")) fonts.back().size = Attr(x, "val").toDouble();
        if (Is(x, "name")) fonts.back().name = Attr(x, "val").toStdString();
      }
      if (inXfs && Is(x, "xf")) xfs.push_back({Attr(x, "fontId").toInt(), Attr(x, "numFmtId").toInt(), ""});
      if (inXfs && Is(x, "alignment") && !xfs.empty()) xfs.back().align = Attr(x, "horizontal").toStdString();
    }
  }
  auto format = [&](int id) { return numFmts.count(id) ? numFmts[id] : BuiltinFormat(id); };

  XlsxBook book;
  std::vector<std::string> sheetParts;
  for (Reader x(QByteArray::fromStdString(*workbook)); !x.atEnd();) {
    x.readNext();
    if (Is(x, "workbookView") && !Attr(x, "activeTab").isEmpty()) book.activeTab = Attr(x, "activeTab").toInt();
    if (Is(x, "sheet")) {
      book.sheets.emplace_back();
      book.sheets.back().name = Attr(x, "name").toStdString();
      sheetParts.push_back("xl/" + targets[Attr(x, "r:id").toStdString()]);
    }
  }
  for (size_t i = 0; i < book.sheets.size(); ++i) {
    XlsxSheet& sheet = book.sheets[i];
    if (!fonts.empty()) {
      sheet.defaultFont = fonts[0].name;
      sheet.defaultSize = fonts[0].size;
    }
    auto data = ZipPart(path, sheetParts[i]);
    if (!data) return std::nullopt;
    // A cell with the format of a style index, without its value.
    auto styled = [&](int style) {
      XlsxCell cell;
      if (style >= 0 && static_cast<size_t>(style) < xfs.size()) {
        const Xf& xf = xfs[static_cast<size_t>(style)];
        const Font& f = fonts.at(static_cast<size_t>(xf.font));
        cell.font = f.name;
        cell.size = f.size;
        cell.bold = f.bold;
        cell.align = xf.align;
        cell.numFmt = format(xf.numFmt);
      }
      return cell;
    };
    std::string ref, type;
    int style = 0;
    for (Reader x(QByteArray::fromStdString(*data)); !x.atEnd();) {
      x.readNext();
      if (Is(x, "col")) {
        const double size = styled(Attr(x, "style").toInt()).size;
        for (int c = Attr(x, "min").toInt(); c <= Attr(x, "max").toInt(); ++c) {
          sheet.widths[c] = Attr(x, "width").toDouble();
          sheet.columnSizes[c] = size;
        }
      }
      if (Is(x, "row") && !Attr(x, "ht").isEmpty()) sheet.heights[Attr(x, "r").toInt()] = Attr(x, "ht").toDouble();
      if (Is(x, "c")) {
        ref = Attr(x, "r").toStdString();
        type = Attr(x, "t").toStdString();
        style = Attr(x, "s").toInt();
        sheet.formats[ref] = styled(style);
      }
      if (Is(x, "v")) {
        XlsxCell cell = styled(style);
        const std::string v = x.readElementText().toStdString();
        cell.number = type.empty() || type == "n";
        cell.value = type == "s" ? shared.at(std::stoul(v)) : v;
        sheet.cells[ref] = cell;
      }
    }
  }
  return book;
}

std::optional<DocxBook> ReadDocx(const std::string& path) {
  auto document = ZipPart(path, "word/document.xml");
  if (!document) return std::nullopt;
  DocxBook book;
  if (auto styles = ZipPart(path, "word/styles.xml")) {
    bool inDefaults = false;
    for (Reader x(QByteArray::fromStdString(*styles)); !x.atEnd();) {
      x.readNext();
      if (Is(x, "w:rPrDefault")) inDefaults = true;
      if (Ends(x, "w:rPrDefault")) inDefaults = false;
      if (inDefaults && Is(x, "w:rFonts")) book.defaultFont = Attr(x, "w:ascii").toStdString();
      if (inDefaults && Is(x, "w:sz")) book.defaultSize = Attr(x, "w:val").toDouble() / 2;
    }
  }
  bool inRun = false, inRunProps = false;
  DocxRun run;
  for (Reader x(QByteArray::fromStdString(*document)); !x.atEnd();) {
    x.readNext();
    if (Is(x, "w:p")) book.paragraphs.emplace_back();
    if (Is(x, "w:r")) {
      inRun = true;
      run = DocxRun();
    }
    if (Is(x, "w:rPr") && inRun) inRunProps = true;
    if (Ends(x, "w:rPr")) inRunProps = false;
    if (inRunProps) {
      if (Is(x, "w:rFonts")) run.font = Attr(x, "w:ascii").toStdString();
      if (Is(x, "w:sz")) run.size = Attr(x, "w:val").toDouble() / 2;
      if (Is(x, "w:b")) run.bold = Switch(x, "w:val");
    }
    if (inRun && Is(x, "w:t")) run.text += x.readElementText().toStdString();
    if (inRun && Is(x, "w:br") && Attr(x, "w:type") == "page") run.pageBreak = true;
    if (Ends(x, "w:r")) {
      inRun = false;
      if (!book.paragraphs.empty()) book.paragraphs.back().runs.push_back(run);
    }
    if (Is(x, "w:pgSz")) {
      book.pageWidth = Attr(x, "w:w").toInt();
      book.pageHeight = Attr(x, "w:h").toInt();
      book.landscape = Attr(x, "w:orient") == "landscape";
    }
  }
  return book;
}

}  // namespace morvadel::test
