#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/Affine2.h"
#include "model/CanvasBackdrop.h"
#include "model/CanvasOptions.h"
#include "model/CanvasView.h"
#include "model/CurveFlattening.h"
#include "model/Drawing.h"
#include "model/EditState.h"
#include "model/GuideLines.h"
#include "model/KStatusSink.h"
#include "model/ModelUnits.h"
#include "model/Point2.h"
#include "model/PrismValues.h"
#include "model/Selection.h"
#include "model/SelectionEditing.h"
#include "toolkit/vCanvasPane.h"

struct RuleBreak;
struct SceneReadDetails;
struct WrittenPointList;

// The drawing canvas and the drawing it holds, whose parts it names as fields: points grouped
// into sets, two control arrays, prism values and remarks. Its member functions live in the folder
// of their concern: model/ (model, transforms, shapes, mouse editing), render/ (drawing) and
// scenefile/ (files).
class KCanvasPane : public vCanvasPane {
public:
    explicit KCanvasPane(KStatusSink* owner);
    KCanvasPane(const KCanvasPane&) = delete;
    KCanvasPane& operator=(const KCanvasPane&) = delete;
    ~KCanvasPane() override = default;

    // The drawing the canvas shows, its kind aside: the program-wide kind is the window's.
    Drawing& Model() { return drawing; }
    const Drawing& Model() const { return drawing; }
    // A copy of the drawing with the program-wide kind it is shown in: what the window writes,
    // copies and previews.
    Drawing AsShown() const;
    // Puts a whole drawing in place of the canvas's.
    void SetModel(const Drawing& replacement);

    void OnMouseDown(int x, int y, int button) override;
    void OnMouseUp(int x, int y, int button) override;
    void OnMouseMove(int x, int y, int button) override;
    void OnMouseMotion(int x, int y) override;
    void OnRedraw(int x, int y, int width, int height) override;
    void OnResize(int width, int height) override;
    // Beside the mouse hooks: with Ctrl the wheel zooms about the cursor; otherwise, while the
    // view is zoomed, it scrolls the view (horizontally with Shift or a sideways wheel).
    void OnMouseWheel(int x, int y, int delta, bool sideways, int modifiers) override;

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
    // What the canvas shows under its grid (null: nothing); the caller keeps it alive.
    void SetBackdrop(CanvasBackdrop* backdrop) { _backdrop = backdrop; }
    // One entry shown with a marker of its own, such as a table's selected row (-1: none).
    void MarkEntry(int index) { _markedEntry = index; }
    int MarkedEntry() const { return _markedEntry; }

    // Model.
    void SetRemarks(const char* text1, const char* text2, const char* text3);
    void SetPrismValues(double start, double end, int spline, int sweep, int sturm, int open);
    // Hands the values over: everything, the canvas's own curve construction too, shows them.
    void SetPrismValues(const PrismValues& values);
    // The values become the drawing's at once, but the canvas's own curve construction of a
    // polygon or prism, and CONTROL Set with it, keep the spline type last handed over until
    // the next SetPrismValues.
    void AcceptPrismValues(const PrismValues& values);
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
    bool HasOpenSet() const { return drawing.HasOpenSet(); }
    // The spline the canvas's curves are made with: a surface of revolution has none of its
    // own, whatever the prism values hold; a polygon's or prism's construction keeps to the
    // spline handed over, while POV-Ray's curves and the turned kinds show the drawing's own.
    int CurveSpline() const {
        if (shapeKind == Sor) {
            return LinearSpline;
        }
        const bool ownConstruction = !IsTurnedKind(shapeKind) && !options.exactCurves;
        return ownConstruction && _handedSpline ? *_handedSpline : splineType;
    }

    // Coordinates: pixels, model units and file units, through the view. In the default view
    // these are the canvas's own mapping to the bit; in any other, or keeping proportions on a
    // canvas that is not square, a pixel stands for the model point at its centre, so that a
    // point placed there is drawn on that pixel.
    double ModelX(int px) const {
        return OwnMapping() ? (px - originX) / scaleX : (px + 0.5 - ViewOriginX()) / ViewScaleX();
    }
    double ModelY(int py) const {
        return OwnMapping() ? (py - originY) / scaleY : (py + 0.5 - ViewOriginY()) / ViewScaleY();
    }
    int PixelX(double mx) const {
        return TruncatePixel(OwnMapping() ? mx * scaleX + originX
                                          : mx * ViewScaleX() + ViewOriginX());
    }
    int PixelY(double my) const {
        return TruncatePixel(OwnMapping() ? my * scaleY + originY
                                          : my * ViewScaleY() + ViewOriginY());
    }
    // Pixels per model unit at zoom 1: the canvas's own on each axis, or, keeping proportions,
    // the smaller of the two on both, so that the -150 .. 150 square fits the canvas centred.
    double BaseScaleX() const {
        return options.keepProportions ? std::min(scaleX, scaleY) : scaleX;
    }
    double BaseScaleY() const {
        return options.keepProportions ? std::min(scaleX, scaleY) : scaleY;
    }
    // The canvas's own mapping, with its cuts toward zero: the default view at the canvas's
    // own scales (keeping proportions on a square canvas changes nothing).
    bool OwnMapping() const {
        return view.IsIdentity() && BaseScaleX() == scaleX && BaseScaleY() == scaleY;
    }
    // Pixels per model unit, and the pixel position of the model origin, through the view.
    double ViewScaleX() const { return BaseScaleX() * view.zoom; }
    double ViewScaleY() const { return BaseScaleY() * view.zoom; }
    double ViewOriginX() const { return originX - view.centre.x * ViewScaleX(); }
    double ViewOriginY() const { return originY - view.centre.y * ViewScaleY(); }
    // From file units to (unrounded) canvas pixels through the view.
    Affine2 FileToPixels() const;
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
    // The whole drawing mirrored left to right, or top to bottom, about a model point; nothing
    // changes when a result would not be finite.
    void MirrorAll(bool leftRight, const Point2& about);
    void CentreAll();

    // The view: zoom and pan. Every change repaints and tells the window the zoom.
    const CanvasView& View() const { return view; }
    void SetView(const CanvasView& wanted);
    // The model point under the pixel stays under it.
    void ZoomAbout(int px, int py, double zoom);
    // One step of the zoom ladder about the canvas centre.
    void ZoomStep(bool in);
    // The drawing moves by so many pixels on the canvas.
    void PanByPixels(double dx, double dy);
    // Every point in view with a margin; the default view for an empty drawing.
    void FitWholeDrawing();

    // Program options (snap, grid spacing, POV-Ray curves, proportions), the same in every
    // window.
    const CanvasOptions& Options() const { return options; }
    void SetOptions(const CanvasOptions& wanted);
    // The nearest grid intersection to a model point (the grid at the options' spacing), and
    // to x = 0 when the point lies within the snap distance of the y axis on the canvas; on each
    // axis a guide within the snap distance takes the place of the grid when it is nearer.
    Point2 SnapToGrid(Point2 model) const;
    // Which points of the drawing a position may snap to, by index; none when empty.
    using PointTargets = std::function<bool(int)>;
    // The same, and a point of the drawing that `targets` takes, within the snap distance, wins
    // over the grid and the guides when it is nearer.
    Point2 SnapToPoint(Point2 model, const PointTargets& targets) const;

    // The guides drawn across the canvas, which snapping takes; they belong to the window.
    const GuideLines& Guides() const { return guides; }
    void SetGuides(const GuideLines& wanted);

    // Shapes.
    void GenerateShape(int pointsWanted, double size, int rotate, double function, int style);

    // Mouse editing.
    void InsertPointAt(int nearest, int set, int x, int y);
    // Puts the point between entries index - 1 and index of the set (both inside it), giving
    // the two segments that meet at it fresh handles; the caller checks there is room.
    void InsertEntryAt(int set, int index, const Point2& added);
    // The short text of the rule that a lathe's or surface of revolution's point under the
    // pixel breaks, or null (model/profile_hover.cpp).
    const char* BrokenRuleAt(int x, int y) const;
    int PickControlHandle(int x, int y);

    // Select mode (model/select_editing.cpp). The selection is the window's: choosing changes
    // nothing in the drawing. Every change below repaints.
    const Selection& Selected() const { return selection; }
    void SelectAll();
    void ClearSelection();
    // The chosen items, those beyond the drawing's entries left out.
    void SetSelection(const Selection& chosen);
    // Moves the selection by steps: a grid step each with snap on, else a pixel's worth of
    // model units. False when nothing moved.
    bool NudgeSelection(int stepsX, int stepsY);
    // Removes the selected points; a set left too small goes whole, as the result's note says.
    DeletedPoints DeleteSelection();
    // True when a selected point's type or handles changed.
    bool SetSelectedNodeType(NodeType type);
    // Whether Select mode shows and edits the handles: a bezier prism's or lathe's.
    bool HandlesInSelect() const;

    // Rendering.
    void DrawSetCurve(int set, int curveOnly);
    void DrawAllCurves();
    void DrawCurveSegment(Point2 p0, Point2 p3, Point2 p1, Point2 p2);

    // Scene files.
    // False when the file could not be written; `reason`, when given, then says why the writer
    // refused the drawing (empty when the system refused the file). The kind written, on a
    // failure too, is the model's kind afterwards; the program-wide kind is the caller's.
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
    // Replaces the model with what the reader leaves, success or failure, its kind included; the
    // caller makes that the program-wide kind and draws the outline.
    int ReadSceneFile(const char* fileName);
    // The same, telling what the reading found beside its result.
    int ReadSceneFile(const char* fileName, SceneReadDetails& details);
    void FillDefaultHandles();

private:
    // Declared before the names of its parts below, which are bound to it.
    Drawing drawing;

public:
    int& pointCount;
    int& setCount;
    double originX;
    double originY;
    Point2* const points;
    Point2* const control1;
    Point2* const control2;
    int* const setEnds;
    char* const remark1;
    char* const remark2;
    char* const remark3;
    int pickIndex;
    int pickAux;
    int pickSet;
    int controlState;
    int controlWrap;
    double anchorX;
    double anchorY;
    double scaleX;
    double scaleY;
    double& prismStart;
    double& prismEnd;
    int& splineType;
    int& sweepType;
    int& useSturm;
    int& isOpen;
    int changed;
    int buttonHeld;
    int bandFromX;
    int bandFromY;
    int bandToX;
    int bandToY;
    KStatusSink* ownerWindow;

private:
    CanvasView view;
    CanvasOptions options;
    GuideLines guides;
    // The last pixel of a middle-button drag of the view; x < 0 when none is under way.
    int panFromX = -1;
    int panFromY = 0;

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

    // The grid of a zoomed or moved view, or with snap on (render/grid_rendering.cpp): lines
    // at the snap spacing, lighter than the canvas's own lines, which keep their model
    // positions, with the origin's label.
    void DrawViewGrid();

    // POV-Ray's own curves (render/exact_curves.cpp): shown in place of straight lines and of
    // the canvas's own curve construction when the option is on and the spline has curves.
    bool ExactCurvesShown() const;
    // The curves of the finished sets (of one set unless onlySet is 0) in canvas pixels;
    // curved[k] is 1 for each set k that got one.
    void FlattenExactCurves(int onlySet, Polylines& lines, std::vector<char>& curved) const;
    // How every POV-Ray curve reaches the canvas: from file units through the view, to within a
    // quarter pixel, clipped to the canvas.
    FlattenOptions ExactFlattening() const;
    void PaintPolylines(const Polylines& lines);

    // Rendering (render/canvas_rendering.cpp): the outline picture without the grid. The sets
    // that `curved` marks are drawn without their lines.
    void DrawOutline(bool withMarks, const std::vector<char>* curved = nullptr);
    void DrawEntryMark();
    // One finished set for the curve drawings: its points from the first to the closing repeat
    // (m + 1 of them), its entries of the two control arrays, and whether its markers and
    // handle lines are drawn.
    struct SetCurve {
        const Point2* points;
        const Point2* control1;
        const Point2* control2;
        int m;
        bool withMarks;
        bool plotCurve;  // false: markers and handle lines only, the curve drawn apart
    };
    void PlotSegment(const SetCurve& curve, Point2 p0, Point2 p3, Point2 p1, Point2 p2);
    // Lathes and surfaces of revolution (render/profile_rendering.cpp): the axis, every profile
    // mirrored across it, POV-Ray's curves of the profiles with the points that shape them, and
    // the points that break a rule, in place of every other picture.
    void DrawTurnedPicture(bool withMarks);
    void DrawProfileHandles(const WrittenPointList& list);
    void DrawProfileMarkers();
    void DrawBrokenRules(const WrittenPointList& list, const std::vector<RuleBreak>& breaks);
    void DrawQuadraticSet(const SetCurve& curve);
    void DrawCubicSet(const SetCurve& curve);
    void DrawBezierSet(const SetCurve& curve);

    // The view's and the options' share of the gestures (model/view_gestures.cpp): in the
    // default view with snap off every gesture keeps the canvas's own arithmetic; in any other
    // view or with snap on, presses pick within a few pixels and positions are exact or
    // snapped.
    bool OwnArithmetic() const { return OwnMapping() && !options.snapToGrid; }
    // How far from a point or handle, on the canvas, a press in a zoomed or moved view still
    // picks it, and how close to the y axis a snapped point lands on it.
    static constexpr double PickPixels = 8;
    // The point a press picks: the nearest one within 1000 model units in the default view,
    // within PickPixels on the canvas in any other.
    int PickPoint(int x, int y) const;
    // Distance on the canvas from the pixel to a model point.
    double PixelDistance(int x, int y, const Point2& model) const;
    // The model position a gesture places at the pixel: snapped when snapping, else cut toward
    // zero when `truncates` in the default view, else exact.
    Point2 PlacedAt(int x, int y, bool truncates, const PointTargets& targets = nullptr) const;
    // A model position worked out by a gesture, as it is placed: snapped (to the points that
    // `targets` takes too), or cut toward zero in the default view.
    Point2 Placed(Point2 model, const PointTargets& targets = nullptr) const;
    // The points a position placed for entry `entry` may snap to: every point but those that
    // `moving` marks, and but the first point of the entry's own set and its closing repeat,
    // which would end the set where it is read.
    PointTargets OtherPoints(int entry, std::vector<bool> moving = {}) const;
    // The guides across the canvas, over the grid (render/grid_rendering.cpp).
    void DrawGuides();
    // A move of sets or of everything: whole grid steps when snapping, else whole model units
    // in the default view, else exact.
    Point2 MoveStep(Point2 by) const;
    void ShowZoom();
    // The middle button drags the view while it is zoomed. A press of another button, or any
    // release, ends such a drag; DragPan is true when the move was the view's.
    void StartPan(int x, int y, int button);
    bool DragPan(int x, int y, int button);

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

    // Select mode's share of the hooks and the picture (render/selection_rendering.cpp).
    void PressSelect(int x, int y);
    void DragSelect(int x, int y);
    void ReleaseSelect(int x, int y);
    // Model units to canvas pixels through the view, a pixel's centre at its half.
    Affine2 ModelToPixels() const;
    // After the picture of the outline: the handles as lines from their nodes, the selection
    // and the rubber band.
    void DrawSelectOverlay();
    void DrawSelectHandles();
    void DrawSelectedItems();
    // What a left drag in Select mode does: nothing, moves the selection, draws a band or
    // moves a guide.
    enum class SelectDrag { None, Move, Band, Guide };
    // The guide within the snap distance of the pixel, horizontal ones first; false when none.
    bool GuideNear(int x, int y, bool& horizontal, int& index) const;
    void DragGuide(int x, int y, bool released);
    // The move of a Select drag for a cursor gone `cursor` from the press: along the nearest
    // multiple of 15 degrees with Ctrl, snapped with snap on.
    Point2 SelectMoveFor(const Point2& cursor) const;
    // The points a grab of the item may snap to: none of those that move with it.
    PointTargets MovingTargets(const SelectedItem& grabbed) const;
    struct SelectGesture {
        SelectDrag drag = SelectDrag::None;
        // Move: the grabbed item's value at the press, the press position and how far the
        // selection has gone so far (model units).
        Point2 grabbed{0, 0};
        Point2 pressed{0, 0};
        Point2 moved{0, 0};
        // The points that move with it, and its own set's first point, which it never snaps
        // to.
        PointTargets targets;
        // Guide: which one.
        bool horizontalGuide = true;
        int guide = 0;
        // Band: its corners in pixels, and what was chosen before it when it adds.
        int fromX = 0;
        int fromY = 0;
        int toX = 0;
        int toY = 0;
        Selection base;
    };
    Selection selection;
    SelectGesture _select;

    CanvasBackdrop* _backdrop = nullptr;
    int _markedEntry = -1;
    // The spline type last handed over, while values accepted since differ from it.
    std::optional<int> _handedSpline;
};
