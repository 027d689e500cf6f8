#pragma once

#include <string>
#include <string_view>

// Scene text in a drawing's file that the writer would not write for the drawing read from it:
// text before a remark's "//", lines between the remarks and the declaration, a declaration line
// other than the writer's, anything but numbers, keywords and comments inside the declaration
// (text after a line's numbers included), and anything after its end. The ray tracer would run
// such text wherever the file is included, and a save leaves it out, so the user is told.
// Comments and blank lines are never counted: they do nothing, wherever they stand.
struct ForeignSceneText {
    int line = 0;  // the number of the first such line; 0 for none
    std::string text;

    // The file's bytes, whose reading stopped at line stopLine.
    static ForeignSceneText Find(std::string_view bytes, int stopLine);
    // One sentence naming the line and its text for the user; "" for none.
    std::string Note() const;
};
