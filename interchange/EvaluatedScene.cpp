#include "interchange/EvaluatedScene.h"

#include "interchange/ImportReport.h"
#include "model/EditState.h"

int EvaluatedScene::Object::Points() const {
    size_t points = 0;
    for (const Outline::Set& set : outline.sets) {
        points += set.points.size();
    }
    return static_cast<int>(points);
}

std::string EvaluatedScene::Object::Place() const {
    return name.empty() ? path : name;
}

std::string EvaluatedScene::Object::Listing(int number) const {
    static const char* const splines[] = {"linear", "quadratic", "cubic", "bezier"};
    const PrismValues& prism = outline.prism;
    const int spline =
        prism.spline >= LinearSpline && prism.spline <= BezierSpline ? prism.spline : LinearSpline;
    const char* sweep = outline.kind != Prism       ? "-"
                        : prism.sweep == ConicSweep ? "conic"
                                                    : "linear";
    std::string where = "line " + std::to_string(line) + (file.empty() ? "" : " of " + file);
    std::string text = Printed("%d  %s  %s  %s  %d points  %zu sets  ", number, kind.c_str(),
                               splines[spline], sweep, Points(), outline.sets.size()) +
                       where;
    if (!Place().empty()) {
        text += "  " + Place();
    }
    return error.empty() ? text : text + "  (refused: " + error + ")";
}

std::string EvaluatedScene::Unreached::Message() const {
    std::string needs;
    for (const std::string& parameter : parameters) {
        needs += (needs.empty() ? "" : ", ") + parameter;
    }
    return Printed("line %d: the %s is inside the macro %s, which the scene never invokes", line,
                   kind.c_str(), macro.c_str()) +
           (needs.empty() ? std::string() : "; its values need the macro's parameters " + needs);
}

const EvaluatedScene::Name* EvaluatedScene::FindName(const std::string& name) const {
    for (const Name& entry : names) {
        if (entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

const EvaluatedScene::Unreached* EvaluatedScene::FindUnreached(const std::string& name) const {
    for (const Unreached& entry : unreached) {
        if (!name.empty() && entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}
