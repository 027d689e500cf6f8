#pragma once

#include <string>

#include "preview/PovrayViews.h"
#include "preview/PreviewScene.h"
#include "toolkit/platform/vProcessEvents.h"

class PreviewDisplay;
class PreviewFolder;
class vProcessRunner;

// Renders a drawing with POV-Ray whenever it changes, in the background: the scene goes into
// the preview's folder, one program run per view, each picture goes to the display as soon as
// POV-Ray has written it, and POV-Ray's messages when both runs have ended. Every change is
// first shown at once as the editor's own quick sketch of both views.
class PreviewRenderer : public vProcessEvents {
public:
    // A change is rendered once the drawing has stayed as it is for this long, so that a drag
    // does not start a render at every step; the sketches follow every step.
    static constexpr long SettleMilliseconds = 150;
    // The canvas's own size: the top view matches it pixel for pixel.
    static constexpr int PictureSize = 300;
    // The sketches are drawn at half size, and shown doubled with hard pixel edges.
    static constexpr int SketchSize = PictureSize / 2;
    // A drag changes the drawing at every step; its sketches, which take some milliseconds
    // each, are drawn at most this often, and the last step's always.
    static constexpr long SketchMilliseconds = 100;

    PreviewRenderer(PreviewDisplay& display, const PreviewFolder& folder,
                    std::string program = "povray");
    PreviewRenderer(const PreviewRenderer&) = delete;
    PreviewRenderer& operator=(const PreviewRenderer&) = delete;
    ~PreviewRenderer() override;

    // The drawing as it is at time now (milliseconds from any fixed start). A changed scene
    // stops the render of the scene before it and is sketched at once (or as soon as the last
    // sketch is old enough); the first scene is rendered at once, a changed one once it has
    // settled. Pictures POV-Ray has finished writing are shown.
    void Update(const PreviewScene& scene, long now);
    void ProcessFinished(int process, const vProcessResult& result) override;

    bool Running() const;

private:
    void Sketch();
    void Start();
    bool StartViews(vProcessRunner& runner);
    void Cancel();
    void ShowWrittenPictures();
    void Finish();
    void Fail(const std::string& message);
    void RefreshBusy();
    // The face-on view looks down on a polygon or prism and at a lathe's or sor's front (kind, a
    // ShapeKind).
    void ShowFaceOnCaption(int kind);
    std::string Name(const char* view, const char* extension) const;
    // The drawing file of the render under way or last finished.
    std::string DrawingName() const;

    PreviewDisplay& _display;
    const PreviewFolder& _folder;
    std::string _program;
    vProcessRunner* _runner = nullptr;
    PreviewScene _latest;
    long _latestSince = 0;
    bool _seen = false;
    PreviewScene _sketched;
    long _sketchedAt = 0;
    PreviewScene _rendered;
    bool _started = false;
    // The latest scene has no render of its own, finished or under way.
    bool _renderNeeded = true;
    bool _waitingForProgram = false;
    bool _busy = false;
    int _captioned = -1;  // 1 when the face-on view is captioned as a front view, 0 a top one
    int _generation = 0;
    int _process[PovrayViews::ViewCount] = {};
    bool _shown[PovrayViews::ViewCount] = {};
    vProcessResult _result[PovrayViews::ViewCount];
};
