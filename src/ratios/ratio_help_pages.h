#pragma once
// The help pages of the ratio window: one page per ratio code and language,
// and the page on average values (code 1001). Lines are separated by CR LF.
#include <cstdint>
#include <span>
#include <string>

namespace morvadel {

inline constexpr int16_t kAveragesHelpCode = 1001;

struct HelpPageDef {
  int16_t code;
  const char* hr;  // UTF-8
  const char* en;
};

// The 20 codes with a page of their own, 1001 first.
std::span<const HelpPageDef> HelpPages();

// The page shown for a code: its own page, or the under-construction page
// for a code without one; "" for a language other than 1 or 2.
std::string HelpPageText(int16_t code, int16_t language);
std::string UnderConstructionPage(int16_t language);
bool HasHelpPage(int16_t code);

// The page's structure for its display: the index of its title line (the
// first line that is not blank, unless that is already a paragraph, as on
// the English page on average values), -1 when it has none; and whether a
// line is one of the headed pages' two headings.
int HelpTitleLine(const std::string& page);
bool IsHelpHeading(const std::string& line);

}  // namespace morvadel
