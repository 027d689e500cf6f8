#pragma once

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "model/Affine2.h"
#include "model/CurveFlattening.h"
#include "model/EditState.h"
#include "model/KStatusSink.h"
#include "model/ModelUnits.h"
#include "model/Point2.h"
#include "model/PrismValues.h"
#include "toolkit/vCanvasPane.h"

struct RuleBreak;
struct WrittenPointList;

constexpr int MaxPoints = 500;
constexpr int MaxSets = 99;
constexpr int SetEndEntries = MaxSets + 1;
constexpr int RemarkSize = 90;

// The drawing canvas and the drawing model it holds: points grouped into sets, two control
// arrays, prism values and remarks. Its member functions live in the folder of their concern:
// model/ (model, transforms, shapes, mouse editing), render/ (drawing) and scenefile/ (files).
class KCanvasPane : public vCanvasPane {
public:
    explicit KCanvasPane(KStatusSink* owner);
    KCanvasPane(const KCanvasPane&) = delete;
    KCanvasPane& operator=(const KCanvasPane&) = delete;
    ~KCanvasPane() override;

    void OnMouseDown(int x, int y, int button) override;
    void OnMouseUp(int x, int y, int button) override;
    void OnMouseMove(int x, int y, int button) override;
    void OnMouseMotion(int x, int y) override;
    void OnRedraw(int x, int y, int width, int height) override;
    void OnResize(int width, int height) override;

    virtual void ClearCanvas(int keepPoints);
    // ClearCanvas by name: the grid alone on the canvas, the drawing kept or emptied first.
    void ClearToGrid() { ClearCanvas(1); }
    void EmptyDrawing() { ClearCanvas(0); }
    // The pictures of the redraw hook by name: the outline of every set, with or without its
    // markers, or the curve of one set with its markers and handles. Both go through the hook.
    void RedrawOutline(bool withMarks);
    void RedrawSetCurve(int set);
    // The drawing has changes that were not saved.
    bool IsChanged() const { return changed != 0; }
    void SetChanged(bool unsaved) { changed = unsaved ? 1 : 0; }
    // Forgets what the last press picked, as choosing an edit mode does.
    void ResetGesture();

    // Model.
    void SetRemarks(const char* text1, const char* text2, const char* text3);
    void SetPrismValues(double start, double end, int spline, int sweep, int sturm, int open);
    void SetPrismValues(const PrismValues& values) { values.StoreInto(*this); }
    PrismValues GetPrismValues() const { return PrismValues::Of(*this); }
    int FindNearestPoint(int px, int py) const;
    int FindSetOf(int index) const;
    int FindCoincidentPoint(int index) const;
    void RemovePoints(int start, int count);
    void FindSetCentre();
    void InitBezierHandles();
    // The handles of the segment from point to next: a quarter and five eighths of the way.
    static void DefaultHandles(const Point2& point, const Point2& next, Point2& first,
                               Point2& second);
    bool HasOpenSet() const { return setEnds[setCount] != pointCount; }
    // The spline the drawing's curves are made with: a surface of revolution has none of its
    // own, whatever the prism values hold.
    int CurveSpline() const { return shapeKind == Sor ? LinearSpline : splineType; }

    // Coordinates: pixels, model units and file units.
    double ModelX(int px) const { return (px - originX) / scaleX; }
    double ModelY(int py) const { return (py - originY) / scaleY; }
    int PixelX(double mx) const { return TruncatePixel(mx * scaleX + originX); }
    int PixelY(double my) const { return TruncatePixel(my * scaleY + originY); }
    // Truncates toward zero; a drawing scaled far beyond the canvas (or a value that is not a
    // number) lands on a pixel far outside it instead of overflowing the integer.
    // Inline: the curve previews map a few hundred thousand positions per repaint.
    static int TruncatePixel(double value) {
        constexpr double Limit = 1 << 28;
        if (!(value > -Limit)) {
            return std::isnan(value) ? 0 : -static_cast<int>(Limit);
        }
        return value < Limit ? static_cast<int>(value) : static_cast<int>(Limit);
    }
    static double FileX(double mx);
    static double FileY(double my);
    void StatusPosition(int px, int py, double& x, double& y) const;
    void ReportStatus(double x, double y);

    // Transforms.
    static double AngleOf(double a, double b);
    static void RotateAboutOrigin(double& x, double& y, double angle);
    void RotateRange(int start, int end, double degrees, double cx, double cy);
    void ScaleRange(int start, int end, float factor, int aboutAnchor);
    void FlipSetVertical();
    void FlipAllVertical();
    void CentreAll();

    // Shapes.
    void GenerateShape(int pointsWanted, double size, int rotate, double function, int style);

    // Mouse editing.
    void InsertPointAt(int nearest, int set, int x, int y);
    // The short text of the rule that a lathe's or surface of revolution's point under the
    // pixel breaks, or null (model/profile_hover.cpp).
    const char* BrokenRuleAt(int x, int y) const;
    int PickControlHandle(int x, int y);

    // Rendering.
    void DrawSetCurve(int set, int curveOnly);
    void DrawAllCurves();
    void DrawCurveSegment(Point2 p0, Point2 p3, Point2 p1, Point2 p2);

    // Scene files.
    // False when the file could not be written; `reason`, when given, then says why the writer
    // refused the drawing (empty when the system refused the file).
    bool WriteSceneFile(char* fileName, int kindChoice, std::string* reason = nullptr);
    // The kind WriteSceneFile writes under that name: the extension decides, then a choice that
    // is one kind's file filter (SceneKind), then the kind the drawing has.
    static int KindToWrite(const char* fileName, int kindChoice, int currentKind);
    // The name WriteSceneFile would write under, with the extension it would append; "" when it
    // would refuse the name.
    static std::string NameToWrite(const char* fileName, int kindChoice);
    // The text WriteSceneFile would write under that name and the kind it would write, with no
    // change to the drawing, the program-wide kind or the name. False when the writer would
    // refuse it: a number in the text would not be finite, or a lathe's or surface of
    // revolution's profile breaks a rule of the ray tracer. `refusal`, when given, says why.
    bool SceneFileText(const char* fileName, int kindChoice, std::string& text, int& kind,
                       std::string* refusal = nullptr) const;
    int ReadSceneFile(const char* fileName);
    // The same, telling the number of the line where reading stopped (0 before the first). A
    // failure whose notice alone would not tell the user what to do sets `hint`, when given,
    // to a second text; otherwise it becomes nullptr.
    int ReadSceneFile(const char* fileName, int& stopLine, const char** hint = nullptr);
    // Reads the bytes as ReadSceneFile reads a file holding them, the kind that the file's name
    // would imply being the current program-wide kind; the canvas is not repainted.
    int ReadSceneText(const char* bytes, size_t size);
    void FillDefaultHandles();

    int pointCount;
    int setCount;
    double originX;
    double originY;
    Point2* points;
    Point2* control1;
    Point2* control2;
    int* setEnds;
    char* remark1;
    char* remark2;
    char* remark3;
    int pickIndex;
    int pickAux;
    int pickSet;
    int controlState;
    int controlWrap;
    double anchorX;
    double anchorY;
    double scaleX;
    double scaleY;
    double prismStart;
    double prismEnd;
    int splineType;
    int sweepType;
    int useSturm;
    int isOpen;
    int changed;
    int buttonHeld;
    int bandFromX;
    int bandFromY;
    int bandToX;
    int bandToY;
    KStatusSink* ownerWindow;

private:
    // The press state by what it holds in the mode at hand: each field has several uses.
    int& PickedPoint() { return pickIndex; }       // the point a press picked
    int& RangeStart() { return pickIndex; }        // first index of the set being turned
    int& PickedSetNumber() { return pickAux; }     // the set of the picked point
    int& CoincidentPoint() { return pickAux; }     // Move Point: the point lying on it
    int& RangeEnd() { return pickAux; }            // one past the closing point of that set
    int& GrabbedArray() { return pickAux; }        // CONTROL Set: the array of the grabbed item
    int& PivotPoint() { return pickSet; }          // Rotate, Scale, Flip: the point picked
    int& PivotRadius() { return pickSet; }         // Scale All: its distance from the origin
    int& ChosenSet() { return pickSet; }           // CONTROL Set: the chosen set
    int& ClosingPartner() { return controlWrap; }  // CONTROL Set: moves with the first point
    bool SetChosen() const { return controlState != 0; }

    // Rendering (render/canvas_rendering.cpp): the outline picture without the grid.
    void DrawOutline(bool withMarks);
    // One finished set for the curve drawings: its points from the first to the closing repeat
    // (m + 1 of them), its entries of the two control arrays, and whether its markers and
    // handle lines are drawn.
    struct SetCurve {
        const Point2* points;
        const Point2* control1;
        const Point2* control2;
        int m;
        bool withMarks;
    };
    // Lathes and surfaces of revolution (render/profile_rendering.cpp): the axis, every profile
    // mirrored across it, POV-Ray's curves of the profiles with the points that shape them, and
    // the points that break a rule, in place of every other picture.
    void DrawTurnedPicture(bool withMarks);
    Affine2 FileToCanvas() const;
    void PaintProfileLines(const Polylines& lines);
    void DrawProfileHandles(const WrittenPointList& list);
    void DrawProfileMarkers();
    void DrawBrokenRules(const WrittenPointList& list, const std::vector<RuleBreak>& breaks);
    void DrawQuadraticSet(const SetCurve& curve);
    void DrawCubicSet(const SetCurve& curve);
    void DrawBezierSet(const SetCurve& curve);

    // Mouse editing, one group per concern (model/mouse_*.cpp, model/control_set_editing.cpp).
    void ReportStatusAt(int x, int y);
    // A canvas under two pixels wide or high has no model units: a pixel there maps to no
    // number, so the mouse edits nothing.
    bool HasArea() const { return scaleX > 0 && scaleY > 0; }
    void PressInMode(int x, int y);
    void DragInMode(int x, int y);
    void ReleaseInMode(int x, int y);
    void RightRelease(int x, int y);
    void PressAddPoint(int x, int y);
    void DragRubberBand(int x, int y);
    void ReleaseAddPoint(int x, int y);
    bool CloseOpenSet();
    void PressDeletePoint(int x, int y);
    void PressDeleteSet(int x, int y);
    void PressWithAnchor(int x, int y);
    void DragMove(int x, int y);
    void DragRotate(int x, int y);
    void DragScale(int x, int y);
    void DrawGuide(int x, int y, double radius);
    void PressCopy(int x, int y);
    bool CopyPicked(int x, int y);
    void PressFlipSet(int x, int y);
    void PressControlSet(int x, int y);
    void DragControlItem(int x, int y);
    // Moves entries start .. end - 1 of the three arrays; false, changing nothing, when a
    // result would not be finite.
    bool ShiftEntries(int start, int end, double dx, double dy);
};
