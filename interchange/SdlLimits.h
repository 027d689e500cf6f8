#pragma once

#include <cstddef>

// How far the importer follows a scene: past any of these the evaluation stops, so that no
// scene, however it loops or recurses, can keep it busy or fill memory.
namespace SdlLimits {

constexpr long Steps = 10000000;      // tokens taken and operations done, per file
constexpr long Iterations = 1000000;  // times round #while and #for loops, per file
constexpr size_t MacroDepth = 100;    // macros invoked inside one another
constexpr size_t IncludeDepth = 10;   // include files read inside one another
constexpr size_t ArrayElements = 1000000;
constexpr size_t StringLength = 1 << 20;

}  // namespace SdlLimits
