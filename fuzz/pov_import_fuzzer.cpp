// The POV-Ray importer on any bytes, taking the first object and the one named "Thing", with the
// outline made ready as the tool makes it: as the scene gives it, and with a kind, spline and
// fit the bytes pick.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/ImportCheck.h"
#include "interchange/PovImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const char* name : {static_cast<const char*>(nullptr), "Thing"}) {
        Outline outline;
        ImportReport report;
        const bool read = ImportPovScene(text, name, outline, report);
        CheckImport(read, outline, report, ImportChoices::Own(outline));
        CheckImport(read, outline, report, ImportChoices::From(data, size));
    }
    return 0;
}
