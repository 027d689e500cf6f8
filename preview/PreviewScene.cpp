#include "preview/PreviewScene.h"

#include "model/EditState.h"
#include "model/KCanvasPane.h"

PreviewScene PreviewScene::Of(const KCanvasPane& canvas, const char* fileName, int kindChoice) {
    PreviewScene scene;
    int kind = Polygon;
    scene.finite = canvas.SceneFileText(fileName, kindChoice, scene.text, kind);
    scene.prism = kind == Prism;
    return scene;
}
