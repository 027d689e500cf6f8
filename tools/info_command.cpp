#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "model/Drawing.h"
#include "scenefile/SceneKind.h"
#include "tools/ToolArguments.h"
#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolFiles.h"

namespace {

const char* NameOf(int value, const char* const* names, int count) {
    return value >= 0 && value < count ? names[value] : "unknown";
}

void PrintValues(const Drawing& drawing) {
    static const char* const splines[] = {"linear", "quadratic", "cubic", "bezier"};
    static const char* const sweeps[] = {"linear", "conic"};
    std::printf("kind: %s\n", SceneKindOf(drawing.kind).name);
    std::printf("spline: %s\n", NameOf(drawing.splineType, splines, 4));
    std::printf("sweep: %s\n", NameOf(drawing.sweepType, sweeps, 2));
    std::printf("start: %g\nend: %g\n", drawing.prismStart, drawing.prismEnd);
    std::printf("open: %d\nsturm: %d\n", drawing.isOpen, drawing.useSturm);
    std::printf("points: %d\nsets: %d\nset-ends: ", drawing.pointCount, drawing.setCount);
    for (int k = 1; k <= drawing.setCount; ++k) {
        std::printf(k > 1 ? " %d" : "%d", drawing.setEnds[k]);
    }
    std::printf("\nremark1: %s\nremark2: %s\nremark3: %s\n", drawing.remark1, drawing.remark2,
                drawing.remark3);
}

void PrintPoints(const Drawing& drawing) {
    for (int i = 0; i < drawing.pointCount; ++i) {
        const Point2& p = drawing.points[i];
        const Point2& c1 = drawing.control1[i];
        const Point2& c2 = drawing.control2[i];
        std::printf("%d %.17g %.17g %.17g %.17g %.17g %.17g\n", i, p.x, p.y, c1.x, c1.y, c2.x,
                    c2.y);
    }
}

}  // namespace

int RunInfo(int argc, char** argv) {
    bool withPoints = false;
    std::vector<const char*> files;
    Drawing drawing;
    int result = ParseAndReadDrawing(
        "info", argc, argv, files,
        [&](const char* name, ToolArguments&) {
            withPoints = std::string_view(name) == "points";
            return withPoints ? OptionStatus::Taken : OptionStatus::Unknown;
        },
        drawing);
    if (result != ToolContinue) {
        return result;
    }
    PrintValues(drawing);
    if (withPoints) {
        PrintPoints(drawing);
    }
    return ExitOk;
}
