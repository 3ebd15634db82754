#pragma once
// How the program's memory goes back to the system.

namespace morvadel {

// Blocks of a printed page's pictures (4 MB and more) are mapped for
// themselves and return to the system as soon as they are freed, while the
// heap keeps up to 8 MB free at its top for the next window. Left to
// itself, the C library lifts both limits to the largest block freed so
// far: after the first print the pictures of every later page come from
// the heap, which grows by them and keeps the room for the rest of the run.
// Called once, before the application starts.
void TuneMemoryReturn();

}  // namespace morvadel
