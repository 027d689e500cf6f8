// Select mode's keys, and the node types of the chosen points. Each change is one step of the
// window's history; choosing is none.

#include "app/CommandId.h"
#include "app/KryCmdWindow.h"
#include "model/KCanvasPane.h"
#include "toolkit/CommandIds.h"

namespace {

constexpr int Plain = 0;
constexpr int Shifted = ModShift;
// Shift makes a nudge ten steps.
constexpr int LargeNudge = 10;

constexpr int KeyLeft = 0xFF51;
constexpr int KeyUp = 0xFF52;
constexpr int KeyRight = 0xFF53;
constexpr int KeyDown = 0xFF54;
constexpr int KeyDelete = 0x7F;
constexpr int KeyBackspace = 8;
constexpr int KeyEscape = 27;
// Control with A arrives as its control character.
constexpr int KeySelectAll = 'A' - '@';

struct SelectKey {
    int key;
    int modifiers;
    void (KryCmdWindow::*run)();
};

struct NudgeKey {
    int key;
    int stepsX;
    int stepsY;
};

constexpr NudgeKey nudgeKeys[] = {
    {KeyLeft, -1, 0}, {KeyRight, 1, 0}, {KeyUp, 0, -1}, {KeyDown, 0, 1}};

}  // namespace

bool KryCmdWindow::SelectModeKey(int key, int modifiers) {
    static constexpr SelectKey selectKeys[] = {
        {KeySelectAll, Plain, &KryCmdWindow::SelectAllCommand},
        {KeyEscape, Plain, &KryCmdWindow::ClearSelectionCommand},
        {KeyDelete, Plain, &KryCmdWindow::DeleteSelectionCommand},
        {KeyBackspace, Plain, &KryCmdWindow::DeleteSelectionCommand},
        {'c', Plain, &KryCmdWindow::CornerNodesCommand},
        {'C', Plain, &KryCmdWindow::CornerNodesCommand},
        {'C', Shifted, &KryCmdWindow::CornerNodesCommand},
        {'m', Plain, &KryCmdWindow::SmoothNodesCommand},
        {'M', Plain, &KryCmdWindow::SmoothNodesCommand},
        {'M', Shifted, &KryCmdWindow::SmoothNodesCommand},
        {'y', Plain, &KryCmdWindow::SymmetricNodesCommand},
        {'Y', Plain, &KryCmdWindow::SymmetricNodesCommand},
        {'Y', Shifted, &KryCmdWindow::SymmetricNodesCommand},
    };
    if (editMode != SelectPoints) {
        return false;
    }
    for (const SelectKey& entry : selectKeys) {
        if (entry.key == key && entry.modifiers == modifiers) {
            (this->*entry.run)();
            return true;
        }
    }
    for (const NudgeKey& entry : nudgeKeys) {
        if (entry.key == key && (modifiers == Plain || modifiers == Shifted)) {
            const int times = modifiers == Shifted ? LargeNudge : 1;
            NudgeSelection(entry.stepsX * times, entry.stepsY * times);
            return true;
        }
    }
    return false;
}

void KryCmdWindow::SelectAllCommand() {
    canvas->SelectAll();
}

void KryCmdWindow::ClearSelectionCommand() {
    canvas->ClearSelection();
}

void KryCmdWindow::DeleteSelectionCommand() {
    DeletedPoints deleted;
    {
        const DrawingHistory::Step step(history, *canvas);
        deleted = canvas->DeleteSelection();
    }
    ShowCounts();
    TableFollows();
    if (!deleted.note.empty()) {
        Notify(deleted.note.c_str());
    }
}

void KryCmdWindow::NudgeSelection(int stepsX, int stepsY) {
    {
        const DrawingHistory::Step step(history, *canvas);
        canvas->NudgeSelection(stepsX, stepsY);
    }
    TableFollows();
}

void KryCmdWindow::CornerNodesCommand() {
    SetNodeTypes(NodeType::Corner);
}

void KryCmdWindow::SmoothNodesCommand() {
    SetNodeTypes(NodeType::Smooth);
}

void KryCmdWindow::SymmetricNodesCommand() {
    SetNodeTypes(NodeType::Symmetric);
}

void KryCmdWindow::SetNodeTypes(NodeType type) {
    if (editMode != SelectPoints) {
        return;
    }
    {
        const DrawingHistory::Step step(history, *canvas);
        canvas->SetSelectedNodeType(type);
    }
    TableFollows();
}

void KryCmdWindow::RefreshSelectItems() {
    const int enabled = editMode == SelectPoints ? 1 : 0;
    for (const int id : {Cmd::NodeCorner, Cmd::NodeSmooth, Cmd::NodeSymmetric}) {
        SetControlValue(id, enabled, AspectEnabled);
    }
}
