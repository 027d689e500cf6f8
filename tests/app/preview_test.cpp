#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>

#include "AppFixture.h"
#include "model/EditState.h"
#include "support/qt/EventWait.h"
#include "toolkit/platform/qt/QtImageWindowPlatform.h"
#include "toolkit/platform/qt/QtProcessRunner.h"
#include "toolkit/platform/vPlatformOverride.h"

namespace {

constexpr int KeyF5 = 0xFFC5;

// The image windows, waking a waiting test whenever a picture or the messages arrive.
class WatchedPictures : public QtImageWindowPlatform {
public:
    using QtImageWindowPlatform::QtImageWindowPlatform;
    bool ShowPicture(vImageWindowHandle window, int place, const char* path) override {
        const bool shown = QtImageWindowPlatform::ShowPicture(window, place, path);
        wait.Wake();
        return shown;
    }
    void ShowMessages(vImageWindowHandle window, const char* text) override {
        QtImageWindowPlatform::ShowMessages(window, text);
        wait.Wake();
    }
    EventWait wait;
};

class PreviewInEditor : public AppFixture {
protected:
    static std::vector<QtImageWindow*> PreviewWindows() {
        std::vector<QtImageWindow*> found;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<QtImageWindow*>(widget);
            if (window != nullptr && window->isVisible()) {
                found.push_back(window);
            }
        }
        return found;
    }

    // Lets the event loop run until both of POV-Ray's pictures are there, which the sketches
    // come before and its messages after.
    bool Rendered(QtImageWindow& window) {
        return pictures.wait.Until([&window] {
            return !window.Picture(0)->pixmap().isNull() && !window.Picture(1)->pixmap().isNull() &&
                   !window.Messages()->toPlainText().isEmpty();
        });
    }

    WatchedPictures pictures{&platform};
    QtProcessRunner processes;
    vPlatformOverride<vImageWindowPlatform> picturesInstalled{&vPlatform::imageWindows, &pictures};
    vPlatformOverride<vProcessRunner> processesInstalled{&vPlatform::processes, &processes};
};

}  // namespace

// F5 shows POV-Ray's pictures of the drawing as Save would write it, changes nothing in the
// editor, and the preview goes with its window.
TEST_F(PreviewInEditor, F5OpensThePreviewOfTheWindowsDrawingAndItClosesWithTheWindow) {
    RunWithSettings([&](KryCmdWindow& window) {
        Choose(window, Cmd::KindPrism);
        DrawTriangle(*window.canvas);
        window.OnWindowKey(KeyF5, 0);
        ASSERT_EQ(PreviewWindows().size(), 1u);
        QtImageWindow& shown = *PreviewWindows()[0];
        EXPECT_EQ(shown.windowTitle(), "POV-Ray preview: Untitled Prism");
        ASSERT_TRUE(Rendered(shown));
        EXPECT_EQ(shown.Messages()->toPlainText(),
                  "POV-Ray rendered the drawing with no error and no warning.\n");
        window.OnWindowKey(KeyF5, 0);
        EXPECT_EQ(PreviewWindows().size(), 1u);

        const std::string folder = window.preview.FolderPath();
        std::string handed;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() == ".prm") {
                handed = Read(entry.path().string());
            }
        }
        EXPECT_EQ(window.canvas->changed, 1);
        EXPECT_EQ(window.fileName[0], '\0');
        const std::string saved = work + "/triangle.prm";
        files.answer = true;
        files.path = saved;
        files.filter = PrismFilter;
        Choose(window, Cmd::Save);
        EXPECT_EQ(handed, Read(saved));
        EXPECT_EQ(shown.windowTitle(), "POV-Ray preview: triangle.prm");

        EXPECT_EQ(app.CloseAppWindow(&window), 1);
        Settle();
        EXPECT_TRUE(PreviewWindows().empty());
        EXPECT_FALSE(std::filesystem::exists(folder));
    });
}
