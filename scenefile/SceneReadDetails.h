#pragma once

#include <string>

// What a reading of a scene file tells beside its result.
struct SceneReadDetails {
    int stopLine = 0;  // the number of the line where reading stopped (0 before the first)
    // A failure whose notice alone would not tell the user what to do: why the file could not be
    // read, or that it is scene text in another layout. "" for none.
    std::string hint;
    // A drawing read from a file that holds scene text it does not keep: one sentence naming
    // the first such line. "" for none.
    std::string foreignText;
};
