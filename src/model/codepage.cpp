#include "codepage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace morvadel {
namespace {

// Bytes 0x80..0xFF of Windows-1250 as Unicode; 0 marks the five bytes the
// code page leaves unassigned. Built in, so reading and writing a workbook
// never depend on the conversion modules a system happens to have.
constexpr std::array<char16_t, 128> kHigh = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0,      0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
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

// The reverse of kHigh, sorted by code point.
struct Reverse {
  std::array<std::pair<char16_t, unsigned char>, 128> entries{};
  size_t count = 0;

  Reverse() {
    for (size_t i = 0; i < kHigh.size(); ++i)
      if (kHigh[i] != 0) entries[count++] = {kHigh[i], static_cast<unsigned char>(0x80 + i)};
    std::sort(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(count));
  }

  // The byte of a code point above 0x7F; '?' when the code page lacks it.
  char Byte(char32_t cp) const {
    if (cp > 0xFFFF) return '?';
    const auto end = entries.begin() + static_cast<std::ptrdiff_t>(count);
    const auto it = std::lower_bound(entries.begin(), end, std::pair<char16_t, unsigned char>(static_cast<char16_t>(cp), 0));
    return it != end && it->first == cp ? static_cast<char>(it->second) : '?';
  }
};

const Reverse& ReverseTable() {
  static const Reverse table;
  return table;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string Utf8ToCp1250(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  const Reverse& table = ReverseTable();
  for (size_t i = 0; i < utf8.size();) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    int len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    char32_t cp = len == 4 ? c & 0x07 : len == 3 ? c & 0x0F : c & 0x1F;
    bool valid = len > 1 && i + static_cast<size_t>(len) <= utf8.size();
    for (int k = 1; valid && k < len; ++k) {
      unsigned char cc = static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]);
      if ((cc & 0xC0) != 0x80) valid = false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (!valid) {
      out += '?';
      ++i;
      continue;
    }
    i += static_cast<size_t>(len);
    out += table.Byte(cp);
  }
  return out;
}

bool FitsCp1250(std::string_view utf8) {
  // Whatever the code page lacks becomes '?', so a character was lost
  // exactly when the conversion holds more of them than the text did.
  if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) return true;
  const auto marks = [](std::string_view t) { return std::count(t.begin(), t.end(), '?'); };
  return marks(Utf8ToCp1250(utf8)) == marks(utf8);
}

std::string Cp1250ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char ch : bytes) {
    unsigned char b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out += ch;
    } else {
      const char16_t cp = kHigh[b - 0x80];
      AppendUtf8(out, cp != 0 ? cp : U'?');
    }
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

bool IsValidUtf8(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    const size_t n = Utf8SequenceLength(bytes.substr(i));
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::string ValidUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    const size_t n = Utf8SequenceLength(bytes.substr(i));
    if (n == 0) {
      out += '?';
      ++i;
    } else {
      out.append(bytes.substr(i, n));
      i += n;
    }
  }
  return out;
}

}  // namespace morvadel
