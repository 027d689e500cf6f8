#pragma once

#include <cstddef>

// Where the evaluator reads: a range of one file's tokens, the scene itself, an include file
// or the body of a macro being invoked.
struct SdlFrame {
    enum Kind { Scene, Include, Macro };

    Kind kind = Scene;
    size_t file = 0;
    size_t at = 0;
    size_t end = 0;
};
