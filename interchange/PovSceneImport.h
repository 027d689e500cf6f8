#pragma once

#include <string>

#include "interchange/EvaluatedScene.h"
#include "interchange/ImportReport.h"

// Evaluates POV-Ray scene text and finds every prism, polygon, lathe and sor it creates.
// folder: where include files beside the scene are read from ("" to read none).
EvaluatedScene EvaluatePovScene(const std::string& text, const std::string& folder);

// Which object of an evaluated scene to import: by its number in the order the scene creates
// them (from 1), by the identifier declared as it or as a CSG object holding it, or the first.
struct SceneObjectChoice {
    int number = 0;
    std::string name;
};

// The chosen object's outline, with its notes (the scene's own are left to the caller: the
// include files and directives passed over). An object past the point where the
// evaluation stopped (other than at a limit) is read as the scene writes it, without
// evaluation, when it can be. False, the reason in the report, when there is no such object or
// it does not import.
bool TakeSceneObject(const std::string& text, const EvaluatedScene& scene,
                     const SceneObjectChoice& choice, Outline& outline, ImportReport& report);
