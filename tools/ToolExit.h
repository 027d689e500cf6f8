#pragma once

// Exit codes of vexlin-tool. A failed read exits with the reader's result code, 1 to 5.
enum ToolExit {
    // Not an exit code: the command goes on.
    ToolContinue = -1,
    ExitOk = 0,
    ExitWriteFailed = 6,
    // The file may be torn: a save that rewrote it in place was cut short, and its new bytes
    // are kept in a journal, which the message names.
    ExitTornFile = 7,
    ExitUsage = 64,
    // The shape generator refused the shape: an unfinished set, or no room left.
    ExitShapeRefused = 65,
    // The import found no outline it could take, or one beyond the drawing's capacity; or the
    // export found a drawing it cannot write.
    ExitImportRefused = 66,
    // POV-Ray is missing or made no picture of the drawing.
    ExitRenderFailed = 67,
    // convert --keep-shape could not keep the shape: no spline of its own, or beyond the
    // drawing's capacity.
    ExitConversionRefused = 68,
};
