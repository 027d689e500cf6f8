#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "AppFixture.h"
#include "preview/ProgramSearch.h"
#include "support/OutlineDrawings.h"
#include "toolkit/platform/qt/QtPictureReader.h"
#include "toolkit/platform/qt/QtProcessRunner.h"
#include "toolkit/platform/vPlatformOverride.h"

namespace {

constexpr const char* Tracing = "Tracing...";

// What the trace dialog showed before the answer pressed its button.
struct Seen {
    KryCmdWindow* window = nullptr;
    int sets = 0;  // the canvas's sets while the trace showed
    std::string outcome;
};

// Types the threshold (none: leaves it), waits until the trace of the values shows, notes
// what the canvas and the dialog show, and presses the button.
ModalAnswers::Answer Traced(const char* threshold, Seen& seen, const char* button) {
    return [=, &seen](QWidget* dialog) {
        if (threshold != nullptr) {
            dialog->findChildren<QLineEdit*>()[0]->setText(threshold);
        }
        QElapsedTimer guard;
        guard.start();
        const auto outcome = [dialog] {
            for (const QLabel* label : dialog->findChildren<QLabel*>()) {
                const QString text = label->text();
                if (text == Tracing || text.contains("entries") || text.contains("ink")) {
                    return text.toStdString();
                }
            }
            return std::string();
        };
        while ((outcome().empty() || outcome() == Tracing) && guard.elapsed() < 20000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        seen.sets = seen.window->canvas->setCount;
        seen.outcome = outcome();
        ModalAnswers::ClickButton(dialog, button);
    };
}

class TraceInEditor : public AppFixture {
protected:
    // A black bar on white, 60 x 40 pixels, its left half, laid 3 file units wide about the
    // centre (2, 1).
    void PictureUnder(KryCmdWindow& window) {
        QImage image(60, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter(&image).fillRect(5, 10, 25, 20, Qt::black);
        const std::string path = work + "/bar.png";
        image.save(QString::fromStdString(path));
        ASSERT_TRUE(window.TakeBackgroundPicture(path));
        BackgroundPlacement placement;
        placement.width = 3;
        placement.centreX = 2;
        placement.centreY = 1;
        window.background.SetPlacement(placement);
    }

    QtPictureReader reader;
    vPlatformOverride<vPictureReader> readerInstalled{&vPlatform::pictureReader, &reader};
    QtProcessRunner processes;
    vPlatformOverride<vProcessRunner> processesInstalled{&vPlatform::processes, &processes};
};

// The trace shows on the canvas before OK, lies where the picture's ink lies (the bar spans
// x 0.75 .. 2, y 0.5 .. 1.5 in file units), takes the drawing's one spline and is one undo step;
// Cancel, no ink, a lathe and a missing program leave the drawing as it was.
TEST_F(TraceInEditor, AddsThePicturesInkWhereItLies) {
    if (!ProgramOnPath("potrace")) {
        GTEST_SKIP() << "potrace is not installed";
    }
    Seen seen;
    const struct {
        int kind;
        bool linearSet;  // the drawing has a linear set already
        ModalAnswers::Answer answer;
        int spline;  // after OK; -1: no step
        const char* outcome;
    } rows[] = {
        {Cmd::KindPrism, false, Traced(nullptr, seen, " OK "), BezierSpline, "1 set, "},
        {Cmd::KindPrism, true, Traced(nullptr, seen, " OK "), LinearSpline, "1 set, "},
        {Cmd::KindPolygon, false, Traced("200", seen, " OK "), LinearSpline, "1 set, "},
        {Cmd::KindPrism, false, Traced(nullptr, seen, " Cancel "), -1, "1 set, "},
        {Cmd::KindPrism, false, Traced("0", seen, " OK "), -1, "No ink at threshold 0"},
    };
    RunWithSettings([&](KryCmdWindow& window) {
        PictureUnder(window);
        seen.window = &window;
        for (const auto& row : rows) {
            SCOPED_TRACE(row.outcome);
            Choose(window, row.kind);
            ::Drawing start;
            if (row.linearSet) {
                AddSet(start, {{-3, -3}, {-2, -3}, {-2, -2}});
            }
            window.ChangeDrawing([&](KCanvasPane& canvas) {
                canvas.SetModel(start);
                return true;
            });
            const ::Drawing before = window.canvas->Model();
            const size_t steps = window.history.Steps().UndoSteps();
            {
                ModalAnswers answers({row.answer});
                Choose(window, Cmd::TracePicture);
            }
            EXPECT_EQ(seen.outcome.rfind(row.outcome, 0), 0u) << seen.outcome;
            if (row.spline < 0) {
                EXPECT_EQ(window.history.Steps().UndoSteps(), steps);
                EXPECT_TRUE(SameParts(window.canvas->Model(), before));
                continue;
            }
            EXPECT_EQ(seen.sets, before.setCount + 1);
            EXPECT_EQ(window.history.Steps().UndoSteps(), steps + 1);
            const ::Drawing& traced = window.canvas->Model();
            ASSERT_EQ(traced.setCount, before.setCount + 1);
            if (row.kind == Cmd::KindPrism) {
                EXPECT_EQ(traced.splineType, row.spline);
            }
            for (int i = before.pointCount; i < traced.pointCount; ++i) {
                const Point2 p = FileOf(traced.points[i]);
                EXPECT_TRUE(p.x > 0.7 && p.x < 2.05 && p.y > 0.45 && p.y < 1.55)
                    << p.x << ", " << p.y;
            }
            Choose(window, Cmd::Undo);
            EXPECT_TRUE(SameParts(window.canvas->Model(), before));
        }

        // Another picture taken in the dialog is the background while it is open; Cancel puts
        // the first one back.
        std::filesystem::copy_file(work + "/bar.png", work + "/other.png");
        files.path = work + "/other.png";
        std::string during;
        {
            ModalAnswers answers({[&](QWidget* dialog) {
                ModalAnswers::ClickButton(dialog, " Picture... ");
                during = window.backgroundPicture;
                ModalAnswers::ClickButton(dialog, " Cancel ");
            }});
            Choose(window, Cmd::TracePicture);
        }
        EXPECT_EQ(during, work + "/other.png");
        EXPECT_EQ(window.backgroundPicture, work + "/bar.png");

        ModalAnswers refused;
        Choose(window, Cmd::KindLathe);
        Choose(window, Cmd::TracePicture);
        const std::string path = std::getenv("PATH");
        setenv("PATH", work.c_str(), 1);
        Choose(window, Cmd::KindPrism);
        Choose(window, Cmd::TracePicture);
        setenv("PATH", path.c_str(), 1);
        ASSERT_EQ(refused.Messages().size(), 2u);
        EXPECT_NE(refused.Messages()[0].find("profiles"), std::string::npos);
        EXPECT_NE(refused.Messages()[1].find("Debian package potrace"), std::string::npos);
    });
}

}  // namespace
