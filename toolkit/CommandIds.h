#pragma once

// Command ids and values the toolkit itself interprets; application ids must avoid them.
enum ReservedCommand {
    IdSeparator = 32090,
    IdAppNew = 32100,
    IdAppOpen = 32101,
    IdAppExit = 32108,
    IdPaste = 32112,
    IdCancel = 32150,
    IdDone = 32151,
    IdOk = 32152,
    IdYes = 32153,
    IdNo = 32154,
    ValueTextChanged = 32158,
    ValueFocusLeft = 32159,
    IdCascade = 32160,
    IdTile = 32161,
    IdArrange = 32162,
    IdFrameNew = 32170,
    IdFrameOpen = 32171,
    IdFrameExit = 32172,
    IdFirstChild = 32200,
};

// What a set-value call changes.
enum ValueAspect {
    AspectValue = 0,
    AspectEnabled = 1,
    AspectPosition = 2,
    AspectHidden = 3,
    AspectRebuildList = 4,
    AspectNewList = 5,
};

// Keyboard modifier bits as reported with keys and accelerators.
enum KeyModifier {
    ModShift = 0x1,
    ModControl = 0x4,
};
