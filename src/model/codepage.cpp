#include "codepage.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace morvadel {
namespace {

// Bytes 0x80..0xFF of Windows-1250 as Unicode. The five bytes the code page
// leaves unassigned (0x81, 0x83, 0x88, 0x90, 0x98) stand for the control
// characters of the same number, as Windows reads them, so that a workbook
// holding one is written back byte for byte instead of with "?". Built in,
// so reading and writing a workbook never depend on the conversion modules
// a system happens to have.
constexpr std::array<char16_t, 128> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

// The code page's characters above ASCII lie in two ranges of Unicode:
// Latin letters and marks below U+0300, punctuation and signs from U+2000.
constexpr char32_t kLowEnd = 0x300;
constexpr char32_t kPunctFirst = 0x2000, kPunctEnd = 0x2130;

// Unicode to byte, the reverse of kHigh, built once at compile time; 0
// where the code page has no place for the character.
struct Reverse {
  std::array<unsigned char, kLowEnd> low{};
  std::array<unsigned char, kPunctEnd - kPunctFirst> punct{};

  constexpr Reverse() {
    for (size_t i = 0; i < kHigh.size(); ++i) {
      const char32_t cp = kHigh[i];
      const auto byte = static_cast<unsigned char>(0x80 + i);
      if (cp < kLowEnd) low[cp] = byte;
      else punct.at(cp - kPunctFirst) = byte;  // a character outside both ranges fails the build
    }
  }

  unsigned char Byte(char32_t cp) const {
    if (cp < kLowEnd) return low[cp];
    return cp >= kPunctFirst && cp < kPunctEnd ? punct[cp - kPunctFirst] : 0;
  }
};

constexpr Reverse kReverse;

// The UTF-8 of every byte of the code page, built once; padded to four
// bytes, so that a letter is copied without a loop.
struct Utf8OfByte {
  std::array<std::array<char, 4>, 256> bytes{};
  std::array<unsigned char, 256> length{};

  constexpr Utf8OfByte() {
    for (size_t b = 0; b < 256; ++b) {
      const char32_t cp = b < 0x80 ? static_cast<char32_t>(b) : kHigh[b - 0x80];
      auto& u = bytes[b];
      if (cp < 0x80) {
        u[0] = static_cast<char>(cp);
        length[b] = 1;
      } else if (cp < 0x800) {
        u[0] = static_cast<char>(0xC0 | (cp >> 6));
        u[1] = static_cast<char>(0x80 | (cp & 0x3F));
        length[b] = 2;
      } else {
        u[0] = static_cast<char>(0xE0 | (cp >> 12));
        u[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        u[2] = static_cast<char>(0x80 | (cp & 0x3F));
        length[b] = 3;
      }
    }
  }
};

constexpr Utf8OfByte kUtf8OfByte;

}  // namespace

// Eight bytes at a time: most of a workbook is nothing else.
size_t AsciiRun(std::string_view bytes) {
  const size_t n = bytes.size();
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t word;
    std::memcpy(&word, bytes.data() + i, 8);
    if (word & 0x8080808080808080ull) break;
  }
  while (i < n && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
  return i;
}

namespace {

// The classes of the bytes beyond ASCII, as a UTF-8 sequence takes them:
// 0..2 the continuation bytes 80..8F, 90..9F and A0..BF; 3 the bytes that
// lead a two-byte sequence; 4 E0, 5 the other bytes that lead a three-byte
// one, 6 ED; 7 F0, 8 F1..F3, 9 F4; 10 the bytes that lead none.
constexpr int kClasses = 11;
// The states of a sequence being read: 0 none; after the first byte of a
// two-byte sequence (1), of a three-byte one (2, 3 after E0, 4 after ED)
// or of a four-byte one (6 after F0, 7, 8 after F4); 5 with the last byte
// of a three-byte sequence to come, 9 and 10 with the last two and the
// last of a four-byte one.
constexpr int kStates = 11;

struct SequenceTable {
  std::array<unsigned char, 128> classOf{};
  std::array<unsigned char, kStates * kClasses> next{};  // the next state | the length of the sequence ended << 4

  constexpr SequenceTable() {
    for (int b = 0x80; b < 0x100; ++b)
      classOf[b - 0x80] = b < 0x90    ? 0
                          : b < 0xA0  ? 1
                          : b < 0xC0  ? 2
                          : b < 0xC2  ? 10
                          : b < 0xE0  ? 3
                          : b == 0xE0 ? 4
                          : b == 0xED ? 6
                          : b < 0xF0  ? 5
                          : b == 0xF0 ? 7
                          : b < 0xF4  ? 8
                          : b == 0xF4 ? 9
                                      : 10;
    // A byte the sequence cannot take next is read as if it came first.
    constexpr unsigned char kFirst[kClasses] = {0, 0, 0, 1, 3, 2, 4, 6, 7, 8, 0};
    for (int state = 0; state < kStates; ++state)
      for (int c = 0; c < kClasses; ++c) {
        const bool continuation = c <= 2;
        unsigned char entry = kFirst[c];
        if (state == 1 && continuation) entry = 2 << 4;
        if (state == 2 && continuation) entry = 5;
        if (state == 3 && c == 2) entry = 5;  // no overlong forms
        if (state == 4 && c <= 1) entry = 5;  // no surrogates
        if (state == 5 && continuation) entry = 3 << 4;
        if (state == 6 && (c == 1 || c == 2)) entry = 9;  // no overlong forms
        if (state == 7 && continuation) entry = 9;
        if (state == 8 && c == 0) entry = 9;  // nothing above U+10FFFF
        if (state == 9 && continuation) entry = 10;
        if (state == 10 && continuation) entry = 4 << 4;
        next[static_cast<size_t>(state * kClasses + c)] = entry;
      }
  }
};

constexpr SequenceTable kSequences;

// Reads bytes beyond ASCII one at a time as UTF-8 and finds the
// well-formed sequences among them, as CountUtf8 does: two look-ups a byte
// and no branch. ASCII between them starts afresh.
class SequenceReader {
 public:
  // The length of the sequence the byte ended; 0 for none.
  unsigned Read(unsigned char b) {
    const unsigned char entry = kSequences.next[state_ * kClasses + kSequences.classOf[b - 0x80]];
    state_ = entry & 0x0F;
    return entry >> 4;
  }
  void Restart() { state_ = 0; }

 private:
  unsigned state_ = 0;
};

// The census of the bytes appended, by a SequenceReader.
struct CensusOfAppended {
  SequenceReader reader;
  size_t high = 0, covered = 0, sequences = 0;

  void Ascii() { reader.Restart(); }
  void Byte(unsigned char b) {
    const unsigned length = reader.Read(b);
    ++high;
    covered += length;
    sequences += length != 0;
  }
};

struct NoCensus {
  void Ascii() {}
  void Byte(unsigned char) {}
};

template <class Census>
bool AppendCp1250Counting(std::string& out, std::string_view utf8, Census& census) {
  bool kept = true;
  const size_t n = utf8.size();
  for (size_t i = 0; i < n;) {
    const size_t run = AsciiRun(utf8.substr(i));
    if (run != 0) {
      out.append(utf8.data() + i, run);
      census.Ascii();
      i += run;
    }
    if (i == n) break;
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    const int len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    char32_t cp = len == 4 ? c & 0x07 : len == 3 ? c & 0x0F : c & 0x1F;
    bool valid = len > 1 && i + static_cast<size_t>(len) <= n;
    for (int k = 1; valid && k < len; ++k) {
      const unsigned char cc = static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]);
      if ((cc & 0xC0) != 0x80) valid = false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    const unsigned char byte = valid ? kReverse.Byte(cp) : 0;
    if (byte == 0) {
      out += '?';
      census.Ascii();
      kept = false;
    } else {
      out += static_cast<char>(byte);
      census.Byte(byte);
    }
    i += valid ? static_cast<size_t>(len) : 1;
  }
  return kept;
}

}  // namespace

bool AppendCp1250(std::string& out, std::string_view utf8) {
  NoCensus none;
  return AppendCp1250Counting(out, utf8, none);
}

bool AppendCp1250(std::string& out, std::string_view utf8, Utf8Census& census) {
  CensusOfAppended counted;
  const bool kept = AppendCp1250Counting(out, utf8, counted);
  census.sequences += counted.sequences;
  census.strays += counted.high - counted.covered;
  return kept;
}

std::string Utf8ToCp1250(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  AppendCp1250(out, utf8);
  return out;
}

std::string Cp1250ToUtf8(std::string_view bytes) {
  if (AsciiRun(bytes) == bytes.size()) return std::string(bytes);
  // Converted a piece at a time through a buffer on the stack: a label,
  // one piece, becomes its string at once at its exact size.
  constexpr size_t kPiece = 256;
  char buffer[kPiece * 3 + 8];  // three bytes a letter at most, and room for a last copy
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);  // a text of some letters grows by a few
  for (size_t at = 0; at < bytes.size(); at += kPiece) {
    const std::string_view piece = bytes.substr(at, kPiece);
    char* to = buffer;
    for (size_t i = 0; i < piece.size();) {
      uint64_t word;
      if (i + 8 <= piece.size() && (std::memcpy(&word, piece.data() + i, 8), (word & 0x8080808080808080ull) == 0)) {
        std::memcpy(to, &word, 8);  // eight ASCII bytes stay as they are
        to += 8;
        i += 8;
        continue;
      }
      const auto b = static_cast<unsigned char>(piece[i++]);
      std::memcpy(to, kUtf8OfByte.bytes[b].data(), 4);
      to += kUtf8OfByte.length[b];
    }
    const auto size = static_cast<size_t>(to - buffer);
    if (at == 0 && piece.size() == bytes.size()) return std::string(buffer, size);
    out.append(buffer, size);
  }
  return out;
}

size_t Utf8SequenceLength(std::string_view bytes) {
  if (bytes.empty()) return 0;
  const auto at = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char c = at(0);
  if (c < 0x80) return 1;
  size_t len = 0;
  unsigned char lo = 0x80, hi = 0xBF;  // the range of the second byte
  if (c >= 0xC2 && c <= 0xDF) {
    len = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    len = 3;
    if (c == 0xE0) lo = 0xA0;  // no overlong forms
    if (c == 0xED) hi = 0x9F;  // no surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    len = 4;
    if (c == 0xF0) lo = 0x90;
    if (c == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (bytes.size() < len || at(1) < lo || at(1) > hi) return 0;
  for (size_t k = 2; k < len; ++k)
    if ((at(k) & 0xC0) != 0x80) return 0;
  return len;
}

namespace {

// The length of the well-formed sequence at bytes[i] (i < size): the
// two-byte letters of most languages at once, the rest by
// Utf8SequenceLength.
size_t SequenceAt(std::string_view bytes, size_t i) {
  const auto c = static_cast<unsigned char>(bytes[i]);
  if (c >= 0xC2 && c <= 0xDF && i + 1 < bytes.size() && (static_cast<unsigned char>(bytes[i + 1]) & 0xC0) == 0x80)
    return 2;
  return Utf8SequenceLength(bytes.substr(i));
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      i += AsciiRun(bytes.substr(i));
      continue;
    }
    const size_t n = SequenceAt(bytes, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

namespace {

// Of each byte that can lead a sequence (0xC0 and above): the length of
// its sequence, 0 for the bytes that lead none, and the range of the
// second byte.
struct Lead {
  unsigned char length = 0, lo = 0xFF, hi = 0;
};

struct LeadTable {
  std::array<Lead, 64> of{};

  constexpr LeadTable() {
    for (unsigned b = 0xC2; b <= 0xF4; ++b) {
      Lead& l = of[b - 0xC0];
      l.length = b <= 0xDF ? 2 : b <= 0xEF ? 3 : 4;
      l.lo = b == 0xE0 ? 0xA0 : b == 0xF0 ? 0x90 : 0x80;  // no overlong forms
      l.hi = b == 0xED ? 0x9F : b == 0xF4 ? 0x8F : 0xBF;  // no surrogates, nothing above U+10FFFF
    }
  }
};

constexpr LeadTable kLeads;

// The length of the well-formed sequence led by p[0] (0xC0 and above),
// with four bytes readable at p; 0 when there is none. Without a branch:
// the bytes of a code-page text beyond ASCII follow no pattern.
size_t SequenceFrom(const unsigned char* p) {
  const Lead& lead = kLeads.of[p[0] - 0xC0];
  uint32_t x;
  std::memcpy(&x, p, 4);
  // The third and fourth bytes of the sequence, as far as it has them, are
  // continuation bytes (10xxxxxx); little-endian, byte k at bit 8k.
  constexpr uint32_t kRest[5] = {0, 0, 0, 0x00C00000u, 0xC0C00000u};
  const bool rest = ((x ^ 0x80808080u) & kRest[lead.length]) == 0;
  const bool second = p[1] >= lead.lo && p[1] <= lead.hi;
  return rest && second ? lead.length : 0;
}

}  // namespace

// Each sequence is found from its first byte alone, since no sequence
// holds another's first byte; the stray bytes are the others beyond ASCII.
// So the count goes eight bytes at a time and stops only at the bytes
// that can lead a sequence and are followed by a continuation byte.
Utf8Census CountUtf8(std::string_view bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  size_t high = 0, covered = 0, sequences = 0;
  size_t i = 0;
  if constexpr (std::endian::native == std::endian::little)
    for (; i + 11 <= n; i += 8) {  // the last lead of a word has four bytes to read
      uint64_t word;
      std::memcpy(&word, p + i, 8);
      const uint64_t top = word & 0x8080808080808080ull;
      if (top == 0) continue;
      high += static_cast<size_t>(((top >> 7) * 0x0101010101010101ull) >> 56);  // the bytes with their top bit set
      const uint64_t second = top & (word << 1);  // 11xxxxxx: 0xC0 and above
      const uint64_t continuation = top & ~second;
      // The last byte's next byte is in the next word: it is looked at anyway.
      for (uint64_t leads = second & ((continuation >> 8) | (0x80ull << 56)); leads != 0; leads &= leads - 1) {
        const size_t length = SequenceFrom(p + i + static_cast<size_t>(std::countr_zero(leads)) / 8);
        sequences += length != 0;
        covered += length;
      }
    }
  for (; i < n; ++i) {
    if (p[i] < 0x80) continue;
    ++high;
    const size_t length = p[i] >= 0xC0 ? Utf8SequenceLength(bytes.substr(i)) : 0;
    sequences += length != 0;
    covered += length;
  }
  return {sequences, high - covered};
}

namespace {

// Copies the ASCII runs and the well-formed UTF-8 sequences of `bytes` to
// `out`, and hands each byte of no such sequence to `stray`.
template <typename Stray>
void AppendUtf8Runs(std::string& out, std::string_view bytes, Stray stray) {
  for (size_t i = 0; i < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      const size_t run = AsciiRun(bytes.substr(i));
      out.append(bytes.data() + i, run);
      i += run;
      continue;
    }
    const size_t n = SequenceAt(bytes, i);
    if (n == 0) {
      stray(out, static_cast<unsigned char>(bytes[i++]));
    } else {
      out.append(bytes.data() + i, n);
      i += n;
    }
  }
}

}  // namespace

std::string StraysToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  AppendUtf8Runs(out, bytes,
                 [](std::string& o, unsigned char b) { o.append(kUtf8OfByte.bytes[b].data(), kUtf8OfByte.length[b]); });
  return out;
}

void AppendValidUtf8(std::string& out, std::string_view bytes) {
  AppendUtf8Runs(out, bytes, [](std::string& o, unsigned char) { o += '?'; });
}

std::string ValidUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  AppendValidUtf8(out, bytes);
  return out;
}

}  // namespace morvadel
