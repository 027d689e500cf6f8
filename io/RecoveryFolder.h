#pragma once

#include <string>
#include <vector>

// The folder where the editor keeps what must survive its own end: each drawing window's
// recovery copy and the new bytes of a file being rewritten in place. It is
// $XDG_STATE_HOME/vexlin/recovery, or ~/.local/state/vexlin/recovery, private to its user.
class RecoveryFolder {
public:
    // The folder, made (0700) where it is missing; "" when there is no home to put it in, or
    // when what lies there is not a folder of this user's own.
    static std::string Path();
    // The folder when it is there already, made by nothing: reading a file makes no folder.
    static std::string ExistingPath();

    // This process as the names of its copies tell it: its id and the moment it started, so
    // that a later process given the same id is not taken for it.
    static std::string SessionStamp();
    // Whether the editor that made a copy stamped so still runs.
    static bool SessionRuns(const std::string& stamp);

    // The recovery copy of a window of this process, by the window's serial number.
    static std::string CopyName(int serial);
    // The recovery copies in the folder whose editor no longer runs, oldest name first.
    static std::vector<std::string> OrphanedCopies();
};
