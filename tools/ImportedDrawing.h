#pragma once

#include "interchange/ImportReport.h"
#include "interchange/Outline.h"
#include "tools/DrawingOptions.h"

// Where an imported outline comes from and how it is to be written.
struct ImportTarget {
    const char* command;
    const char* source;  // the file read, or the text outlined, named in the first remark
    const char* out;
    bool fit = false;
    bool sourceIsFile = true;
};

// Writes an outline read from the source (a scene, an SVG document, a traced picture) as a
// drawing with the editor's writer: made ready for the kind written (simplified to fit the
// capacities, fitted into the canvas on request), the options applied, the notes on standard
// error. `read` is false when the source refused, which the report says. Returns the exit code.
int WriteImportedDrawing(Outline& outline, ImportReport& report, bool read,
                         const ImportTarget& target, const DrawingOptions& options);
