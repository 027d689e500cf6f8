#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <map>
#include <string>

#include "support/qt/EventWait.h"
#include "toolkit/platform/qt/QtImageWindowPlatform.h"
#include "toolkit/platform/qt/QtProcessRunner.h"
#include "toolkit/platform/vImageWindowEvents.h"
#include "toolkit/platform/vProcessEvents.h"
#include "toolkit/platform/vWriteConfinement.h"

namespace {

class RecordingEvents : public vProcessEvents, public vImageWindowEvents {
public:
    void ProcessFinished(int process, const vProcessResult& result) override {
        results[process] = result;
        wait.Wake();
    }
    void ImageWindowClosed() override { ++closed; }

    std::map<int, vProcessResult> results;
    int closed = 0;
    EventWait wait;
};

// Results come from the event loop, never from within the call that starts or cancels. The
// working folder is the program's home too.
TEST(QtProcessRunner, ReportsStatusAndOutputOnTheEventLoopAndNothingForACancelledRun) {
    QtProcessRunner runner;
    RecordingEvents events;
    const std::string folder = QDir::tempPath().toStdString();
    const int done = runner.StartProcess("sh", {"-c", "pwd; echo \"$HOME\"; echo oops >&2; exit 3"},
                                         folder, &events);
    const int missing = runner.StartProcess("vexlin-no-such-program", {}, folder, &events);
    const int cancelled = runner.StartProcess("sleep", {"10"}, folder, &events);
    runner.CancelProcess(cancelled);
    EXPECT_TRUE(events.results.empty());
    ASSERT_TRUE(events.wait.Until([&] { return events.results.size() == 2; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(events.results.count(cancelled), 0u);
    const vProcessResult& result = events.results[done];
    EXPECT_EQ(result.outcome, vProcessResult::Exited);
    EXPECT_EQ(result.exitStatus, 3);
    EXPECT_EQ(result.output, folder + "\n" + folder + "\noops\n");
    EXPECT_EQ(events.results[missing].outcome, vProcessResult::NotStarted);

    const vProcessResult blocking = runner.RunProcess("sh", {"-c", "echo hi"}, folder, 10);
    EXPECT_EQ(blocking.outcome, vProcessResult::Exited);
    EXPECT_EQ(blocking.output, "hi\n");
    // A program that dies of a signal has crashed; one that outlasts its time is ended as one.
    EXPECT_EQ(runner.RunProcess("sh", {"-c", "kill -KILL $$"}, folder, 10).outcome,
              vProcessResult::Crashed);
    EXPECT_EQ(runner.RunProcess("sleep", {"10"}, folder, 0).outcome, vProcessResult::Crashed);
}

// A program we run writes inside its folder and nowhere else, whatever it is told: neither
// a shell nor a POV-Ray scene's #fopen reaches the folder above. Where the kernel cannot
// confine, programs still run and write inside.
TEST(QtProcessRunner, ProgramsWriteOnlyInsideTheirFolder) {
    QTemporaryDir above;
    ASSERT_TRUE(above.isValid());
    const std::string folder = above.filePath("run").toStdString();
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    const bool confined = vWriteConfinement(folder).Available();
    RecordProperty("confined", confined ? "yes" : "no");
    const QString outside = above.filePath("outside");
    QtProcessRunner runner;
    const vProcessResult shell =
        runner.RunProcess("sh", {"-c", "echo in > inside; echo out > ../outside"}, folder, 10);
    EXPECT_EQ(shell.outcome, vProcessResult::Exited);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(folder + "/inside")));
    EXPECT_EQ(QFile::exists(outside), !confined);
    QFile::remove(outside);

    if (QStandardPaths::findExecutable("povray").isEmpty()) {
        GTEST_SKIP() << "POV-Ray is not installed";
    }
    QFile scene(QString::fromStdString(folder + "/escape.pov"));
    ASSERT_TRUE(scene.open(QIODevice::WriteOnly));
    scene.write(
        "#fopen F \"../outside\" write\n#write(F, \"x\\n\")\n#fclose F\n"
        "sphere { 0, 1 pigment { rgb 1 } }\n");
    scene.close();
    const vProcessResult povray = runner.RunProcess(
        "povray", {"+Iescape.pov", "+Oescape.png", "+W8", "+H8", "-D", "-V"}, folder, 60);
    EXPECT_EQ(QFile::exists(outside), !confined) << povray.output;
    if (confined) {
        EXPECT_NE(povray.exitStatus, 0) << povray.output;
    }
}

TEST(QtImageWindowPlatform, ShowsPicturesMessagesAndBusyAndReportsTheUserClosingIt) {
    QtImageWindowPlatform platform(nullptr);
    RecordingEvents events;
    vImageWindowHandle handle =
        platform.CreateImageWindow("POV-Ray preview", {"Top view", "Side"}, 40, 30, &events);
    QtImageWindow* window = platform.WindowOf(handle);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    const QString png = QDir::temp().filePath("vexlin-image-window-test.png");
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(png));
    EXPECT_TRUE(platform.ShowPicture(handle, 1, png.toLocal8Bit().constData()));
    EXPECT_FALSE(platform.ShowPicture(handle, 0, "/nonexistent.png"));
    QFile::remove(png);
    EXPECT_EQ(window->Picture(1)->pixmap().toImage().pixel(5, 5), QColor(Qt::red).rgb());
    EXPECT_TRUE(window->Picture(0)->pixmap().isNull());
    // Pixels of half the place's size fill it, each doubled with hard edges.
    PixelSurface sketch(20, 15, 0xff0000ffu);
    sketch.At(1, 0) = 0xffff0000u;
    platform.ShowPixels(handle, 0, sketch);
    const QImage shown = window->Picture(0)->pixmap().toImage();
    EXPECT_EQ(shown.size(), QSize(40, 30));
    EXPECT_EQ(shown.pixel(1, 1), 0xff0000ffu);
    EXPECT_EQ(shown.pixel(2, 1), 0xffff0000u);
    EXPECT_EQ(shown.pixel(3, 0), 0xffff0000u);
    EXPECT_EQ(shown.pixel(4, 0), 0xff0000ffu);
    platform.ShowMessages(handle, "Error in line 9: Too few points in prism.\n");
    EXPECT_EQ(window->Messages()->toPlainText(), "Error in line 9: Too few points in prism.\n");
    platform.ShowBusy(handle, true);
    EXPECT_TRUE(window->BusyBar()->isVisible());
    window->close();
    EXPECT_EQ(events.closed, 1);
    platform.DestroyImageWindow(handle);
    EXPECT_EQ(platform.WindowOf(handle), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
