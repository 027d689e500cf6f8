#include "toolkit/platform/qt/QtGlyphOutlines.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainterPath>

namespace {

// The contours of a painter path: each move starts one, and a curve's three elements are its
// two handles and its end.
std::vector<GlyphContour> ContoursOf(const QPainterPath& path) {
    std::vector<GlyphContour> contours;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo() || contours.empty()) {
            contours.push_back({e.x, e.y, {}});
            continue;
        }
        GlyphContour::Segment segment;
        if (e.isCurveTo() && i + 2 < path.elementCount()) {
            const QPainterPath::Element second = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            segment = {true, e.x, e.y, second.x, second.y, end.x, end.y};
            i += 2;
        } else {
            segment.x = e.x;
            segment.y = e.y;
        }
        contours.back().segments.push_back(segment);
    }
    return contours;
}

}  // namespace

std::vector<std::string> QtGlyphOutlines::Families() {
    std::vector<std::string> families;
    for (const QString& family : QFontDatabase::families()) {
        families.push_back(family.toStdString());
    }
    return families;
}

bool QtGlyphOutlines::Outline(const GlyphRequest& request, std::vector<GlyphContour>& contours,
                              std::string& why) {
    const QString family = QString::fromStdString(request.family);
    if (!QFontDatabase::families().contains(family, Qt::CaseInsensitive)) {
        why = "no font family \"" + request.family + "\" is installed";
        return false;
    }
    QFont font(family);
    font.setPixelSize(1000);
    font.setKerning(true);
    font.setStyleStrategy(QFont::NoFontMerging);
    // Shaped at a size where the layout's rounding is far below what a drawing shows, then
    // scaled to the size asked for.
    const double scale = request.size / 1000.0;
    font.setLetterSpacing(QFont::AbsoluteSpacing, request.spacing / scale);
    QPainterPath path;
    path.addText(0, 0, font, QString::fromUtf8(request.text.c_str()));
    QTransform sized;
    sized.scale(scale, scale);
    contours = ContoursOf(sized.map(path));
    return true;
}
