#pragma once

#include <cstring>

#include "model/EditState.h"

// What each kind of drawing is called and where its files go: the word of its declaration, the
// extension of its files and the index of their filter in the file dialogs' list. A name's
// extension tells the kind to write; so does the filter a file dialog ends on, where it is one
// kind's own.
struct SceneKind {
    int kind;               // a ShapeKind
    const char* name;       // "polygon", "prism", "lathe", "sor": the declaration's word
    const char* extension;  // ".pol", ".prm", ".lat", ".sor"
    int filter;             // the index of "*.pol", "*.prm", "*.lat", "*.sor"
};

// One row per kind, in the order of ShapeKind. The filters of several kinds ("*.pol;*.prm")
// and of any file ("*") are no kind's own.
inline constexpr SceneKind SceneKinds[] = {
    {Polygon, "polygon", ".pol", 0},
    {Prism, "prism", ".prm", 1},
    {Lathe, "lathe", ".lat", 4},
    {Sor, "sor", ".sor", 5},
};
inline constexpr int SceneKindCount = static_cast<int>(sizeof SceneKinds / sizeof SceneKinds[0]);
static_assert(SceneKinds[Polygon].kind == Polygon && SceneKinds[Prism].kind == Prism &&
                  SceneKinds[Lathe].kind == Lathe && SceneKinds[Sor].kind == Sor,
              "one row per kind, in the order of the kinds");

// The row of a kind; a value that is no kind gives the polygon's.
constexpr const SceneKind& SceneKindOf(int kind) {
    return SceneKinds[kind >= 0 && kind < SceneKindCount ? kind : Polygon];
}

constexpr int FilterOfKind(int kind) {
    return SceneKindOf(kind).filter;
}

// The kind whose own filter that is; -1 for any other filter.
constexpr int KindOfFilter(int filter) {
    for (const SceneKind& row : SceneKinds) {
        if (row.filter == filter) {
            return row.kind;
        }
    }
    return -1;
}

// The kind whose extension the name ends in (case matters); -1 for none.
inline int KindOfExtension(const char* fileName) {
    const size_t length = std::strlen(fileName);
    for (const SceneKind& row : SceneKinds) {
        const size_t ending = std::strlen(row.extension);
        if (length >= ending && std::strcmp(fileName + length - ending, row.extension) == 0) {
            return row.kind;
        }
    }
    return -1;
}

// The kind of that name ("lathe"); -1 for none.
inline int KindNamed(const char* name) {
    for (const SceneKind& row : SceneKinds) {
        if (std::strcmp(row.name, name) == 0) {
            return row.kind;
        }
    }
    return -1;
}
