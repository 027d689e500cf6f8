#include "interchange/PovObjectWords.h"

#include "interchange/ImportReport.h"
#include "interchange/PovTokenizer.h"
#include "model/EditState.h"

namespace {

// The objects read and the kind each makes.
struct ObjectWord {
    const char* word;
    int kind;
};
const ObjectWord ObjectWords[] = {
    {"prism", Prism},
    {"polygon", Polygon},
    {"lathe", Lathe},
    {"sor", Sor},
};

}  // namespace

bool IsObjectKeyword(const PovToken& token) {
    for (const ObjectWord& object : ObjectWords) {
        if (token.Is(PovToken::Word, object.word)) {
            return true;
        }
    }
    return false;
}

bool HoldsSceneObject(const std::string& text) {
    PovTokenizer tokenizer(text);
    PovToken before;
    for (PovToken token = tokenizer.Next(); token.kind != PovToken::End; token = tokenizer.Next()) {
        if (token.IsSymbol('{') && IsObjectKeyword(before)) {
            return true;
        }
        before = token;
    }
    return false;
}

int KindOfWord(const PovToken& token) {
    for (const ObjectWord& object : ObjectWords) {
        if (token.Is(PovToken::Word, object.word)) {
            return object.kind;
        }
    }
    return Polygon;
}

int SplineWord(const PovToken& token) {
    static const char* const words[] = {"linear_spline", "quadratic_spline", "cubic_spline",
                                        "bezier_spline"};
    for (int spline = LinearSpline; spline <= BezierSpline; ++spline) {
        if (token.Is(PovToken::Word, words[spline])) {
            return spline;
        }
    }
    return -1;
}

std::string CountNotWholeMessage(int line, double count) {
    return Printed("line %d: the point count %g is not a usable whole number", line, count);
}

std::string CountShortMessage(int line, int count, int listed) {
    return Printed("line %d: the count says %d points, but only %d are listed", line, count,
                   listed);
}

std::string PlaneMessage(int line) {
    return Printed("line %d: only points in the plane z = 0, written <x, y>, can be imported",
                   line);
}

std::string EndsInsideMessage(int line) {
    return Printed("line %d: the scene ends inside the object", line);
}

std::string ModifiersMessage(int line, const std::string& word) {
    return Printed("line %d: the object's modifiers (%s ...) are not imported", line, word.c_str());
}
