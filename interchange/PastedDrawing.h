#pragma once

#include <string>
#include <vector>

#include "interchange/ImportReport.h"
#include "interchange/Outline.h"
#include "model/Drawing.h"

class KCanvasPane;

// Outlines found in text from the clipboard, ready to be added to a drawing: the editor's own
// file text (read as opening the file reads it), POV-Ray text holding a prism, polygon, lathe or
// sor in any layout, an SVG document, a lone SVG element such as <path d="...">, or bare SVG
// path data ("M 0 0 L ..."). Everything but the editor's own text goes through the importer,
// which makes it fit the drawing and notes what it changed.
struct PastedDrawing {
    // The outlines as finished sets in model units at their file coordinates; its prism
    // values are those of the text when it declared them.
    Drawing sets;
    // The text declared an object with a kind and prism values (POV-Ray text, the editor's
    // own); SVG declares neither.
    bool declared = false;
    int kind = 0;  // a ShapeKind
    std::vector<std::string> notes;

    // Reads the text. The outlines are made ready for the drawing they go to, of that kind and
    // spline (profiles of a lathe or sor are taken as they are); with takeDeclared they are
    // made ready for the kind and spline the text declares instead, if it declares them. False,
    // with the reason, when the text holds nothing to paste.
    bool Read(const std::string& text, int drawingKind, int drawingSpline, bool takeDeclared,
              std::string& why);
    // Reads a POV-Ray scene or SVG document as importing its file does: the object declared
    // as name (null: the first), or the document's outlines, made ready for the kind and spline
    // the text declares. False, with the reason, when there is nothing to import.
    bool Import(const std::string& text, const char* name, std::string& why);
    // The same for an outline already read (read false: refused, the reason in the report).
    bool Imported(Outline& outline, ImportReport& report, bool read, std::string& why);
    // Adds the sets after the drawing's own, as new sets. False, with the reason and the
    // drawing unchanged, when the drawing has a set left open or no room for them.
    bool AddTo(KCanvasPane& canvas, std::string& why) const;
    int EntryCount() const { return sets.setEnds[static_cast<size_t>(sets.setCount)]; }

private:
    // The outline made ready for the kind and spline and kept as the sets, with the report's
    // notes; false, the reason in the report, when it cannot be.
    bool Take(Outline& outline, ImportReport& report, int target, int spline);
};
