#pragma once

#include "model/KCanvasPane.h"

// Reads a drawing as the editor's Open does. On failure prints the editor's notice for the
// result to stderr; returns the read result, which is the tool's exit code.
int ReadDrawing(KCanvasPane& canvas, const char* path);

// Writes the drawing with the editor's writer and prints the name written; on failure prints
// "Unable to save file" to stderr. Returns the exit code.
int WriteDrawing(KCanvasPane& canvas, const char* path, int kindChoice);
