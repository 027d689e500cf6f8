#pragma once

#include <optional>
#include <string>

#include "model/EditState.h"

// What a save came to, failed or not.
struct SaveResult {
    bool ok = false;
    // Why it failed, in the words the user is shown: the writer's refusal or the system's
    // reason; "" when it succeeded, or when the system gave no reason.
    std::string message;
    // The system's error number where a system call failed, taken when it failed; 0 otherwise.
    int systemError = 0;
    // The name written, with any extension the writer appended; "" when the name was refused.
    std::string name;
    // The kind written under that name, once the name was taken, even when the file then
    // could not be written.
    std::optional<ShapeKind> kind;
};
