#pragma once

// The signals that ask the program to end, SIGTERM (the session ends, the system shuts down)
// and SIGHUP (the terminal it runs from goes), as events of the event loop. A signal handler
// may do next to nothing safely: this one only writes the signal's number into a pipe, whose
// other end the platform watches beside the windowing system's events. SIGPIPE is ignored, so
// that writing to a connection that has gone fails instead of killing the program unasked.
class vEndSignals {
public:
    // Makes the pipe and installs the handlers once; false when the pipe cannot be made.
    static bool Install();
    // The end to watch for reading; -1 before Install.
    static int ReadEnd();
    // The number of a signal that has arrived, or 0 when none is waiting.
    static int Take();
};
