#pragma once

#include <string>
#include <vector>

#include "toolkit/platform/vPlatform.h"
#include "toolkit/platform/vProcessResult.h"

class vProcessEvents;

// Runs other programs. Without a runner installed (tests and tools with no platform) nothing can
// be run.
class vProcessRunner {
public:
    virtual ~vProcessRunner() = default;

    // Starts program, found on PATH unless it names a folder, with the arguments and the working
    // folder, which is also the program's home: what it reads as its user's configuration is
    // what the caller put there, never the user's own. It may write only inside that folder,
    // where the kernel can confine it. The result arrives later from the event loop
    // through events, also when the program could not be started. Returns the process id, never 0.
    virtual int StartProcess(const std::string& program, const std::vector<std::string>& arguments,
                             const std::string& folder, vProcessEvents* events) = 0;
    // Ends a started program at once; its result is never reported. An id that has finished
    // already is ignored.
    virtual void CancelProcess(int process) = 0;
    // Runs a program to its end, for callers with no event loop; a program still running after
    // timeoutSeconds is ended and reported as Crashed.
    virtual vProcessResult RunProcess(const std::string& program,
                                      const std::vector<std::string>& arguments,
                                      const std::string& folder, int timeoutSeconds) = 0;

    static vProcessRunner* Current() { return vPlatform::Get().processes; }
};
