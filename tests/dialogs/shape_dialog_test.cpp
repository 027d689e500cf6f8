#include <cstring>

#include "DialogFixture.h"
#include "dialogs/KScalModalDialog.h"
#include "toolkit/CommandIds.h"

namespace {

enum { Points = 304, Size = 305, Rotate = 306, Function = 307 };
enum { FunctionLabel = 315, Polygon = 318, RanPoly = 319, Star = 320, Random = 321 };
enum { Cancel = 323, Ok = 324 };

class ShapeDialog : public DialogFixture {
protected:
    // Read-only texts such as the range beside the field do not grey.
    bool FunctionEnabled() {
        const bool field = Widget(dialog, Function)->isEnabled();
        EXPECT_EQ(Widget(dialog, FunctionLabel)->isEnabled(), field);
        return field;
    }
    KScalModalDialog dialog{nullptr, KScalModalDialog::kTitle};
};

}  // namespace

TEST_F(ShapeDialog, OkClampsEachValueAndKeepsTheClampedTextForEveryWindow) {
    enum { PointsAt, SizeAt, RotateAt, FunctionAt };
    const struct {
        int field;
        const char* typed;
        double value;
        const char* stored;
    } cases[] = {
        {PointsAt, "2", 3, "3"},
        {PointsAt, "150", 100, "100"},
        {PointsAt, "abc", 3, "3"},
        {PointsAt, "1000", 100, "100"},
        {PointsAt, "7", 7, "7"},
        {SizeAt, "0", 1, "1.000000"},
        {SizeAt, "-1", 1, "1.000000"},
        {SizeAt, "2", 2, "2"},
        {SizeAt, "2.5", 2, "2.000000"},
        {SizeAt, "1.25", 1.2, "1.2"},
        {SizeAt, "0.00005", 1, "1.000000"},
        {SizeAt, "nan", 1, "1.000000"},
        {RotateAt, "-5", 0, "0"},
        {RotateAt, "400", 360, "360"},
        {RotateAt, "1e3", 1, "1e3"},
        {FunctionAt, "-1", 0, "0.000000"},
        {FunctionAt, "1.5", 1, "1.000000"},
        {FunctionAt, "0.25", 0.2, "0.2"},
        {FunctionAt, "inf", 1, "1.000000"},
    };
    const int fields[] = {Points, Size, Rotate, Function};
    char* const stores[] = {KScalModalDialog::pointsText, KScalModalDialog::sizeText,
                            KScalModalDialog::rotateText, KScalModalDialog::functionText};
    // Listed by style; each case chooses the next style, and the next showing must show it.
    const int radios[] = {Polygon, RanPoly, Random, Star};
    int style = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const int chosen = (style + 1) % 4;
        std::vector<int> tickedAtShowing;
        bool functionAtShowing = false;
        const auto [id, value] = RunModal(dialog, [&] {
            tickedAtShowing = Ticked(dialog, {Polygon, RanPoly, Star, Random});
            functionAtShowing = FunctionEnabled();
            Type(dialog, fields[c.field], c.typed);
            Button(dialog, radios[chosen])->click();
            Button(dialog, Ok)->click();
        });
        EXPECT_EQ(tickedAtShowing, std::vector<int>{radios[style]});
        EXPECT_EQ(functionAtShowing, style == 1 || style == 3);
        EXPECT_EQ(id, IdOk);
        EXPECT_EQ(value, IdOk);
        const double values[] = {static_cast<double>(dialog.shapePoints), dialog.shapeSize,
                                 static_cast<double>(dialog.shapeRotation), dialog.shapeFunction};
        EXPECT_DOUBLE_EQ(values[c.field], c.value);
        EXPECT_STREQ(stores[c.field], c.stored);
        EXPECT_EQ(dialog.shapeStyle, chosen);
        style = chosen;
    }
    KScalModalDialog otherWindows(nullptr, KScalModalDialog::kTitle);
    std::string shown;
    RunModal(otherWindows, [&] {
        shown = Shown(otherWindows, Function);
        Button(otherWindows, Cancel)->click();
    });
    EXPECT_EQ(shown, "1.000000");
}

TEST_F(ShapeDialog, TheRadiosEnableTheFunctionAndCancelStoresNothing) {
    std::strcpy(KScalModalDialog::pointsText, "3");
    const struct {
        int radio;
        bool enabled;
    } clicks[] = {{RanPoly, true}, {Polygon, false}, {Star, true}, {Random, false}, {Star, true}};
    const auto [id, value] = RunModal(dialog, [&] {
        for (const auto& c : clicks) {
            Button(dialog, c.radio)->click();
            EXPECT_EQ(FunctionEnabled(), c.enabled) << c.radio;
        }
        Type(dialog, Points, "50");
        Button(dialog, Cancel)->click();
    });
    EXPECT_EQ(id, IdCancel);
    EXPECT_EQ(value, IdCancel);
    EXPECT_STREQ(KScalModalDialog::pointsText, "3");
    EXPECT_EQ(dialog.shapeStyle, 0);
}
