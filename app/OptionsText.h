#pragma once

#include <string>

#include "model/CanvasOptions.h"

// The text of the options file (Vexlin-options.ini): one "name=value" line per option. A file
// that cannot be read as such, whatever the fault, gives the defaults; names it does not know
// are passed over, so that a later version's file still reads.
class OptionsText {
public:
    static constexpr const char* kFileName = "Vexlin-options.ini";

    static CanvasOptions Parse(const std::string& text);
    static std::string Compose(const CanvasOptions& options);
};
