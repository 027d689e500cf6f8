#pragma once

#include <functional>
#include <optional>

#include "model/TypedTransform.h"
#include "toolkit/vModalDialog.h"

// The modal dialog of Edit > Transform: a move, a turn, a scale and a mirror, about the centre
// of what changes, the origin or a typed point. While the fields read as a transform it hands
// it to `changed`, so that the drawing window can show the result before OK. OK takes the
// transform when every field it needs reads as a number; otherwise the line under each field
// that will not do says what is wanted and the dialog stays open with the text as typed.
class TransformDialog : public vModalDialog {
public:
    static constexpr const char* kTitle = "Transform";

    // `selectionOnly`: the transform applies to chosen points, not to the whole drawing.
    TransformDialog(vBaseWindow* parent, const TypedTransform& transform, bool selectionOnly);

    void OnDialogCommand(int id, int value, int kind) override;
    void OnDialogShown() override;

    TypedTransform transform;
    std::function<void(const TypedTransform&)> changed;

private:
    // The transform the fields give; with `tell`, each field that will not do says so.
    std::optional<TypedTransform> ReadFields(bool tell);

    bool _selectionOnly;
};
