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
    const struct {
        const char* typed[4];  // points, size, rotate, function
        int radio;
        int points;
        double size;
        int rotation;
        double function;
        int style;
        const char* stored[4];
    } cases[] = {
        {{"2", "0", "-5", "-1"}, Polygon, 3, 1.0, 0, 0.0, 0, {"3", "1.000000", "0", "0.000000"}},
        {{"150", "-1", "400", "1.5"},
         RanPoly,
         100,
         1.0,
         360,
         1.0,
         1,
         {"100", "1.000000", "360", "1.000000"}},
        {{"abc", "2", "90", "0.5"}, Random, 3, 2.0, 90, 0.5, 2, {"3", "2", "90", "0.5"}},
        {{"1000", "2.5", "45", "nan"},
         Star,
         100,
         2.0,
         45,
         0.0,
         3,
         {"100", "2.000000", "45", "0.000000"}},
        {{"7", "1.25", "360", "1"}, Star, 7, 1.2, 360, 1.0, 3, {"7", "1.2", "360", "1"}},
        {{"5", "0.00005", "0", "0.25"}, Polygon, 5, 1.0, 0, 0.2, 0, {"5", "1.000000", "0", "0.2"}},
        {{"5", "nan", "1e3", "inf"},
         Polygon,
         5,
         1.0,
         1,
         1.0,
         0,
         {"5", "1.000000", "1e3", "1.000000"}},
    };
    int style = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed[0]);
        const int radios[] = {Polygon, RanPoly, Random, Star};
        std::vector<int> tickedAtShowing;
        bool functionAtShowing = false;
        const auto [id, value] = RunModal(dialog, [&] {
            tickedAtShowing = Ticked(dialog, {Polygon, RanPoly, Star, Random});
            functionAtShowing = FunctionEnabled();
            const int fields[] = {Points, Size, Rotate, Function};
            for (int i = 0; i < 4; ++i) {
                Type(dialog, fields[i], c.typed[i]);
            }
            Button(dialog, c.radio)->click();
            Button(dialog, Ok)->click();
        });
        EXPECT_EQ(tickedAtShowing, std::vector<int>{radios[style]});
        EXPECT_EQ(functionAtShowing, style == 1 || style == 3);
        EXPECT_EQ(id, IdOk);
        EXPECT_EQ(value, IdOk);
        EXPECT_EQ(dialog.shapePoints, c.points);
        EXPECT_DOUBLE_EQ(dialog.shapeSize, c.size);
        EXPECT_EQ(dialog.shapeRotation, c.rotation);
        EXPECT_DOUBLE_EQ(dialog.shapeFunction, c.function);
        EXPECT_EQ(dialog.shapeStyle, c.style);
        const char* stores[] = {KScalModalDialog::pointsText, KScalModalDialog::sizeText,
                                KScalModalDialog::rotateText, KScalModalDialog::functionText};
        for (int i = 0; i < 4; ++i) {
            EXPECT_STREQ(stores[i], c.stored[i]);
        }
        style = c.style;
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
