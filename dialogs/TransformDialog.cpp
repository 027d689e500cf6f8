#include "dialogs/TransformDialog.h"

#include "dialogs/RadioChoice.h"
#include "dialogs/TypedNumberField.h"
#include "toolkit/CommandIds.h"

namespace {

enum TransformIds {
    Scope = 1300,
    MoveLabel = 1301,
    MoveX = 1302,
    MoveYLabel = 1303,
    MoveY = 1304,
    MoveProblem = 1305,
    TurnLabel = 1306,
    TurnField = 1307,
    TurnUnit = 1308,
    TurnProblem = 1309,
    ScaleLabel = 1310,
    ScaleX = 1311,
    ScaleYLabel = 1312,
    ScaleY = 1313,
    ScaleProblem = 1314,
    MirrorFrame = 1315,
    MirrorLabel = 1316,
    MirrorNone = 1317,
    MirrorLeftRight = 1318,
    MirrorUpDown = 1319,
    PivotFrame = 1320,
    PivotLabel = 1321,
    PivotCentre = 1322,
    PivotOrigin = 1323,
    PivotPoint = 1324,
    PointXLabel = 1325,
    PointX = 1326,
    PointYLabel = 1327,
    PointY = 1328,
    PointProblem = 1329,
    ButtonSpacer = 1330,
    OkButton = 1331,
};

// Listed by the values of the choices they stand for.
constexpr int kMirrorRadios[] = {MirrorNone, MirrorLeftRight, MirrorUpDown};
constexpr int kPivotRadios[] = {PivotCentre, PivotOrigin, PivotPoint};

constexpr const char* kNotANumber = "Not a number: try again.";
constexpr const char* kNotAFactor = "Not a number other than 0: try again.";
// Room for a message under a field, blank until it is needed.
constexpr char kNoProblem[] = "                                          ";
static_assert(sizeof kNoProblem > sizeof "Not a number other than 0: try again.");
constexpr char kScopeSpace[] = "                                          ";

bool NotZero(double typed) {
    return typed != 0;
}

const TypedNumberField moveX(MoveX, MoveProblem, kNotANumber);
const TypedNumberField moveY(MoveY, MoveProblem, kNotANumber);
const TypedNumberField turn(TurnField, TurnProblem, kNotANumber);
const TypedNumberField scaleX(ScaleX, ScaleProblem, kNotAFactor, NotZero);
const TypedNumberField scaleY(ScaleY, ScaleProblem, kNotAFactor, NotZero);
const TypedNumberField pointX(PointX, PointProblem, kNotANumber);
const TypedNumberField pointY(PointY, PointProblem, kNotANumber);

ControlSpec transformTable[] = {
    // kind, id, value, label, extra, attributes, enabled, insideFrame, rightOf, below, width, tip
    {CtlText, Scope, 0, "", kScopeSpace, AttrNoBorder, 1, 0, 0, 0, 0, nullptr},
    {CtlLabel, MoveLabel, 0, "Move by     x", nullptr, 0, 1, 0, 0, Scope, 0, nullptr},
    {CtlTextIn, MoveX, 0, "", nullptr, 0, 1, 0, MoveLabel, Scope, 10, "File units to the right"},
    {CtlLabel, MoveYLabel, 0, "  y", nullptr, 0, 1, 0, MoveX, Scope, 0, nullptr},
    {CtlTextIn, MoveY, 0, "", nullptr, 0, 1, 0, MoveYLabel, Scope, 10, "File units upwards"},
    {CtlText, MoveProblem, 0, "", kNoProblem, AttrNoBorder, 1, 0, 0, MoveLabel, 0, nullptr},
    {CtlLabel, TurnLabel, 0, "Turn by      ", nullptr, 0, 1, 0, 0, MoveProblem, 0, nullptr},
    {CtlTextIn, TurnField, 0, "", nullptr, 0, 1, 0, TurnLabel, MoveProblem, 10, nullptr},
    {CtlLabel, TurnUnit, 0, "  degrees anticlockwise", nullptr, 0, 1, 0, TurnField, MoveProblem, 0,
     nullptr},
    {CtlText, TurnProblem, 0, "", kNoProblem, AttrNoBorder, 1, 0, 0, TurnLabel, 0, nullptr},
    {CtlLabel, ScaleLabel, 0, "Scale by    x", nullptr, 0, 1, 0, 0, TurnProblem, 0, nullptr},
    {CtlTextIn, ScaleX, 0, "", nullptr, 0, 1, 0, ScaleLabel, TurnProblem, 10, nullptr},
    {CtlLabel, ScaleYLabel, 0, "  y", nullptr, 0, 1, 0, ScaleX, TurnProblem, 0, nullptr},
    {CtlTextIn, ScaleY, 0, "", nullptr, 0, 1, 0, ScaleYLabel, TurnProblem, 10, nullptr},
    {CtlText, ScaleProblem, 0, "", kNoProblem, AttrNoBorder, 1, 0, 0, ScaleLabel, 0, nullptr},
    {CtlFrame, MirrorFrame, 0, "", nullptr, 0, 1, 0, 0, ScaleProblem, 0, nullptr},
    {CtlLabel, MirrorLabel, 0, " Mirror ", nullptr, 0, 1, MirrorFrame, 0, 0, 0, nullptr},
    {CtlRadioButton, MirrorNone, 1, "None", nullptr, 0, 1, MirrorFrame, MirrorLabel, 0, 0, nullptr},
    {CtlRadioButton, MirrorLeftRight, 0, "Left-right", nullptr, 0, 1, MirrorFrame, MirrorNone, 0, 0,
     "Left and right swapped"},
    {CtlRadioButton, MirrorUpDown, 0, "Up-down", nullptr, 0, 1, MirrorFrame, MirrorLeftRight, 0, 0,
     "Top and bottom swapped"},
    {CtlFrame, PivotFrame, 0, "", nullptr, 0, 1, 0, 0, MirrorFrame, 0, nullptr},
    {CtlLabel, PivotLabel, 0, " About  ", nullptr, 0, 1, PivotFrame, 0, 0, 0, nullptr},
    {CtlRadioButton, PivotCentre, 1, "Centre", nullptr, 0, 1, PivotFrame, PivotLabel, 0, 0,
     "The middle of the box around what changes"},
    {CtlRadioButton, PivotOrigin, 0, "Origin", nullptr, 0, 1, PivotFrame, PivotCentre, 0, 0,
     nullptr},
    {CtlRadioButton, PivotPoint, 0, "Point", nullptr, 0, 1, PivotFrame, PivotOrigin, 0, 0,
     "The point typed below"},
    {CtlLabel, PointXLabel, 0, "Point       x", nullptr, 0, 1, 0, 0, PivotFrame, 0, nullptr},
    {CtlTextIn, PointX, 0, "", nullptr, 0, 1, 0, PointXLabel, PivotFrame, 10, "In file units"},
    {CtlLabel, PointYLabel, 0, "  y", nullptr, 0, 1, 0, PointX, PivotFrame, 0, nullptr},
    {CtlTextIn, PointY, 0, "", nullptr, 0, 1, 0, PointYLabel, PivotFrame, 10, nullptr},
    {CtlText, PointProblem, 0, "", kNoProblem, AttrNoBorder, 1, 0, 0, PointXLabel, 0, nullptr},
    {CtlBlank, ButtonSpacer, 0, "                    ", nullptr, 0, 1, 0, 0, PointProblem, 0,
     nullptr},
    {CtlButton, IdCancel, IdCancel, " Cancel ", nullptr, 0, 1, 0, ButtonSpacer, PointProblem, 0,
     nullptr},
    {CtlButton, OkButton, IdOk, " OK ", nullptr, AttrDefault, 1, 0, IdCancel, PointProblem, 0,
     nullptr},
    {CtlEnd, 0, 0, nullptr, nullptr, 0, 0, 0, 0, 0, 0, nullptr},
};

}  // namespace

TransformDialog::TransformDialog(vBaseWindow* parent, const TypedTransform& transform,
                                 bool selectionOnly)
    : vModalDialog(parent, kTitle), transform(transform), _selectionOnly(selectionOnly) {
    AddControls(transformTable);
}

void TransformDialog::OnDialogShown() {
    SetControlText(Scope,
                   _selectionOnly ? "The chosen points change." : "The whole drawing changes.");
    moveX.Show(*this, transform.move.x);
    moveY.Show(*this, transform.move.y);
    turn.Show(*this, transform.degrees);
    scaleX.Show(*this, transform.scale.x);
    scaleY.Show(*this, transform.scale.y);
    pointX.Show(*this, transform.point.x);
    pointY.Show(*this, transform.point.y);
    TickChoice(*this, kMirrorRadios, static_cast<int>(transform.mirror));
    TickChoice(*this, kPivotRadios, static_cast<int>(transform.pivot));
}

std::optional<TypedTransform> TransformDialog::ReadFields(bool tell) {
    TypedTransform read = transform;
    read.mirror = static_cast<TypedTransform::Mirror>(TickedChoice(*this, kMirrorRadios, 0));
    read.pivot = static_cast<TypedTransform::Pivot>(TickedChoice(*this, kPivotRadios, 0));
    struct {
        const TypedNumberField& field;
        double& value;
        bool needed;
    } fields[] = {
        {moveX, read.move.x, true},
        {moveY, read.move.y, true},
        {turn, read.degrees, true},
        {scaleX, read.scale.x, true},
        {scaleY, read.scale.y, true},
        {pointX, read.point.x, read.pivot == TypedTransform::Pivot::Point},
        {pointY, read.point.y, read.pivot == TypedTransform::Pivot::Point},
    };
    // Two fields share a line, so every line is cleared before any says what is wanted.
    for (const auto& f : fields) {
        if (tell) {
            f.field.ClearProblem(*this);
        }
    }
    bool good = true;
    for (const auto& f : fields) {
        const std::optional<double> typed = f.needed ? f.field.Read(*this) : f.value;
        if (!typed && tell) {
            f.field.Tell(*this);
        }
        good = good && typed.has_value();
        f.value = typed.value_or(f.value);
    }
    if (!good) {
        return std::nullopt;
    }
    return read;
}

void TransformDialog::OnDialogCommand(int id, int value, int kind) {
    if (id == OkButton) {
        const std::optional<TypedTransform> read = ReadFields(true);
        if (!read) {
            return;
        }
        transform = *read;
        id = IdOk;
    } else if (id != IdCancel) {
        // Every field and radio: the canvas shows what they read as.
        const std::optional<TypedTransform> read = ReadFields(false);
        if (read && changed) {
            changed(*read);
        }
        return;
    }
    vModalDialog::OnDialogCommand(id, value, kind);
}
