#include "preview/PreviewRenderer.h"

#include <sys/stat.h>

#include <utility>

#include "io/BoundedFile.h"
#include "preview/PovrayMessages.h"
#include "preview/PovrayPicture.h"
#include "preview/PovrayRestriction.h"
#include "preview/PovrayShape.h"
#include "preview/PreviewDisplay.h"
#include "preview/PreviewFolder.h"
#include "preview/PreviewSketch.h"
#include "preview/ProgramSearch.h"
#include "scenefile/SceneKind.h"
#include "toolkit/platform/vProcessRunner.h"

namespace {

const char* const ViewNames[PovrayViews::ViewCount] = {"top", "view"};

bool FileExists(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0;
}

}  // namespace

PreviewRenderer::PreviewRenderer(PreviewDisplay& display, const PreviewFolder& folder,
                                 std::string program)
    : _display(display), _folder(folder), _program(std::move(program)) {}

PreviewRenderer::~PreviewRenderer() {
    Cancel();
}

void PreviewRenderer::Update(const PreviewScene& scene, long now) {
    if (!_seen || scene != _latest) {
        _latest = scene;
        _latestSince = now;
        _seen = true;
        _renderNeeded = true;
        Cancel();
    }
    if (_latest != _sketched && (!_started || now - _sketchedAt >= SketchMilliseconds)) {
        _sketched = _latest;
        _sketchedAt = now;
        Sketch();
    }
    const bool settled = !_started || now - _latestSince >= SettleMilliseconds;
    const bool installed =
        _waitingForProgram && vProcessRunner::Current() != nullptr && ProgramOnPath(_program);
    if ((_renderNeeded && settled) || installed) {
        Start();
    }
    ShowWrittenPictures();
    RefreshBusy();
}

// Without POV-Ray, or with a drawing it is not handed, nothing follows a sketch: none is drawn.
// The face-on sketch is captioned as the view it shows at once.
void PreviewRenderer::Sketch() {
    if (!_latest.Writable() || _waitingForProgram) {
        return;
    }
    const PovrayShape shape = PovrayShape::Of(_latest.text, SketchSize);
    ShowFaceOnCaption(_latest.kind);
    _display.ShowSketch(PovrayViews::TopView, PreviewSketch::TopView(shape, SketchSize));
    _display.ShowSketch(PovrayViews::ThreeQuarterView,
                        PreviewSketch::ThreeQuarterView(shape, SketchSize));
}

bool PreviewRenderer::Running() const {
    for (int process : _process) {
        if (process != 0) {
            return true;
        }
    }
    return false;
}

std::string PreviewRenderer::Name(const char* view, const char* extension) const {
    return std::string(view) + "-" + std::to_string(_generation) + extension;
}

std::string PreviewRenderer::DrawingName() const {
    return Name("drawing", SceneKindOf(_rendered.kind).extension);
}

void PreviewRenderer::Start() {
    Cancel();
    ++_generation;
    _rendered = _latest;
    _started = true;
    _renderNeeded = false;
    _waitingForProgram = false;
    ShowFaceOnCaption(_rendered.kind);
    if (!_latest.Writable()) {
        Fail(_latest.refusal);
        return;
    }
    _runner = vProcessRunner::Current();
    if (_runner == nullptr || !ProgramOnPath(_program)) {
        _waitingForProgram = true;
        Fail(MissingPovrayMessage(_program));
        return;
    }
    if (!StartViews(*_runner)) {
        Fail("The preview could not write its files into " + _folder.Path() + ".\n");
    }
}

// Earlier files go first: a killed run's picture must never be taken for a new one.
bool PreviewRenderer::StartViews(vProcessRunner& runner) {
    _folder.Empty();
    const std::string drawing = DrawingName();
    if (!RestrictPovray(_folder) || !_folder.Write(drawing, _latest.text)) {
        return false;
    }
    for (int view = 0; view < PovrayViews::ViewCount; ++view) {
        const auto which = static_cast<PovrayViews::View>(view);
        const std::string scene = Name(ViewNames[view], ".pov");
        const std::string text =
            PovrayViews::Scene(which, drawing, _latest.kind, PictureSize, PictureSize);
        if (!_folder.Write(scene, text)) {
            Cancel();
            return false;
        }
        _shown[view] = false;
        _process[view] =
            runner.StartProcess(_program,
                                PovrayViews::Arguments(which, scene, Name(ViewNames[view], ".png"),
                                                       PictureSize, PictureSize),
                                _folder.Path(), this);
    }
    return true;
}

void PreviewRenderer::Cancel() {
    for (int& process : _process) {
        if (process != 0 && _runner != nullptr) {
            _runner->CancelProcess(process);
        }
        process = 0;
    }
}

// POV-Ray writes a picture whole some time before it has ended: a picture that ends as a PNG
// file ends is shown without waiting for the program.
void PreviewRenderer::ShowWrittenPictures() {
    for (int view = 0; view < PovrayViews::ViewCount; ++view) {
        if (_process[view] != 0 && !_shown[view]) {
            const std::string image = _folder.File(Name(ViewNames[view], ".png"));
            std::string bytes;
            std::string why;
            if (BoundedFile::Read(image.c_str(), BoundedFile::OutputLimit, bytes, why) &&
                CompletePng(bytes)) {
                _display.ShowPicture(view, image);
                _shown[view] = true;
            }
        }
    }
}

void PreviewRenderer::ProcessFinished(int process, const vProcessResult& result) {
    for (int view = 0; view < PovrayViews::ViewCount; ++view) {
        if (process != 0 && _process[view] == process) {
            _process[view] = 0;
            _result[view] = result;
            if (!Running()) {
                Finish();
            }
            RefreshBusy();
            return;
        }
    }
}

void PreviewRenderer::Finish() {
    std::string output;
    std::string trouble;
    bool pictures = true;
    for (int view = 0; view < PovrayViews::ViewCount; ++view) {
        const vProcessResult& result = _result[view];
        const std::string image = _folder.File(Name(ViewNames[view], ".png"));
        const bool made =
            result.outcome == vProcessResult::Exited && result.exitStatus == 0 && FileExists(image);
        if (!made || !_shown[view]) {
            _display.ShowPicture(view, made ? image : std::string());
        }
        pictures = pictures && made;
        output += result.output;
        if (result.outcome == vProcessResult::NotStarted) {
            trouble = "POV-Ray could not be started.\n";
        } else if (result.outcome == vProcessResult::Crashed) {
            trouble = "POV-Ray stopped before the picture was finished.\n";
        }
    }
    std::string messages = trouble + PlainPovrayMessages(output, DrawingName());
    if (pictures) {
        _display.ShowMessages(messages.empty()
                                  ? "POV-Ray rendered the drawing with no error and no warning.\n"
                                  : messages);
        return;
    }
    _display.ShowMessages(PovrayRefusedMessage + messages);
}

void PreviewRenderer::Fail(const std::string& message) {
    for (int view = 0; view < PovrayViews::ViewCount; ++view) {
        _display.ShowPicture(view, std::string());
    }
    _display.ShowMessages(message);
}

void PreviewRenderer::ShowFaceOnCaption(int kind) {
    const int front = IsTurnedKind(kind) ? 1 : 0;
    if (front != _captioned) {
        _captioned = front;
        _display.ShowCaption(PovrayViews::TopView, front == 1 ? "Front view" : "Top view");
    }
}

// Busy while a render runs or a change waits for its turn.
void PreviewRenderer::RefreshBusy() {
    const bool busy = Running() || (_started && _renderNeeded);
    if (busy != _busy) {
        _busy = busy;
        _display.ShowBusy(busy);
    }
}
