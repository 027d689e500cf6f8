#include "toolkit/platform/qt/QtProcessRunner.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include "toolkit/platform/vProcessEvents.h"
#include "toolkit/platform/vWriteConfinement.h"

namespace {

// A program that ignores the end of its run is not waited for longer than this.
constexpr int KillWaitMilliseconds = 2000;

void Prepare(QProcess& process, const std::string& program,
             const std::vector<std::string>& arguments, const std::string& folder) {
    QStringList list;
    for (const std::string& argument : arguments) {
        list << QString::fromStdString(argument);
    }
    process.setProgram(QString::fromStdString(program));
    process.setArguments(list);
    process.setWorkingDirectory(QString::fromStdString(folder));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", QString::fromStdString(folder));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
}

vProcessResult ResultOf(QProcess& process) {
    vProcessResult result;
    result.outcome = process.exitStatus() == QProcess::NormalExit ? vProcessResult::Exited
                                                                  : vProcessResult::Crashed;
    result.exitStatus = process.exitCode();
    const QByteArray output = process.readAll();
    result.output.assign(output.constData(), static_cast<size_t>(output.size()));
    return result;
}

// Starts the prepared program able to write only inside its working folder. The fork happens
// within start(), so the rules live until it returns.
void StartConfined(QProcess& process) {
    const vWriteConfinement confinement(process.workingDirectory().toStdString());
    process.setChildProcessModifier([&confinement] { confinement.ApplyInChild(); });
    process.start();
    process.setChildProcessModifier({});
}

void EndNow(QProcess& process) {
    process.disconnect();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(KillWaitMilliseconds);
    }
}

}  // namespace

QtProcessRunner::~QtProcessRunner() {
    for (QProcess* process : findChildren<QProcess*>()) {
        EndNow(*process);
    }
}

int QtProcessRunner::StartProcess(const std::string& program,
                                  const std::vector<std::string>& arguments,
                                  const std::string& folder, vProcessEvents* events) {
    const int id = ++_lastId;
    auto* process = new QProcess(this);
    Prepare(*process, program, arguments, folder);
    _running[id] = process;
    connect(process, &QProcess::finished, this,
            [this, id, events, process] { Deliver(id, events, ResultOf(*process)); });
    // Queued: a program that cannot start may say so inside start(), before the caller has
    // its id.
    connect(
        process, &QProcess::errorOccurred, this,
        [this, id, events](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                Deliver(id, events, vProcessResult{});
            }
        },
        Qt::QueuedConnection);
    StartConfined(*process);
    return id;
}

void QtProcessRunner::CancelProcess(int process) {
    auto found = _running.find(process);
    if (found == _running.end()) {
        return;
    }
    QProcess* running = found->second;
    _running.erase(found);
    running->disconnect(this);
    if (running->state() == QProcess::NotRunning) {
        running->deleteLater();
        return;
    }
    connect(running, &QProcess::finished, running, &QObject::deleteLater);
    running->kill();
}

vProcessResult QtProcessRunner::RunProcess(const std::string& program,
                                           const std::vector<std::string>& arguments,
                                           const std::string& folder, int timeoutSeconds) {
    QProcess process;
    Prepare(process, program, arguments, folder);
    StartConfined(process);
    if (!process.waitForStarted(-1)) {
        return vProcessResult{};
    }
    if (!process.waitForFinished(timeoutSeconds * 1000)) {
        EndNow(process);
        vProcessResult result;
        result.outcome = vProcessResult::Crashed;
        return result;
    }
    return ResultOf(process);
}

void QtProcessRunner::Deliver(int process, vProcessEvents* events, const vProcessResult& result) {
    auto found = _running.find(process);
    if (found == _running.end()) {
        return;
    }
    found->second->deleteLater();
    _running.erase(found);
    events->ProcessFinished(process, result);
}
