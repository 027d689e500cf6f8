// What the drawing window does for each command of its menu bar and command bar.
#include <cstring>

#include "app/KryCmdWindow.h"
#include "dialogs/KScalModalDialog.h"
#include "dialogs/KryDialog.h"
#include "dialogs/RemsDialog.h"
#include "model/KCanvasPane.h"
#include "toolkit/CommandIds.h"
#include "toolkit/vApp.h"
#include "toolkit/vHelpViewer.h"
#include "toolkit/vNoticeDialog.h"

namespace {

enum CommandId {
    CentreCommand = 2017,
    FlipCommand = 2019,
    RemarksCommand = 2023,
    ClearCommand = 2024,
    NewPolygonCommand = 2026,
    NewPrismCommand = 2027,
    ControlViewCommand = 2028,
    HelpCommand = 2032,
    AboutCommand = 2033,
    SaveCommandId = 32103,
    SaveAsCommandId = 32104,
};

constexpr int NewWindowSize = 300;

// The edit modes the menus choose and the texts the mode field then shows.
struct ModeCommand {
    int id;
    int mode;
    const char* text;
};

constexpr ModeCommand modeCommands[] = {
    {2001, AddPoint, "Add Point"},
    {2002, InsertPoint, "  Insert Point"},
    {2003, MovePoint, "  Move Point"},
    {2004, DeletePoint, "  Delete Point"},
    {2006, MoveSet, "  Move SET"},
    {2007, DeleteSet, "  Delete Set"},
    {2008, RotateSet, "  Rotate Set"},
    {2014, RotateAll, "  Rotate All"},
    {2016, MoveAll, "  Move All"},
    {2015, ScaleAll, "  Scale All"},
    {2009, ScaleSet, "  Scale Set "},
    {2010, CopySet, "  Copey Set "},
    {2018, CopyAll, "  Copey All "},
    {2011, FlipSet, "  Flip Set "},
    {KryCmdWindow::ControlItem, ControlSet, "  CONTROL Set "},
    {ControlViewCommand, ControlView, " Cview "},
};

constexpr const char* kAboutText =
    "Vexlin helps you make polygons and prisms for the ray tracer POV:\n"
    "draw their outlines with the mouse and save them as scene files\n"
    "that a POV-Ray scene can include.\n\n"
    "version 1.0";

}  // namespace

void KryCmdWindow::OnWindowCommand(int id, int value, int kind) {
    if (SelectModeFor(id)) {
        return;
    }
    switch (id) {
        case PrismValuesButton:
            if (!prismDialog->IsDisplayed()) {
                prismDialog->ShowDialog("");
            }
            return;
        case ShapeButton:
            ShowShapeDialog();
            return;
        case CentreCommand: {
            const DrawingHistory::Step step(history, *canvas);
            canvas->CentreAll();
            Repaint();
            return;
        }
        case FlipCommand: {
            const DrawingHistory::Step step(history, *canvas);
            canvas->FlipAllVertical();
            Repaint();
            return;
        }
        case PolygonItem:
            SwitchToPolygon();
            return;
        case PrismItem:
            SwitchToPrism();
            return;
        case RemarksCommand:
            ShowRemarksDialog();
            return;
        case ClearCommand: {
            const DrawingHistory::Step step(history, *canvas);
            canvas->ClearCanvas(0);
            return;
        }
        case NewPolygonCommand:
        case NewPrismCommand:
            if (theApp != nullptr) {
                theApp->NewAppWindow(nullptr, id == NewPolygonCommand ? "Pol" : "Prm",
                                     NewWindowSize, NewWindowSize, nullptr);
            }
            return;
        case HelpCommand:
            ShowHelp();
            return;
        case AboutCommand:
            ShowAbout();
            return;
        case IdAppOpen:
            OpenCommand();
            return;
        case SaveCommandId:
            SaveCommand();
            return;
        case SaveAsCommandId:
            SaveAsCommand();
            return;
        default:
            vCmdWindow::OnWindowCommand(id, value, kind);
            return;
    }
}

bool KryCmdWindow::SelectModeFor(int id) {
    for (const ModeCommand& command : modeCommands) {
        if (command.id == id) {
            SelectMode(command.mode, command.text);
            return true;
        }
    }
    return false;
}

void KryCmdWindow::SelectMode(int mode, const char* text) {
    editMode = mode;
    SetControlText(ModeField, text);
    if (mode == ControlSet || mode == ControlView) {
        HandPrismValues();
    }
    ClearGesture();
}

void KryCmdWindow::HandPrismValues() {
    const DrawingHistory::Step step(history, *canvas);
    canvas->SetPrismValues(prismDialog->prismStart, prismDialog->prismEnd, prismDialog->splineType,
                           prismDialog->sweepType, prismDialog->useSturm, prismDialog->isOpen);
}

void KryCmdWindow::ClearGesture() {
    canvas->pickIndex = 0;
    canvas->pickAux = 0;
    canvas->pickSet = 0;
    canvas->controlState = 0;
    canvas->controlWrap = 0;
    canvas->anchorX = 0.0;
    canvas->anchorY = 0.0;
}

void KryCmdWindow::SwitchToPolygon() {
    shapeKind = Polygon;
    UpdateModeDisplay();
    canvas->splineType = LinearSpline;
    prismDialog->splineType = LinearSpline;
    if (editMode == ControlSet) {
        editMode = ControlView;
        SetControlText(ModeField, "  Cview");
    }
    SetWindowTitle("Changed to Polygon");
}

void KryCmdWindow::SwitchToPrism() {
    shapeKind = Prism;
    UpdateModeDisplay();
    SetWindowTitle("Changed to Prism");
}

void KryCmdWindow::Repaint() {
    canvas->OnRedraw(1, 1, 1, 1);
}

// A dialog already shown is not shown again; true when it was closed with OK.
bool KryCmdWindow::ClosedWithOk(vModalDialog& dialog) {
    int value = 0;
    return !dialog.IsDisplayed() && dialog.ShowModal("", value) != 0 && value == IdOk;
}

void KryCmdWindow::ShowShapeDialog() {
    if (!ClosedWithOk(*shapeDialog)) {
        return;
    }
    const DrawingHistory::Step step(history, *canvas);
    canvas->GenerateShape(shapeDialog->shapePoints, shapeDialog->shapeSize,
                          shapeDialog->shapeRotation, shapeDialog->shapeFunction,
                          shapeDialog->shapeStyle);
    Repaint();
}

// The remarks are saved with the drawing, so new lines are a change to keep or to ask about.
void KryCmdWindow::ShowRemarksDialog() {
    if (!ClosedWithOk(*remarksDialog)) {
        return;
    }
    const DrawingHistory::Step step(history, *canvas);
    const RemsDialog& lines = *remarksDialog;
    if (std::strcmp(lines.remark1, canvas->remark1) != 0 ||
        std::strcmp(lines.remark2, canvas->remark2) != 0 ||
        std::strcmp(lines.remark3, canvas->remark3) != 0) {
        canvas->changed = 1;
    }
    canvas->SetRemarks(lines.remark1, lines.remark2, lines.remark3);
}

void KryCmdWindow::ShowAbout() {
    vNoticeDialog about(this, "About");
    about.ShowNotice(kAboutText);
}

void KryCmdWindow::ShowHelp() {
    vHelpViewer help(this);
    help.ShowContents("Vexlin.hlp");
}
