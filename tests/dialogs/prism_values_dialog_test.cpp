#include <QMdiArea>
#include <cfloat>
#include <cstdio>
#include <vector>

#include "DialogFixture.h"
#include "dialogs/KryDialog.h"
#include "support/PrismValuesPrint.h"

namespace {

enum { StartField = 203, EndField = 205, Linear = 212, Quadratic = 213, Cubic = 214, Bezier = 215 };
enum { LinearSweep = 218, Conic = 219, Cancel = 220, Ok = 221, Strum = 222, Open = 223 };

const std::string kSwap = " START higher than END\n\n Automaticly Swaped!";
const std::string kBadStart = " START is not a finite number\n\n Previous value kept!";
const std::string kBadEnd = " END is not a finite number\n\n Previous value kept!";

std::string Rendered(double height) {
    char text[KryDialog::kHeightTextSize + 8];
    std::snprintf(text, sizeof text, "% f", height);
    return text;
}

class PrismValuesDialog : public DialogFixture {
protected:
    KryDialog dialog{nullptr, KryDialog::kTitle};
};

}  // namespace

TEST_F(PrismValuesDialog, EachShowingShowsTheStoredValuesAndCancelKeepsThem) {
    const struct {
        double start, end;
        int spline, sweep, sturm, open;
        std::vector<int> ticked;  // of the spline, sweep and check-box controls
        bool strumEnabled;
    } cases[] = {
        {0.0, 0.5, 0, 0, 0, 0, {Linear, LinearSweep}, false},
        {-1.25, 12345678.0, 2, 1, 1, 1, {Cubic, Conic, Strum, Open}, true},
        {0.1, 0.2, 3, 0, 0, 1, {Bezier, LinearSweep, Open}, true},
        {0.1, 0.2, 1, 0, 1, 0, {Quadratic, LinearSweep, Strum}, false},
        {-DBL_MAX, DBL_MAX, 0, 0, 0, 0, {Linear, LinearSweep}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        dialog.SetPrismValues(c.start, c.end, c.spline, c.sweep, c.sturm, c.open);
        dialog.ShowDialog("");
        EXPECT_EQ(dialog.startText, Rendered(c.start)) << "the store holds any height whole";
        EXPECT_EQ(dialog.endText, Rendered(c.end));
        EXPECT_EQ(Shown(dialog, StartField), Rendered(c.start));
        EXPECT_EQ(
            Ticked(dialog, {Linear, Quadratic, Cubic, Bezier, LinearSweep, Conic, Strum, Open}),
            c.ticked);
        EXPECT_EQ(Button(dialog, Strum)->isEnabled(), c.strumEnabled);
        Type(dialog, StartField, "9");
        Button(dialog, Conic)->click();
        Button(dialog, Cancel)->click();
        EXPECT_FALSE(dialog.IsDisplayed());
        EXPECT_EQ(dialog.prismStart, c.start);
        EXPECT_EQ(dialog.sweepType, c.sweep);
    }
    dialog.ShowDialog("");
    const QPoint corner = windows.Frame()->MdiArea()->mapToGlobal(QPoint(200, 10));
    EXPECT_EQ(Widget(dialog, Ok)->window()->pos(), corner);
    Button(dialog, Cancel)->click();
}

TEST_F(PrismValuesDialog, OkReadsWholeHeightsSwapsThemAndRefusesOnesThatAreNotFinite) {
    const struct {
        const char* start;
        const char* end;
        double expectedStart, expectedEnd;
        std::vector<std::string> notices;
    } cases[] = {
        {" 0.7", "0.5", 0.5, 0.7, {kSwap}},
        {"0.5", "0.5", 0.5, 0.5, {}},
        {" 12345678.000000", "-12345678.25", -12345678.25, 12345678.0, {kSwap}},
        {"1e999", "0.9", 0.25, 0.9, {kBadStart}},
        {"0.1", "nan", 0.1, 0.75, {kBadEnd}},
        {"-inf", "inf", 0.25, 0.75, {kBadStart, kBadEnd}},
        {"2", "nan", 0.75, 2.0, {kBadEnd, kSwap}},
        {"abc", "", 0.0, 0.0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        dialog.SetPrismValues(0.25, 0.75, 0, 0, 0, 0);
        dialog.ShowDialog("");
        Type(dialog, StartField, c.start);
        Type(dialog, EndField, c.end);
        EXPECT_EQ(AnsweringNotices([this] { Button(dialog, Ok)->click(); }), c.notices);
        EXPECT_FALSE(dialog.IsDisplayed());
        EXPECT_EQ(dialog.prismStart, c.expectedStart);
        EXPECT_EQ(dialog.prismEnd, c.expectedEnd);
    }
    dialog.ShowDialog("");
    EXPECT_EQ(Shown(dialog, StartField), " 0.000000") << "the next showing shows what OK kept";
    Button(dialog, Cancel)->click();
}

TEST_F(PrismValuesDialog, StrumIsEnabledForCubicAndBezierAndKeepsItsTick) {
    dialog.SetPrismValues(0.0, 0.5, 2, 0, 1, 0);
    dialog.ShowDialog("");
    const struct {
        int click;
        bool enabled;
    } clicks[] = {
        {Linear, false}, {Bezier, true}, {Quadratic, false}, {Cubic, true}, {Linear, false}};
    for (const auto& c : clicks) {
        Button(dialog, c.click)->click();
        EXPECT_EQ(Button(dialog, Strum)->isEnabled(), c.enabled) << c.click;
        EXPECT_TRUE(Button(dialog, Strum)->isChecked()) << c.click;
    }
    Button(dialog, Conic)->click();
    Button(dialog, Open)->click();
    Button(dialog, Ok)->click();
    EXPECT_EQ(dialog.splineType, 0);
    EXPECT_EQ(dialog.useSturm, 1) << "the writer decides whether a linear prism gets sturm";
    EXPECT_EQ(dialog.sweepType, 1);
    EXPECT_EQ(dialog.isOpen, 1);
}

// The values a kind of drawing does not write are greyed, at once while the dialog is shown and
// at every showing; the values stay. A lathe and a surface of revolution take sturm with every
// spline.
TEST_F(PrismValuesDialog, ValuesTheKindDoesNotWriteAreGreyed) {
    const struct {
        PrismValuesInUse inUse;
        bool splines, sweeps, heights;
    } rows[] = {
        {{true, false, false, true}, true, false, false},
        {{false, false, false, true}, false, false, false},
        {{}, true, true, true},
    };
    const int controls[] = {Linear,      Quadratic, Cubic,      Bezier,
                            LinearSweep, Conic,     StartField, EndField};
    dialog.SetPrismValues(0.25, 0.75, 1, 1, 1, 1);
    for (const auto& row : rows) {
        for (bool shownFirst : {true, false}) {
            dialog.UseValues(PrismValuesInUse{});
            if (shownFirst) {
                dialog.ShowDialog("");
            }
            dialog.UseValues(row.inUse);
            if (!shownFirst) {
                dialog.ShowDialog("");
            }
            std::vector<bool> enabled;
            for (int id : controls) {
                enabled.push_back(Widget(dialog, id)->isEnabled());
            }
            const bool s = row.splines, w = row.sweeps, h = row.heights;
            EXPECT_EQ(enabled, (std::vector<bool>{s, s, s, s, w, w, h, h})) << shownFirst;
            EXPECT_EQ(Button(dialog, Strum)->isEnabled(), row.inUse.sturmWithEverySpline);
            EXPECT_TRUE(Button(dialog, Open)->isEnabled());
            Button(dialog, Ok)->click();
            EXPECT_EQ(dialog.GetPrismValues(), (PrismValues{0.25, 0.75, 1, 1, 1, 1}));
        }
    }
}
