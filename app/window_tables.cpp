#include "app/WindowTables.h"

#include "app/CommandId.h"

namespace WindowTables {

namespace {

// Blank labels space the menu bar and the command bar out.
constexpr char kMenuSpacer18[] = "                  ";
constexpr char kMenuSpacer10[] = "          ";
constexpr char kMenuSpacer7[] = "       ";
constexpr char kBarSpacer20[] = "                    ";
constexpr char kBarSpacer17[] = "                 ";
static_assert(sizeof kMenuSpacer18 == 19 && sizeof kMenuSpacer10 == 11 && sizeof kMenuSpacer7 == 8);
static_assert(sizeof kBarSpacer20 == 21 && sizeof kBarSpacer17 == 18);
// Room, in dialog units, for "x0.0625" and for a Select drag's distance and angle ("0.4381 at -41.5
// deg") as well as the zoom.
constexpr int ZoomFieldWidth = 88;

MenuSpec emptyMenu[] = {{}};

MenuSpec newMenu[] = {
    {"Polygon", Cmd::NewPolygon, MenuEnabled, nullptr, 0, nullptr, 0},
    {" Prism ", Cmd::NewPrism, MenuEnabled, nullptr, 0, nullptr, 0},
    {"-", Cmd::Separator, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Lathe", Cmd::NewLathe, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Sor", Cmd::NewSor, MenuEnabled, nullptr, 0, nullptr, 0},
    {},
};

MenuSpec fileMenu[] = {
    {"&New", Cmd::New, MenuEnabled, nullptr, 0, newMenu, 0},
    {"&Open...", Cmd::Open, MenuEnabled, nullptr, 0, nullptr, 0},
    {"&Save", Cmd::Save, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Save &as...", Cmd::SaveAs, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Remarks", Cmd::Remarks, MenuEnabled, nullptr, 0, nullptr, 0},
    {"-", Cmd::Separator, MenuEnabled, nullptr, 0, nullptr, 0},
    {"E&xit", Cmd::Exit, MenuEnabled, nullptr, 0, nullptr, 0},
    {},
};

MenuSpec pointsMenu[] = {
    {"Add  ", Cmd::PointAdd, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Insert", Cmd::PointInsert, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Delete", Cmd::PointDelete, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Move ", Cmd::PointMove, MenuEnabled, nullptr, 0, nullptr, 0},
    {},
};

MenuSpec setsMenu[] = {
    {"Move ", Cmd::SetMove, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Copy  ", Cmd::SetCopy, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Delete", Cmd::SetDelete, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Rotate", Cmd::SetRotate, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Scale ", Cmd::SetScale, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Flip", Cmd::SetFlip, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Control", Cmd::SetControl, 0, nullptr, 0, nullptr, 0},
    {},
};

MenuSpec functionsMenu[] = {
    {"Move ", Cmd::AllMove, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Copy ", Cmd::AllCopy, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Rotate", Cmd::AllRotate, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Scale ", Cmd::AllScale, MenuEnabled, nullptr, 0, nullptr, 0},
    {"center ", Cmd::AllCentre, MenuEnabled, nullptr, 0, nullptr, 0},
    {"flip", Cmd::AllFlip, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Cview", Cmd::ControlView, MenuEnabled, nullptr, 0, nullptr, 0},
    {},
};

MenuSpec typeMenu[] = {
    {"Polygon", Cmd::KindPolygon, 0, nullptr, 0, nullptr, 0},
    {" Prism ", Cmd::KindPrism, MenuEnabled, nullptr, 0, nullptr, 0},
    {"-", Cmd::Separator, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Lathe", Cmd::KindLathe, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Sor", Cmd::KindSor, MenuEnabled, nullptr, 0, nullptr, 0},
    {},
};

// Greyed outside Select mode.
MenuSpec nodeTypeMenu[] = {
    {"&Corner", Cmd::NodeCorner, 0, "C", 0, nullptr, 0},
    {"S&mooth", Cmd::NodeSmooth, 0, "M", 0, nullptr, 0},
    {"S&ymmetric", Cmd::NodeSymmetric, 0, "Y", 0, nullptr, 0},
    {},
};

MenuSpec helpMenu[] = {
    {" Contents", Cmd::HelpContents, MenuEnabled, nullptr, 0, nullptr, 0},
    {"  About ", Cmd::About, MenuEnabled, nullptr, 0, nullptr, 0},
    {},
};

MenuSpec combineMenu[] = {
    {"&Union", Cmd::CombineUnion, MenuEnabled, nullptr, 0, nullptr, 0},
    {"&Difference", Cmd::CombineDifference, MenuEnabled, nullptr, 0, nullptr, 0},
    {"&Intersection", Cmd::CombineIntersection, MenuEnabled, nullptr, 0, nullptr, 0},
    {"&Exclusive or", Cmd::CombineXor, MenuEnabled, nullptr, 0, nullptr, 0},
    {},
};

// Beside the specified menus. Their keys reach the window's key hook (the items name them but
// carry no key code), so no specified item gets a key text or a new place.
MenuSpec editMenu[] = {
    {"&Undo", Cmd::Undo, 0, "Ctrl+Z", 0, nullptr, 0},
    {"&Redo", Cmd::Redo, 0, "Ctrl+Shift+Z", 0, nullptr, 0},
    {"-", Cmd::Separator, MenuEnabled, nullptr, 0, nullptr, 0},
    {"&Copy as POV-Ray", Cmd::CopyAsPov, MenuEnabled, "Ctrl+C", 0, nullptr, 0},
    {"&Paste", Cmd::Paste, MenuEnabled, "Ctrl+V", 0, nullptr, 0},
    {"&Import...", Cmd::Import, MenuEnabled, nullptr, 0, nullptr, 0},
    {"-", Cmd::Separator, MenuEnabled, nullptr, 0, nullptr, 0},
    {"&Select", Cmd::SelectMode, MenuEnabled, "S", 0, nullptr, 0},
    {"&Node type", Cmd::NodeTypeMenu, MenuEnabled, nullptr, 0, nodeTypeMenu, 0},
    {"Con&vert spline...", Cmd::ConvertSpline, MenuEnabled, nullptr, 0, nullptr, 0},
    {"&Transform...", Cmd::Transform, MenuEnabled, nullptr, 0, nullptr, 0},
    {"-", Cmd::Separator, MenuEnabled, nullptr, 0, nullptr, 0},
    {"C&ombine", Cmd::CombineMenu, MenuEnabled, nullptr, 0, combineMenu, 0},
    {"O&ffset...", Cmd::Offset, MenuEnabled, nullptr, 0, nullptr, 0},
    {"&Wall...", Cmd::Wall, MenuEnabled, nullptr, 0, nullptr, 0},
    {"Tr&ace picture...", Cmd::TracePicture, MenuEnabled, nullptr, 0, nullptr, 0},
    {"&Text...", Cmd::Text, MenuEnabled, nullptr, 0, nullptr, 0},
    {},
};

MenuSpec viewMenu[] = {
    {"Zoom &in", Cmd::ZoomIn, MenuEnabled, "Ctrl+=", 0, nullptr, 0},
    {"Zoom &out", Cmd::ZoomOut, MenuEnabled, "Ctrl+-", 0, nullptr, 0},
    {"&Whole drawing", Cmd::WholeDrawing, MenuEnabled, "Ctrl+0", 0, nullptr, 0},
    {"&Actual size", Cmd::ActualSize, MenuEnabled, "Ctrl+1", 0, nullptr, 0},
    {"&Keep proportions", Cmd::KeepProportions, MenuEnabled, nullptr, 0, nullptr, 0},
    {"-", Cmd::Separator, MenuEnabled, nullptr, 0, nullptr, 0},
    {"&Snap to grid", Cmd::SnapToGrid, MenuEnabled, "G", 0, nullptr, 0},
    {"&Grid spacing...", Cmd::GridSpacing, MenuEnabled, nullptr, 0, nullptr, 0},
    {"G&uides...", Cmd::Guides, MenuEnabled, nullptr, 0, nullptr, 0},
    {"-", Cmd::Separator, MenuEnabled, nullptr, 0, nullptr, 0},
    {"POV-Ray &curves", Cmd::PovrayCurves, MenuEnabled, nullptr, 0, nullptr, 0},
    {"POV-Ray &preview", Cmd::PovrayPreview, MenuEnabled, "F5", 0, nullptr, 0},
    {"Point &table", Cmd::PointTable, MenuEnabled, "F6", 0, nullptr, 0},
    {"-", Cmd::Separator, MenuEnabled, nullptr, 0, nullptr, 0},
    {"&Background picture...", Cmd::BackgroundPicture, MenuEnabled, nullptr, 0, nullptr, 0},
    {"&Hide background", Cmd::HideBackground, 0, nullptr, 0, nullptr, 0},
    {"&Remove background", Cmd::RemoveBackground, 0, nullptr, 0, nullptr, 0},
    {},
};

}  // namespace

MenuSpec menuBar[] = {
    {" &File ", Cmd::FileMenu, 0, nullptr, 0, fileMenu, 0},
    {kMenuSpacer18, Cmd::Spacer, 0, nullptr, 0, emptyMenu, 0},
    {"Points", Cmd::PointsMenu, 0, nullptr, 0, pointsMenu, 0},
    {" Sets ", Cmd::SetsMenu, 0, nullptr, 0, setsMenu, 0},
    {"Functions", Cmd::FunctionsMenu, 0, nullptr, 0, functionsMenu, 0},
    {kMenuSpacer10, Cmd::Spacer, 0, nullptr, 0, emptyMenu, 0},
    {"_TYPE_", Cmd::TypeMenu, 0, nullptr, 0, typeMenu, 0},
    {kMenuSpacer7, Cmd::Spacer, 0, nullptr, 0, emptyMenu, 0},
    {" Help ", Cmd::HelpMenu, 0, nullptr, 0, helpMenu, 0},
    {" &Edit ", Cmd::EditMenu, 0, nullptr, 0, editMenu, 0},
    {" &View ", Cmd::ViewMenu, 0, nullptr, 0, viewMenu, 0},
    {},
};

ControlSpec commandBar[] = {
    {CtlButton, Cmd::Clear, 0, "Clear", nullptr, 0, 1, 0, 0, 0, 0, "Cleans Working Screan"},
    {CtlBlank, Cmd::Spacer, 0, kBarSpacer20, nullptr, 0, 0, 0, 0, 0, 0, nullptr},
    {CtlButton, Cmd::AddShape, 0, "add Shape ", nullptr, 0, 1, 0, 0, 0, 0, "Lots of Shapes"},
    {CtlBlank, Cmd::Spacer, 0, kBarSpacer17, nullptr, 0, 0, 0, 0, 0, 0, nullptr},
    {CtlButton, Cmd::PrismValues, 0, "Prm Values", nullptr, 0, 0, 0, 0, 0, 0,
     "Values for a POV Prism"},
    {},
};

// Each field is as wide as its initial text.
const StatusFieldSpec statusBar[] = {
    {" Add Point           ", Cmd::ModeField, AttrNoBorder, 1, 0},
    {"           points: 0 ", Cmd::PointsField, AttrNoBorder, 1, 0},
    {"__POLYGON__", Cmd::KindField, AttrNoBorder, 1, 0},
    {"sets: 00                ", Cmd::SetsField, AttrNoBorder, 1, 0},
    {" X,Y Location  ", Cmd::LocationLabel, AttrNoBorder, 1, 0},
    {"  000000  ", Cmd::CursorXField, AttrNoBorder, 1, 0},
    {"  000000  ", Cmd::CursorYField, AttrNoBorder, 1, 0},
    // Beside the specified fields: the zoom, empty at zoom 1; a Select drag's measure.
    {"", Cmd::ZoomField, AttrNoBorder, 1, ZoomFieldWidth},
    {nullptr, 0, 0, 0, 0},
};

}  // namespace WindowTables
