#include "scenefile/SceneReadResult.h"

const char* const SceneLayoutHint =
    "The file ends where the point count should be: it is not in the layout the editor "
    "writes. Edit > Import... (and vexlin-tool import) reads a polygon, prism, lathe or sor in "
    "scene text of any layout.";

const char* const SceneImportHint =
    "The file is POV-Ray scene text in a layout the editor does not write. Edit > Import... "
    "(and vexlin-tool import) reads a polygon, prism, lathe or sor from it into a new window.";

const char* SceneReadNotice(int result) {
    static const char* const notices[] = {
        nullptr,        "Unable to open file.",  "{ NOT found",
        "Prm Data BAD", "Error in body of data", "Spline/Sweep Not right",
    };
    constexpr int count = static_cast<int>(sizeof notices / sizeof notices[0]);
    static_assert(count == ReadBadFirstControl + 1, "one notice per read result");
    if (result < 0 || result >= count) {
        return nullptr;
    }
    return notices[result];
}
