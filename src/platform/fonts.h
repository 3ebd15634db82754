#pragma once
// The fonts of the window designs by their metric-compatible faces, so that
// texts take the room the designs measured for them: Arial as Liberation
// Sans, Times New Roman as Liberation Serif.
#include <QFont>

namespace morvadel {

// The grids' size: the design's 8-point grid font is as wide as Arial at
// 7.5 points, and the twips column widths were measured for it.
inline constexpr double kGridPointSize = 7.5;

QFont ArialFont(double points, bool bold = false);
QFont TimesFont(double points, bool bold = false);
// The font every grid and its cell editor draw with.
QFont GridFont();

}  // namespace morvadel
