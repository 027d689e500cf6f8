#pragma once

#include <stdio.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "toolkit/platform/vPlatformOverride.h"
#include "toolkit/platform/vProcessEvents.h"
#include "toolkit/platform/vProcessRunner.h"

// A process runner that starts nothing until told: it records each start and cancel, and a test
// finishes a run with the result it chooses, or runs it for real to its end.
class FakeProcessRunner : public vProcessRunner {
public:
    struct Run {
        int id;
        std::string program;
        std::vector<std::string> arguments;
        std::string folder;
        vProcessEvents* events;
        bool cancelled = false;
        bool finished = false;
    };

    int StartProcess(const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& folder, vProcessEvents* events) override {
        runs.push_back({static_cast<int>(runs.size()) + 1, program, arguments, folder, events});
        return runs.back().id;
    }
    void CancelProcess(int process) override { runs.at(process - 1).cancelled = true; }
    vProcessResult RunProcess(const std::string&, const std::vector<std::string>&,
                              const std::string&, int) override {
        return {};
    }

    // The runs neither cancelled nor finished.
    std::vector<int> Live() const {
        std::vector<int> live;
        for (const Run& run : runs) {
            if (!run.cancelled && !run.finished) {
                live.push_back(run.id);
            }
        }
        return live;
    }

    void Finish(int id, const vProcessResult& result) {
        Run& run = runs.at(id - 1);
        run.finished = true;
        run.events->ProcessFinished(id, result);
    }

    // Runs the program as the real runner would and reports its result.
    void RunForReal(int id) {
        const Run& run = runs.at(id - 1);
        std::string command = "cd '" + run.folder + "' && " + run.program;
        for (const std::string& argument : run.arguments) {
            command += " '" + argument + "'";
        }
        vProcessResult result;
        FILE* pipe = popen((command + " 2>&1").c_str(), "r");
        char buffer[4096];
        for (size_t n; pipe != nullptr && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            result.output.append(buffer, n);
        }
        const int status = pipe != nullptr ? pclose(pipe) : -1;
        result.outcome = WIFEXITED(status) ? vProcessResult::Exited : vProcessResult::Crashed;
        result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        Finish(id, result);
    }

    std::vector<Run> runs;

private:
    vPlatformOverride<vProcessRunner> _installed{&vPlatform::processes, this};
};
