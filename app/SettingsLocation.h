#pragma once

#include <string>

// Where the program keeps its settings files (Vexlin.ini, and every later file of program
// options): beside the program only while it runs from its build folder, which the build marks
// with a file that installing does not copy; an installed program uses the user's configuration
// folder, whoever runs it, and never writes into the folders it was installed in.
class SettingsLocation {
public:
    static constexpr const char* kFileName = "Vexlin.ini";
    // Written by the build beside the executables.
    static constexpr const char* kBuildMarker = "vexlin-build-folder";

    // The settings folder of a program in programFolder; "" when there is none, with the reason
    // in `why`. Nothing is made here.
    static std::string Folder(const std::string& programFolder, std::string* why = nullptr);
    // $XDG_CONFIG_HOME/vexlin, or ~/.config/vexlin; "" when neither can be told.
    static std::string UserFolder();
    // Makes the folders a new settings file needs. The super-user makes nothing, neither a
    // folder nor a new file, inside a folder that belongs to another user: under sudo the HOME
    // may be the user's, who could then no longer change what root left there. False with the
    // reason in `why`.
    static bool PrepareFor(const std::string& file, std::string& why);
};
