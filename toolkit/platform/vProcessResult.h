#pragma once

#include <string>

// How a program started by the process runner ended.
struct vProcessResult {
    enum Outcome {
        // The program ran and exited; exitStatus holds its status.
        Exited,
        // The program could not be started (not found, not executable).
        NotStarted,
        // The program was ended by a signal or did not end in time.
        Crashed,
    };

    Outcome outcome = NotStarted;
    int exitStatus = -1;
    // What the program wrote to its standard output and standard error, as one text.
    std::string output;
};
