#pragma once
#include "platform/navigator.h"

namespace morvadel {

// Registers the statement entry window (form8), the general-data window
// (for7), the currency-conversion window (For20) and the inflation window
// (For21).
void RegisterEntryForms(Navigator& nav);

}  // namespace morvadel
