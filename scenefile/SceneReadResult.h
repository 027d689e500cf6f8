#pragma once

// What reading a scene file came to. The values are the codes the file commands test and the
// batch tool exits with, so they never change.
enum SceneReadResult {
    ReadOk = 0,
    ReadCannotOpen = 1,
    ReadNoBrace = 2,
    ReadBadHeader = 3,
    ReadBadBody = 4,
    ReadBadFirstControl = 5,
};

// The notice shown to the user for a read result; nullptr for ReadOk and for unknown codes.
const char* SceneReadNotice(int result);

// Why a file that ends where its point count should be failed: it is scene text in another
// layout, which the import reads.
extern const char* const SceneLayoutHint;
// Why a file that holds a polygon, prism, lathe or sor in the scene language failed otherwise.
extern const char* const SceneImportHint;
