#include "model/codepage.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <set>
#include <string>

// This test program runs as on a system without the character-set
// conversion modules: every attempt to open a conversion fails.
extern "C" iconv_t iconv_open(const char*, const char*) {
  errno = EINVAL;
  return reinterpret_cast<iconv_t>(-1);
}

namespace morvadel {
namespace {

TEST(Codepage, CroatianLettersConvertWithoutTheSystemsModules) {
  EXPECT_EQ(Cp1250ToUtf8("\xE8\xE6\xF0\x9A\x9E\xC8\xC6\xD0\x8A\x8E"), "čćđšžČĆĐŠŽ");
  EXPECT_EQ(Utf8ToCp1250("čćđšžČĆĐŠŽ"), "\xE8\xE6\xF0\x9A\x9E\xC8\xC6\xD0\x8A\x8E");
  EXPECT_EQ(Cp1250ToUtf8("\x80\x84\x93\x94\x96\xA0\xFF"), "€„“”–\u00A0˙");
}

TEST(Codepage, EveryAssignedByteGoesBothWays) {
  const std::set<int> unassigned = {0x81, 0x83, 0x88, 0x90, 0x98};
  std::set<std::string> seen;
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = Cp1250ToUtf8(byte);
    if (unassigned.count(b)) {
      EXPECT_EQ(utf8, "?") << b;
      continue;
    }
    EXPECT_EQ(Utf8ToCp1250(utf8), byte) << b;
    EXPECT_TRUE(seen.insert(utf8).second) << "two bytes give " << utf8;
  }
  // Characters the code page lacks, and broken UTF-8, become '?'.
  EXPECT_EQ(Utf8ToCp1250("Ω\xC3(\xF0\x9F\x98\x80x"), "?" "?(?x");
}

}  // namespace
}  // namespace morvadel
