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

// Hands every free page of the heap back to the system, wherever it lies.
// For the end of a passing use of many blocks below the mapping size (a
// dialog with its window's image): freed amid blocks still in use, their
// room would otherwise stay resident for the rest of the run, and the next
// such use would add to it. Takes about a millisecond.
void ReturnFreeMemory();

}  // namespace morvadel
