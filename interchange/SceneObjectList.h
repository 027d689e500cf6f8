#pragma once

#include <string>
#include <vector>

// One object of POV-Ray scene text that the importer reaches: the first prism, polygon, lathe
// or sor of the text, or one declared with #declare or #local under its name.
struct SceneObject {
    std::string kind;  // the object's keyword: "prism", "polygon", "lathe" or "sor"
    std::string name;  // empty for the first object when it is declared under no name
    int line = 0;      // where the keyword stands
    int points = 0;    // the points of its outline as the importer reads it
};

// At most this many objects are tried and listed: each is read once to be sure it imports.
constexpr size_t MaxListedObjects = 50;

// The objects of the text that import, in the order they stand, each once: the first object,
// then every name declared as one (a name's first declaration is the one the importer reads).
std::vector<SceneObject> ListSceneObjects(const std::string& text);

// Whether the text holds a prism, polygon, lathe or sor object at all, outside comments and
// strings, though it may not import.
bool HoldsSceneObject(const std::string& text);
