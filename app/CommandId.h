#pragma once

#include "toolkit/CommandIds.h"

// Every id a drawing window's tables carry: menu titles and items, command-bar buttons, spacers
// and status fields. The tables, the dispatch and the tests all name them from here. A new
// command takes a number below IdSeparator, outside the range the toolkit reserves, and gets a
// role in KryCmdWindow::RoleOf; the window's table test fails for an id without one.
namespace Cmd {

enum Id : int {
    // Command bar.
    PrismValues = 101,
    AddShape = 102,
    Clear = 2024,

    // Status fields: shown, never sent.
    ModeField = 103,
    KindField = 104,
    LocationLabel = 105,
    PointsField = 106,
    SetsField = 107,
    CursorXField = 2029,
    CursorYField = 2030,

    // Menu titles, and the blank spacers of the menu bar and the command bar: passed on.
    PointsMenu = 2000,
    SetsMenu = 2005,
    FunctionsMenu = 2013,
    TypeMenu = 2020,
    Spacer = 2025,
    HelpMenu = 2031,
    FileMenu = 32000,

    // "Points": edit modes.
    PointAdd = 2001,
    PointInsert = 2002,
    PointMove = 2003,
    PointDelete = 2004,

    // " Sets ": edit modes.
    SetMove = 2006,
    SetDelete = 2007,
    SetRotate = 2008,
    SetScale = 2009,
    SetCopy = 2010,
    SetFlip = 2011,
    SetControl = 2012,

    // "Functions": edit modes and two commands on the whole drawing.
    AllRotate = 2014,
    AllScale = 2015,
    AllMove = 2016,
    AllCentre = 2017,
    AllCopy = 2018,
    AllFlip = 2019,
    ControlView = 2028,

    // "_TYPE_".
    KindPolygon = 2021,
    KindPrism = 2022,
    // Beside the specified items, after a separator: the kinds beyond polygon and prism.
    KindLathe = 2140,
    KindSor = 2141,

    // " &File ". New, open, exit and the separator are the toolkit's own ids; save and save-as
    // lie in its reserved range but are left to the program.
    New = IdAppNew,
    NewPolygon = 2026,
    NewPrism = 2027,
    NewLathe = 2142,
    NewSor = 2143,
    Open = IdAppOpen,
    Save = 32103,
    SaveAs = 32104,
    Remarks = 2023,
    Separator = IdSeparator,
    Exit = IdAppExit,

    // " Help ".
    HelpContents = 2032,
    About = 2033,

    // Beside the specified menus: " &Edit " and " &View ", after " Help ". Their ids keep clear
    // of the specified ones; 2126 to 2129 are left for more of them.
    EditMenu = 2100,
    Undo = 2101,
    Redo = 2102,
    // Copy as POV-Ray text; Paste is the toolkit's paste id, whose item the toolkit greys while
    // the clipboard holds no text.
    CopyAsPov = 2103,
    Paste = IdPaste,
    // A POV-Ray scene or SVG file read into a window of its own.
    Import = 2104,
    // Select mode, and the type of the chosen bezier nodes (a sub-menu of its own).
    SelectMode = 2105,
    NodeTypeMenu = 2106,
    NodeCorner = 2107,
    NodeSmooth = 2108,
    NodeSymmetric = 2109,
    // Another spline for the drawing, its curve kept exactly or within a tolerance.
    ConvertSpline = 2157,
    ViewMenu = 2110,
    ZoomIn = 2111,
    ZoomOut = 2112,
    WholeDrawing = 2113,
    ActualSize = 2114,
    SnapToGrid = 2115,
    GridSpacing = 2116,
    PovrayCurves = 2117,
    PovrayPreview = 2118,
    // The status field after the specified ones: the view's zoom.
    ZoomField = 2120,
    // The point table and the picture to trace.
    PointTable = 2121,
    BackgroundPicture = 2122,
    HideBackground = 2123,
    RemoveBackground = 2124,
    KeepProportions = 2125,
    // Keys only: a new window of the current kind.
    NewOfKind = 2130,
    // Edit > Combine (a submenu of four), Offset... and Wall...: the drawing's sets remade.
    CombineMenu = 2150,
    CombineUnion = 2151,
    CombineDifference = 2152,
    CombineIntersection = 2153,
    CombineXor = 2154,
    Offset = 2155,
    Wall = 2156,
    // Edit > Trace picture...: a picture's outlines added as sets.
    TracePicture = 2167,
    // Edit > Transform...: a typed move, turn, scale and mirror.
    Transform = 2160,
    // View > Guides...: the horizontal and vertical guides at typed positions.
    Guides = 2161,
    // Edit > Text...: a text's outlines added to the drawing.
    Text = 2165,
};

// Ids of the toolkit's reserved range that the tables carry on purpose.
constexpr bool IsReserved(int id) {
    return id >= IdSeparator && id <= IdFirstChild;
}
constexpr bool ReservedOnPurpose(int id) {
    return id == New || id == Open || id == Save || id == SaveAs || id == Separator || id == Exit ||
           id == Paste;
}

}  // namespace Cmd
