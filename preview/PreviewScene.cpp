#include "preview/PreviewScene.h"

#include "model/KCanvasPane.h"
#include "model/ProfileRules.h"
#include "model/WrittenPoints.h"
#include "preview/PovrayMessages.h"
#include "scenefile/SceneWriting.h"

namespace {

// Every rule the profiles break, or "" when they break none.
std::string BrokenRules(const Drawing& drawing, ShapeKind kind) {
    std::string lines;
    for (const RuleBreak& broken :
         ProfileRuleBreaks(WrittenPoints(drawing, kind), kind, drawing.splineType)) {
        lines += broken.sentence + "\n";
    }
    return lines.empty() ? lines : BrokenRulesMessage + lines;
}

}  // namespace

PreviewScene PreviewScene::Of(const Drawing& drawing, const char* fileName, KindChoice choice) {
    PreviewScene scene;
    const ComposedScene composed = ComposeSceneFile(drawing, fileName, choice);
    scene.kind = composed.kind;
    scene.text = composed.text;
    if (!composed.Writable()) {
        const std::string rules =
            IsTurnedKind(composed.kind) ? BrokenRules(drawing, composed.kind) : std::string();
        scene.refusal = rules.empty() ? NotFiniteMessage : rules;
        return scene;
    }
    // Seen face on, a lathe may show holes along its rows where POV-Ray's faster solver misses
    // the surface; the careful one finds it.
    if (IsTurnedKind(composed.kind) && drawing.useSturm == 0) {
        Drawing careful = drawing;
        careful.useSturm = 1;
        scene.text = ComposeSceneFile(careful, fileName, choice).text;
    }
    return scene;
}

PreviewScene PreviewScene::Of(const KCanvasPane& canvas, const char* fileName, int kindChoice) {
    return Of(canvas.AsShown(), fileName, KindChoice::Filter(kindChoice));
}
