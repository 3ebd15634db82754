#pragma once
// How messages name a place of the item table for the user: a row by its
// label (and its statement), a period by its numeral and the period or
// company name the general data give it; never by an internal row number.
#include <cstdint>
#include <string>

#include "shared_state.h"

namespace morvadel {

// The row's label in the language (1 Croatian, otherwise English): a
// statement row as "label (statement)", another row by its own label
// column; a sheet's row without a label as "Row 7 without a label
// (statement)", and any other row by what it is (an amount no sheet
// shows, an amount computed for the analyses).
std::string RowName(const SharedState& s, int row, int16_t language);

// "period II (Šibenik 2004)", or "period II" while the general data name
// no period; Croatian "razdoblje II (...)". A long name shows as a message
// shows a cell's text (its first line, cut at kQuotedChars).
std::string PeriodName(const SharedState& s, int period, int16_t language);

// "what, period II (name)": the start of a message about one cell.
std::string PlaceName(const std::string& what, const SharedState& s, int period, int16_t language);

}  // namespace morvadel
