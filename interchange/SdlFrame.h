#pragma once

#include <cstddef>

// A place in a file of the scene: where a token begins, and its line.
struct SdlPlace {
    size_t at = 0;
    int line = 1;
};

// Where the evaluator reads: a range of one file, the scene itself, an include file or the
// body of a macro being invoked.
struct SdlFrame {
    enum Kind { Scene, Include, Macro };

    Kind kind = Scene;
    size_t file = 0;
    SdlPlace from;
    size_t end = 0;  // where the range ends: the text's size, or where a macro's #end begins
};
