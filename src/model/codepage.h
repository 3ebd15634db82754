#pragma once
// Windows-1250, the code page of the workbook file, from a built-in table.
#include <string>
#include <string_view>

namespace morvadel {

// UTF-8 to Windows-1250; a character the code page cannot hold (or a broken
// UTF-8 sequence) becomes '?'.
std::string Utf8ToCp1250(std::string_view utf8);

// Windows-1250 to UTF-8; the five unassigned bytes become '?'.
std::string Cp1250ToUtf8(std::string_view bytes);

}  // namespace morvadel
