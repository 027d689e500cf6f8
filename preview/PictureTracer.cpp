#include "preview/PictureTracer.h"

#include <utility>
#include <vector>

#include "preview/ProgramSearch.h"
#include "toolkit/platform/vProcessRunner.h"

PictureTracer::PictureTracer(Done done, std::string program)
    : _done(std::move(done)), _program(std::move(program)) {}

PictureTracer::~PictureTracer() {
    Stop();
}

void PictureTracer::Stop() {
    StopTimer();
    vProcessRunner* runner = vProcessRunner::Current();
    if (_process != 0 && runner != nullptr) {
        runner->CancelProcess(_process);
    }
    _process = 0;
}

void PictureTracer::TraceSoon(const TraceValues& values) {
    Stop();
    _values = values;
    StartTimer(SettleMilliseconds);
}

void PictureTracer::OnTimerTick() {
    StopTimer();
    vProcessRunner* runner = vProcessRunner::Current();
    if (runner == nullptr || !ProgramOnPath(_program)) {
        Report({"", TraceProgramMissing(_program)});
        return;
    }
    // FIXME: the ink bitmap is made here, on the event loop's thread: a few milliseconds a
    // megapixel, so up to a second for the largest picture read; a worker thread, or a reduced
    // copy for the values' preview, would keep the dialog free then too.
    std::vector<std::string> arguments;
    _folder.Empty();
    if (_picture == nullptr || !PrepareTrace(_folder, *_picture, _values, arguments)) {
        Report({"", "No temporary file could be written"});
        return;
    }
    _process = runner->StartProcess(_program, arguments, _folder.Path(), this);
}

void PictureTracer::ProcessFinished(int process, const vProcessResult& result) {
    if (process != _process) {
        return;
    }
    _process = 0;
    Report(ReadTrace(_folder, result, _program));
}

void PictureTracer::Report(const TracedPicture& traced) {
    if (_done) {
        _done(_values, traced);
    }
}
