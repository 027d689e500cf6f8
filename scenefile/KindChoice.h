#pragma once

#include <optional>

#include "scenefile/SceneKind.h"

// What the filter a file dialog ends on says about the kind to write: one kind's own filter
// chooses that kind; the filters of several kinds or of any file, or none, leave it to the name
// and the drawing.
struct KindChoice {
    int filter = -1;  // the filter's index in the file dialogs' list

    static KindChoice Filter(int index) { return {index}; }
    static KindChoice Of(ShapeKind kind) { return {FilterOfKind(kind)}; }
    std::optional<ShapeKind> Kind() const {
        const int kind = KindOfFilter(filter);
        return kind >= 0 ? std::optional<ShapeKind>(static_cast<ShapeKind>(kind)) : std::nullopt;
    }
};
