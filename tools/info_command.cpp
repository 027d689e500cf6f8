#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "scenefile/SceneKind.h"
#include "tools/ToolArguments.h"
#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolFiles.h"

namespace {

const char* NameOf(int value, const char* const* names, int count) {
    return value >= 0 && value < count ? names[value] : "unknown";
}

void PrintValues(const KCanvasPane& canvas) {
    static const char* const splines[] = {"linear", "quadratic", "cubic", "bezier"};
    static const char* const sweeps[] = {"linear", "conic"};
    std::printf("kind: %s\n", SceneKindOf(shapeKind).name);
    std::printf("spline: %s\n", NameOf(canvas.splineType, splines, 4));
    std::printf("sweep: %s\n", NameOf(canvas.sweepType, sweeps, 2));
    std::printf("start: %g\nend: %g\n", canvas.prismStart, canvas.prismEnd);
    std::printf("open: %d\nsturm: %d\n", canvas.isOpen, canvas.useSturm);
    std::printf("points: %d\nsets: %d\nset-ends: ", canvas.pointCount, canvas.setCount);
    for (int k = 1; k <= canvas.setCount; ++k) {
        std::printf(k > 1 ? " %d" : "%d", canvas.setEnds[k]);
    }
    std::printf("\nremark1: %s\nremark2: %s\nremark3: %s\n", canvas.remark1, canvas.remark2,
                canvas.remark3);
}

void PrintPoints(const KCanvasPane& canvas) {
    for (int i = 0; i < canvas.pointCount; ++i) {
        const Point2& p = canvas.points[i];
        const Point2& c1 = canvas.control1[i];
        const Point2& c2 = canvas.control2[i];
        std::printf("%d %.17g %.17g %.17g %.17g %.17g %.17g\n", i, p.x, p.y, c1.x, c1.y, c2.x,
                    c2.y);
    }
}

}  // namespace

int RunInfo(int argc, char** argv) {
    bool withPoints = false;
    std::vector<const char*> files;
    KCanvasPane canvas(nullptr);
    int result = ParseAndReadDrawing(
        "info", argc, argv, files,
        [&](const char* name, ToolArguments&) {
            withPoints = std::string_view(name) == "points";
            return withPoints ? OptionStatus::Taken : OptionStatus::Unknown;
        },
        canvas);
    if (result != ToolContinue) {
        return result;
    }
    PrintValues(canvas);
    if (withPoints) {
        PrintPoints(canvas);
    }
    return ExitOk;
}
