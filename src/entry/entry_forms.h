#pragma once
#include "platform/navigator.h"

namespace morvadel {

// Registers the statement entry window (form8) and the general-data window
// (for7).
void RegisterEntryForms(Navigator& nav);

}  // namespace morvadel
