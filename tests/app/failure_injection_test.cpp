#include <sys/mount.h>
#include <sys/stat.h>

#include <optional>

#include "AppFixture.h"
#include "toolkit/util/ProgramPaths.h"

// Saves that cannot happen: the user sees the message the editor promises, and no earlier file
// is lost or cut short.
namespace {

// The nobody user: the super-user, as whom the tests may run, may write into any folder.
constexpr uid_t kOrdinaryId = 65534;

// Runs what follows as an ordinary user, until it goes out of scope.
class OrdinaryUser {
public:
    OrdinaryUser() : _switched(geteuid() == 0) {
        if (_switched) {
            EXPECT_EQ(setegid(kOrdinaryId), 0);
            EXPECT_EQ(seteuid(kOrdinaryId), 0);
        }
    }
    ~OrdinaryUser() {
        if (_switched) {
            EXPECT_EQ(seteuid(0), 0);
            EXPECT_EQ(setegid(0), 0);
        }
    }

private:
    bool _switched;
};

// A small disk of its own, filled up, where the system lets the test mount one.
class FullDisk {
public:
    explicit FullDisk(const std::string& folder) : _folder(folder) {
        std::filesystem::create_directories(folder);
        _mounted = mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~FullDisk() {
        if (_mounted) {
            umount2(_folder.c_str(), MNT_DETACH);
        }
    }
    bool Mounted() const { return _mounted; }
    // Takes every block still free.
    void Fill() const {
        std::ofstream filler(_folder + "/filler", std::ios::binary);
        const std::string block(4096, 'f');
        while (filler.write(block.data(), block.size()) && filler.flush()) {
        }
    }

private:
    std::string _folder;
    bool _mounted = false;
};

class FailureInjection : public AppFixture {
protected:
    FailureInjection() {
        // The ordinary user must reach the test's folders.
        chmod(root.c_str(), 0755);
    }

    // A changed drawing in a window that shows `earlier` (empty: untitled) is saved with the
    // command as an ordinary user, the chooser answering `name`, and the window is closed: the
    // notices are those expected, and the earlier file stays as it was.
    void SaveFails(int command, const std::string& earlier, const std::string& name,
                   const Strings& expected) {
        const std::string earlierText = earlier.empty() ? "" : Read(earlier);
        const std::string folder = ProgramPaths::FolderOf(earlier.empty() ? name : earlier);
        const bool counted = folder.rfind(root, 0) == 0 && std::filesystem::exists(folder);
        RunWithSettings([&](KryCmdWindow& window) {
            if (!earlier.empty()) {
                window.OpenFile(earlier.c_str());
                ASSERT_STREQ(window.fileName, earlier.c_str());
            }
            DrawTriangle(*window.canvas, 20);
            files.path = name;
            const int entries = counted ? FilesIn(folder) : 0;
            ModalAnswers answers;
            {
                OrdinaryUser user;
                Choose(window, command);
            }
            EXPECT_EQ(window.canvas->changed, 1);
            if (counted) {
                EXPECT_EQ(FilesIn(folder), entries) << "nothing new is left in " << folder;
            }
            window.canvas->changed = 0;
            EXPECT_EQ(app.CloseAppWindow(&window), 1);
            EXPECT_EQ(answers.seen, expected);
        });
        if (!earlier.empty()) {
            EXPECT_EQ(Read(earlier), earlierText);
        }
    }
};

}  // namespace

TEST_F(FailureInjection, SavesThatCannotHappen) {
    const std::string locked = root + "/locked";
    std::filesystem::create_directories(locked);
    SaveDrawing(locked + "/kept.pol", Polygon, 1);
    chmod(locked.c_str(), 0555);
    std::filesystem::create_directories(work + "/folder.pol/inside");
    // A link that another user made in a folder that everybody may write leads to a file of
    // the user's own, as an attacker would plant it.
    const std::string shared = root + "/shared";
    std::filesystem::create_directories(shared);
    chmod(shared.c_str(), 01777);
    Write(root + "/notes.txt", "private notes");
    ASSERT_EQ(symlink((root + "/notes.txt").c_str(), (shared + "/planted.pol").c_str()), 0);
    // Only the super-user may give the link to another user.
    const bool planted =
        lchown((shared + "/planted.pol").c_str(), kOrdinaryId + 1, kOrdinaryId + 1) == 0;
    const struct {
        const char* what;
        int command;
        std::string earlier, name, reason;
    } cases[] = {
        // The "." keeps the writer from appending an extension: the name is the device's own.
        {"the device that is always full", Cmd::SaveAs, "", "/dev/./full", "not a regular file"},
        {"a new file in a read-only folder", Cmd::SaveAs, "", locked + "/new.pol",
         "Permission denied"},
        {"a file in a read-only folder", Cmd::Save, locked + "/kept.pol", "", "Permission denied"},
        {"a name that is a folder", Cmd::SaveAs, "", work + "/folder.pol", "Is a directory"},
        {"a folder's name with a slash", Cmd::SaveAs, "", work + "/folder.pol/",
         "the name ends in a slash, as a folder's does"},
        {"a link planted by another user", Cmd::SaveAs, "", shared + "/planted.pol",
         "the symbolic link " + shared +
             "/planted.pol belongs to another user, in a folder that everybody may write: it "
             "is not followed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (!planted && c.name == shared + "/planted.pol") {
            continue;
        }
        const std::string& named = c.earlier.empty() ? c.name : c.earlier;
        SaveFails(c.command, c.earlier, c.name,
                  {"Notice: " + UnableToSave(named + ": " + c.reason)});
    }
    EXPECT_EQ(Read(root + "/notes.txt"), "private notes");
    EXPECT_TRUE(std::filesystem::is_directory(work + "/folder.pol/inside"));
    chmod(locked.c_str(), 0755);
}

// The drawing and the settings file on a full disk keep what they held.
TEST_F(FailureInjection, AFullDisk) {
    const std::string disk = root + "/disk";
    FullDisk full(disk);
    if (!full.Mounted()) {
        GTEST_SKIP() << "no small disk can be mounted here";
    }
    SaveDrawing(disk + "/kept.prm", Prism, 2);
    const std::string settings = work + "\nprm\n";
    Write(disk + "/Vexlin.ini", settings);
    Write(disk + "/vexlin-build-folder", "");
    full.Fill();
    settingsFolder = disk;
    SaveFails(Cmd::Save, disk + "/kept.prm", "",
              {"Notice: " + UnableToSave(disk + "/kept.prm: No space left on device"),
               UnsavedSettingsNotice});
    EXPECT_EQ(Read(disk + "/Vexlin.ini"), settings);
}

// An installed program never writes into its own folder. Its user's configuration folder takes
// the settings, in silence after the first start; where it cannot be made, every close says so.
// The super-user under sudo, with the HOME of the user who called it, makes nothing there that
// the user could no longer change, yet uses settings the user already has.
TEST_F(FailureInjection, SettingsOfAnInstalledProgram) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only the super-user can play both users";
    }
    const std::string kept = root + "/gone\nprm\n";
    std::filesystem::remove(program + "/vexlin-build-folder");
    Write(program + "/Vexlin.ini", kept);
    chmod(program.c_str(), 0555);
    const std::string own = root + "/own";
    const std::string theirs = root + "/theirs";
    for (const std::string& home : {own, theirs + "/home"}) {
        std::filesystem::create_directories(home);
        ASSERT_EQ(chown(home.c_str(), kOrdinaryId, kOrdinaryId), 0);
    }
    Write(root + "/file", "");
    const struct {
        std::string home;
        bool ordinary;
        Strings notices;
    } cases[] = {
        {root + "/file", true, {NewSettingsNotice, UnsavedSettingsNotice, UnsavedSettingsNotice}},
        {own, true, {NewSettingsNotice}},
        {own, true, {}},
        {theirs + "/home",
         false,
         {NewSettingsNotice, UnsavedSettingsNotice, UnsavedSettingsNotice}},
        {own, false, {}},
    };
    unsetenv("XDG_CONFIG_HOME");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.home + (c.ordinary ? " as an ordinary user" : " as the super-user"));
        setenv("HOME", c.home.c_str(), 1);
        ModalAnswers answers;
        {
            std::optional<OrdinaryUser> user;
            if (c.ordinary) {
                user.emplace();
            }
            RunEditor({}, [&](KryCmdWindow& window) { EXPECT_EQ(app.CloseAppWindow(&window), 1); });
        }
        EXPECT_EQ(answers.seen, c.notices);
        EXPECT_EQ(Read(program + "/Vexlin.ini"), kept);
    }
    EXPECT_FALSE(std::filesystem::exists(theirs + "/home/.config"));
    struct stat settings;
    ASSERT_EQ(stat((own + "/.config/vexlin/Vexlin.ini").c_str(), &settings), 0);
    EXPECT_EQ(settings.st_uid, kOrdinaryId) << "the user's own file stays the user's";
    chmod(program.c_str(), 0755);
}

// A working directory that has gone: a relative name cannot be saved, a file named in full is
// read, and the directory remembered before is kept for the settings.
TEST_F(FailureInjection, AWorkingDirectoryThatHasGone) {
    const std::string other = root + "/other";
    std::filesystem::create_directories(other);
    SaveDrawing(other + "/a.pol", Polygon, 1);
    RunWithSettings([&](KryCmdWindow& window) {
        std::filesystem::create_directories(work + "/gone");
        std::filesystem::current_path(work + "/gone");
        std::filesystem::remove(work + "/gone");
        window.OpenFile((other + "/a.pol").c_str());
        EXPECT_EQ(window.canvas->pointCount, 4);
        EXPECT_EQ(std::string(lastDirectory), work);
        ModalAnswers answers;
        files.path = "relative";
        Choose(window, Cmd::SaveAs);
        EXPECT_EQ(answers.seen,
                  (Strings{"Notice: " + UnableToSave("relative.pol: No such file or directory")}));
        window.canvas->changed = 0;
        EXPECT_EQ(app.CloseAppWindow(&window), 1);
    });
    EXPECT_EQ(Read(program + "/Vexlin.ini").substr(0, work.size() + 1), work + "\n");
}
