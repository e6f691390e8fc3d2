#pragma once
// Counts the bytes the program holds on the heap through operator new, and the most it
// held since the last reset. Linking heap_meter.cpp replaces the global operator new
// and delete of the whole program.
#include <cstddef>

namespace tonquil::bench {

std::size_t HeapLiveBytes();
std::size_t HeapPeakBytes();
// The peak starts again from what is held now.
void ResetHeapPeak();

}  // namespace tonquil::bench
