// The scene reader on any bytes: whatever it reads leaves a sound model, and a drawing it read
// is written and read back to the same model and the same text, unless it is a lathe or a
// surface of revolution whose profiles break a rule of the ray tracer, which the writer refuses.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/CanvasReading.h"
#include "fuzz/FuzzCheck.h"
#include "model/DrawingSnapshot.h"
#include "model/KCanvasPane.h"
#include "model/ProfileRules.h"
#include "model/WrittenPoints.h"
#include "scenefile/SceneKind.h"
#include "scenefile/SceneReadResult.h"
#include "support/DrawingSoundness.h"

namespace {

// Reads into a fresh canvas, since the reader keeps some values of the drawing it replaces.
int Read(KCanvasPane& canvas, const std::string& text, int kindOfName) {
    shapeKind = kindOfName;
    const int result = ReadInto(canvas, text.data(), text.size());
    const std::string fault = DrawingFault(canvas);
    Require(fault.empty(), "read " + std::to_string(result) + " left " + fault);
    return result;
}

// Written as its own kind; false when the writer refuses a profile that breaks a rule.
bool Written(const KCanvasPane& canvas, int kind, std::string& text) {
    int written = -1;
    std::string refusal;
    const bool writable = canvas.SceneFileText("", FilterOfKind(kind), text, written, &refusal);
    Require(written == kind, "the writer chose another kind");
    if (!writable && IsTurnedKind(kind)) {
        Require(!ProfileRuleBreaks(WrittenPoints(canvas, kind), kind, canvas.splineType).empty(),
                "the writer refused profiles that break no rule: " + refusal);
        return false;
    }
    Require(writable, "the writer refused a drawing the reader made: " + refusal);
    return true;
}

// Writing rounds a read drawing to six digits, which may also join points and so sets; from
// the first text the writer makes on, writing and reading again changes neither the drawing
// nor the bytes.
void RoundTrip(const std::string& bytes, int kindOfName) {
    KCanvasPane first(nullptr);
    if (Read(first, bytes, kindOfName) != ReadOk) {
        return;
    }
    const int kind = shapeKind;
    KCanvasPane second(nullptr);
    std::string text;
    if (!Written(first, kind, text)) {
        return;
    }
    Require(Read(second, text, kind) == ReadOk, "the reader refused the text written:\n" + text);
    Require(shapeKind == kind, "the kind written did not come back");
    Require(second.pointCount == first.pointCount, "the point count did not come back");
    KCanvasPane third(nullptr);
    std::string again;
    Require(Written(second, kind, again), "the text read back breaks a rule:\n" + text);
    Require(Read(third, again, kind) == ReadOk, "the text written twice did not read");
    Require(DrawingSnapshot::Of(third) == DrawingSnapshot::Of(second),
            "the drawing read back differs:\n" + again);
    std::string thirdText;
    Written(third, kind, thirdText);
    Require(thirdText == again,
            "written again, the text differs:\n" + again + "\n--\n" + thirdText);
}

}  // namespace

// The name of the file decides the kind only where the declaration does not, so every kind
// is tried: the reader's profile layout too gets bytes that declare nothing.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (int kind : {Polygon, Prism, Lathe, Sor}) {
        RoundTrip(bytes, kind);
    }
    return 0;
}
