// The drawing window's tables, its construction and destruction, and its status display.
#include <cstdio>

#include "app/KGestureCanvas.h"
#include "app/KryCmdWindow.h"
#include "dialogs/KScalModalDialog.h"
#include "dialogs/KryDialog.h"
#include "dialogs/RemsDialog.h"
#include "model/KCanvasPane.h"
#include "toolkit/CommandIds.h"
#include "toolkit/ControlSpec.h"
#include "toolkit/MenuSpec.h"
#include "toolkit/StatusFieldSpec.h"
#include "toolkit/vCommandPane.h"
#include "toolkit/vMenuPane.h"
#include "toolkit/vNoticeDialog.h"

namespace {

// Blank labels space the menu bar and the command bar out.
constexpr char kMenuSpacer18[] = "                  ";
constexpr char kMenuSpacer10[] = "          ";
constexpr char kMenuSpacer7[] = "       ";
constexpr char kBarSpacer20[] = "                    ";
constexpr char kBarSpacer17[] = "                 ";
static_assert(sizeof kMenuSpacer18 == 19 && sizeof kMenuSpacer10 == 11 && sizeof kMenuSpacer7 == 8);
static_assert(sizeof kBarSpacer20 == 21 && sizeof kBarSpacer17 == 18);

constexpr int SpacerId = 2025;

// The menu pane writes items' state back into these tables, so they are writable and shared by
// every window.
MenuSpec emptyMenu[] = {{}};

MenuSpec newMenu[] = {
    {"Polygon", 2026, MenuEnabled, nullptr, 0, nullptr, 0},
    {" Prism ", 2027, MenuEnabled, nullptr, 0, nullptr, 0},
    {},
};

MenuSpec fileMenu[] = {
    {"&New", IdAppNew, MenuEnabled, nullptr, 0, newMenu, 0},
    {"&Open...", IdAppOpen, MenuEnabled, nullptr, 0, nullptr, 0},
    {"&Save", 32103, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Save &as...", 32104, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Remarks", 2023, MenuEnabled, nullptr, 0, nullptr, 0},
    {"-", IdSeparator, MenuEnabled, nullptr, 0, nullptr, 0},
    {"E&xit", IdAppExit, MenuEnabled, nullptr, 0, nullptr, 0},
    {},
};

MenuSpec pointsMenu[] = {
    {"Add  ", 2001, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Insert", 2002, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Delete", 2004, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Move ", 2003, MenuEnabled, nullptr, 0, nullptr, 0},
    {},
};

MenuSpec setsMenu[] = {
    {"Move ", 2006, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Copy  ", 2010, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Delete", 2007, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Rotate", 2008, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Scale ", 2009, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Flip", 2011, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Control", KryCmdWindow::ControlItem, 0, nullptr, 0, nullptr, 0},
    {},
};

MenuSpec functionsMenu[] = {
    {"Move ", 2016, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Copy ", 2018, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Rotate", 2014, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Scale ", 2015, MenuEnabled, nullptr, 0, nullptr, 0},
    {"center ", 2017, MenuEnabled, nullptr, 0, nullptr, 0},
    {"flip", 2019, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Cview", 2028, MenuEnabled, nullptr, 0, nullptr, 0},
    {},
};

MenuSpec typeMenu[] = {
    {"Polygon", KryCmdWindow::PolygonItem, 0, nullptr, 0, nullptr, 0},
    {" Prism ", KryCmdWindow::PrismItem, MenuEnabled, nullptr, 0, nullptr, 0},
    {},
};

MenuSpec helpMenu[] = {
    {" Contents", 2032, MenuEnabled, nullptr, 0, nullptr, 0},
    {"  About ", 2033, MenuEnabled, nullptr, 0, nullptr, 0},
    {},
};

MenuSpec menuBar[] = {
    {" &File ", 32000, 0, nullptr, 0, fileMenu, 0},
    {kMenuSpacer18, SpacerId, 0, nullptr, 0, emptyMenu, 0},
    {"Points", 2000, 0, nullptr, 0, pointsMenu, 0},
    {" Sets ", 2005, 0, nullptr, 0, setsMenu, 0},
    {"Functions", 2013, 0, nullptr, 0, functionsMenu, 0},
    {kMenuSpacer10, SpacerId, 0, nullptr, 0, emptyMenu, 0},
    {"_TYPE_", 2020, 0, nullptr, 0, typeMenu, 0},
    {kMenuSpacer7, SpacerId, 0, nullptr, 0, emptyMenu, 0},
    {" Help ", 2031, 0, nullptr, 0, helpMenu, 0},
    {},
};

ControlSpec commandBar[] = {
    {CtlButton, 2024, 0, "Clear", nullptr, 0, 1, 0, 0, 0, 0, "Cleans Working Screan"},
    {CtlBlank, SpacerId, 0, kBarSpacer20, nullptr, 0, 0, 0, 0, 0, 0, nullptr},
    {CtlButton, KryCmdWindow::ShapeButton, 0, "add Shape ", nullptr, 0, 1, 0, 0, 0, 0,
     "Lots of Shapes"},
    {CtlBlank, SpacerId, 0, kBarSpacer17, nullptr, 0, 0, 0, 0, 0, 0, nullptr},
    {CtlButton, KryCmdWindow::PrismValuesButton, 0, "Prm Values", nullptr, 0, 0, 0, 0, 0, 0,
     "Values for a POV Prism"},
    {},
};

// Each field is as wide as its initial text.
const StatusFieldSpec statusBar[] = {
    {" Add Point           ", KryCmdWindow::ModeField, AttrNoBorder, 1, 0},
    {"           points: 0 ", KryCmdWindow::PointsField, AttrNoBorder, 1, 0},
    {"__POLYGON__", KryCmdWindow::KindField, AttrNoBorder, 1, 0},
    {"sets: 00                ", KryCmdWindow::SetsField, AttrNoBorder, 1, 0},
    {" X,Y Location  ", 105, AttrNoBorder, 1, 0},
    {"  000000  ", KryCmdWindow::CursorXField, AttrNoBorder, 1, 0},
    {"  000000  ", KryCmdWindow::CursorYField, AttrNoBorder, 1, 0},
    {nullptr, 0, 0, 0, 0},
};

constexpr int StatusTextSize = 32;

}  // namespace

KryCmdWindow::KryCmdWindow(const char* name, int width, int height)
    : vCmdWindow(name, width, height) {
    menuPane = new vMenuPane(menuBar);
    AttachPane(menuPane);
    commandPane = new vCommandPane(commandBar);
    AttachPane(commandPane);
    canvas = new KGestureCanvas(this, history);
    AttachPane(canvas);
    statusPane = new vCommandPane(statusBar);
    AttachPane(statusPane);
    prismDialog = new KryDialog(this, KryDialog::kTitle);
    shapeDialog = new KScalModalDialog(this, KScalModalDialog::kTitle);
    remarksDialog = new RemsDialog(this, RemsDialog::kTitle);
    fileName[0] = '\0';
    // A new window's empty drawing counts as saved: undoing everything leaves nothing to ask.
    history.Saved(*canvas);
    UpdateModeDisplay();
    PresentWindow();
}

KryCmdWindow::~KryCmdWindow() {
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
    SetControlText(KindField, prism ? "    __PRISM__       " : "   __POLYGON__       ");
    SetControlValue(PrismValuesButton, prism, AspectEnabled);
    SetControlValue(ControlItem, prism, AspectEnabled);
    SetControlValue(PolygonItem, prism, AspectEnabled);
    SetControlValue(PrismItem, !prism, AspectEnabled);
}

void KryCmdWindow::UpdateStatus(double x, double y) {
    char text[StatusTextSize];
    std::snprintf(text, sizeof text, "%4lf", x);
    SetControlText(CursorXField, text);
    std::snprintf(text, sizeof text, "%4lf", y);
    SetControlText(CursorYField, text);
    ShowCounts();
}

void KryCmdWindow::ShowCounts() {
    char text[StatusTextSize];
    std::snprintf(text, sizeof text, "         points: %i", canvas->pointCount);
    SetControlText(PointsField, text);
    std::snprintf(text, sizeof text, "sets: %i                ", canvas->setCount);
    SetControlText(SetsField, text);
}

void KryCmdWindow::CloseOwnDialogs() {
    if (prismDialog->IsDisplayed()) {
        prismDialog->CloseDialog();
    }
    preview.Close();
}

void KryCmdWindow::Notify(const char* message) {
    vNoticeDialog notice(this, "Notice");
    notice.ShowNotice(message);
}
