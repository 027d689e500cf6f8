#include "toolkit/platform/vWriteConfinement.h"

#include <fcntl.h>
#include <linux/landlock.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdint>

namespace {

// Every right that changes the file system, in the Landlock versions that know it: writing,
// removing and making files of each type; linking or renaming across folders from version 2,
// truncating from version 3.
uint64_t WriteRights(long version) {
    uint64_t rights = LANDLOCK_ACCESS_FS_WRITE_FILE | LANDLOCK_ACCESS_FS_REMOVE_DIR |
                      LANDLOCK_ACCESS_FS_REMOVE_FILE | LANDLOCK_ACCESS_FS_MAKE_CHAR |
                      LANDLOCK_ACCESS_FS_MAKE_DIR | LANDLOCK_ACCESS_FS_MAKE_REG |
                      LANDLOCK_ACCESS_FS_MAKE_SOCK | LANDLOCK_ACCESS_FS_MAKE_FIFO |
                      LANDLOCK_ACCESS_FS_MAKE_BLOCK | LANDLOCK_ACCESS_FS_MAKE_SYM;
    if (version >= 2) {
        rights |= 1ULL << 13;  // refer
    }
    if (version >= 3) {
        rights |= 1ULL << 14;  // truncate
    }
    return rights;
}

int MakeRules(const std::string& folder) {
    const long version =
        syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
    if (version < 1) {
        return -1;
    }
    landlock_ruleset_attr attributes{};
    attributes.handled_access_fs = WriteRights(version);
    const int rules =
        static_cast<int>(syscall(SYS_landlock_create_ruleset, &attributes, sizeof attributes, 0));
    if (rules < 0) {
        return -1;
    }
    landlock_path_beneath_attr inside{};
    inside.allowed_access = attributes.handled_access_fs;
    inside.parent_fd = open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    const bool added =
        inside.parent_fd >= 0 &&
        syscall(SYS_landlock_add_rule, rules, LANDLOCK_RULE_PATH_BENEATH, &inside, 0) == 0;
    if (inside.parent_fd >= 0) {
        close(inside.parent_fd);
    }
    if (!added) {
        close(rules);
        return -1;
    }
    return rules;
}

}  // namespace

vWriteConfinement::vWriteConfinement(const std::string& folder) : _rules(MakeRules(folder)) {}

vWriteConfinement::~vWriteConfinement() {
    if (_rules >= 0) {
        close(_rules);
    }
}

bool vWriteConfinement::ApplyInChild() const noexcept {
    return Available() && prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           syscall(SYS_landlock_restrict_self, _rules, 0) == 0;
}
