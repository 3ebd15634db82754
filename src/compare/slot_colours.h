#pragma once
// The series colours of the graph slots as the windows paint them.
#include <QColor>

#include "compare/graphs.h"

namespace morvadel {

inline QColor SlotQColor(int slot) {
  const Rgb c = SlotColour(slot);
  return QColor(c.r, c.g, c.b);
}

}  // namespace morvadel
