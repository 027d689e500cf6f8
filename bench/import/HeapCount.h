#pragma once

#include <cstddef>

// Counts the heap the program holds, through operator new and pugixml's allocations, so that a
// benchmark can report the most it held at once.
namespace HeapCount {

size_t InUse();
// The most held since the last reset.
size_t Peak();
void ResetPeak();

}  // namespace HeapCount
