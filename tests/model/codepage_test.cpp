#include "model/codepage.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <cstdint>
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

// The five bytes the code page leaves unassigned are the control
// characters of the same number, as Windows reads them: no byte is lost.
TEST(Codepage, EveryByteGoesBothWays) {
  const std::set<int> unassigned = {0x81, 0x83, 0x88, 0x90, 0x98};
  std::set<std::string> seen;
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = Cp1250ToUtf8(byte);
    if (unassigned.count(b)) {
      EXPECT_EQ(utf8, std::string("\xC2") + static_cast<char>(b)) << b;
    }
    EXPECT_EQ(Utf8ToCp1250(utf8), byte) << b;
    EXPECT_TRUE(seen.insert(utf8).second) << "two bytes give " << utf8;
  }
  // Other control characters of that range have no byte.
  EXPECT_EQ(Utf8ToCp1250("\u0080\u0082\u009F"), "???");
  // Characters the code page lacks, and broken UTF-8, become '?'.
  EXPECT_EQ(Utf8ToCp1250("Ω\xC3(\xF0\x9F\x98\x80x"), "?" "?(?x");
}

// Texts far longer than a label, with runs of ASCII of every length
// between the letters, convert as their letters do one by one.
TEST(Codepage, LongTextsConvertAsTheirLettersDo) {
  const struct {
    const char* byte;
    const char* utf8;
  } letters[] = {{"\xE8", "č"}, {"\x8A", "Š"}, {"\x80", "€"}, {"\x99", "™"}, {"\xFF", "˙"}, {"\xA0", "\u00A0"}};
  std::string cp, utf8;
  for (int k = 0; k < 900; ++k) {
    const std::string run(static_cast<size_t>(k % 19), static_cast<char>('a' + k % 26));
    cp += run + letters[k % 6].byte;
    utf8 += run + letters[k % 6].utf8;
  }
  EXPECT_EQ(Cp1250ToUtf8(cp), utf8);
  std::string appended = "x";
  EXPECT_TRUE(AppendCp1250(appended, utf8));
  EXPECT_EQ(appended, "x" + cp);
  EXPECT_TRUE(IsValidUtf8(utf8));
  EXPECT_EQ(ValidUtf8(utf8), utf8);
  // One letter the code page lacks, or one broken byte, far into the text.
  appended.clear();
  EXPECT_FALSE(AppendCp1250(appended, utf8 + "Ω" + utf8));
  EXPECT_EQ(appended, cp + "?" + cp);
  EXPECT_FALSE(IsValidUtf8(utf8 + "\xC3" + utf8));
  EXPECT_EQ(ValidUtf8(utf8 + "\xC3" + utf8), utf8 + "?" + utf8);
  EXPECT_EQ(Cp1250ToUtf8(cp + "\x81" + cp), utf8 + "\u0081" + utf8);
}

// The census of bytes read as UTF-8: the edges of the well-formed ranges, and each case wherever it stands among ASCII, so that it falls
// across every boundary of the eight bytes taken at a time and into the
// last few.
TEST(Codepage, CountsTheSequencesAndTheStrayBytesWhereverTheyStand) {
  const struct {
    const char* bytes;
    size_t sequences, strays;
  } cases[] = {
      {"\xC4\x8D", 1, 0},          {"\xE8", 0, 1},              {"\x8D", 0, 1},
      {"\xE8\xE6\x9E", 0, 3},      {"\xC8\x9E", 1, 0},          {"\xE8\x9A\x9E", 1, 0},
      {"\xC0\x80", 0, 2},          {"\xC1\xBF", 0, 2},          {"\xC2\x80", 1, 0},
      {"\xE0\x9F\xBF", 0, 3},      {"\xE0\xA0\x80", 1, 0},      {"\xED\x9F\xBF", 1, 0},
      {"\xED\xA0\x80", 0, 3},      {"\xF0\x8F\xBF\xBF", 0, 4},  {"\xF0\x90\x80\x80", 1, 0},
      {"\xF4\x8F\xBF\xBF", 1, 0},  {"\xF4\x90\x80\x80", 0, 4},  {"\xF5\x80\x80\x80", 0, 4},
      {"\xE2\x82", 0, 2},          {"\xF0\x9F\x98", 0, 3},      {"\xC4\x8D\x8D\xC4", 1, 2},
  };
  for (const auto& c : cases)
    for (size_t before = 0; before < 18; ++before)
      for (size_t after = 0; after < 18; ++after) {
        const std::string text = std::string(before, 'a') + c.bytes + std::string(after, 'b');
        const Utf8Census census = CountUtf8(text);
        ASSERT_EQ(census.sequences, c.sequences) << text << " " << before << " " << after;
        ASSERT_EQ(census.strays, c.strays) << text << " " << before << " " << after;
        ASSERT_EQ(IsValidUtf8(text), c.strays == 0) << text;
        // Save writes such bytes back as they were read.
        std::string out;
        ASSERT_TRUE(AppendCp1250(out, Cp1250ToUtf8(text)));
        ASSERT_EQ(out, text);
      }
  // The count agrees on any bytes with one taken from the definition of
  // UTF-8, a code point at a time, and so do the readers of stray bytes.
  const auto byDefinition = [](const std::string& text) {
    Utf8Census census;
    for (size_t i = 0; i < text.size();) {
      const auto b = static_cast<unsigned char>(text[i]);
      if (b < 0x80) {
        ++i;
        continue;
      }
      const size_t len = b >= 0xF8 ? 0 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
      char32_t cp = b & (0x7F >> len);
      bool ok = len != 0 && i + len <= text.size();
      for (size_t k = 1; ok && k < len; ++k) {
        const auto cc = static_cast<unsigned char>(text[i + k]);
        ok = (cc & 0xC0) == 0x80;
        cp = (cp << 6) | (cc & 0x3F);
      }
      constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
      ok = ok && cp >= kLeast[len] && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
      if (ok) {
        ++census.sequences;
        i += len;
      } else {
        ++census.strays;
        ++i;
      }
    }
    return census;
  };
  uint32_t seed = 12345;
  auto next = [&seed] { return (seed = seed * 1103515245 + 12345) >> 16; };
  const unsigned char pool[] = {'a', ' ', 0x80, 0x8F, 0x90, 0x9A, 0x9F, 0xA0, 0xBF, 0xC0, 0xC2,
                                0xC8, 0xDF, 0xE0, 0xE8, 0xED, 0xEF, 0xF0, 0xF3, 0xF4, 0xF5, 0xFF};
  for (int k = 0; k < 3000; ++k) {
    std::string text(next() % 40, ' ');
    for (char& c : text) c = static_cast<char>(pool[next() % sizeof pool]);
    const Utf8Census census = CountUtf8(text), expected = byDefinition(text);
    ASSERT_EQ(census.sequences, expected.sequences) << text;
    ASSERT_EQ(census.strays, expected.strays) << text;
    ASSERT_EQ(IsValidUtf8(text), expected.strays == 0) << text;
    ASSERT_EQ(ValidUtf8(text).size(), text.size()) << text;  // each stray byte became one '?'
    if (expected.strays == 0) {
      ASSERT_EQ(StraysToUtf8(text), text);
    }
  }
}

// A sequence is one of chance when its character is none a workbook
// holds: the edges of the ranges of letters and signs, and the sequences
// Windows-1250 capitals and lower-case letters form.
TEST(Codepage, SequencesOfCharactersNoWorkbookHoldsAreOfChance) {
  const struct {
    const char* bytes;
    bool chance;
  } cases[] = {
      {"\xC2\x9F", true},       {"\xC2\xA0", false},      {"\xC5\xBF", false},      {"\xC6\x80", true},
      {"\xCB\xBF", true},       {"\xCC\x80", false},      {"\xD1\x9F", false},      {"\xD1\xA0", true},
      {"\xDF\xBF", true},       {"\xE2\x80\x80", false},  {"\xE2\x81\xAF", false},  {"\xE2\x81\xB0", true},
      {"\xE2\x82\x9F", true},   {"\xE2\x82\xA0", false},  {"\xE2\x83\x8F", false},  {"\xE2\x83\x90", true},
      {"\xE2\x83\xBF", true},   {"\xE2\x84\x80", false},  {"\xE2\x85\x8F", false},  {"\xE2\x85\x90", true},
      {"\xE0\xA0\x80", true},   {"\xEF\xBF\xBF", true},   {"\xF0\x90\x80\x80", true}, {"\xF4\x8F\xBF\xBF", true},
      // "č", "é", "Њ", "„", "€", "™" in UTF-8; "ČŠ", "Ć–", "ĆNBSP", "Ć”", "čšž", "đšžŠ" in Windows-1250.
      {"\xC4\x8D", false},      {"\xC3\xA9", false},      {"\xD0\x8A", false},      {"\xE2\x80\x9E", false},
      {"\xE2\x82\xAC", false},  {"\xE2\x84\xA2", false},  {"\xC8\x8A", true},       {"\xC6\x96", true},
      {"\xC6\xA0", true},       {"\xC6\x94", true},       {"\xE8\x9A\x9E", true},   {"\xF0\x9A\x9E\x8A", true},
  };
  for (const auto& c : cases) {
    const Utf8Census census = CountUtf8(std::string("a") + c.bytes + "b");
    EXPECT_EQ(census.sequences, 1u) << c.bytes;
    EXPECT_EQ(census.strays, 0u) << c.bytes;
    EXPECT_EQ(census.chance, c.chance ? 1u : 0u) << c.bytes;
  }
  const Utf8Census name = CountUtf8("\x84IVI\xC6\x96MARI\xC6\x94 d.o.o. Kor\xC4\x8Dula");
  EXPECT_EQ(name.sequences, 3u);
  EXPECT_EQ(name.chance, 2u);
  EXPECT_EQ(name.strays, 1u);
}

// A stray byte reads as its Windows-1250 letter, a sequence as UTF-8.
TEST(Codepage, StrayBytesAmidUtf8ReadAsTheirCodePageLetters) {
  EXPECT_EQ(StraysToUtf8("\xC5\xA0ibenik i Kor\xE8ula"), "Šibenik i Korčula");
  EXPECT_EQ(StraysToUtf8("\x8A\xC5\xA0\x81\xE2\x82"), "ŠŠ\u0081â‚");
  EXPECT_EQ(StraysToUtf8("Crème"), "Crème");
}

}  // namespace
}  // namespace morvadel
