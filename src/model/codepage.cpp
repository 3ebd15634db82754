#include "codepage.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace morvadel {
namespace {

// The code page as a table, built once with iconv.
struct Cp1250Table {
  std::array<char32_t, 256> toUnicode{};
  std::vector<std::pair<char32_t, unsigned char>> fromUnicode;  // sorted

  Cp1250Table() {
    iconv_t cd = iconv_open("UTF-32LE", "CP1250");
    for (int b = 0; b < 256; ++b) {
      char in = static_cast<char>(b);
      unsigned char out[4] = {};
      char* inp = &in;
      char* outp = reinterpret_cast<char*>(out);
      size_t inLeft = 1, outLeft = 4;
      char32_t cp = U'?';
      if (cd != reinterpret_cast<iconv_t>(-1) && iconv(cd, &inp, &inLeft, &outp, &outLeft) != static_cast<size_t>(-1))
        cp = static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
      else if (b < 0x80)
        cp = static_cast<char32_t>(b);
      toUnicode[static_cast<size_t>(b)] = cp;
      if (cp != U'?' || b == '?') fromUnicode.emplace_back(cp, static_cast<unsigned char>(b));
    }
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    std::sort(fromUnicode.begin(), fromUnicode.end());
  }
};

const Cp1250Table& Table() {
  static const Cp1250Table table;
  return table;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string Utf8ToCp1250(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  const auto& table = Table();
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
    auto it = std::lower_bound(table.fromUnicode.begin(), table.fromUnicode.end(),
                               std::pair<char32_t, unsigned char>(cp, 0));
    out += (it != table.fromUnicode.end() && it->first == cp) ? static_cast<char>(it->second) : '?';
  }
  return out;
}

std::string Cp1250ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  const auto& table = Table();
  for (char ch : bytes) {
    unsigned char b = static_cast<unsigned char>(ch);
    if (b < 0x80)
      out += ch;
    else
      AppendUtf8(out, table.toUnicode[b]);
  }
  return out;
}

}  // namespace morvadel
