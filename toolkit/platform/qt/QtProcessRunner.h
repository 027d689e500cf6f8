#pragma once

#include <QObject>
#include <map>

#include "toolkit/platform/vProcessRunner.h"

class QProcess;

// Programs run as QProcesses, their standard output and error merged. Results are delivered from
// the event loop; a runner destroyed while programs run ends them first.
class QtProcessRunner : public QObject, public vProcessRunner {
    Q_OBJECT
public:
    QtProcessRunner() = default;
    ~QtProcessRunner() override;

    int StartProcess(const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& folder, vProcessEvents* events) override;
    void CancelProcess(int process) override;
    vProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                              const std::string& folder, int timeoutSeconds) override;

private:
    void Deliver(int process, vProcessEvents* events, const vProcessResult& result);

    std::map<int, QProcess*> _running;
    int _lastId = 0;
};
