#pragma once
// The windows of the ratio analysis: the five ratio-group windows, the ratio
// window, its help pages and the ratio overview.
#include <cstdint>

#include "platform/app_context.h"

namespace morvadel {

class Navigator;

// Registers Form11..Form15, Unos2, Form18 and Form3.
void RegisterRatioForms(Navigator& nav);

// The window of a ratio group (1..5 give Form11..Form15); any other value
// gives the main window.
FormId GroupWindow(int16_t group);

}  // namespace morvadel
