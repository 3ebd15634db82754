#include "workbook_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "atomic_file.h"
#include "codepage.h"
#include "number.h"

namespace morvadel {
namespace {

constexpr int kCellLines = 25600;
constexpr int kCompanyFirstLine = 25603;
// A workbook is a few megabytes at most; anything far larger is not one.
constexpr std::streamoff kMaxFileSize = 64 * 1024 * 1024;

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

void AppendValue(std::string& out, const Cell& cell) {
  switch (cell.kind()) {
    case CellKind::Empty:
      break;
    case CellKind::Text:
      out += '"';
      out += Utf8ToCp1250(FileSafe(cell.text()));
      out += '"';
      break;
    case CellKind::FileNumber:
      // Written back as it was read; a quote in front would make it a text.
      if (!cell.fileChars().empty() && cell.fileChars().front() == '"') out += ' ';
      out += Utf8ToCp1250(FileSafe(cell.fileChars()));
      break;
    default:
      out += CellText(cell, '.');
      break;
  }
  out += "\r\n";
}

void AppendText(std::string& out, const std::string& text) { AppendValue(out, Cell::Text(text)); }

// The value a line stands for, as text: a quoted line gives what is between
// the quotes, any other line its characters.
std::string LineValue(std::string_view line) {
  if (!line.empty() && line.front() == '"') {
    line.remove_prefix(1);
    if (!line.empty() && line.back() == '"') line.remove_suffix(1);
    return Cp1250ToUtf8(line);
  }
  size_t b = line.find_first_not_of(" \t");
  if (b == std::string_view::npos) return "";
  size_t e = line.find_last_not_of(" \t");
  return Cp1250ToUtf8(line.substr(b, e - b + 1));
}

// The cell a stored line gives: a quoted line a text; an empty line a cell
// never assigned; any other line a file number, kept as its characters, so
// that its number reads the same in every locale. Each is written back as
// it was read.
Cell LineCell(std::string_view line) {
  if (!line.empty() && line.front() == '"') return Cell::Text(LineValue(line));
  if (line.empty()) return Cell();
  return Cell::FileNumber(Cp1250ToUtf8(line));
}

std::optional<int16_t> WholeLine(std::string_view line) {
  auto d = ReadFileNumber(LineValue(line));
  if (!d) return std::nullopt;
  auto v = RoundScaled(*d, 0, Rounding::HalfEven);
  if (!v || d->scale != 0) return std::nullopt;
  if (*v < INT16_MIN || *v > INT16_MAX) return std::nullopt;
  return static_cast<int16_t>(*v);
}

FileError WriteFailed(int err) { return FileError{FileError::Kind::WriteFailed, 0, std::strerror(err)}; }

}  // namespace

std::string EncodeWorkbook(const SharedState& s) {
  std::string out;
  out.reserve(512 * 1024);
  for (int r = kFirstStoredRow; r <= kLastStoredRow; ++r)
    for (int c = kFirstStoredColumn; c <= kLastStoredColumn; ++c) AppendValue(out, s.ItemTable(r, c));
  AppendText(out, s.CurrencyName);
  AppendValue(out, Cell::Int16(s.UnitIndex));
  for (int k = 0; k <= 5; ++k)
    for (int m = 0; m <= 1; ++m) AppendValue(out, s.Company(k, m));
  AppendValue(out, Cell::Int16(s.ShowCompany));
  return out;
}

FileError SaveDataFile(SharedState& s) {
  if (s.FileName.empty()) return {};
  return WriteDataFile(s);
}

FileError WriteDataFile(SharedState& s) {
  if (int err = WriteFileAtomically(s.FileName, EncodeWorkbook(s))) return WriteFailed(err);
  return {};
}

FileError CitajDatoteku(SharedState& s) {
  if (s.FileName.empty()) {
    s.NewDocFlag = kFlagOn;
    RebuildItemValues(s);
    return {};
  }
  std::ifstream in(s.FileName, std::ios::binary);
  struct stat st {};
  if (::stat(s.FileName.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
    return {FileError::Kind::CannotOpen, 0, std::strerror(EISDIR)};
  if (!in) return {FileError::Kind::CannotOpen, 0, std::strerror(errno)};
  in.seekg(0, std::ios::end);
  std::streamoff size = in.tellg();
  if (size > kMaxFileSize) return {FileError::Kind::NotWorkbook, 0, ""};
  in.seekg(0, std::ios::beg);
  std::string data(static_cast<size_t>(size < 0 ? 0 : size), '\0');
  if (!in.read(data.data(), static_cast<std::streamsize>(data.size())))
    return {FileError::Kind::CannotOpen, 0, std::strerror(errno ? errno : EIO)};

  std::vector<std::string_view> lines;
  lines.reserve(kWorkbookLines);
  std::string_view rest(data);
  while (!rest.empty() && static_cast<int>(lines.size()) < kWorkbookLines) {
    size_t nl = rest.find('\n');
    std::string_view line = rest.substr(0, nl);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
  }
  if (static_cast<int>(lines.size()) < kWorkbookLines)
    return {FileError::Kind::TooShort, static_cast<int>(lines.size()) + 1, ""};
  auto unit = WholeLine(lines[kUnitLine - 1]);
  if (!unit) return {FileError::Kind::BadUnitIndex, kUnitLine, ""};
  auto show = WholeLine(lines[kShowCompanyLine - 1]);
  if (!show) return {FileError::Kind::BadShowCompany, kShowCompanyLine, ""};

  // Everything checked: only now the workbook in memory changes.
  int line = 0;
  for (int r = kFirstStoredRow; r <= kLastStoredRow; ++r)
    for (int c = kFirstStoredColumn; c <= kLastStoredColumn; ++c)
      s.ItemTable(r, c) = LineCell(lines[static_cast<size_t>(line++)]);
  s.CurrencyName = LineValue(lines[kCurrencyLine - 1]);
  s.UnitIndex = *unit;
  line = kCompanyFirstLine - 1;
  for (int k = 0; k <= 5; ++k)
    for (int m = 0; m <= 1; ++m) s.Company(k, m) = LineCell(lines[static_cast<size_t>(line++)]);
  s.ShowCompany = *show;
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

std::string DescribeFileError(const FileError& e, const std::string& path, int16_t language) {
  const bool hr = language == kCroatian;
  const std::string detail = e.detail.empty() ? "" : " (" + e.detail + ")";
  switch (e.kind) {
    case FileError::Kind::None:
      return "";
    case FileError::Kind::CannotOpen:
      return hr ? "Datoteku " + path + " nije moguće pročitati" + detail + "."
                : "The file " + path + " cannot be read" + detail + ".";
    case FileError::Kind::NotWorkbook:
      return hr ? "Datoteka " + path + " nije radna knjiga (.eka)."
                : "The file " + path + " is not a workbook (.eka).";
    case FileError::Kind::TooShort:
      return hr ? "Datoteka " + path + " nije potpuna radna knjiga: završava prije retka " +
                      std::to_string(e.line) + " (radna knjiga ima 25.615 redaka)."
                : "The file " + path + " is not a complete workbook: it ends before line " +
                      std::to_string(e.line) + " (a workbook has 25,615 lines).";
    case FileError::Kind::BadUnitIndex:
      return hr ? "Datoteka " + path + " nije ispravna radna knjiga: redak " + std::to_string(e.line) +
                      " (jedinica iznosa) ne sadrži cijeli broj."
                : "The file " + path + " is not a valid workbook: line " + std::to_string(e.line) +
                      " (the unit of the amounts) does not hold a whole number.";
    case FileError::Kind::BadShowCompany:
      return hr ? "Datoteka " + path + " nije ispravna radna knjiga: redak " + std::to_string(e.line) +
                      " (ispis imena poduzeća) ne sadrži cijeli broj."
                : "The file " + path + " is not a valid workbook: line " + std::to_string(e.line) +
                      " (the show-company flag) does not hold a whole number.";
    case FileError::Kind::WriteFailed:
      return hr ? "Radnu knjigu nije moguće spremiti u " + path + detail +
                      ". Postojeća datoteka ostala je nepromijenjena."
                : "The workbook could not be saved to " + path + detail +
                      ". The existing file was left as it was.";
  }
  return "";
}

}  // namespace morvadel
