#include "scenefile/SceneReadResult.h"

const char* const SceneLayoutHint =
    "The file ends where the point count should be: it is not in the layout the editor "
    "writes. vexlin-tool import reads a polygon, prism, lathe or sor in scene text of any "
    "layout.";

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
