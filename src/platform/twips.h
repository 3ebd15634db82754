#pragma once

namespace morvadel {

// Window positions and sizes are given in twips: 1440 an inch, 15 a pixel
// at 96 dpi (Qt's logical pixels).
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int PxFromTwips(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
inline constexpr int TwipsFromPx(int px) { return px * kTwipsPerPixel; }

}  // namespace morvadel
