#include "workbook_file.h"

#include <optional>
#include <string_view>
#include <vector>

#include "codepage.h"
#include "number.h"

namespace morvadel {
namespace {

// A workbook is a few megabytes at most; anything far larger is not one.
constexpr size_t kMaxFileSize = 64 * 1024 * 1024;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// A text may not break the one-value-per-line format: a double quote would
// end the value early and a line break would shift every later line.
std::string FileSafe(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == '"') c = '\'';
    if (c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

bool IsCodePage(TextEncoding encoding) {
  return encoding == TextEncoding::Windows1250 || encoding == TextEncoding::Windows1250WithBom;
}

bool HasMark(TextEncoding encoding) {
  return encoding == TextEncoding::Utf8WithBom || encoding == TextEncoding::Windows1250WithBom;
}

std::string Encode(std::string_view utf8, TextEncoding encoding) {
  return IsCodePage(encoding) ? Utf8ToCp1250(utf8) : ValidUtf8(utf8);
}

std::string Decode(std::string_view bytes, TextEncoding encoding) {
  return IsCodePage(encoding) ? Cp1250ToUtf8(bytes) : ValidUtf8(bytes);
}

void AppendValue(std::string& out, const Cell& cell, TextEncoding encoding) {
  switch (cell.kind()) {
    case CellKind::Empty:
      break;
    case CellKind::Text:
      out += '"';
      out += Encode(FileSafe(cell.text()), encoding);
      out += '"';
      break;
    case CellKind::FileNumber:
      // Written back as it was read, quotes inside included: the reader
      // takes such a line whole. Only a quote in front would make it a text.
      if (!cell.fileChars().empty() && cell.fileChars().front() == '"') out += ' ';
      out += Encode(cell.fileChars(), encoding);
      break;
    default:
      out += CellText(cell, '.');
      break;
  }
  out += "\r\n";
}

// How the file's bytes are to be read. Some tools put the UTF-8 mark in
// front of any text file, so after a mark the rest must be UTF-8 too;
// otherwise it is the code page, and the mark is kept to be written back.
TextEncoding EncodingOf(std::string_view data) {
  if (data.substr(0, kUtf8Bom.size()) == kUtf8Bom)
    return IsValidUtf8(data.substr(kUtf8Bom.size())) ? TextEncoding::Utf8WithBom : TextEncoding::Windows1250WithBom;
  bool beyondAscii = false;
  for (char c : data)
    if (static_cast<unsigned char>(c) >= 0x80) {
      beyondAscii = true;
      break;
    }
  return beyondAscii && IsValidUtf8(data) ? TextEncoding::Utf8 : TextEncoding::Windows1250;
}

// The closing quote of a quoted line: the last quote, when only blanks,
// tabs and carriage returns follow it; npos when there is none.
size_t ClosingQuote(std::string_view line) {
  const size_t last = line.find_last_not_of(" \t\r");
  return last != std::string_view::npos && last > 0 && line[last] == '"' ? last : std::string_view::npos;
}

class LineReader {
 public:
  explicit LineReader(TextEncoding encoding) : encoding_(encoding) {}

  // The value a line stands for, as text: a quoted line gives what is
  // between the quotes, any other line its characters without blanks
  // around.
  std::string Value(std::string_view line) const {
    if (!line.empty() && line.front() == '"') {
      const size_t close = ClosingQuote(line);
      return Decode(close == std::string_view::npos ? line.substr(1) : line.substr(1, close - 1), encoding_);
    }
    const size_t b = line.find_first_not_of(" \t");
    if (b == std::string_view::npos) return "";
    const size_t e = line.find_last_not_of(" \t");
    return Decode(line.substr(b, e - b + 1), encoding_);
  }

  Cell Stored(std::string_view line) const {
    if (!line.empty() && line.front() == '"') return Cell::Text(Value(line));
    if (line.empty()) return Cell();
    return Cell::FileNumber(Decode(line, encoding_));
  }

  std::optional<int16_t> Whole(std::string_view line) const {
    auto d = ReadFileNumber(Value(line));
    if (!d || d->scale != 0) return std::nullopt;
    auto v = RoundScaled(*d, 0, Rounding::HalfEven);
    if (!v || *v < INT16_MIN || *v > INT16_MAX) return std::nullopt;
    return static_cast<int16_t>(*v);
  }

 private:
  TextEncoding encoding_;
};

// The code page has room for the Croatian letters but not for every letter
// a user may type ("Crème", a Cyrillic name); a workbook holding one is
// written in UTF-8, which the reader recognises, rather than with "?".
bool FitsCodePage(const SharedState& s) {
  auto fits = [](const Cell& c) {
    return c.IsText() ? FitsCp1250(c.text()) : c.kind() != CellKind::FileNumber || FitsCp1250(c.fileChars());
  };
  for (int r = kFirstStoredRow; r <= kLastStoredRow; ++r)
    for (int c = kFirstStoredColumn; c <= kLastStoredColumn; ++c)
      if (!fits(s.ItemTable(r, c))) return false;
  for (int k = 0; k <= 5; ++k)
    for (int m = 0; m <= 1; ++m)
      if (!fits(s.Company(k, m))) return false;
  return FitsCp1250(s.CurrencyName);
}

}  // namespace

std::string EncodeWorkbook(const SharedState& s) {
  TextEncoding enc = s.FileEncoding;
  if (IsCodePage(enc) && !FitsCodePage(s)) enc = HasMark(enc) ? TextEncoding::Utf8WithBom : TextEncoding::Utf8;
  std::string out;
  out.reserve(512 * 1024);
  if (HasMark(enc)) out += kUtf8Bom;
  for (int r = kFirstStoredRow; r <= kLastStoredRow; ++r)
    for (int c = kFirstStoredColumn; c <= kLastStoredColumn; ++c) AppendValue(out, s.ItemTable(r, c), enc);
  AppendValue(out, Cell::Text(s.CurrencyName), enc);
  AppendValue(out, Cell::Int16(s.UnitIndex), enc);
  for (int k = 0; k <= 5; ++k)
    for (int m = 0; m <= 1; ++m) AppendValue(out, s.Company(k, m), enc);
  AppendValue(out, Cell::Int16(s.ShowCompany), enc);
  return out;
}

FileError SaveDataFile(SharedState& s) {
  if (s.FileName.empty()) return {};
  return WriteDataFile(s);
}

FileError WriteDataFile(SharedState& s) { return WriteWholeFile(s.FileName, EncodeWorkbook(s)); }

FileError CitajDatoteku(SharedState& s) {
  if (s.FileName.empty()) {
    s.NewDocFlag = kFlagOn;
    RebuildItemValues(s);
    return {};
  }
  std::string data;
  FileError e = ReadWholeFile(s.FileName, kMaxFileSize, data);
  if (e.kind == FileError::Kind::TooLarge) e.kind = FileError::Kind::NotWorkbook;
  if (!e.ok()) return e;

  const TextEncoding encoding = EncodingOf(data);
  std::string_view rest(data);
  if (HasMark(encoding)) rest.remove_prefix(kUtf8Bom.size());
  std::vector<std::string_view> lines;
  lines.reserve(kWorkbookLines);
  while (!rest.empty() && static_cast<int>(lines.size()) < kWorkbookLines) {
    const size_t nl = rest.find('\n');
    std::string_view line = rest.substr(0, nl);
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
  }
  if (static_cast<int>(lines.size()) < kWorkbookLines) {
    FileError shortFile;
    shortFile.kind = FileError::Kind::TooShort;
    shortFile.line = static_cast<int>(lines.size()) + 1;
    return shortFile;
  }
  const LineReader reader(encoding);
  auto bad = [](FileError::Kind kind, int line) {
    FileError f;
    f.kind = kind;
    f.line = line;
    return f;
  };
  auto unit = reader.Whole(lines[kUnitLine - 1]);
  if (!unit) return bad(FileError::Kind::BadUnitIndex, kUnitLine);
  auto show = reader.Whole(lines[kShowCompanyLine - 1]);
  if (!show) return bad(FileError::Kind::BadShowCompany, kShowCompanyLine);

  // Everything checked: only now the workbook in memory changes.
  size_t line = 0;
  for (int r = kFirstStoredRow; r <= kLastStoredRow; ++r)
    for (int c = kFirstStoredColumn; c <= kLastStoredColumn; ++c) s.ItemTable(r, c) = reader.Stored(lines[line++]);
  s.CurrencyName = reader.Value(lines[kCurrencyLine - 1]);
  s.UnitIndex = *unit;
  line = kCompanyFirstLine - 1;
  for (int k = 0; k <= 5; ++k)
    for (int m = 0; m <= 1; ++m) s.Company(k, m) = reader.Stored(lines[line++]);
  s.ShowCompany = *show;
  s.FileEncoding = encoding;
  ApplyUnitText(s);
  RebuildItemValues(s);
  return {};
}

void BrisiDatoteku(SharedState& s) {
  for (int r = kFirstStoredRow; r <= kLastStoredRow; ++r)
    for (int c = kFirstStoredColumn; c <= kLastStoredColumn; ++c) s.ItemTable(r, c) = Cell::Text("");
}

void RebuildItemValues(SharedState& s) {
  for (int r = 2; r <= kLastStoredRow; ++r)
    for (int c = kFirstPeriodColumn; c <= kLastPeriodColumn; ++c) {
      auto v = ToWhole(s.ItemTable(r, c), s.DecimalMark);
      s.ItemValues(r, c) = v.ok() ? v.value : 0;
    }
}

}  // namespace morvadel
