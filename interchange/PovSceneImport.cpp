#include "interchange/PovSceneImport.h"

#include "interchange/PovImport.h"
#include "interchange/SdlInterpreter.h"

EvaluatedScene EvaluatePovScene(const std::string& text, const std::string& folder) {
    EvaluatedScene scene;
    SdlInterpreter(folder, scene).Run(text);
    return scene;
}

namespace {

// The object chosen, or null with the reason when the scene has none such.
const EvaluatedScene::Object* Chosen(const EvaluatedScene& scene, const SceneObjectChoice& choice,
                                     ImportReport& report) {
    const auto& objects = scene.objects;
    if (choice.number > 0) {
        if (static_cast<size_t>(choice.number) <= objects.size()) {
            return &objects[static_cast<size_t>(choice.number) - 1];
        }
        report.Fail(
            Printed("There is no object %d: the scene creates %zu prism, polygon, "
                    "lathe and sor objects",
                    choice.number, objects.size()));
        return nullptr;
    }
    if (choice.name.empty()) {
        if (objects.empty()) {
            report.Fail(scene.unreached.empty() ? "No prism, polygon, lathe or sor object found"
                                                : scene.unreached.front().Message());
            return nullptr;
        }
        return &objects.front();
    }
    const EvaluatedScene::Name* name = scene.FindName(choice.name);
    const EvaluatedScene::Unreached* unreached = scene.FindUnreached(choice.name);
    if ((name == nullptr || name->object < 0) && unreached != nullptr) {
        report.Fail(unreached->Message());
        return nullptr;
    }
    if (name == nullptr || name->object < 0) {
        report.Fail(name != nullptr
                        ? Printed("line %d: %s is declared, but not as a prism, "
                                  "polygon, lathe or sor",
                                  name->line, choice.name.c_str())
                        : "No prism, polygon, lathe or sor is declared as " + choice.name);
        return nullptr;
    }
    const EvaluatedScene::Object& object = objects[static_cast<size_t>(name->object)];
    if (name->group) {
        report.Note(
            Printed("%s is a group of objects: its first member, object %d (the %s of "
                    "line %d), is imported",
                    choice.name.c_str(), name->object + 1, object.kind.c_str(), object.line));
    }
    return &object;
}

bool FromObject(const EvaluatedScene::Object& object, Outline& outline, ImportReport& report) {
    for (const std::string& note : object.notes) {
        report.Note(note);
    }
    if (!object.error.empty()) {
        return report.Fail(object.error);
    }
    outline = object.outline;
    return true;
}

}  // namespace

bool TakeSceneObject(const std::string& text, const EvaluatedScene& scene,
                     const SceneObjectChoice& choice, Outline& outline, ImportReport& report) {
    ImportReport choosing;
    const EvaluatedScene::Object* object = Chosen(scene, choice, choosing);
    for (const std::string& note : choosing.notes) {
        report.Note(note);
    }
    if (object != nullptr) {
        if (!scene.error.empty()) {
            report.Note("The evaluation stopped after this object: " + scene.error);
        }
        return FromObject(*object, outline, report);
    }
    if (scene.error.empty()) {
        return report.Fail(choosing.error);
    }
    ImportReport literal;
    if (scene.overBound || choice.number > 0 ||
        !ImportPovScene(text, choice.name.empty() ? nullptr : choice.name.c_str(), outline,
                        literal)) {
        return report.Fail(scene.error);
    }
    report.Note("The scene could not be evaluated (" + scene.error +
                "); the object is read as written");
    for (const std::string& note : literal.notes) {
        report.Note(note);
    }
    return true;
}
