// Edit > Text...: a text's outlines, in a font of the system's, added to the drawing as one
// undo step; the dialog shows the text on the canvas before OK.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "app/KryCmdWindow.h"
#include "interchange/CanvasOutline.h"
#include "interchange/GlyphOutline.h"
#include "model/KCanvasPane.h"
#include "model/ModelUnits.h"
#include "toolkit/platform/vGlyphOutlines.h"

namespace {

// The family offered first, when it is installed: the one the package depends on.
constexpr const char* PreferredFamily = "DejaVu Sans";

std::string Needs(const Outline& outline) {
    return "The text needs " + std::to_string(outline.EntryCount()) + " entries in " +
           std::to_string(outline.sets.size()) + " sets; a drawing holds " +
           std::to_string(MaxPoints) + " entries in " + std::to_string(MaxSets) + " sets.";
}

}  // namespace

// What the dialog last held; at first a text a quarter of the view high whose baseline starts
// near the left of the view, a little below its middle, in the preferred family.
TextValues KryCmdWindow::TextToOffer() const {
    if (lastText) {
        return *lastText;
    }
    TextValues values;
    values.family = PreferredFamily;
    const double halfWidth = canvas->originX / canvas->ViewScaleX();
    const double halfHeight = canvas->originY / canvas->ViewScaleY();
    const Point2& centre = canvas->View().centre;
    values.size = std::max(0.01, std::round(halfHeight / 2 / ModelUnitsPerFileUnit * 100) / 100);
    values.x = std::round(KCanvasPane::FileX(centre.x - 0.8 * halfWidth) * 100) / 100;
    values.y = std::round(KCanvasPane::FileY(centre.y + 0.2 * halfHeight) * 100) / 100;
    return values;
}

SetsResult KryCmdWindow::TextResult(const Drawing& drawing, int kind,
                                    const TextValues& values) const {
    vGlyphOutlines* glyphs = vGlyphOutlines::Current();
    std::vector<GlyphContour> contours;
    std::string why;
    const GlyphRequest request{values.text, values.family, values.size * ModelUnitsPerFileUnit,
                               values.spacing * ModelUnitsPerFileUnit};
    if (glyphs == nullptr || !glyphs->Outline(request, contours, why)) {
        return SetsResult::Refused(glyphs == nullptr ? "No fonts can be read here." : why + ".");
    }
    GlyphOutline lettering = OutlineOfGlyphs(contours);
    Outline& outline = lettering.outline;
    if (outline.sets.empty()) {
        return SetsResult::Refused("\"" + values.text + "\" has no outline to draw.");
    }
    if (outline.EntryCount() > MaxPoints || static_cast<int>(outline.sets.size()) > MaxSets) {
        return SetsResult::Refused(Needs(outline));
    }
    const Point2 start{values.x * ModelUnitsPerFileUnit, -values.y * ModelUnitsPerFileUnit};
    for (Outline::Set& set : outline.sets) {
        for (Point2& p : set.points) {
            p = {p.x + start.x, p.y + start.y};
        }
        for (Outline::Segment& s : set.segments) {
            s.handle1 = {s.handle1.x + start.x, s.handle1.y + start.y};
            s.handle2 = {s.handle2.x + start.x, s.handle2.y + start.y};
        }
    }
    Drawing sets;
    PutOutline(outline, sets);
    SetsResult result = PlaceBezierSets(drawing, kind, {}, sets);
    if (result.ok && lettering.united > 0) {
        char note[100];
        std::snprintf(note, sizeof note,
                      "Overlapping contours were united, curves within %.3g file units.",
                      lettering.deviation);
        result.notes.insert(result.notes.begin(), note);
    }
    return result;
}

void KryCmdWindow::TextCommand() {
    const int kind = shapeKind;
    if (IsTurnedKind(static_cast<ShapeKind>(kind))) {
        Notify("Text goes into polygons and prisms; a lathe's or sor's sets are profiles.");
        return;
    }
    vGlyphOutlines* glyphs = vGlyphOutlines::Current();
    std::vector<std::string> families;
    if (glyphs != nullptr) {
        families = glyphs->Families();
    }
    if (families.empty()) {
        Notify("No fonts are installed: there is no text to outline.");
        return;
    }
    TextDialog dialog(this, families, TextToOffer());
    RunPreviewed(dialog, dialog.changed, kind,
                 [&](const Drawing& drawing) { return TextResult(drawing, kind, dialog.values); });
    // Offered again, refused or not, so that nothing typed is lost.
    lastText = dialog.values;
}
