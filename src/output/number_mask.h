#pragma once
// The fixed format masks of the printed pages and the exported tables, one
// family for all of them:
//
// Number masks ("####0.00", "###0.00", "#######0.00", "########",
// "############", ...): "#" and "0" before an optional ".", "0" after it.
// A number is rounded to the mask's decimals (halves away from zero) and
// written with the given decimal mark, a minus sign for negatives and no
// grouping; before the mark come at least as many digits as the mask has
// "0" there, so "####0.00" shows 0 as "0.00" while "########" shows a
// number that rounds to 0 as nothing. A number wider than the mask is
// written whole. An empty (or blank) text is nothing; a text that does not
// read as a number passes unchanged.
//
// Alignment masks ("@@@@@@@@", "@@@@@@@@@@@@"): the text right-aligned in a
// field of as many characters as the mask has, blanks on the left; a longer
// text is kept whole. Characters are counted, not bytes (UTF-8).
//
// A mask of any other shape leaves the text unchanged.
#include <string>
#include <string_view>

#include "model/cell.h"

namespace morvadel {

// Number texts are read with the program's number reader, following the
// decimal mark of the user's locale.
std::string FormatMask(std::string_view text, std::string_view mask, char decimalMark);
// A cell: a text as above, a number by its exact value, an empty cell as "".
std::string FormatMask(const Cell& cell, std::string_view mask, char decimalMark);
std::string FormatMask(Currency value, std::string_view mask, char decimalMark);

// The characters (not bytes) of a UTF-8 text, as the alignment masks count
// them.
size_t CharCount(std::string_view utf8);

// A figure as the pages print it: the number mask, then the alignment mask.
template <class Value>
std::string FormatField(const Value& value, std::string_view numberMask, std::string_view alignMask,
                        char decimalMark) {
  return FormatMask(FormatMask(value, numberMask, decimalMark), alignMask, decimalMark);
}

// True when a cell holds nothing to print: empty, blank, or a number equal
// to 0 (a text that is not a number is something).
bool IsNilCell(const Cell& cell, char decimalMark);

}  // namespace morvadel
