#pragma once

#include "toolkit/vApp.h"

// The editor's application object: the frame captioned "Quorvane" holding any number of drawing
// windows. Closing the last window leaves the frame running with its own small menu.
class KryApp : public vApp {
public:
    static constexpr const char* kTitle = "Quorvane";

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
    // F5 in a drawing window opens its POV-Ray preview (preview_commands.cpp).
    void OnAppKey(vWindow* window, int key, int modifiers) override;

    // The window most recently made by NewAppWindow.
    vWindow* mainWindow = nullptr;
};
