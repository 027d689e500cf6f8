#pragma once

#include <functional>
#include <string>

#include "app/PointTableWindow.h"
#include "toolkit/vApp.h"

class KryCmdWindow;

// The editor's application object: the frame captioned "Quorvane" holding any number of drawing
// windows. Closing the last window leaves the frame running with its own small menu.
class KryApp : public vApp {
public:
    static constexpr const char* kTitle = "Quorvane";
    // Every drawing window opens with a canvas this many pixels square, one pixel per model
    // unit of the 300 the canvas spans.
    static constexpr int kWindowSize = 300;

    KryApp();

    // --help and --version are answered, an unknown option refused, before any window exists.
    int OnCommandLine(int argc, char** argv) override;
    void OnAppCommand(vWindow* window, int id, int value, int kind) override;
    void OnLastWindowClosed(vWindow* window) override;
    // Writes the settings first, then asks about unsaved changes; a refusal keeps the window.
    int CloseAppWindow(vWindow* window) override;
    // Names beginning "Pol" or "Prm" choose the drawing kind and become "Untitled Polygon" or
    // "Untitled Prism"; an empty name becomes "Kry App". A null window makes a drawing window.
    vWindow* NewAppWindow(vWindow* window, const char* name, int width, int height,
                          vAppWinInfo* winInfo) override;
    // SIGTERM or SIGHUP: every window's recovery copy is kept, then the program ends; so it is
    // when the display goes (recovery_commands.cpp).
    void OnEndSignal(int signal) override;
    void OnPlatformLost() override;
    void KeepEveryRecoveryCopy();
    // At start-up: the drawings kept by editors that ended unasked, offered in one question, to
    // reopen or to discard each.
    static void OfferRecoveredDrawings(vBaseWindow* owner);
    // F5 in a drawing window opens its POV-Ray preview (preview_commands.cpp).
    void OnAppKey(vWindow* window, int key, int modifiers) override;

    // A drawing or a picture dropped where no drawing window takes it: a drawing opens in a
    // window of its own, a picture becomes the active window's background
    // (background_commands.cpp).
    void OnFileDropped(const char* path) override;

    // A new drawing window of the first size, named by the rule of NewAppWindow; null when there
    // is no application.
    static KryCmdWindow* OpenDrawingWindow(const char* name);
    // The drawing file in a window of its own, captioned with its name at once so that a notice
    // about it says which file it is about; a file that cannot be read leaves no window.
    static void OpenInNewWindow(const std::string& path, const std::string& caption);
    // The POV-Ray scene or SVG file imported into a new, untitled window captioned after it;
    // a file that cannot be imported, or a choice cancelled, leaves no window
    // (import_commands.cpp).
    static void ImportInNewWindow(const std::string& path);
    // The point table of the running application; null when there is none.
    static PointTableWindow* Table();

    PointTableWindow pointTable;

    // The window most recently made by NewAppWindow.
    vWindow* mainWindow = nullptr;

private:
    // A new drawing window with the caption, kept when the fill succeeds and gone otherwise.
    static void FillNewWindow(const std::string& caption,
                              const std::function<bool(KryCmdWindow&)>& fill);
};
