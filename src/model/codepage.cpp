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
    if (const uint64_t high = word & 0x8080808080808080ull; high != 0) {
      if constexpr (std::endian::native == std::endian::little) return i + static_cast<size_t>(std::countr_zero(high)) / 8;
      break;
    }
  }
  while (i < n && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
  return i;
}

bool AppendCp1250(std::string& out, std::string_view utf8) {
  bool kept = true;
  const size_t n = utf8.size();
  for (size_t i = 0; i < n;) {
    const size_t run = AsciiRun(utf8.substr(i));
    out.append(utf8.data() + i, run);
    i += run;
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
    kept = kept && byte != 0;
    out += byte == 0 ? '?' : static_cast<char>(byte);
    i += valid ? static_cast<size_t>(len) : 1;
  }
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

namespace {

// The length of the well-formed sequence of more than one byte at p, with
// `left` bytes readable there (at least one); 0 when there is none (no
// overlong forms, no surrogates, nothing above U+10FFFF). The two-byte
// letters of most languages are found at once. Every reader of UTF-8 here
// finds its sequences so.
inline size_t SequenceAt(const unsigned char* p, size_t left) {
  const unsigned char c = p[0];
  if (c >= 0xC2 && c <= 0xDF) return left >= 2 && (p[1] & 0xC0) == 0x80 ? 2 : 0;
  size_t len = 0;
  unsigned char lo = 0x80, hi = 0xBF;  // the range of the second byte
  if (c >= 0xE0 && c <= 0xEF) {
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
  if (left < len || p[1] < lo || p[1] > hi) return 0;
  for (size_t k = 2; k < len; ++k)
    if ((p[k] & 0xC0) != 0x80) return 0;
  return len;
}

// Reads `bytes` as UTF-8 from the start: hands each run of ASCII to
// `ascii`, each well-formed sequence of more than one byte to `sequence`
// and each byte of no such sequence (a stray byte) to `stray`, as pieces
// of `bytes`. Open's count, Save's count and the readers of stray bytes
// all read so.
template <typename Ascii, typename Sequence, typename Stray>
void ReadUtf8(std::string_view bytes, Ascii ascii, Sequence sequence, Stray stray) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  for (size_t i = 0; i < n;) {
    if (p[i] < 0x80) {
      const size_t run = AsciiRun(bytes.substr(i));
      ascii(bytes.substr(i, run));
      i += run;
      continue;
    }
    const size_t len = SequenceAt(p + i, n - i);
    if (len == 0) {
      stray(p[i++]);
    } else {
      sequence(bytes.substr(i, len));
      i += len;
    }
  }
}

}  // namespace

size_t Utf8SequenceLength(std::string_view bytes) {
  if (bytes.empty()) return 0;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  return p[0] < 0x80 ? 1 : SequenceAt(p, bytes.size());
}

namespace {

// The characters a workbook's texts plausibly hold beyond ASCII: the
// letters and signs of Latin-1 and Latin Extended-A (č ć đ š ž, é è ü),
// combining accents, Greek and Cyrillic, punctuation („ ” – …), currency
// signs (€) and letterlike signs (™ №).
bool Plausible(char32_t cp) {
  return (cp >= 0xA0 && cp < 0x180) || (cp >= 0x300 && cp < 0x460) || (cp >= 0x2000 && cp < 0x2070) ||
         (cp >= 0x20A0 && cp < 0x20D0) || (cp >= 0x2100 && cp < 0x2150);
}

// The character of a well-formed sequence.
char32_t CodePoint(std::string_view sequence) {
  const auto* p = reinterpret_cast<const unsigned char*>(sequence.data());
  char32_t cp = p[0] & (0x7F >> sequence.size());
  for (size_t k = 1; k < sequence.size(); ++k) cp = (cp << 6) | (p[k] & 0x3F);
  return cp;
}

}  // namespace

Utf8Census CountUtf8(std::string_view bytes) {
  Utf8Census census;
  ReadUtf8(
      bytes, [](std::string_view) {},
      [&](std::string_view sequence) {
        ++census.sequences;
        census.chance += !Plausible(CodePoint(sequence));
      },
      [&](unsigned char) { ++census.strays; });
  return census;
}

bool IsValidUtf8(std::string_view bytes) { return CountUtf8(bytes).strays == 0; }

std::string StraysToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  const auto copy = [&](std::string_view piece) { out += piece; };
  ReadUtf8(bytes, copy, copy, [&](unsigned char b) { out.append(kUtf8OfByte.bytes[b].data(), kUtf8OfByte.length[b]); });
  return out;
}

void AppendValidUtf8(std::string& out, std::string_view bytes) {
  const auto copy = [&](std::string_view piece) { out += piece; };
  ReadUtf8(bytes, copy, copy, [&](unsigned char) { out += '?'; });
}

std::string ValidUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  AppendValidUtf8(out, bytes);
  return out;
}

}  // namespace morvadel
