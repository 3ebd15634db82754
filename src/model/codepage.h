#pragma once
// Windows-1250, the code page of the workbook file, from a built-in table.
#include <string>
#include <string_view>

namespace morvadel {

// UTF-8 to Windows-1250; a character the code page cannot hold (or a broken
// UTF-8 sequence) becomes '?'.
std::string Utf8ToCp1250(std::string_view utf8);

// Utf8ToCp1250 appended to `out`; false when a character became '?'.
bool AppendCp1250(std::string& out, std::string_view utf8);

// What bytes hold beyond ASCII when they are read as UTF-8: their
// well-formed sequences of more than one byte, and their bytes that belong
// to none (stray bytes). Of the sequences, `chance` counts those that stand
// for a character no workbook plausibly holds (Latin Extended-B, other
// scripts than Latin, Greek and Cyrillic, controls): the sequences that
// Windows-1250 text forms by chance, where an upper-case letter such as
// "Č" or "Ć" is followed by one of "ŠŽšž", a typographic quote or dash or
// a no-break space ("ČŠ" is C8 8A, UTF-8 "Ȋ"), stand for such characters.
struct Utf8Census {
  size_t sequences = 0;
  size_t strays = 0;
  size_t chance = 0;
};

// Windows-1250 to UTF-8; the five unassigned bytes become the control
// characters of the same number (U+0081 ...), which Utf8ToCp1250 turns back
// into them.
std::string Cp1250ToUtf8(std::string_view bytes);

// The length of the well-formed UTF-8 sequence at the start of `bytes`
// (no overlong forms, no surrogates, nothing above U+10FFFF); 0 when there
// is none.
size_t Utf8SequenceLength(std::string_view bytes);

// The length of the run of plain ASCII bytes at the start of `bytes`.
size_t AsciiRun(std::string_view bytes);

// True when every byte belongs to a well-formed UTF-8 sequence.
bool IsValidUtf8(std::string_view bytes);

// The census of `bytes`.
Utf8Census CountUtf8(std::string_view bytes);

// A UTF-8 text with stray bytes in it, as a Windows-1250 editor leaves a
// letter it typed into one: each well-formed sequence as it is, each stray
// byte as its Windows-1250 letter.
std::string StraysToUtf8(std::string_view bytes);

// The text with every byte that starts no well-formed UTF-8 sequence
// replaced by '?'.
std::string ValidUtf8(std::string_view bytes);

// ValidUtf8 appended to `out`.
void AppendValidUtf8(std::string& out, std::string_view bytes);

}  // namespace morvadel
