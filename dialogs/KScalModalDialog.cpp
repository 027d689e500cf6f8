#include "dialogs/KScalModalDialog.h"

#include <cstdio>
#include <cstdlib>

#include "dialogs/RadioChoice.h"
#include "toolkit/CommandIds.h"

char KScalModalDialog::pointsText[kShapeTextSize] = "3";
char KScalModalDialog::sizeText[kShapeTextSize] = "1.0";
char KScalModalDialog::rotateText[kShapeTextSize] = "0";
char KScalModalDialog::functionText[kShapeTextSize] = "0.0";

namespace {

enum ShapeIds {
    MessageLabel = 300,
    ValuesFrame = 301,
    PointsField = 304,
    SizeField = 305,
    RotateField = 306,
    FunctionField = 307,
    PointsRange = 308,
    SizeRange = 309,
    PointsLabel = 310,
    SizeLabel = 311,
    RotateRange = 312,
    RotateLabel = 313,
    FunctionRange = 314,
    FunctionLabel = 315,
    StyleLabel = 317,
    PolygonRadio = 318,
    RanPolyRadio = 319,
    StarRadio = 320,
    RandomRadio = 321,
    StyleFrame = 322,
    CancelButton = 323,
    OkButton = 324,
    ButtonSpacer = 325,
};

// Listed by shape style: polygon, random polygon, random points, star.
constexpr int kStyleRadios[] = {PolygonRadio, RanPolyRadio, RandomRadio, StarRadio};
constexpr int kFunctionControls[] = {FunctionRange, FunctionLabel, FunctionField};

constexpr char kButtonSpace[] = "                           ";
static_assert(sizeof kButtonSpace - 1 == 27, "27 blanks push the buttons right");

ControlSpec shapeTable[] = {
    // kind, id, value, label, extra, attributes, enabled, insideFrame, rightOf, below, width, tip
    {CtlLabel, MessageLabel, 0, "", nullptr, AttrMessage, 1, 0, 0, 0, 0, nullptr},
    {CtlFrame, StyleFrame, 0, "", nullptr, 0, 1, 0, 0, MessageLabel, 0, nullptr},
    {CtlLabel, StyleLabel, 0, "   Shapes style", nullptr, 0, 1, StyleFrame, 0, 0, 0, nullptr},
    {CtlRadioButton, PolygonRadio, 1, " Polygon", nullptr, 0, 1, StyleFrame, 0, StyleLabel, 0,
     nullptr},
    {CtlRadioButton, StarRadio, 1, "  Star  ", nullptr, 0, 1, StyleFrame, 0, PolygonRadio, 0,
     nullptr},
    {CtlRadioButton, RanPolyRadio, 0, " RanPoly", nullptr, 0, 1, StyleFrame, 0, StarRadio, 0,
     nullptr},
    {CtlRadioButton, RandomRadio, 0, "  Random", nullptr, 0, 1, StyleFrame, 0, RanPolyRadio, 0,
     nullptr},
    {CtlFrame, ValuesFrame, 0, "", nullptr, 0, 1, 0, StyleFrame, MessageLabel, 0, nullptr},
    {CtlLabel, PointsLabel, 0, "    Points ", nullptr, 0, 1, ValuesFrame, 0, 0, 0, nullptr},
    {CtlTextIn, PointsField, 0, "", nullptr, 0, 1, ValuesFrame, PointsLabel, 0, 4, nullptr},
    {CtlText, PointsRange, 0, "3", "range 3 - 100 ", AttrNoBorder, 1, ValuesFrame, PointsField, 0,
     0, nullptr},
    {CtlLabel, SizeLabel, 0, "      Size  ", nullptr, 0, 1, ValuesFrame, 0, PointsRange, 0,
     nullptr},
    {CtlTextIn, SizeField, 0, "", nullptr, 0, 1, ValuesFrame, SizeLabel, PointsRange, 4, nullptr},
    {CtlText, SizeRange, 0, "1", "range 0<__<2 ", AttrNoBorder, 1, ValuesFrame, SizeField,
     PointsRange, 0, nullptr},
    {CtlLabel, RotateLabel, 0, "    Rotate ", nullptr, 0, 1, ValuesFrame, 0, SizeRange, 0, nullptr},
    {CtlTextIn, RotateField, 0, "", nullptr, 0, 1, ValuesFrame, RotateLabel, SizeRange, 4, nullptr},
    {CtlText, RotateRange, 0, "", "range 0 - 360 ", AttrNoBorder, 1, ValuesFrame, RotateField,
     SizeRange, 0, nullptr},
    {CtlLabel, FunctionLabel, 0, " Function", nullptr, 0, 0, ValuesFrame, 0, RotateRange, 0,
     nullptr},
    {CtlTextIn, FunctionField, 0, "", nullptr, 0, 0, ValuesFrame, FunctionLabel, RotateRange, 4,
     nullptr},
    {CtlText, FunctionRange, 0, "", "range 0<__<1 ", AttrNoBorder, 0, ValuesFrame, FunctionField,
     RotateRange, 0, nullptr},
    {CtlBlank, ButtonSpacer, 0, kButtonSpace, nullptr, 0, 1, 0, 0, StyleFrame, 0, nullptr},
    {CtlButton, CancelButton, IdCancel, " Cancel ", nullptr, 0, 1, 0, ButtonSpacer, StyleFrame, 0,
     nullptr},
    {CtlButton, OkButton, IdOk, " OK ", nullptr, AttrDefault, 1, 0, CancelButton, StyleFrame, 0,
     nullptr},
    {CtlEnd, 0, 0, nullptr, nullptr, 0, 0, 0, 0, 0, 0, nullptr},
};

// Only this many characters of a field are read: a size typed as 1.25 is taken as 1.2.
constexpr int kReadLength = 3;

bool FunctionApplies(int style) {
    return style == 1 || style == 3;
}

// The integer value of a text, clamped into [low, high]; a clamped value replaces the text.
int ClampedInteger(char* text, int low, int high) {
    long value = std::strtol(text, nullptr, 10);
    if (value >= low && value <= high) {
        return static_cast<int>(value);
    }
    value = value < low ? low : high;
    std::snprintf(text, KScalModalDialog::kShapeTextSize, "%i", static_cast<int>(value));
    return static_cast<int>(value);
}

// The real value of a text: unless it is at least `low` (text that is no number included) it
// becomes `fallback`, above `high` it becomes `high`; a replaced value replaces the text.
double ClampedReal(char* text, double low, double high, double fallback) {
    double value = std::strtod(text, nullptr);
    if (!(value >= low)) {
        value = fallback;
    } else if (value > high) {
        value = high;
    } else {
        return value;
    }
    std::snprintf(text, KScalModalDialog::kShapeTextSize, "%f", value);
    return value;
}

}  // namespace

KScalModalDialog::KScalModalDialog(vBaseWindow* parent, const char* title)
    : vModalDialog(parent, title) {
    AddControls(shapeTable);
}

void KScalModalDialog::EnableFunction(bool on) {
    for (int id : kFunctionControls) {
        SetControlValue(id, on ? 1 : 0, AspectEnabled);
    }
}

void KScalModalDialog::OnDialogShown() {
    SetControlText(PointsField, pointsText);
    SetControlText(SizeField, sizeText);
    SetControlText(RotateField, rotateText);
    SetControlText(FunctionField, functionText);
    for (int id : kStyleRadios) {
        SetControlValue(id, 0, AspectValue);
    }
    TickChoice(*this, kStyleRadios, shapeStyle);
    EnableFunction(FunctionApplies(shapeStyle));
}

void KScalModalDialog::OnDialogCommand(int id, int value, int kind) {
    switch (id) {
        case PolygonRadio:
        case RanPolyRadio:
        case StarRadio:
        case RandomRadio:
            EnableFunction(GetControlValue(RanPolyRadio) != 0 || GetControlValue(StarRadio) != 0);
            break;
        case CancelButton:
            id = IdCancel;
            break;
        case OkButton:
            AcceptValues();
            id = IdOk;
            break;
        default:
            break;
    }
    vModalDialog::OnDialogCommand(id, value, kind);
}

void KScalModalDialog::AcceptValues() {
    shapeStyle = TickedChoice(*this, kStyleRadios, shapeStyle);
    GetControlText(PointsField, pointsText, kReadLength + 1);
    GetControlText(SizeField, sizeText, kReadLength + 1);
    GetControlText(RotateField, rotateText, kReadLength + 1);
    GetControlText(FunctionField, functionText, kReadLength + 1);
    shapePoints = ClampedInteger(pointsText, 3, 100);
    shapeSize = ClampedReal(sizeText, 0.0001, 2.0, 1.0);
    shapeRotation = ClampedInteger(rotateText, 0, 360);
    shapeFunction = ClampedReal(functionText, 0.0, 1.0, 0.0);
}
