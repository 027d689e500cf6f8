#include <QDropEvent>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

#include "AppFixture.h"
#include "scenefile/BackgroundSidecar.h"
#include "toolkit/platform/qt/QtCanvasWidget.h"
#include "toolkit/platform/qt/QtHandles.h"
#include "toolkit/platform/qt/QtPictureReader.h"
#include "toolkit/platform/qt/QtSubWindow.h"
#include "toolkit/platform/vPlatformOverride.h"

namespace {

class BackgroundInEditor : public AppFixture {
protected:
    // A red picture in the working folder.
    std::string RedPicture(const char* name) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        const std::string path = work + "/" + name;
        image.save(QString::fromStdString(path));
        return path;
    }
    static uint32_t Shown(KryCmdWindow& window, int x, int y) {
        return window.Surface().Pixel(x, y);
    }
    // Types the width into the background dialog and presses OK.
    static ModalAnswers::Answer TypeWidth(const char* width) {
        return [width](QWidget* dialog) {
            const QList<QLineEdit*> fields = dialog->findChildren<QLineEdit*>();
            fields[1]->setText(width);
            ModalAnswers::ClickButton(dialog, " OK ");
        };
    }

    // The file dragged onto the window's canvas and dropped there, as a file manager does.
    static void Drop(KryCmdWindow& window, const std::string& path) {
        QWidget* canvas = QtObjectOf(window.Handle())->Canvas();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(canvas, &enter);
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &drop);
    }

    QtPictureReader reader;
    vPlatformOverride<vPictureReader> readerInstalled{&vPlatform::pictureReader, &reader};
};

// A picture dropped on a titled drawing shows at 40 % under the grid and is remembered beside
// the drawing without marking it changed; the drawing opened again shows it at the placement
// the dialog gave; a missing picture is told about and the drawing opens; Remove deletes the
// file that remembered it; the active window's items say whether it has a picture.
TEST_F(BackgroundInEditor, IsRememberedBesideTheDrawingAndNeverChangesIt) {
    RunWithSettings([&](KryCmdWindow& window) {
        const std::string drawing = work + "/vase.pol";
        SaveDrawing(drawing, Polygon, 1);
        window.OpenFile(drawing.c_str());
        window.OnWindowFileDropped(RedPicture("sketch.png").c_str());
        EXPECT_FALSE(window.canvas->IsChanged());
        const uint32_t shown = Shown(window, 20, 20);
        EXPECT_EQ(shown >> 16 & 0xff, 255u);
        EXPECT_NEAR(double(shown & 0xff), 255 * 0.6, 2);
        EXPECT_NE(Read(drawing + ".vexlin-bg").find("picture=sketch.png\n"), std::string::npos);
        {
            ModalAnswers answers({TypeWidth("2")});
            Choose(window, Cmd::BackgroundPicture);
        }
        EXPECT_EQ(Shown(window, 20, 20), 0xffffffffu);
        EXPECT_NE(Read(drawing + ".vexlin-bg").find("width=2\n"), std::string::npos);

        KryApp::OpenInNewWindow(drawing, drawing);
        KryCmdWindow& again = *Newest();
        EXPECT_EQ(again.background.Placement().width, 2);
        EXPECT_NE(Shown(again, 150 - 40, 150 - 40), 0xffffffffu);

        std::filesystem::remove(work + "/sketch.png");
        ModalAnswers answers;
        KryApp::OpenInNewWindow(drawing, drawing);
        ASSERT_EQ(answers.seen.size(), 1u);
        // The notice wraps its long line: a break stands where a blank stood.
        std::string seen = answers.seen[0];
        std::replace(seen.begin(), seen.end(), '\n', ' ');
        EXPECT_NE(seen.find("sketch.png of this drawing is not shown: The picture "
                            "file is missing."),
                  std::string::npos);
        EXPECT_EQ(Newest()->fileName, drawing);
        EXPECT_FALSE(Enabled(*Newest(), Cmd::RemoveBackground));
        again.BringToFront();
        Settle();
        Choose(again, Cmd::RemoveBackground);
        EXPECT_FALSE(Enabled(again, Cmd::HideBackground));
        EXPECT_FALSE(std::filesystem::exists(drawing + ".vexlin-bg"));
        EXPECT_EQ(Shown(again, 150 - 40, 150 - 40), 0xffffffffu);
    });
}

// An untitled drawing's picture is remembered at its first save; a picture that cannot be read
// changes nothing; a drawing dropped on the canvas, its extension in any case, opens in a
// window of its own.
TEST_F(BackgroundInEditor, WaitsForTheFirstSaveAndRefusesWhatItCannotRead) {
    RunWithSettings([&](KryCmdWindow& window) {
        window.OnWindowFileDropped(RedPicture("logo.png").c_str());
        const uint32_t shown = Shown(window, 20, 20);
        ModalAnswers answers;
        Write(work + "/notes.png", "no picture");
        window.OnWindowFileDropped((work + "/notes.png").c_str());
        EXPECT_EQ(answers.seen.size(), 1u);
        EXPECT_EQ(Shown(window, 20, 20), shown);
        EXPECT_EQ(window.backgroundPicture, work + "/logo.png");

        files.path = work + "/logo-trace.prm";
        Choose(window, Cmd::SaveAs);
        EXPECT_NE(Read(work + "/logo-trace.prm.vexlin-bg").find("picture=logo.png"),
                  std::string::npos);

        const std::string drawing = work + "/TWO.POL";
        SaveDrawing(work + "/two.pol", Polygon, 2);
        std::filesystem::rename(work + "/two.pol", drawing);
        const int windows = app.WindowCount();
        Drop(window, drawing);
        EXPECT_EQ(app.WindowCount(), windows + 1);
        EXPECT_EQ(Newest()->canvas->setCount, 2);
    });
}

}  // namespace

namespace {

// Types the guides' two lists and presses the buttons in turn.
ModalAnswers::Answer TypeGuides(const char* horizontal, const char* vertical,
                                std::vector<const char*> buttons) {
    return [=](QWidget* dialog) {
        const QList<QLineEdit*> fields = dialog->findChildren<QLineEdit*>();
        fields[0]->setText(horizontal);
        fields[1]->setText(vertical);
        for (const char* button : buttons) {
            ModalAnswers::ClickButton(dialog, button);
        }
    };
}

// Typed guides show on the canvas and are remembered beside the drawing, with no picture; a
// list that will not read changes nothing; with every guide gone the file goes too.
TEST_F(BackgroundInEditor, GuidesAreTypedAndRememberedBesideTheDrawing) {
    RunWithSettings([&](KryCmdWindow& window) {
        const std::string drawing = work + "/guided.pol";
        SaveDrawing(drawing, Polygon, 1);
        window.OpenFile(drawing.c_str());
        const struct {
            ModalAnswers::Answer answer;
            size_t horizontal;
            size_t vertical;
            bool sidecar;
        } steps[] = {
            {TypeGuides("0.5, -1", "1.25", {" OK "}), 2, 1, true},
            {TypeGuides("0.5, one", "", {" OK ", " Cancel "}), 2, 1, true},
            {TypeGuides("", "", {" OK "}), 0, 0, false},
        };
        for (const auto& step : steps) {
            window.BringToFront();
            Settle();
            {
                ModalAnswers answers({step.answer});
                Choose(window, Cmd::Guides);
            }
            EXPECT_EQ(window.canvas->Guides().horizontal.size(), step.horizontal);
            EXPECT_EQ(window.canvas->Guides().vertical.size(), step.vertical);
            EXPECT_EQ(std::filesystem::exists(drawing + ".vexlin-bg"), step.sidecar);
            if (step.sidecar) {
                EXPECT_EQ(Read(drawing + ".vexlin-bg").find("picture="), std::string::npos);
                KryApp::OpenInNewWindow(drawing, drawing);
                EXPECT_TRUE(Newest()->canvas->Guides() == window.canvas->Guides());
            }
        }
        EXPECT_FALSE(window.canvas->IsChanged());
    });
}

}  // namespace
