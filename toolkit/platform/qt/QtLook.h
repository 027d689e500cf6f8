#pragma once

#include <QFont>
#include <QIcon>

// What makes the program read as one application: one font family for menus, captions, panes
// and dialogs, and a neutral icon for the frame and every child window.
class QtLook {
public:
    // The dialog font, chosen to fit the dialog-unit grid: about 6 pixels a character, 13 a line.
    static QFont DialogFont();
    // Menus, captions and the help window: the same family, a size larger for reading.
    static QFont WindowFont();
    // The help text: the same family again, at a size for reading pages.
    static QFont ReadingFont();
    // A small window drawn in plain colours; the program carries no icon of its own.
    static QIcon ApplicationIcon();
    // Makes the window font and the icon the application's defaults.
    static void Apply();
};
