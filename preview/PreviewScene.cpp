#include "preview/PreviewScene.h"

#include "model/DrawingSnapshot.h"
#include "model/KCanvasPane.h"
#include "model/ProfileRules.h"
#include "model/WrittenPoints.h"
#include "preview/PovrayMessages.h"

namespace {

// Every rule the profiles break, or "" when they break none.
std::string BrokenRules(const KCanvasPane& canvas, int kind) {
    std::string lines;
    for (const RuleBreak& broken :
         ProfileRuleBreaks(WrittenPoints(canvas, kind), kind, canvas.splineType)) {
        lines += broken.sentence + "\n";
    }
    return lines.empty() ? lines : BrokenRulesMessage + lines;
}

}  // namespace

PreviewScene PreviewScene::Of(const KCanvasPane& canvas, const char* fileName, int kindChoice) {
    PreviewScene scene;
    const bool writable =
        canvas.SceneFileText(fileName, kindChoice, scene.text, scene.kind, &scene.refusal);
    if (!writable) {
        const std::string rules =
            IsTurnedKind(scene.kind) ? BrokenRules(canvas, scene.kind) : std::string();
        scene.refusal = rules.empty() ? NotFiniteMessage : rules;
        return scene;
    }
    // Seen face on, a lathe may show holes along its rows where POV-Ray's faster solver misses
    // the surface; the careful one finds it.
    if (IsTurnedKind(scene.kind) && canvas.useSturm == 0) {
        KCanvasPane careful(nullptr);
        DrawingSnapshot::Of(canvas).RestoreInto(careful);
        careful.useSturm = 1;
        careful.SceneFileText(fileName, kindChoice, scene.text, scene.kind);
    }
    return scene;
}
