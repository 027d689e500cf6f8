#pragma once

#include <functional>
#include <string>

#include "preview/PictureTrace.h"
#include "preview/PreviewFolder.h"
#include "toolkit/platform/vProcessEvents.h"
#include "toolkit/vTimer.h"

// Traces a picture while its values are being chosen, off the dialog's way: a change waits
// until the typing settles, a trace still running for older values is ended, and the result
// arrives from the event loop, so that the dialog never waits for the program.
class PictureTracer : private vProcessEvents, private vTimer {
public:
    // Called with the values traced and what came of them.
    using Done = std::function<void(const TraceValues&, const TracedPicture&)>;

    // Values that keep changing for longer than this are traced as they stand then.
    static constexpr int SettleMilliseconds = 250;

    explicit PictureTracer(Done done, std::string program = "potrace");
    ~PictureTracer() override;

    // The picture to trace, which must stay as it is until another is set or the tracer goes:
    // a picture of many megapixels is not copied.
    void SetPicture(const PixelSurface& picture) { _picture = &picture; }
    void SetPicture(PixelSurface&&) = delete;
    // Traces the picture with the values once they have settled.
    void TraceSoon(const TraceValues& values);
    // Ends what is waiting or running: nothing reports after this.
    void Stop();
    // A trace asked for has not reported yet.
    bool Busy() const { return Running() || _process != 0; }

private:
    void OnTimerTick() override;
    void ProcessFinished(int process, const vProcessResult& result) override;
    void Report(const TracedPicture& traced);

    Done _done;
    std::string _program;
    const PixelSurface* _picture = nullptr;
    PreviewFolder _folder;
    TraceValues _values;
    int _process = 0;
};
