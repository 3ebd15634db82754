#pragma once
// How a message quotes a cell's text (rows and periods are named by
// row_names.h).
#include <cstddef>
#include <string>
#include <string_view>

namespace morvadel {

// A cell's text as a message shows it: only its first line and at most
// kQuotedChars characters of it, "…" marking a cut.
inline constexpr size_t kQuotedChars = 40;
std::string ShortForMessage(std::string_view text);
// The same in double quotes.
std::string QuoteForMessage(std::string_view text);

}  // namespace morvadel
