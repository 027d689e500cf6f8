// The drawing window's construction and destruction, and its status display.
#include <cstdio>
#include <memory>

#include "app/CommandId.h"
#include "app/KGestureCanvas.h"
#include "app/KryApp.h"
#include "app/KryCmdWindow.h"
#include "app/WindowTables.h"
#include "dialogs/KScalModalDialog.h"
#include "dialogs/KryDialog.h"
#include "dialogs/RemsDialog.h"
#include "model/KCanvasPane.h"
#include "toolkit/vCmd.h"
#include "toolkit/vCommandPane.h"
#include "toolkit/vMenuPane.h"
#include "toolkit/vNoticeDialog.h"

namespace {

constexpr int StatusTextSize = 32;

// What the window shows and offers for each kind, by ShapeKind: the kind field's text, whether
// "Prm Values" and "Control" apply, and the prism values the kind writes. The items of the
// "_TYPE_" menu are enabled but for the current kind's.
struct KindDisplay {
    int kind;
    const char* field;
    bool prismItems;
    PrismValuesInUse values;
};

constexpr KindDisplay kindDisplays[] = {
    {Polygon, "   __POLYGON__       ", false, {}},
    {Prism, "    __PRISM__       ", true, {}},
    {Lathe, "    __LATHE__       ", true, {true, false, false, true}},
    {Sor, "     __SOR__        ", true, {false, false, false, true}},
};
static_assert(kindDisplays[Lathe].kind == Lathe && kindDisplays[Sor].kind == Sor,
              "one row per kind, in the order of the kinds");

constexpr int kindItems[] = {Cmd::KindPolygon, Cmd::KindPrism, Cmd::KindLathe, Cmd::KindSor};

}  // namespace

namespace {

// Each window of the run has a serial number of its own, which names its recovery copy.
int NextWindowSerial() {
    static int serial = 0;
    return ++serial;
}

// The owner keeps what was made; the pointer returned names it.
template <typename Owned, typename Made>
Made* Own(std::unique_ptr<Owned>& owner, std::unique_ptr<Made> made) {
    Made* named = made.get();
    owner = std::move(made);
    return named;
}

// The name goes first, so that nothing reaches the part through it while it is destroyed.
template <typename Owned, typename Named>
void Release(std::unique_ptr<Owned>& owner, Named*& name) {
    name = nullptr;
    owner.reset();
}

}  // namespace

KryCmdWindow::KryCmdWindow(const char* name, int width, int height)
    : vCmdWindow(name, width, height),
      recovery(NextWindowSerial(), [this](std::string& text) { return RecoveryState(text); }) {
    menuPane = Own(ownedMenuPane, std::make_unique<vMenuPane>(WindowTables::menuBar));
    AttachPane(menuPane);
    commandPane = Own(ownedCommandPane, std::make_unique<vCommandPane>(WindowTables::commandBar));
    AttachPane(commandPane);
    auto* gestures = Own(ownedCanvas, std::make_unique<KGestureCanvas>(this, history));
    gestures->drawingShown = [this] { TableFollows(); };
    gestures->pointPicked = [this](int index) {
        if (PointTableWindow* table = KryApp::Table()) {
            table->SelectEntry(*this, index);
        }
    };
    gestures->SetBackdrop(&background);
    canvas = gestures;
    AttachPane(canvas);
    statusPane = Own(ownedStatusPane, std::make_unique<vCommandPane>(WindowTables::statusBar));
    AttachPane(statusPane);
    prismDialog = Own(ownedPrismDialog, std::make_unique<KryDialog>(this, KryDialog::kTitle));
    prismDialog->OnAccepted([this] { TakeDialogValues(); });
    shapeDialog =
        Own(ownedShapeDialog, std::make_unique<KScalModalDialog>(this, KScalModalDialog::kTitle));
    remarksDialog = Own(ownedRemarksDialog, std::make_unique<RemsDialog>(this, RemsDialog::kTitle));
    fileName[0] = '\0';
    // A new window's empty drawing counts as saved: undoing everything leaves nothing to ask.
    history.Saved(*canvas);
    history.OnStepsChanged([this] { RefreshEditItems(); });
    RefreshEditItems();
    ApplyOptions();
    RefreshBackgroundItems();
    UpdateModeDisplay();
    recovery.StartTimer(RecoveryKeeper::TickMilliseconds);
    ShowEditMode();
    PresentWindow();
    // A window is made active while it opens, before this constructor could hear of it.
    if (ActiveWindow() == this) {
        ShowInPointTable();
    }
}

KryCmdWindow::~KryCmdWindow() {
    StopWatchingDiskFile();
    if (PointTableWindow* table = KryApp::Table()) {
        table->Forget(*this);
    }
    // The panes in the order they are listed, then the dialogs, before the window itself goes.
    Release(ownedMenuPane, menuPane);
    Release(ownedCanvas, canvas);
    Release(ownedCommandPane, commandPane);
    Release(ownedStatusPane, statusPane);
    Release(ownedPrismDialog, prismDialog);
    Release(ownedShapeDialog, shapeDialog);
    Release(ownedRemarksDialog, remarksDialog);
}

void KryCmdWindow::UpdateModeDisplay() {
    const int kind = shapeKind >= Polygon && shapeKind <= Sor ? shapeKind : Polygon;
    const KindDisplay& shown = kindDisplays[kind];
    SetControlText(Cmd::KindField, shown.field);
    SetControlValue(Cmd::PrismValues, shown.prismItems, AspectEnabled);
    SetControlValue(Cmd::SetControl, shown.prismItems, AspectEnabled);
    // A profile's curve is always POV-Ray's own, so the choice means nothing for those kinds.
    SetControlValue(Cmd::PovrayCurves, kind == Polygon || kind == Prism, AspectEnabled);
    for (int item = Polygon; item <= Sor; ++item) {
        SetControlValue(kindItems[item], item != kind, AspectEnabled);
    }
    prismDialog->UseValues(shown.values);
}

void KryCmdWindow::UpdateStatus(double x, double y) {
    char text[StatusTextSize];
    std::snprintf(text, sizeof text, "%4lf", x);
    SetControlText(Cmd::CursorXField, text);
    std::snprintf(text, sizeof text, "%4lf", y);
    SetControlText(Cmd::CursorYField, text);
    ShowCounts();
}

// A command that shows another mode meanwhile keeps its text when the cursor leaves.
void KryCmdWindow::ShowRuleBreak(const char* brief) {
    const vCmd* field = statusPane->FindControl(Cmd::ModeField);
    const std::string shown = field != nullptr ? field->Text() : std::string();
    const bool showing = !ruleShown.empty() && ruleShown == shown;
    if (brief == nullptr) {
        if (showing) {
            SetControlText(Cmd::ModeField, modeText.c_str());
        }
        ruleShown.clear();
        return;
    }
    if (!showing) {
        modeText = shown;
    }
    ruleShown = brief;
    SetControlText(Cmd::ModeField, brief);
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
