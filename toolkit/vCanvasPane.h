#pragma once

#include "toolkit/platform/vWindowEvents.h"
#include "toolkit/vDC.h"
#include "toolkit/vHandles.h"
#include "toolkit/vPane.h"

class vWindow;

// The pane that fills a window's client area: it turns the window's events into hooks and
// forwards every drawing call to its drawing context.
class vCanvasPane : public vPane {
public:
    explicit vCanvasPane(int kind = PaneCanvas) : vPane(kind) {}
    ~vCanvasPane() override;

    void InitPane(vWindow* window, vPaneHandle handle) override;
    void ShowPane(int on) override;

    virtual void OnHScroll(int shown, int position) { SetHScroll(shown, position); }
    virtual void OnVScroll(int shown, int position) { SetVScroll(shown, position); }
    virtual void OnHScrollStep(int direction);
    virtual void OnVScrollStep(int direction);
    virtual void SetHScroll(int shown, int position);
    virtual void SetVScroll(int shown, int position);
    virtual int GetVScroll(int& shown, int& position) const;
    virtual int GetHScroll(int& shown, int& position) const;
    virtual void ShowHScroll(int on);
    virtual void ShowVScroll(int on);
    virtual void OnFontChanged(const vFont& font) { (void)font; }
    virtual void OnMouseDown(int x, int y, int button);
    virtual void OnMouseUp(int x, int y, int button);
    virtual void OnMouseMove(int x, int y, int button);
    virtual void OnMouseMotion(int x, int y);
    virtual void OnFocusGained() {}
    virtual void OnFocusLost() {}
    virtual void OnRedraw(int x, int y, int width, int height);
    virtual void OnResize(int width, int height);
    virtual int CanvasWidth() const { return _width; }
    virtual int CanvasHeight() const { return _height; }
    virtual void EraseRect(int x, int y, int width, int height);
    virtual void BlitFrom(vDC* source, int destX, int destY, int srcX, int srcY, int width,
                          int height);
    virtual void PaintStyledText(int x, int y, const char* text, int attributes);
    virtual void PaintText(int x, int y, const char* text);
    virtual void PaintEllipse(int x, int y, int width, int height);
    virtual void PaintIcon(int x, int y, const vIcon& icon);
    virtual void PaintLine(int x, int y, int x2, int y2);
    virtual void PaintSegments(const vLine* segments, int count);
    virtual void PaintPolyline(const vPoint* points, int count);
    virtual void PaintPixelRow(int x, int y, int count, const uint32_t* colours);
    virtual void PaintPoint(int x, int y);
    virtual void PaintPoints(const vPoint* points, int count);
    virtual void PaintPolygon(int count, const vPoint* points, int fillRule);
    virtual void PaintRectangle(int x, int y, int width, int height);
    virtual void PaintRectangles(const vRect* rectangles, int count);
    virtual void PaintRoundedRect(int x, int y, int width, int height, int radius);
    virtual void XorLine(int x, int y, int x2, int y2);
    virtual void XorEllipse(int x, int y, int width, int height);
    virtual void XorRectangle(int x, int y, int width, int height);
    virtual vBrush CurrentBrush() const;
    virtual void UseBrush(const vBrush& brush);
    virtual vFont CurrentFont() const;
    virtual void UseFont(const vFont& font);
    virtual int TextWidth(const char* text);
    virtual int TextHeight(int& ascent, int& descent);
    virtual void SetDrawScale(int multiplier, int divisor);
    virtual void GetDrawScale(int& multiplier, int& divisor) const;
    virtual void SetBackground(const vColor& colour);
    virtual void UsePen(const vPen& pen);
    virtual void GotFocus();
    virtual void LostFocus();
    virtual void CreateCanvasDC();
    // Beside the hooks above: the mouse wheel (delta 120 a notch, positive away from the user
    // or to the right; modifiers 1 Shift, 4 Ctrl). The base does nothing.
    virtual void OnMouseWheel(int x, int y, int delta, bool sideways, int modifiers) {
        (void)x, (void)y, (void)delta, (void)sideways, (void)modifiers;
    }

    // The keys held while the mouse report being handled was made (1 Shift, 4 Ctrl, as for
    // keys); the window sets them before each mouse hook.
    int MouseModifiers() const { return _mouseModifiers; }
    void SetMouseModifiers(int modifiers) { _mouseModifiers = modifiers; }

    // Hands the pane a drawing context of the caller's making (a memory surface, a recorder);
    // the pane owns it from then on and deletes any context it had.
    void AdoptDC(vDC* context);
    vDC* CanvasDC() const { return _cpDC; }
    vWindow* Window() const { return _window; }
    vWindowHandle Handle() const { return _handle; }
    bool HasFocus() const { return _hasFocus; }

    // Called by the window when its client area changes size.
    void SizeChanged(int width, int height);
    // The paint path: erases the area and asks for it to be drawn anew (an empty area asks for
    // OnRedraw (0, 0, 0, 0)).
    void RepaintArea(int x, int y, int width, int height);
    // A scroll bar's action, turned into the scroll hooks.
    void HandleScroll(bool horizontal, vWindowEvents::ScrollCode code, int position);

protected:
    vDC* _cpDC = nullptr;

private:
    struct ScrollState {
        int shown = 100;
        int position = 0;
        bool visible = false;
    };
    static bool SetScroll(ScrollState& state, int shown, int position);
    void ShowScroll(bool horizontal) const;

    vWindow* _window = nullptr;
    vWindowHandle _handle = nullptr;
    int _height = 0;
    int _width = 0;
    bool _hasFocus = false;
    int _mouseModifiers = 0;
    ScrollState _hScroll;
    ScrollState _vScroll;
};
