#pragma once

#include <string>

#include "model/Drawing.h"
#include "scenefile/KindChoice.h"
#include "scenefile/SaveResult.h"

// The text a drawing's file holds and the kind it is written as, or why the writer refuses it:
// a number in it would not be finite, or a lathe's or surface of revolution's profile breaks a
// rule of the ray tracer.
struct ComposedScene {
    std::string text;
    ShapeKind kind = Polygon;
    std::string refusal;

    bool Writable() const { return refusal.empty(); }
};

// The kind written under that name: the name's extension decides, then a choice of one kind,
// then the drawing's own kind.
ShapeKind KindToWrite(const char* fileName, KindChoice choice, ShapeKind drawingKind);
// Which names get the kind's extension, and how long a name may grow. The window's Save appends
// it to a name without any "." that its name buffer has room for; the batch tool to a name
// whose last part has no ".", whatever the folders are called, at any length the system takes.
enum class NamingRule { Window, Tool };

// The name written, with the extension appended to a name without one by the rule; "" when the
// writer refuses the name.
std::string NameToWrite(const char* fileName, KindChoice choice, ShapeKind drawingKind,
                        NamingRule rule = NamingRule::Window);
// The file's text under that name, with no change to anything.
ComposedScene ComposeSceneFile(const Drawing& drawing, const char* fileName, KindChoice choice);
// Writes the drawing's file under the name, safely: the file keeps its old content or gets all
// of the new.
SaveResult WriteScene(const Drawing& drawing, const std::string& fileName, KindChoice choice,
                      NamingRule rule = NamingRule::Window);
