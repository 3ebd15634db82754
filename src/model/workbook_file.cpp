#include "workbook_file.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
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

bool BreaksLine(char c) { return c == '\r' || c == '\n'; }

// A value may not break the one-value-per-line format: a line break would
// shift every later line (a bare CR ends a line for other readers of the
// format), so it is written as a blank; in a text a double quote would end
// the value early, so it is written as an apostrophe.
std::string FileSafe(std::string_view value, bool quoted) {
  std::string out(value);
  for (char& c : out) {
    if (quoted && c == '"') c = '\'';
    if (BreaksLine(c)) c = ' ';
  }
  return out;
}

bool IsCodePage(TextEncoding encoding) {
  return encoding == TextEncoding::Windows1250 || encoding == TextEncoding::Windows1250WithBom;
}

bool HasMark(TextEncoding encoding) {
  return encoding == TextEncoding::Utf8WithBom || encoding == TextEncoding::Windows1250WithBom;
}

// Appends the bytes of a UTF-8 text in the file's encoding; false when the
// code page lost a character of it.
bool AppendEncoded(std::string& out, std::string_view utf8, TextEncoding encoding) {
  if (IsCodePage(encoding)) return AppendCp1250(out, utf8);
  AppendValidUtf8(out, utf8);
  return true;
}

bool AppendValue(std::string& out, const Cell& cell, TextEncoding encoding) {
  bool kept = true;
  switch (cell.kind()) {
    case CellKind::Empty:
      break;
    case CellKind::Text: {
      const std::string& text = cell.text();
      const bool safe = std::none_of(text.begin(), text.end(), [](char c) { return c == '"' || BreaksLine(c); });
      out += '"';
      kept = safe ? AppendEncoded(out, text, encoding)
                  : AppendEncoded(out, FileSafe(text, true), encoding);
      out += '"';
      break;
    }
    case CellKind::FileNumber: {
      // Written back as it was read, quotes inside included: the reader
      // takes such a line whole. Only a quote in front would make it a text.
      const std::string& chars = cell.fileChars();
      if (!chars.empty() && chars.front() == '"') out += ' ';
      const bool safe = std::none_of(chars.begin(), chars.end(), BreaksLine);
      kept = safe ? AppendEncoded(out, chars, encoding)
                  : AppendEncoded(out, FileSafe(chars, false), encoding);
      break;
    }
    default:
      out += CellText(cell, '.');
      break;
  }
  out += "\r\n";
  return kept;
}

// The 25,615 lines in `encoding`; false, as soon as it happens, when the
// code page lost a character.
bool AppendWorkbook(std::string& out, const SharedState& s, TextEncoding encoding) {
  if (HasMark(encoding)) out += kUtf8Bom;
  for (int r = kFirstStoredRow; r <= kLastStoredRow; ++r)
    for (int c = kFirstStoredColumn; c <= kLastStoredColumn; ++c)
      if (!AppendValue(out, s.ItemTable(r, c), encoding)) return false;
  if (!AppendValue(out, Cell::Text(s.CurrencyName), encoding)) return false;
  AppendValue(out, Cell::Int16(s.UnitIndex), encoding);
  for (int k = 0; k <= 5; ++k)
    for (int m = 0; m <= 1; ++m)
      if (!AppendValue(out, s.Company(k, m), encoding)) return false;
  AppendValue(out, Cell::Int16(s.ShowCompany), encoding);
  return true;
}

// Whether Open reads a file's bytes (after the mark) as UTF-8, weighing
// what they hold: each well-formed UTF-8 sequence of a letter or sign a
// workbook holds counts for UTF-8; each stray byte, and each sequence of
// a character that Windows-1250 text forms by chance ("ČŠ" is C8 8A, UTF-8
// "Ȋ"), counts for Windows-1250. The file is UTF-8 when the first
// outnumber the second, and each stray byte then reads as its
// Windows-1250 letter: a Windows-1250 editor leaves a letter it typed into
// a UTF-8 file so. Otherwise it is Windows-1250 throughout. A Windows-1250
// text's lower-case letters, most of its letters, are strays, and its
// upper-case letters form sequences only of such chance characters. A
// file with the mark and no stray byte is UTF-8 whatever its letters:
// Save writes a UTF-8 workbook whose letters would not say so with the mark.
bool ReadsAsUtf8(const Utf8Census& census, bool marked) {
  if (marked && census.strays == 0) return true;
  return census.sequences - census.chance > census.strays + census.chance;
}

// Whether Open reads `body`, a file's bytes after the mark, in the
// encoding they were written in; ASCII alone reads alike in both.
bool ReadsBackAs(std::string_view body, TextEncoding encoding) {
  const Utf8Census census = CountUtf8(body);
  if (census.sequences == 0 && census.strays == 0) return true;
  return ReadsAsUtf8(census, HasMark(encoding)) != IsCodePage(encoding);
}

// One bit for each line feed among the 64 bytes at `p` (bit k for byte k).
uint64_t LineFeedBits(const char* p) {
  constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full, kFeeds = 0x0A0A0A0A0A0A0A0Aull;
  uint64_t bits = 0;
  for (int k = 0; k < 8; ++k) {
    uint64_t word;
    std::memcpy(&word, p + 8 * k, 8);
    const uint64_t x = word ^ kFeeds;                           // a line feed becomes a zero byte
    const uint64_t zero = ~(((x & kLow7) + kLow7) | x | kLow7);  // 0x80 in exactly the zero bytes
    bits |= ((zero >> 7) * 0x0102040810204080ull >> 56) << (8 * k);  // their eight flags side by side
  }
  return bits;
}

// The length of the first `most` lines of `text` with their line feeds:
// the part of a file Open reads. The line feeds are counted 64 bytes at a
// time, eight flags summed up in each byte of a word.
size_t LinesEnd(std::string_view text, size_t most) {
  constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full, kFeeds = 0x0A0A0A0A0A0A0A0Aull;
  size_t seen = 0, at = 0;
  for (; at + 64 <= text.size(); at += 64) {
    uint64_t flags = 0;
    for (int k = 0; k < 8; ++k) {
      uint64_t word;
      std::memcpy(&word, text.data() + at + 8 * k, 8);
      const uint64_t x = word ^ kFeeds;                    // a line feed becomes a zero byte
      flags += ~(((x & kLow7) + kLow7) | x | kLow7) >> 7;  // 1 in exactly the zero bytes
    }
    const auto feeds = static_cast<size_t>((flags * 0x0101010101010101ull) >> 56);
    if (seen + feeds >= most) break;  // the last line ends in this block
    seen += feeds;
  }
  for (; at < text.size(); ++at)
    if (text[at] == '\n' && ++seen == most) return at + 1;
  return text.size();
}

// The first `most` lines of `text`, each without its line feed and the
// carriage returns before it. The line feeds are found 64 bytes at a time:
// one hard-to-predict branch a block instead of one a line.
std::vector<std::string_view> SplitLines(std::string_view text, size_t most) {
  std::vector<std::string_view> lines;
  lines.reserve(most);
  size_t start = 0;
  auto take = [&](size_t end) {
    std::string_view line = text.substr(start, end - start);
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  };
  size_t at = 0;
  if constexpr (std::endian::native == std::endian::little)
    for (; at + 64 <= text.size() && lines.size() < most; at += 64)
      for (uint64_t bits = LineFeedBits(text.data() + at); bits != 0 && lines.size() < most; bits &= bits - 1)
        take(at + static_cast<size_t>(std::countr_zero(bits)));
  for (; at < text.size() && lines.size() < most; ++at)
    if (text[at] == '\n') take(at);
  if (start < text.size() && lines.size() < most) take(text.size());
  return lines;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The closing quote of a quoted line: the last quote, when only blanks,
// tabs and carriage returns follow it; npos when there is none.
size_t ClosingQuote(std::string_view line) {
  size_t end = line.size();
  while (end > 0 && (IsBlank(line[end - 1]) || line[end - 1] == '\r')) --end;
  return end > 1 && line[end - 1] == '"' ? end - 1 : std::string_view::npos;
}

// Reads the lines of a file already in UTF-8.
class LineReader {
 public:
  // The value a line stands for, as text: a quoted line gives what is
  // between the quotes, any other line its characters without blanks
  // around.
  std::string Value(std::string_view line) const {
    if (!line.empty() && line.front() == '"') {
      const size_t close = ClosingQuote(line);
      return std::string(close == std::string_view::npos ? line.substr(1) : line.substr(1, close - 1));
    }
    size_t b = 0, e = line.size();
    while (b < e && IsBlank(line[b])) ++b;
    while (e > b && IsBlank(line[e - 1])) --e;
    return std::string(line.substr(b, e - b));
  }

  Cell Stored(std::string_view line) const {
    if (!line.empty() && line.front() == '"') return Cell::Text(Value(line));
    if (line.empty()) return Cell();
    return Cell::FileNumber(std::string(line));
  }

  std::optional<int16_t> Whole(std::string_view line) const {
    auto d = ReadFileNumber(Value(line));
    if (!d || d->scale != 0) return std::nullopt;
    auto v = RoundScaled(*d, 0, Rounding::HalfEven);
    if (!v || *v < INT16_MIN || *v > INT16_MAX) return std::nullopt;
    return static_cast<int16_t>(*v);
  }
};

// The encoding of a file's bytes after the mark, and the bytes in UTF-8:
// `bytes` themselves or `decoded`. They are turned into UTF-8 in one go:
// the line feeds, quotes and blanks are the same bytes in every reading
// and no letter's bytes hold them, so every line and its value reads as it
// would have byte by byte. Some tools put the UTF-8 mark in front of any
// text file, so a mark alone does not make the file UTF-8: a Windows-1250
// file keeps its mark, to be written back.
std::string_view Decode(std::string_view bytes, bool marked, TextEncoding& encoding, std::string& decoded) {
  const Utf8Census census = CountUtf8(bytes);
  if (ReadsAsUtf8(census, marked)) {
    encoding = marked ? TextEncoding::Utf8WithBom : TextEncoding::Utf8;
    if (census.strays == 0) return bytes;
    decoded = StraysToUtf8(bytes);
  } else if (census.sequences == 0 && census.strays == 0) {
    encoding = TextEncoding::Windows1250;
    return bytes;
  } else {
    encoding = marked ? TextEncoding::Windows1250WithBom : TextEncoding::Windows1250;
    decoded = Cp1250ToUtf8(bytes);
  }
  return decoded;
}

// Whether anything follows the line feed that ends `last`, a line of `text`.
bool BytesFollow(std::string_view text, std::string_view last) {
  const size_t feed = text.find('\n', static_cast<size_t>(last.data() + last.size() - text.data()));
  return feed != std::string_view::npos && feed + 1 < text.size();
}

}  // namespace

std::string EncodeWorkbook(const SharedState& s) {
  std::string out;
  out.reserve(512 * 1024);
  TextEncoding enc = s.FileEncoding;
  // The code page has room for the Croatian letters but not for every letter
  // a user may type ("Crème", a Cyrillic name); a workbook holding one is
  // written in UTF-8, which the reader recognises, rather than with "?".
  // Nor is it written in bytes that Open would read as other letters:
  // where the code page's bytes would read as UTF-8, it is written in UTF-8,
  // and where UTF-8 without the mark would read as the code page (a text
  // of "Ơ" alone is "Ć" and a no-break space in Windows-1250), with the mark.
  const auto body = [&] { return std::string_view(out).substr(HasMark(enc) ? kUtf8Bom.size() : 0); };
  if (IsCodePage(enc)) {
    if (AppendWorkbook(out, s, enc) && ReadsBackAs(body(), enc)) return out;
    enc = HasMark(enc) ? TextEncoding::Utf8WithBom : TextEncoding::Utf8;
    out.clear();
  }
  AppendWorkbook(out, s, enc);
  if (!ReadsBackAs(body(), enc)) out.insert(0, kUtf8Bom);
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

  std::string_view rest(data);
  const bool marked = rest.starts_with(kUtf8Bom);
  if (marked) rest.remove_prefix(kUtf8Bom.size());
  TextEncoding encoding;
  std::string decoded;
  std::string_view text = Decode(rest, marked, encoding, decoded);
  std::vector<std::string_view> lines = SplitLines(text, kWorkbookLines);
  // Only the lines Open reads decide how they are read: bytes after the
  // last one, which Save drops, are left out and the lines read again.
  if (lines.size() == static_cast<size_t>(kWorkbookLines) && BytesFollow(text, lines.back())) {
    text = Decode(rest.substr(0, LinesEnd(rest, kWorkbookLines)), marked, encoding, decoded);
    lines = SplitLines(text, kWorkbookLines);
  }
  if (static_cast<int>(lines.size()) < kWorkbookLines) {
    FileError shortFile;
    shortFile.kind = FileError::Kind::TooShort;
    shortFile.line = static_cast<int>(lines.size()) + 1;
    return shortFile;
  }
  const LineReader reader;
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
