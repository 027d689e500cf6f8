// The scene reader on any bytes: whatever it reads leaves a sound model, and a drawing it read
// is written and read back to the same model and the same text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "model/DrawingSnapshot.h"
#include "model/KCanvasPane.h"
#include "scenefile/SceneReadResult.h"
#include "support/DrawingSoundness.h"

namespace {

// Reads into a fresh canvas, since the reader keeps some values of the drawing it replaces.
int Read(KCanvasPane& canvas, const std::string& text, int kindOfName) {
    shapeKind = kindOfName;
    const int result = canvas.ReadSceneText(text.data(), text.size());
    const std::string fault = DrawingFault(canvas);
    Require(fault.empty(), "read " + std::to_string(result) + " left " + fault);
    return result;
}

std::string Written(const KCanvasPane& canvas, int kind) {
    std::string text;
    int written = -1;
    Require(canvas.SceneFileText("", kind, text, written),
            "the writer refused a drawing the reader made");
    Require(written == kind, "the writer chose another kind");
    return text;
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
    const std::string text = Written(first, kind);
    Require(Read(second, text, kind) == ReadOk, "the reader refused the text written:\n" + text);
    Require(shapeKind == kind, "the kind written did not come back");
    Require(second.pointCount == first.pointCount, "the point count did not come back");
    KCanvasPane third(nullptr);
    const std::string again = Written(second, kind);
    Require(Read(third, again, kind) == ReadOk, "the text written twice did not read");
    Require(DrawingSnapshot::Of(third) == DrawingSnapshot::Of(second),
            "the drawing read back differs:\n" + again);
    const std::string thirdText = Written(third, kind);
    Require(thirdText == again,
            "written again, the text differs:\n" + again + "\n--\n" + thirdText);
}

}  // namespace

// The name of the file decides the kind only where the declaration does not, so both kinds
// of name are tried.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    RoundTrip(bytes, Polygon);
    RoundTrip(bytes, Prism);
    return 0;
}
