#pragma once

#include <functional>
#include <memory>
#include <string>

#include "preview/PreviewDisplay.h"
#include "preview/PreviewScene.h"
#include "toolkit/platform/vImageWindowEvents.h"
#include "toolkit/vHandles.h"
#include "toolkit/vTimer.h"

class PreviewFolder;
class PreviewRenderer;

// The "POV-Ray preview" window of one drawing: POV-Ray's top and three-quarter views of the
// drawing as it would be saved, rendered again whenever it changes. While open it asks its
// source for the drawing a few times a second; a private temporary folder holds its files and
// goes when the window closes.
class PreviewWindow : public vImageWindowEvents, public PreviewDisplay, private vTimer {
public:
    using SceneSource = std::function<PreviewScene()>;

    explicit PreviewWindow(std::string program = "povray");
    ~PreviewWindow() override;

    // Opens the window and renders the drawing the source gives, or brings the open window to
    // the front. False when the platform shows no such windows.
    bool Open(const std::string& title, SceneSource source);
    void Close();
    bool IsOpen() const { return _window != nullptr; }
    // The open window's title from now on.
    void SetTitle(const std::string& title);
    // Hands the drawing as it is now to the renderer.
    void Poll();
    // The folder of the open window, for a look from outside.
    std::string FolderPath() const;

    void ImageWindowClosed() override { Close(); }
    void ShowPicture(int view, const std::string& path) override;
    void ShowCaption(int view, const std::string& caption) override;
    void ShowSketch(int view, const PixelSurface& picture) override;
    void ShowMessages(const std::string& text) override;
    void ShowBusy(bool busy) override;

private:
    void OnTimerTick() override { Poll(); }

    SceneSource _source;
    std::string _program;
    std::string _title;
    vImageWindowHandle _window = nullptr;
    std::unique_ptr<PreviewFolder> _folder;
    std::unique_ptr<PreviewRenderer> _renderer;
};
