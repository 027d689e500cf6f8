// The SVG importer on any bytes, with the outline made ready as the tool makes it: with the
// document's own spline, and with a kind, spline and fit the bytes pick.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/ImportCheck.h"
#include "interchange/SvgImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Outline outline;
    ImportReport report;
    const bool read = ImportSvg(text, outline, report);
    CheckImport(read, outline, report, ImportChoices::Own(outline));
    CheckImport(read, outline, report, ImportChoices::From(data, size));
    return 0;
}
