#pragma once
#include "platform/navigator.h"

namespace morvadel {

// Registers the comparison window (form50) and the industry-source help
// (Form19).
void RegisterCompareForms(Navigator& nav);

}  // namespace morvadel
