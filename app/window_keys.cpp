// The drawing window's keys. None is an accelerator of a specified item: the Edit and View
// items name theirs, and the specified commands' keys are told on the help's Keys page.
#include <iterator>

#include "app/CommandId.h"
#include "app/KryCmdWindow.h"
#include "toolkit/CommandIds.h"
#include "toolkit/ControlSpec.h"

namespace {

// Control with a letter arrives as that letter's control character, with Shift kept.
constexpr int Ctrl(char letter) {
    return letter - '@';
}

struct WindowKey {
    int key;
    int modifiers;
    int command;
};

// F1 to F16 arrive as 0xFFC1 to 0xFFD0.
constexpr int KeyF6 = 0xFFC6;

constexpr int Plain = 0;
constexpr int Shifted = ModShift;
constexpr int Control = ModControl;
constexpr int ControlShifted = ModControl | ModShift;

// '+' and '=' share a key on many layouts, so both work with or without Shift; the keypad's
// give the same characters.
constexpr WindowKey windowKeys[] = {
    {Ctrl('Z'), Plain, Cmd::Undo},      {Ctrl('Z'), Shifted, Cmd::Redo},
    {Ctrl('Y'), Plain, Cmd::Redo},      {Ctrl('N'), Plain, Cmd::NewOfKind},
    {Ctrl('O'), Plain, Cmd::Open},      {Ctrl('S'), Plain, Cmd::Save},
    {Ctrl('S'), Shifted, Cmd::SaveAs},  {Ctrl('Q'), Plain, Cmd::Exit},
    {'=', Control, Cmd::ZoomIn},        {'=', ControlShifted, Cmd::ZoomIn},
    {'+', Control, Cmd::ZoomIn},        {'+', ControlShifted, Cmd::ZoomIn},
    {'-', Control, Cmd::ZoomOut},       {'0', Control, Cmd::WholeDrawing},
    {'1', Control, Cmd::ActualSize},    {'g', Plain, Cmd::SnapToGrid},
    {'G', Shifted, Cmd::SnapToGrid},    {'G', Plain, Cmd::SnapToGrid},
    {Ctrl('C'), Plain, Cmd::CopyAsPov}, {Ctrl('V'), Plain, Cmd::Paste},
    {KeyF6, Plain, Cmd::PointTable},    {'s', Plain, Cmd::SelectMode},
    {'S', Shifted, Cmd::SelectMode},    {'S', Plain, Cmd::SelectMode},
};

}  // namespace

void KryCmdWindow::OnWindowKey(int key, int modifiers) {
    if (SelectModeKey(key, modifiers)) {
        return;
    }
    for (const WindowKey& entry : windowKeys) {
        if (entry.key == key && entry.modifiers == modifiers) {
            OnWindowCommand(entry.command, entry.command, CtlMenuItem);
            return;
        }
    }
    vCmdWindow::OnWindowKey(key, modifiers);
}
