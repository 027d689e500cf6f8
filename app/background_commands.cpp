// The picture traced under a drawing window's canvas, remembered beside its drawing, and the
// files dropped on the editor.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <utility>

#include "app/CommandId.h"
#include "app/KryApp.h"
#include "app/KryCmdWindow.h"
#include "dialogs/BackgroundDialog.h"
#include "io/BoundedFile.h"
#include "model/KCanvasPane.h"
#include "scenefile/BackgroundSidecar.h"
#include "scenefile/SceneKind.h"
#include "toolkit/platform/vPictureReader.h"

namespace {

const char* const pictureFilters[] = {"*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.svg", "*", nullptr};

const char* const pictureExtensions[] = {".png", ".jpg", ".jpeg", ".bmp", ".gif", ".svg", ".svgz"};

std::string LowerExtension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

// Any case of a drawing kind's extension: a file dropped from another system may shout.
bool IsDrawingFile(const std::string& path) {
    return KindOfExtension(LowerExtension(path).c_str()) >= 0;
}

// POV-Ray scene and include files are imported; an SVG document stays a picture to trace.
bool IsSceneFile(const std::string& path) {
    const std::string extension = LowerExtension(path);
    return extension == ".pov" || extension == ".inc";
}

template <size_t N>
bool Lists(const char* const (&extensions)[N], const std::string& extension) {
    return std::find(std::begin(extensions), std::end(extensions), extension) !=
           std::end(extensions);
}

std::string Absolute(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

// A drawing opens in a window of its own, a scene is imported into one; false for any other
// file.
bool OpenDroppedDrawing(const char* path) {
    if (IsDrawingFile(path)) {
        KryApp::OpenInNewWindow(Absolute(path), path);
    } else if (IsSceneFile(path)) {
        KryApp::ImportInNewWindow(Absolute(path));
    } else {
        return false;
    }
    return true;
}

// The platform's reader is handed only a file that the program may read whole: it would wait
// on a named pipe and read a device without end. A missing file is the reader's to tell.
bool ReadPictureFile(const std::string& path, PixelSurface& pixels, std::string& why) {
    why = access(path.c_str(), F_OK) == 0
              ? BoundedFile::Refusal(path.c_str(), BoundedFile::DocumentLimit)
              : "";
    if (!why.empty()) {
        why += ".";
        return false;
    }
    vPictureReader* reader = vPictureReader::Current();
    why = "no picture reader is installed.";
    return reader != nullptr && reader->ReadPicture(path.c_str(), pixels, why);
}

}  // namespace

bool KryCmdWindow::TakeBackgroundPicture(const std::string& path) {
    PixelSurface pixels;
    std::string why;
    if (!ReadPictureFile(path, pixels, why)) {
        Notify(("The picture " + path + " cannot be used as the background: " + why).c_str());
        return false;
    }
    background.SetPicture(std::move(pixels));
    background.SetHidden(false);
    backgroundPicture = Absolute(path);
    RefreshBackgroundItems();
    WriteBackgroundSidecar();
    Repaint();
    return true;
}

// Asks for a picture first when there is none; the dialog shows every change on the canvas.
void KryCmdWindow::ChooseBackground() {
    std::string path;
    if (backgroundPicture.empty() && (!PickOpenName("Background picture", pictureFilters, path) ||
                                      !TakeBackgroundPicture(path))) {
        return;
    }
    BackgroundDialog::Hooks hooks;
    hooks.preview = [this](const BackgroundPlacement& placement) {
        background.SetPlacement(placement);
        Repaint();
    };
    hooks.choosePicture = [this](std::string& name) { return ChooseBackgroundFile(name); };
    BackgroundDialog dialog(this, hooks);
    BackgroundPlacement placement = background.Placement();
    if (dialog.Choose(backgroundPicture, placement)) {
        PlaceBackground(placement);
    }
}

bool KryCmdWindow::ChooseBackgroundFile(std::string& name) {
    std::string chosen;
    if (!PickOpenName("Background picture", pictureFilters, chosen) ||
        !TakeBackgroundPicture(chosen)) {
        return false;
    }
    name = backgroundPicture;
    return true;
}

void KryCmdWindow::PlaceBackground(const BackgroundPlacement& placement) {
    background.SetPlacement(placement);
    WriteBackgroundSidecar();
    Repaint();
}

void KryCmdWindow::HideBackground() {
    background.SetHidden(!background.Hidden());
    RefreshBackgroundItems();
    Repaint();
}

// The menu tables are shared between windows: each active window shows its own picture's
// state.
void KryCmdWindow::RefreshBackgroundItems() {
    const int picture = background.HasPicture() ? 1 : 0;
    SetControlValue(Cmd::HideBackground, picture, AspectEnabled);
    SetControlValue(Cmd::RemoveBackground, picture, AspectEnabled);
    SetControlValue(Cmd::HideBackground, picture && background.Hidden() ? 1 : 0, AspectValue);
}

// The picture goes, and so does the file that remembered it; the guides are written anew.
void KryCmdWindow::RemoveBackground() {
    background.SetPicture(PixelSurface());
    backgroundPicture.clear();
    background.SetHidden(false);
    RefreshBackgroundItems();
    RemoveBackgroundSidecar();
    WriteBackgroundSidecar();
    Repaint();
}

void KryCmdWindow::RemoveBackgroundSidecar() {
    if (fileName[0] != '\0' && !BackgroundSidecar::Remove(fileName)) {
        Notify(("The file " + BackgroundSidecar::PathFor(fileName) +
                " that remembers the background picture could not be removed.")
                   .c_str());
    }
}

// Written for a titled drawing only; an untitled one gets its file when it is first saved. A
// picture the file names that could not be shown stays in it; a file left with neither a
// picture nor a guide goes, unless it could not be read.
void KryCmdWindow::WriteBackgroundSidecar() {
    if (fileName[0] == '\0') {
        return;
    }
    BackgroundSidecar sidecar{backgroundPicture, background.Placement(), canvas->Guides()};
    BackgroundSidecar kept;
    std::string why;
    const bool readable = kept.Read(fileName, why) == BackgroundSidecar::SidecarRead;
    if (sidecar.picture.empty() && readable) {
        sidecar.picture = kept.picture;
        sidecar.placement = kept.placement;
    }
    if (sidecar.picture.empty() && sidecar.guides.Empty()) {
        if (readable) {
            RemoveBackgroundSidecar();
        }
        return;
    }
    if (!sidecar.Write(fileName, why)) {
        Notify(("The background picture's placement could not be saved in " +
                BackgroundSidecar::PathFor(fileName) + ": " + why + ".")
                   .c_str());
    }
}

// A sidecar that cannot be used, or whose picture is gone, is told about; the drawing opens
// all the same, with the guides the sidecar keeps.
void KryCmdWindow::ReadBackgroundSidecar() {
    BackgroundSidecar sidecar;
    std::string why;
    switch (sidecar.Read(fileName, why)) {
        case BackgroundSidecar::NoSidecar:
            return;
        case BackgroundSidecar::SidecarDamaged:
            Notify(("The background picture of this drawing is not shown: " +
                    BackgroundSidecar::PathFor(fileName) + " cannot be used (" + why + ").")
                       .c_str());
            return;
        case BackgroundSidecar::SidecarRead:
            break;
    }
    canvas->SetGuides(sidecar.guides);
    PixelSurface pixels;
    if (sidecar.picture.empty()) {
        return;
    }
    if (!ReadPictureFile(sidecar.picture, pixels, why)) {
        Notify(
            ("The background picture " + sidecar.picture + " of this drawing is not shown: " + why)
                .c_str());
        return;
    }
    background.SetPicture(std::move(pixels));
    background.SetPlacement(sidecar.placement);
    backgroundPicture = sidecar.picture;
    RefreshBackgroundItems();
    Repaint();
}

void KryCmdWindow::OnWindowFileDropped(const char* path) {
    if (!OpenDroppedDrawing(path)) {
        TakeBackgroundPicture(path);
    }
}

void KryApp::OnFileDropped(const char* path) {
    if (OpenDroppedDrawing(path)) {
        return;
    }
    auto* active = dynamic_cast<KryCmdWindow*>(vWindow::ActiveWindow());
    if (active != nullptr && Lists(pictureExtensions, LowerExtension(path))) {
        active->TakeBackgroundPicture(path);
    }
}
