#pragma once

#include <string>

// Where the settings file lives: beside the program, or, when the program's folder takes no
// files (an installed system folder), in the user's configuration folder with the same name
// and layout, so that the notices about it do not come at every start and close.
class SettingsLocation {
public:
    static constexpr const char* kFileName = "Vexlin.ini";

    // The settings file for a program in programFolder. The configuration folder is used, and
    // made as needed, only when the file beside the program cannot be written; when it cannot
    // be made either, the file beside the program is kept.
    static std::string Choose(const std::string& programFolder);
    // $XDG_CONFIG_HOME/vexlin, or ~/.config/vexlin; "" when neither can be told.
    static std::string UserFolder();

    // Whether a settings file at this path may be written: an existing file must take writes,
    // a new one needs a folder that takes files. Tests replace it, as they may run as the
    // super-user, who may write anywhere.
    static bool (*canWrite)(const std::string& file);
};
