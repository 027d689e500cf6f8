// The scene evaluator on any bytes: every prism or polygon it finds, taken by its number, is
// made ready as the tool makes it. The evaluation must end within its limits, whatever the bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/ImportCheck.h"
#include "interchange/PovSceneImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const EvaluatedScene scene = EvaluatePovScene(text, "");
    for (size_t k = 1; k <= scene.objects.size() && k <= 4; ++k) {
        Outline outline;
        ImportReport report;
        const bool read = TakeSceneObject(text, scene, {static_cast<int>(k), ""}, outline, report);
        // Profiles are made ready otherwise; their evaluation is what is checked here.
        if (!IsTurnedKind(outline.kind)) {
            CheckImport(read, outline, report, ImportChoices::Own(outline));
        }
    }
    return 0;
}
