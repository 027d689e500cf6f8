#pragma once

// The platform's objects as the toolkit passes them around: one opaque pointer type per kind, so
// that a menu cannot go where a window is expected. The structs are never defined; only the
// platform knows what stands behind a handle.

// A child window of the frame, which also owns the dialogs and file choosers it opens.
struct vWindowObject;
using vWindowHandle = vWindowObject*;

// A menu bar or one of its drop-downs.
struct vMenuObject;
using vMenuHandle = vMenuObject*;

// A window of pictures beside the frame.
struct vImageWindowObject;
using vImageWindowHandle = vImageWindowObject*;

// A window holding a table beside the frame.
struct vTableWindowObject;
using vTableWindowHandle = vTableWindowObject*;
