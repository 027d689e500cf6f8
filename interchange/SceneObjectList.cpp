#include "interchange/SceneObjectList.h"

#include <algorithm>
#include <array>

#include "interchange/PovImport.h"
#include "interchange/PovTokenizer.h"

namespace {

// An object found in the text, before the importer has tried it.
struct Candidate {
    SceneObject object;
    size_t at = 0;  // where its keyword stands in the text
};

// The tokens "#declare Name = keyword {" end in the last five.
bool IsDeclaration(const std::array<PovToken, 5>& last) {
    return (last[0].Is(PovToken::Directive, "#declare") ||
            last[0].Is(PovToken::Directive, "#local")) &&
           last[1].kind == PovToken::Word && last[2].IsSymbol('=');
}

// The first object and the first declaration of every name, up to `limit` of them.
std::vector<Candidate> FindCandidates(const std::string& text, size_t limit) {
    std::vector<Candidate> found;
    PovTokenizer tokenizer(text);
    std::array<PovToken, 5> last{};
    bool first = true;
    for (PovToken token = tokenizer.Next(); token.kind != PovToken::End && found.size() < limit;
         token = tokenizer.Next()) {
        std::rotate(last.begin(), last.begin() + 1, last.end());
        last[4] = token;
        const PovToken& keyword = last[3];
        if (!token.IsSymbol('{') || !IsObjectKeyword(keyword)) {
            continue;
        }
        Candidate candidate;
        candidate.object.kind = std::string(keyword.text);
        candidate.object.line = keyword.line;
        candidate.at = static_cast<size_t>(keyword.text.data() - text.data());
        if (first) {
            found.push_back(candidate);
            first = false;
        }
        candidate.object.name = IsDeclaration(last) ? std::string(last[1].text) : "";
        const bool named = !candidate.object.name.empty();
        if (named && std::none_of(found.begin(), found.end(), [&](const Candidate& c) {
                return c.object.name == candidate.object.name;
            })) {
            found.push_back(candidate);
        }
    }
    return found;
}

// The points the importer reads for the object, or -1 when it refuses it.
int ImportedPoints(const std::string& text, const SceneObject& object) {
    Outline outline;
    ImportReport report;
    if (!ImportPovScene(text, object.name.empty() ? nullptr : object.name.c_str(), outline,
                        report)) {
        return -1;
    }
    size_t points = 0;
    for (const Outline::Set& set : outline.sets) {
        points += set.points.size();
    }
    return static_cast<int>(points);
}

}  // namespace

std::vector<SceneObject> ListSceneObjects(const std::string& text) {
    std::vector<Candidate> candidates = FindCandidates(text, MaxListedObjects + 1);
    std::vector<Candidate> imported;
    for (Candidate& candidate : candidates) {
        candidate.object.points = ImportedPoints(text, candidate.object);
        if (candidate.object.points >= 0) {
            imported.push_back(candidate);
        }
    }
    // The first object read under its name is listed once, by its name.
    if (imported.size() > 1 && imported[0].object.name.empty() &&
        std::any_of(imported.begin() + 1, imported.end(),
                    [&](const Candidate& c) { return c.at == imported[0].at; })) {
        imported.erase(imported.begin());
    }
    std::vector<SceneObject> objects;
    for (const Candidate& candidate : imported) {
        if (objects.size() < MaxListedObjects) {
            objects.push_back(candidate.object);
        }
    }
    return objects;
}

bool HoldsSceneObject(const std::string& text) {
    return !FindCandidates(text, 1).empty();
}
