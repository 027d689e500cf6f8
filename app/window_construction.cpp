// The drawing window's construction and destruction, and its status display.
#include <cstdio>

#include "app/CommandId.h"
#include "app/KGestureCanvas.h"
#include "app/KryApp.h"
#include "app/KryCmdWindow.h"
#include "app/WindowTables.h"
#include "dialogs/KScalModalDialog.h"
#include "dialogs/KryDialog.h"
#include "dialogs/RemsDialog.h"
#include "model/KCanvasPane.h"
#include "toolkit/vCommandPane.h"
#include "toolkit/vMenuPane.h"
#include "toolkit/vNoticeDialog.h"

namespace {

constexpr int StatusTextSize = 32;

}  // namespace

KryCmdWindow::KryCmdWindow(const char* name, int width, int height)
    : vCmdWindow(name, width, height) {
    menuPane = new vMenuPane(WindowTables::menuBar);
    AttachPane(menuPane);
    commandPane = new vCommandPane(WindowTables::commandBar);
    AttachPane(commandPane);
    auto* gestures = new KGestureCanvas(this, history);
    gestures->drawingShown = [this] { TableFollows(); };
    gestures->pointPicked = [this](int index) {
        if (PointTableWindow* table = KryApp::Table()) {
            table->SelectEntry(*this, index);
        }
    };
    gestures->SetBackdrop(&background);
    canvas = gestures;
    AttachPane(canvas);
    statusPane = new vCommandPane(WindowTables::statusBar);
    AttachPane(statusPane);
    prismDialog = new KryDialog(this, KryDialog::kTitle);
    shapeDialog = new KScalModalDialog(this, KScalModalDialog::kTitle);
    remarksDialog = new RemsDialog(this, RemsDialog::kTitle);
    fileName[0] = '\0';
    // A new window's empty drawing counts as saved: undoing everything leaves nothing to ask.
    history.Saved(*canvas);
    history.OnStepsChanged([this] { RefreshEditItems(); });
    RefreshEditItems();
    ApplyOptions();
    RefreshBackgroundItems();
    UpdateModeDisplay();
    PresentWindow();
    // A window is made active while it opens, before this constructor could hear of it.
    if (ActiveWindow() == this) {
        ShowInPointTable();
    }
}

KryCmdWindow::~KryCmdWindow() {
    if (PointTableWindow* table = KryApp::Table()) {
        table->Forget(*this);
    }
    delete menuPane;
    delete canvas;
    delete commandPane;
    delete statusPane;
    delete prismDialog;
    delete shapeDialog;
    delete remarksDialog;
}

void KryCmdWindow::UpdateModeDisplay() {
    const bool prism = shapeKind == Prism;
    SetControlText(Cmd::KindField, prism ? "    __PRISM__       " : "   __POLYGON__       ");
    SetControlValue(Cmd::PrismValues, prism, AspectEnabled);
    SetControlValue(Cmd::SetControl, prism, AspectEnabled);
    SetControlValue(Cmd::KindPolygon, prism, AspectEnabled);
    SetControlValue(Cmd::KindPrism, !prism, AspectEnabled);
}

void KryCmdWindow::UpdateStatus(double x, double y) {
    char text[StatusTextSize];
    std::snprintf(text, sizeof text, "%4lf", x);
    SetControlText(Cmd::CursorXField, text);
    std::snprintf(text, sizeof text, "%4lf", y);
    SetControlText(Cmd::CursorYField, text);
    ShowCounts();
}

void KryCmdWindow::ShowCounts() {
    char text[StatusTextSize];
    std::snprintf(text, sizeof text, "         points: %i", canvas->pointCount);
    SetControlText(Cmd::PointsField, text);
    std::snprintf(text, sizeof text, "sets: %i                ", canvas->setCount);
    SetControlText(Cmd::SetsField, text);
}

void KryCmdWindow::CloseOwnDialogs() {
    if (prismDialog->IsDisplayed()) {
        prismDialog->CloseDialog();
    }
    preview.Close();
    if (PointTableWindow* table = KryApp::Table()) {
        table->Forget(*this);
    }
}

void KryCmdWindow::Notify(const char* message) {
    vNoticeDialog notice(this, "Notice");
    notice.ShowNotice(message);
}
