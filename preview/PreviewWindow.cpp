#include "preview/PreviewWindow.h"

#include <chrono>
#include <utility>

#include "preview/PreviewFolder.h"
#include "preview/PreviewRenderer.h"
#include "toolkit/platform/vImageWindowPlatform.h"

namespace {

// Often enough that a change is sketched within a frame or two of the screen.
constexpr int PollMilliseconds = 25;

long Now() {
    using namespace std::chrono;
    return static_cast<long>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace

PreviewWindow::PreviewWindow(std::string program) : _program(std::move(program)) {}

PreviewWindow::~PreviewWindow() {
    Close();
}

bool PreviewWindow::Open(const std::string& title, SceneSource source) {
    vImageWindowPlatform* platform = vImageWindowPlatform::Current();
    if (platform == nullptr) {
        return false;
    }
    if (IsOpen()) {
        platform->RaiseImageWindow(_window);
        return true;
    }
    const int size = PreviewRenderer::PictureSize;
    _window = platform->CreateImageWindow(title.c_str(), {"Top view", "Three-quarter view"}, size,
                                          size, this);
    if (_window == nullptr) {
        return false;
    }
    _title = title;
    _source = std::move(source);
    _folder = std::make_unique<PreviewFolder>();
    _renderer = std::make_unique<PreviewRenderer>(*this, *_folder, _program);
    StartTimer(PollMilliseconds);
    Poll();
    return true;
}

void PreviewWindow::Close() {
    StopTimer();
    _renderer.reset();
    _folder.reset();
    if (_window != nullptr) {
        vImageWindowHandle window = std::exchange(_window, nullptr);
        if (vImageWindowPlatform* platform = vImageWindowPlatform::Current()) {
            platform->DestroyImageWindow(window);
        }
    }
}

void PreviewWindow::SetTitle(const std::string& title) {
    vImageWindowPlatform* platform = vImageWindowPlatform::Current();
    if (platform != nullptr && _window != nullptr && title != _title) {
        platform->SetImageWindowTitle(_window, title.c_str());
        _title = title;
    }
}

void PreviewWindow::Poll() {
    if (_renderer != nullptr) {
        _renderer->Update(_source(), Now());
    }
}

std::string PreviewWindow::FolderPath() const {
    return _folder != nullptr ? _folder->Path() : std::string();
}

void PreviewWindow::ShowPicture(int view, const std::string& path) {
    if (vImageWindowPlatform* platform = vImageWindowPlatform::Current()) {
        platform->ShowPicture(_window, view, path.c_str());
    }
}

void PreviewWindow::ShowCaption(int view, const std::string& caption) {
    if (vImageWindowPlatform* platform = vImageWindowPlatform::Current()) {
        platform->ShowCaption(_window, view, caption.c_str());
    }
}

void PreviewWindow::ShowSketch(int view, const PixelSurface& picture) {
    if (vImageWindowPlatform* platform = vImageWindowPlatform::Current()) {
        platform->ShowPixels(_window, view, picture);
    }
}

void PreviewWindow::ShowMessages(const std::string& text) {
    if (vImageWindowPlatform* platform = vImageWindowPlatform::Current()) {
        platform->ShowMessages(_window, text.c_str());
    }
}

void PreviewWindow::ShowBusy(bool busy) {
    if (vImageWindowPlatform* platform = vImageWindowPlatform::Current()) {
        platform->ShowBusy(_window, busy);
    }
}
