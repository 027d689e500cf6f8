#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "toolkit/vMemoryDC.h"

// At zoom 1 with no pan and every option off, the canvas is what it was before it had views:
// every picture's pixels, every gesture's arithmetic and the file written. The expected hashes
// were taken with the editor as it was then, running this same session of pictures, gestures
// in every mode and file text.

namespace {

constexpr uint64_t FnvBasis = 1469598103934665603ull;
constexpr uint64_t FnvPrime = 1099511628211ull;

uint64_t Mix(uint64_t hash, const void* data, size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) {
        hash = (hash ^ bytes[i]) * FnvPrime;
    }
    return hash;
}

class Session {
public:
    Session(int width, int height, int spline) : dc(new vMemoryDC(width, height)) {
        canvas.AdoptDC(dc);
        canvas.SizeChanged(width, height);
        canvas.GenerateShape(5, 1.2, 0, 0.5, ShapeStar);
        canvas.GenerateShape(7, 0.6, 30, 0.5, ShapePolygon);
        canvas.splineType = spline;
    }

    void Picture() {
        hash = Mix(hash, dc->Pixels().Data(), dc->Pixels().Width() * 4u * dc->Pixels().Height());
    }

    void Model() {
        hash = Mix(hash, canvas.points, sizeof(Point2) * MaxPoints);
        hash = Mix(hash, canvas.control1, sizeof(Point2) * MaxPoints);
        hash = Mix(hash, canvas.control2, sizeof(Point2) * MaxPoints);
        hash = Mix(hash, canvas.setEnds, sizeof(int) * SetEndEntries);
        hash = Mix(hash, &canvas.pointCount, sizeof canvas.pointCount);
    }

    void Pictures() {
        canvas.RedrawOutline(true);
        Picture();
        canvas.RedrawOutline(false);
        Picture();
        canvas.DrawAllCurves();
        Picture();
        for (int set = 1; set <= canvas.setCount; ++set) {
            canvas.RedrawSetCurve(set);
            Picture();
        }
    }

    // A press, two drags and a release in every mode, then a right click, each at pixels that
    // mix whole and fractional model units on a canvas whose scale is not 1.
    void Gestures() {
        const int w = dc->Pixels().Width();
        const int h = dc->Pixels().Height();
        const int xs[] = {w / 2 + w / 7, w / 2 + w / 5, w / 2 - w / 9, w / 3};
        const int ys[] = {h / 2 - h / 5, h / 2 + h / 11, h / 2 + h / 4, h / 3};
        for (int mode = AddPoint; mode <= ControlView; ++mode) {
            editMode = mode;
            canvas.ResetGesture();
            for (int step = 0; step < 3; ++step) {
                const int k = (mode + step) % 4;
                canvas.OnMouseDown(xs[k], ys[k], 1);
                canvas.OnMouseMove(xs[(k + 1) % 4], ys[(k + 1) % 4], 1);
                canvas.OnMouseMove(xs[(k + 2) % 4], ys[(k + 3) % 4], 1);
                Picture();
                canvas.OnMouseUp(xs[(k + 2) % 4], ys[(k + 3) % 4], 1);
                canvas.OnMouseUp(xs[(k + 3) % 4], ys[k], 3);
                Picture();
                Model();
            }
        }
        editMode = AddPoint;
    }

    void File() {
        std::string text;
        int kind = 0;
        canvas.SceneFileText("drawing.prm", Prism, text, kind);
        hash = Mix(hash, text.data(), text.size());
    }

    KCanvasPane canvas{nullptr};
    vMemoryDC* dc;
    uint64_t hash = FnvBasis;
};

TEST(DefaultView, PicturesGesturesAndFilesAreAsBeforeViews) {
    struct Case {
        int width;
        int height;
        int spline;
        uint64_t expected;
    };
    const Case cases[] = {
        {300, 300, LinearSpline, 0x97d6d969991a0394},
        {300, 300, QuadraticSpline, 0x2c889573491beba5},
        {300, 300, CubicSpline, 0x70f95cb19649049b},
        {300, 300, BezierSpline, 0xd92d1ffec86b9cec},
        {437, 251, QuadraticSpline, 0x56ad5ca2ee2c4c4c},
        {437, 251, BezierSpline, 0xa66f833dc693d50d},
    };
    for (const Case& c : cases) {
        for (bool visited : {false, true}) {
            Session session(c.width, c.height, c.spline);
            // Zooming in and back out, and options turned on and off again, leave nothing behind.
            if (visited) {
                session.canvas.ZoomStep(true);
                session.canvas.PanByPixels(13, -7);
                session.canvas.ZoomStep(false);
                session.canvas.SetView(CanvasView{});
                CanvasOptions options;
                options.snapToGrid = options.exactCurves = true;
                session.canvas.SetOptions(options);
                session.canvas.SetOptions(CanvasOptions{});
            }
            session.Pictures();
            session.Gestures();
            session.Pictures();
            session.File();
            EXPECT_EQ(session.hash, c.expected) << c.width << "x" << c.height << " spline "
                                                << c.spline << ": 0x" << std::hex << session.hash;
        }
    }
}

}  // namespace
