// What the drawing window does for each command of its menu bar and command bar.
#include <algorithm>
#include <cstring>
#include <iterator>

#include "app/CommandId.h"
#include "app/KryApp.h"
#include "app/KryCmdWindow.h"
#include "dialogs/KScalModalDialog.h"
#include "dialogs/KryDialog.h"
#include "dialogs/RemsDialog.h"
#include "model/KCanvasPane.h"
#include "toolkit/vHelpViewer.h"
#include "toolkit/vNoticeDialog.h"

namespace {

// The edit modes the menus choose and the texts the mode field then shows.
struct ModeCommand {
    int id;
    int mode;
    const char* text;
};

constexpr ModeCommand modeCommands[] = {
    {Cmd::PointAdd, AddPoint, "Add Point"},
    {Cmd::PointInsert, InsertPoint, "  Insert Point"},
    {Cmd::PointMove, MovePoint, "  Move Point"},
    {Cmd::PointDelete, DeletePoint, "  Delete Point"},
    {Cmd::SetMove, MoveSet, "  Move SET"},
    {Cmd::SetDelete, DeleteSet, "  Delete Set"},
    {Cmd::SetRotate, RotateSet, "  Rotate Set"},
    {Cmd::AllRotate, RotateAll, "  Rotate All"},
    {Cmd::AllMove, MoveAll, "  Move All"},
    {Cmd::AllScale, ScaleAll, "  Scale All"},
    {Cmd::SetScale, ScaleSet, "  Scale Set "},
    {Cmd::SetCopy, CopySet, "  Copey Set "},
    {Cmd::AllCopy, CopyAll, "  Copey All "},
    {Cmd::SetFlip, FlipSet, "  Flip Set "},
    {Cmd::SetControl, ControlSet, "  CONTROL Set "},
    {Cmd::ControlView, ControlView, " Cview "},
    {Cmd::SelectMode, SelectPoints, "  Select"},
};

// What the mode field shows for the curve view when the polygon command leaves CONTROL Set.
constexpr const char* kCurveViewText = "  Cview";

// The text of a mode chosen before a window was made: the curve view's is the one the polygon
// command gives it, since the window never saw the command that chose it.
const char* ModeText(int mode) {
    if (mode == ControlView) {
        return kCurveViewText;
    }
    for (const ModeCommand& command : modeCommands) {
        if (command.mode == mode) {
            return command.text;
        }
    }
    return nullptr;
}

// Ids in the tables that the window leaves to the application: the menu titles, the spacers and
// the separator, and new and exit, which the application answers.
constexpr int passedOnIds[] = {
    Cmd::FileMenu,  Cmd::PointsMenu, Cmd::SetsMenu, Cmd::FunctionsMenu, Cmd::TypeMenu,
    Cmd::HelpMenu,  Cmd::EditMenu,   Cmd::ViewMenu, Cmd::CombineMenu,   Cmd::Spacer,
    Cmd::Separator, Cmd::New,        Cmd::Exit,     Cmd::NodeTypeMenu};
// Status fields only show text.
constexpr int shownIds[] = {Cmd::ModeField, Cmd::KindField,    Cmd::LocationLabel, Cmd::PointsField,
                            Cmd::SetsField, Cmd::CursorXField, Cmd::CursorYField,  Cmd::ZoomField};

template <size_t N>
bool Lists(const int (&ids)[N], int id) {
    return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

constexpr const char* kAboutText =
    "Vexlin helps you make polygons and prisms for the ray tracer POV:\n"
    "draw their outlines with the mouse and save them as scene files\n"
    "that a POV-Ray scene can include.\n\n"
    "version 1.0";

}  // namespace

struct KryCmdWindow::CommandHandler {
    int id;
    void (KryCmdWindow::*run)();
};

// The point table and the preview's title follow whatever a command did to the drawing, its
// name or its kind.
void KryCmdWindow::OnWindowCommand(int id, int value, int kind) {
    if (SelectModeFor(id)) {
        return;
    }
    if (const CommandHandler* handler = HandlerFor(id)) {
        (this->*handler->run)();
        TableFollows();
        PreviewTitleFollows();
        return;
    }
    vCmdWindow::OnWindowCommand(id, value, kind);
}

// The commands the window carries out itself, beside the edit modes.
const KryCmdWindow::CommandHandler* KryCmdWindow::HandlerFor(int id) {
    static constexpr CommandHandler handlers[] = {
        {Cmd::PrismValues, &KryCmdWindow::ShowPrismDialog},
        {Cmd::AddShape, &KryCmdWindow::ShowShapeDialog},
        {Cmd::AllCentre, &KryCmdWindow::CentreDrawing},
        {Cmd::AllFlip, &KryCmdWindow::FlipDrawing},
        {Cmd::KindPolygon, &KryCmdWindow::SwitchToPolygon},
        {Cmd::KindPrism, &KryCmdWindow::SwitchToPrism},
        {Cmd::KindLathe, &KryCmdWindow::SwitchToLathe},
        {Cmd::KindSor, &KryCmdWindow::SwitchToSor},
        {Cmd::Remarks, &KryCmdWindow::ShowRemarksDialog},
        {Cmd::Clear, &KryCmdWindow::ClearDrawing},
        {Cmd::NewPolygon, &KryCmdWindow::NewPolygonWindow},
        {Cmd::NewPrism, &KryCmdWindow::NewPrismWindow},
        {Cmd::NewLathe, &KryCmdWindow::NewLatheWindow},
        {Cmd::NewSor, &KryCmdWindow::NewSorWindow},
        {Cmd::HelpContents, &KryCmdWindow::ShowHelp},
        {Cmd::About, &KryCmdWindow::ShowAbout},
        {Cmd::Open, &KryCmdWindow::OpenCommand},
        {Cmd::Save, &KryCmdWindow::SaveCommand},
        {Cmd::SaveAs, &KryCmdWindow::SaveAsCommand},
        {Cmd::Undo, &KryCmdWindow::UndoCommand},
        {Cmd::Redo, &KryCmdWindow::RedoCommand},
        {Cmd::ZoomIn, &KryCmdWindow::ZoomInCommand},
        {Cmd::ZoomOut, &KryCmdWindow::ZoomOutCommand},
        {Cmd::WholeDrawing, &KryCmdWindow::WholeDrawingCommand},
        {Cmd::ActualSize, &KryCmdWindow::ActualSizeCommand},
        {Cmd::KeepProportions, &KryCmdWindow::KeepProportionsCommand},
        {Cmd::SnapToGrid, &KryCmdWindow::SnapCommand},
        {Cmd::GridSpacing, &KryCmdWindow::GridSpacingCommand},
        {Cmd::PovrayCurves, &KryCmdWindow::PovrayCurvesCommand},
        {Cmd::PovrayPreview, &KryCmdWindow::ShowPovrayPreview},
        {Cmd::NewOfKind, &KryCmdWindow::NewWindowOfKind},
        {Cmd::CopyAsPov, &KryCmdWindow::CopyAsPovray},
        {Cmd::Paste, &KryCmdWindow::PasteFromClipboard},
        {Cmd::Import, &KryCmdWindow::ImportCommand},
        {Cmd::ConvertSpline, &KryCmdWindow::ConvertSplineCommand},
        {Cmd::Transform, &KryCmdWindow::TransformCommand},
        {Cmd::Guides, &KryCmdWindow::GuidesCommand},
        {Cmd::PointTable, &KryCmdWindow::TogglePointTable},
        {Cmd::BackgroundPicture, &KryCmdWindow::ChooseBackground},
        {Cmd::HideBackground, &KryCmdWindow::HideBackground},
        {Cmd::RemoveBackground, &KryCmdWindow::RemoveBackground},
        {Cmd::CombineUnion, &KryCmdWindow::CombineUnion},
        {Cmd::CombineDifference, &KryCmdWindow::CombineDifference},
        {Cmd::CombineIntersection, &KryCmdWindow::CombineIntersection},
        {Cmd::CombineXor, &KryCmdWindow::CombineXor},
        {Cmd::Offset, &KryCmdWindow::OffsetCommand},
        {Cmd::Wall, &KryCmdWindow::WallCommand},
        {Cmd::TracePicture, &KryCmdWindow::TracePictureCommand},
        {Cmd::Text, &KryCmdWindow::TextCommand},
        {Cmd::NodeCorner, &KryCmdWindow::CornerNodesCommand},
        {Cmd::NodeSmooth, &KryCmdWindow::SmoothNodesCommand},
        {Cmd::NodeSymmetric, &KryCmdWindow::SymmetricNodesCommand},
    };
    for (const CommandHandler& handler : handlers) {
        if (handler.id == id) {
            return &handler;
        }
    }
    return nullptr;
}

KryCmdWindow::CommandRole KryCmdWindow::RoleOf(int id) {
    const bool mode = std::any_of(std::begin(modeCommands), std::end(modeCommands),
                                  [id](const ModeCommand& command) { return command.id == id; });
    if (mode || HandlerFor(id) != nullptr) {
        return CommandRole::Handled;
    }
    if (Lists(passedOnIds, id)) {
        return CommandRole::PassedOn;
    }
    return Lists(shownIds, id) ? CommandRole::Shown : CommandRole::Unknown;
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
    const bool wasSelecting = editMode == SelectPoints;
    editMode = mode;
    SetControlText(Cmd::ModeField, text);
    if (mode == ControlSet || mode == ControlView) {
        HandPrismValues();
    }
    canvas->ResetGesture();
    RefreshSelectItems();
    // The selection and the marks that show it belong to Select mode alone.
    if (mode == SelectPoints || wasSelecting) {
        canvas->ClearSelection();
    }
}

// The mode is the program's: a window made while another is chosen shows it from the start, so
// that what its clicks do is what it says. Add Point keeps the field's own first text.
void KryCmdWindow::ShowEditMode() {
    const char* text = ModeText(editMode);
    if (editMode != AddPoint && text != nullptr) {
        SetControlText(Cmd::ModeField, text);
    }
}

// The dialog's values become the drawing's; values the drawing did not have are a change to
// save or to ask about.
void KryCmdWindow::HandPrismValues() {
    const DrawingHistory::Step step(history, *canvas);
    const PrismValues values = prismDialog->GetPrismValues();
    if (values != canvas->GetPrismValues()) {
        canvas->SetChanged(true);
    }
    canvas->SetPrismValues(values);
}

// OK in the dialog makes its values the drawing's at once, as one step of the history: the
// preview, the point table, the clipboard, POV-Ray's curves and the turned kinds' profiles show
// them. The canvas's own curve construction keeps to the values handed over, so it is shown
// anew only when what it shows changed.
void KryCmdWindow::TakeDialogValues() {
    const PrismValues values = prismDialog->GetPrismValues();
    if (values == canvas->GetPrismValues()) {
        return;
    }
    const int spline = canvas->CurveSpline();
    const int open = canvas->isOpen;
    {
        const DrawingHistory::Step step(history, *canvas);
        canvas->AcceptPrismValues(values);
    }
    canvas->SetChanged(true);
    if (canvas->CurveSpline() != spline || (IsTurnedKind(shapeKind) && canvas->isOpen != open)) {
        Repaint();
    }
    TableFollows();
}

void KryCmdWindow::SwitchToPolygon() {
    const bool turned = IsTurnedKind(shapeKind);
    shapeKind = Polygon;
    UpdateModeDisplay();
    // The spline type is saved with a prism, so losing it is a change.
    if (canvas->splineType != LinearSpline) {
        canvas->SetChanged(true);
    }
    PrismValues linear = canvas->GetPrismValues();
    linear.spline = LinearSpline;
    canvas->SetPrismValues(linear);
    prismDialog->splineType = LinearSpline;
    if (editMode == ControlSet) {
        editMode = ControlView;
        SetControlText(Cmd::ModeField, kCurveViewText);
    }
    SetWindowTitle("Changed to Polygon");
    if (turned) {
        Repaint();
    }
}

void KryCmdWindow::SwitchToPrism() {
    SwitchKind(Prism, "Changed to Prism");
}

void KryCmdWindow::SwitchToLathe() {
    SwitchKind(Lathe, "Changed to Lathe");
}

void KryCmdWindow::SwitchToSor() {
    SwitchKind(Sor, "Changed to Sor");
}

// A lathe or a surface of revolution shows its profiles turned about the axis, so the canvas
// shows the drawing anew when it becomes or stops being one.
void KryCmdWindow::SwitchKind(int kind, const char* caption) {
    const bool turned = IsTurnedKind(shapeKind) || IsTurnedKind(kind);
    shapeKind = kind;
    UpdateModeDisplay();
    SetWindowTitle(caption);
    if (turned) {
        Repaint();
    }
}

void KryCmdWindow::ShowPrismDialog() {
    if (!prismDialog->IsDisplayed()) {
        prismDialog->ShowDialog("");
    }
}

void KryCmdWindow::CentreDrawing() {
    const DrawingHistory::Step step(history, *canvas);
    canvas->CentreAll();
    Repaint();
}

void KryCmdWindow::FlipDrawing() {
    const DrawingHistory::Step step(history, *canvas);
    canvas->FlipAllVertical();
    Repaint();
}

// Nothing is asked first.
void KryCmdWindow::ClearDrawing() {
    const DrawingHistory::Step step(history, *canvas);
    canvas->EmptyDrawing();
}

void KryCmdWindow::NewPolygonWindow() {
    KryApp::OpenDrawingWindow("Pol");
}

void KryCmdWindow::NewPrismWindow() {
    KryApp::OpenDrawingWindow("Prm");
}

void KryCmdWindow::NewLatheWindow() {
    KryApp::OpenDrawingWindow("Lathe");
}

void KryCmdWindow::NewSorWindow() {
    KryApp::OpenDrawingWindow("Sor");
}

// The names of new windows that make each kind, by ShapeKind.
void KryCmdWindow::NewWindowOfKind() {
    static const char* const names[] = {"Pol", "Prm", "Lathe", "Sor"};
    KryApp::OpenDrawingWindow(
        names[shapeKind >= Polygon && shapeKind <= Sor ? shapeKind : Polygon]);
}

void KryCmdWindow::Repaint() {
    canvas->RedrawOutline(true);
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
        canvas->SetChanged(true);
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
