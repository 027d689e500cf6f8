#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "AppFixture.h"
#include "app/ProgramOptions.h"
#include "interchange/ImportSource.h"
#include "io/BoundedFile.h"
#include "scenefile/BackgroundSidecar.h"
#include "scenefile/SceneReadDetails.h"
#include "scenefile/SceneReadResult.h"
#include "support/CanvasSceneFiles.h"

namespace {

class BoundedReaders : public AppFixture {};

enum Trap { Fifo, ZeroLink, Folder, Oversized, PlantedLink };

// Puts the trap at path; false when this user cannot make it.
bool Plant(Trap trap, const std::string& path, const std::string& shared) {
    switch (trap) {
        case Fifo:
            return mkfifo(path.c_str(), 0600) == 0;
        case ZeroLink:
            return symlink("/dev/zero", path.c_str()) == 0;
        case Folder:
            return mkdir(path.c_str(), 0700) == 0;
        case Oversized:
            PutFile(path, "");
            return truncate(path.c_str(), static_cast<off_t>(BoundedFile::DocumentLimit + 1)) == 0;
        case PlantedLink: {
            // Our link to another user's link in a sticky folder that everybody may write, which
            // leads to a file that would read well.
            const std::string target = shared + "/../target";
            const std::string planted = shared + "/planted";
            PutFile(target, "#declare Thing=polygon{\n0\n}\n");
            std::filesystem::remove(planted);
            return geteuid() == 0 && symlink(target.c_str(), planted.c_str()) == 0 &&
                   lchown(planted.c_str(), 65534, 65534) == 0 &&
                   symlink(planted.c_str(), path.c_str()) == 0;
        }
    }
    return false;
}

}  // namespace

// No reader waits on a named pipe, follows a device, reads a folder or a file larger than its
// kind may be, or follows another user's link in a shared sticky folder: each refuses, says
// why, and keeps what it had. A reader that waits or grows ends the test by its alarm.
TEST_F(BoundedReaders, RefuseWhatTheyCannotReadWhole) {
    const std::string shared = root + "/shared";
    std::filesystem::create_directory(shared);
    ASSERT_EQ(chmod(shared.c_str(), 01777), 0);
    RunWithSettings([&](KryCmdWindow& window) {
        const struct {
            const char* what;
            Trap trap;
        } traps[] = {{"a named pipe", Fifo},
                     {"a link to /dev/zero", ZeroLink},
                     {"a folder", Folder},
                     {"a sparse file past the limit", Oversized},
                     {"another user's link in a sticky folder", PlantedLink}};
        const std::string drawing = work + "/drawing.pol";
        const std::string ini = program + "/Vexlin.ini";
        const std::string options = program + "/Vexlin-options.ini";
        for (const auto& t : traps) {
            SCOPED_TRACE(t.what);
            alarm(30);
            for (const std::string& path :
                 {drawing, drawing + BackgroundSidecar::Extension, ini, options}) {
                std::filesystem::remove_all(path);
                if (!Plant(t.trap, path, shared)) {
                    GTEST_SKIP() << "the super-user makes another user's link";
                }
                if (path == drawing) {
                    KCanvasPane canvas(nullptr);
                    SceneReadDetails details;
                    EXPECT_EQ(OpenSceneFile(canvas, path.c_str(), details), ReadCannotOpen);
                    EXPECT_NE(details.hint, "");
                    Outline outline;
                    ImportReport report;
                    EXPECT_EQ(ReadOutlineSource(path.c_str(), nullptr, outline, report),
                              SourceCannotOpen);
                } else if (path == ini) {
                    ModalAnswers answers;
                    std::snprintf(lastDirectory, sizeof lastDirectory, "%s", work.c_str());
                    window.LoadSettings();
                    EXPECT_EQ(std::string(lastDirectory), "C:\\") << "as a missing file";
                } else if (path == options) {
                    ProgramOptions::Load();
                    EXPECT_EQ(ProgramOptions::Current(), CanvasOptions{});
                } else {
                    BackgroundSidecar sidecar;
                    std::string why;
                    EXPECT_EQ(sidecar.Read(drawing, why), BackgroundSidecar::SidecarDamaged);
                    EXPECT_NE(why, "");
                }
                std::filesystem::remove_all(path);
            }
            alarm(0);
        }
    });
}
