#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "model_test_helpers.h"
#include "support/RecordingDC.h"

// A canvas that also writes every call of its redraw hook, as "Redraw(x,y)", into the
// recording of its drawing calls, so that tests see which picture a gesture asked for and
// where it stands among the other calls.
class RedrawLoggingCanvas : public KCanvasPane {
public:
    using KCanvasPane::KCanvasPane;
    RecordingDC* log = nullptr;

    void OnRedraw(int x, int y, int width, int height) override {
        if (log) {
            log->calls.push_back("Redraw(" + std::to_string(x) + "," + std::to_string(y) + ")");
        }
        KCanvasPane::OnRedraw(x, y, width, height);
    }
};

// A 300 x 300 canvas (model unit = pixel, origin at pixel 150,150) with a recording drawing
// context and an owner that keeps the status positions; gestures are replayed as pixel events.
class MouseEditingTest : public ::testing::Test {
protected:
    MouseEditingTest() {
        canvas.AdoptDC(dc);
        canvas.log = dc;
        editMode = AddPoint;
    }
    ~MouseEditingTest() override { editMode = AddPoint; }

    // Pixel of a model coordinate on the default canvas.
    static int Px(double model) { return static_cast<int>(model + 150); }

    // What the window's mode commands do: a new mode and a fresh press state.
    void Select(int mode) {
        editMode = mode;
        canvas.ResetGesture();
    }
    // Whether a repaint in CONTROL Set shows a chosen set's curve in place of the outline of a
    // drawing that has sets; the repaint's calls are taken back out of the recording.
    bool SetChosen() {
        const int mode = editMode;
        const size_t from = dc->calls.size();
        editMode = ControlSet;
        canvas.RedrawOutline(true);
        editMode = mode;
        const bool outline = std::any_of(
            dc->calls.begin() + from, dc->calls.end(),
            [](const std::string& call) { return call.rfind("PaintRectangle(", 0) == 0; });
        dc->calls.resize(from);
        return !outline;
    }

    void Press(int x, int y, int button = 1) { canvas.OnMouseDown(x, y, button); }
    void Drag(int x, int y, int button = 1) { canvas.OnMouseMove(x, y, button); }
    void Release(int x, int y, int button = 1) { canvas.OnMouseUp(x, y, button); }
    void Click(int x, int y, int button = 1) {
        Press(x, y, button);
        Release(x, y, button);
    }
    // Press at the model point, drag to the other one and release there.
    void DragModel(Point2 from, Point2 to) {
        Press(Px(from.x), Px(from.y));
        Drag(Px(to.x), Px(to.y));
        Release(Px(to.x), Px(to.y));
    }

    // The first and the last recorded call, or "" when there is none.
    std::string FirstCall() const { return dc->calls.empty() ? "" : dc->calls.front(); }
    std::string LastCall() const { return dc->calls.empty() ? "" : dc->calls.back(); }
    // The last n recorded calls, in order.
    std::vector<std::string> Tail(size_t n) const {
        size_t size = dc->calls.size();
        return std::vector<std::string>(dc->calls.begin() + (n < size ? size - n : 0),
                                        dc->calls.end());
    }
    // Index of the last recorded call starting with the prefix, or -1.
    int LastIndexOf(const std::string& prefix) const {
        for (int i = static_cast<int>(dc->calls.size()) - 1; i >= 0; --i) {
            if (dc->calls[i].rfind(prefix, 0) == 0) {
                return i;
            }
        }
        return -1;
    }

    StatusLog status;
    RedrawLoggingCanvas canvas{&status};
    RecordingDC* dc = new RecordingDC;
};

#define EXPECT_POINT(actual, ex, ey)             \
    do {                                         \
        Point2 p_ = (actual);                    \
        EXPECT_DOUBLE_EQ(p_.x, (ex)) << #actual; \
        EXPECT_DOUBLE_EQ(p_.y, (ey)) << #actual; \
    } while (0)
