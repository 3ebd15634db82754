#pragma once
#include "platform/navigator.h"

namespace morvadel {

// Registers the comparison window (form50), the industry-source help
// (Form19), the common-size graphs (form60), the value-graph options (Form16)
// and the value graphs (Form55).
void RegisterCompareForms(Navigator& nav);

}  // namespace morvadel
