#include "AppFixture.h"

namespace {

class Settings : public AppFixture {};

}  // namespace

// Only whether the filter is "*.prm" is kept; the rest of the file warns people off.
TEST_F(Settings, WrittenLayoutAndWhatIsReadBack) {
    RunWithSettings([&](KryCmdWindow& window) {
        const std::string ini = program + "/Vexlin.ini";
        std::snprintf(lastDirectory, sizeof lastDirectory, "%s", work.c_str());
        for (int filter : {PolygonFilter, PrismFilter, BothFilter, AnyFileFilter}) {
            SCOPED_TRACE(filter);
            fileFilterIndex = filter;
            window.SaveSettings();
            EXPECT_EQ(Read(ini),
                      work + (filter == PrismFilter ? "\nprm\n" : "\npol\n\n") + SettingsTail);
            window.LoadSettings();
            EXPECT_EQ(fileFilterIndex, filter == PrismFilter ? PrismFilter : PolygonFilter);
        }
        const struct {
            std::string text;
            std::string directory;
            int filter;
        } reads[] = {
            {root + "\r\nprm\r\n", root, PrismFilter},
            {work + "\nPRM\n", work, PolygonFilter},
            {work + "\n", work, PolygonFilter},
            // The directory read is one the file can hold again: no carriage return at its end,
            // nothing past a NUL.
            {std::string("\r\0", 2), "", PolygonFilter},
            {root + "\r\r\nprm\r\r\n", root, PrismFilter},
            {work + std::string("\0/x", 3) + "\npol\n", work, PolygonFilter},
            {root + "/gone\nprmx\n", root + "/gone", PrismFilter},
        };
        for (const auto& r : reads) {
            SCOPED_TRACE(r.text);
            std::filesystem::current_path(work);
            Write(ini, r.text);
            window.LoadSettings();
            EXPECT_EQ(std::string(lastDirectory), r.directory);
            EXPECT_EQ(fileFilterIndex, r.filter);
            EXPECT_EQ(WorkingDirectory(),
                      std::filesystem::exists(r.directory) ? r.directory : work);
        }
        window.SaveSettings();
        EXPECT_EQ(Read(ini).substr(0, root.size() + 6), root + "/gone\n")
            << "a directory that has gone is written back unchanged";
    });
}

// Beside the program only while it runs from its build folder; an installed program uses the
// user's configuration folder, made as needed, so that only the first start says that a new file
// is made; where there is none, the notices come at every start and close.
TEST_F(Settings, BesideTheProgramInItsBuildFolderElseInTheUserConfigurationFolder) {
    Write(root + "/file", "");
    const struct {
        const char* what;
        bool buildFolder;
        std::string xdg;  // empty: unset
        std::string home;
        std::string file;  // where the settings end up; empty: nowhere
        Strings firstRun, laterRuns;
    } cases[] = {
        {"its build folder", true, root + "/config", root + "/home", program + "/Vexlin.ini",
         Strings{NewSettingsNotice}, Strings{}},
        {"XDG_CONFIG_HOME", false, root + "/config", root + "/home",
         root + "/config/vexlin/Vexlin.ini", Strings{NewSettingsNotice}, Strings{}},
        {"~/.config", false, "", root + "/home", root + "/home/.config/vexlin/Vexlin.ini",
         Strings{NewSettingsNotice}, Strings{}},
        {"a relative XDG_CONFIG_HOME means nothing", false, "config", root + "/home",
         root + "/home/.config/vexlin/Vexlin.ini", Strings{NewSettingsNotice}, Strings{}},
        {"neither", false, root + "/file/config", "", "",
         Strings{NewSettingsNotice, UnsavedSettingsNotice, UnsavedSettingsNotice},
         Strings{NewSettingsNotice, UnsavedSettingsNotice, UnsavedSettingsNotice}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(program + "/vexlin-build-folder");
        if (c.buildFolder) {
            Write(program + "/vexlin-build-folder", "");
        }
        if (c.xdg.empty()) {
            unsetenv("XDG_CONFIG_HOME");
        } else {
            setenv("XDG_CONFIG_HOME", c.xdg.c_str(), 1);
        }
        setenv("HOME", c.home.c_str(), 1);
        for (int run = 0; run < 2; ++run) {
            ModalAnswers answers;
            RunEditor({}, [&](KryCmdWindow& window) {
                fileFilterIndex = PrismFilter;
                EXPECT_EQ(app.CloseAppWindow(&window), 1);
            });
            EXPECT_EQ(answers.seen, run == 0 ? c.firstRun : c.laterRuns) << "run " << run;
        }
        EXPECT_EQ(std::filesystem::exists(program + "/Vexlin.ini"),
                  c.file == program + "/Vexlin.ini");
        if (!c.file.empty()) {
            EXPECT_EQ(Read(c.file), "C:\\\nprm\n" + SettingsTail);
            std::filesystem::remove(c.file);
        }
    }
}
