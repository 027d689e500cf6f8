#include "toolkit/vCanvasPane.h"

#include "toolkit/platform/vWindowPlatform.h"
#include "toolkit/vCanvasPaneDC.h"
#include "toolkit/vWindow.h"

vCanvasPane::~vCanvasPane() {
    delete _cpDC;
    if (_window && _window->Canvas() == this) {
        _window->SetCanvas(nullptr);
    }
}

void vCanvasPane::InitPane(vWindow* window, vPaneHandle handle) {
    _hScroll = ScrollState();
    _vScroll = ScrollState();
    _window = window;
    if (window) {
        window->SetCanvas(this);
        _width = window->RequestedWidth();
        _height = window->RequestedHeight();
    }
    _handle = handle.window;
    CreateCanvasDC();
    if (window) {
        window->SetRequestedSize(_width, _height);
    }
    SetHScroll(100, 0);
    SetVScroll(100, 0);
    GotFocus();
}

void vCanvasPane::ShowPane(int on) {
    vWindowPlatform::Current().ShowChild(_handle, on != 0);
}

bool vCanvasPane::SetScroll(ScrollState& state, int shown, int position) {
    if (shown < 0 || shown > 100 || position < 0 || position > 100) {
        return false;
    }
    state.shown = shown;
    state.position = position;
    return true;
}

void vCanvasPane::ShowScroll(bool horizontal) const {
    const ScrollState& state = horizontal ? _hScroll : _vScroll;
    vWindowPlatform::Current().SetChildScrollBar(_handle, horizontal, state.visible, state.shown,
                                                 state.position);
}

void vCanvasPane::SetHScroll(int shown, int position) {
    if (SetScroll(_hScroll, shown, position)) {
        ShowScroll(true);
    }
}

void vCanvasPane::SetVScroll(int shown, int position) {
    if (SetScroll(_vScroll, shown, position)) {
        ShowScroll(false);
    }
}

void vCanvasPane::HandleScroll(bool horizontal, vWindowEvents::ScrollCode code, int position) {
    const ScrollState& state = horizontal ? _hScroll : _vScroll;
    int target = state.position;
    switch (code) {
        case vWindowEvents::ScrollLineBack:
        case vWindowEvents::ScrollLineForward: {
            int direction = code == vWindowEvents::ScrollLineBack ? -1 : 1;
            horizontal ? OnHScrollStep(direction) : OnVScrollStep(direction);
            return;
        }
        case vWindowEvents::ScrollPageBack:
            target = state.position > 9 ? state.position - 10 : 0;
            break;
        case vWindowEvents::ScrollPageForward:
            target = state.position <= 90 ? state.position + 10 : 100;
            break;
        case vWindowEvents::ScrollThumbReleased:
            target = position;
            break;
        case vWindowEvents::ScrollToStart:
            target = 0;
            break;
        case vWindowEvents::ScrollToEnd:
            target = 100;
            break;
        default:
            return;
    }
    horizontal ? OnHScroll(state.shown, target) : OnVScroll(state.shown, target);
}

static int StepWithin(int position, int direction) {
    int next = position + direction;
    return next < 0 ? 0 : (next > 100 ? 100 : next);
}

void vCanvasPane::OnHScrollStep(int direction) {
    SetHScroll(_hScroll.shown, StepWithin(_hScroll.position, direction));
}

void vCanvasPane::OnVScrollStep(int direction) {
    SetVScroll(_vScroll.shown, StepWithin(_vScroll.position, direction));
}

int vCanvasPane::GetVScroll(int& shown, int& position) const {
    shown = _vScroll.shown;
    position = _vScroll.position;
    return _vScroll.visible;
}

int vCanvasPane::GetHScroll(int& shown, int& position) const {
    shown = _hScroll.shown;
    position = _hScroll.position;
    return _hScroll.visible;
}

void vCanvasPane::ShowHScroll(int on) {
    _hScroll.visible = on != 0;
    ShowScroll(true);
}

void vCanvasPane::ShowVScroll(int on) {
    _vScroll.visible = on != 0;
    ShowScroll(false);
}

void vCanvasPane::OnMouseDown(int, int, int) {}
void vCanvasPane::OnMouseUp(int, int, int) {}
void vCanvasPane::OnMouseMove(int, int, int) {}
void vCanvasPane::OnMouseMotion(int, int) {}
void vCanvasPane::OnRedraw(int, int, int, int) {}
void vCanvasPane::OnResize(int, int) {}

void vCanvasPane::SizeChanged(int width, int height) {
    _width = width;
    _height = height;
    if (_window) {
        _window->SetRequestedSize(width, height);
    }
    OnResize(width, height);
}

void vCanvasPane::RepaintArea(int x, int y, int width, int height) {
    if (!_cpDC) {
        return;
    }
    _cpDC->BeginPaintCycle();
    if (width > 0 && height > 0) {
        EraseRect(x, y, width, height);
        OnRedraw(x, y, width, height);
    } else {
        OnRedraw(0, 0, 0, 0);
    }
    _cpDC->EndPaintCycle();
}

void vCanvasPane::EraseRect(int x, int y, int width, int height) {
    if (_cpDC) {
        _cpDC->EraseRect(x, y, width, height);
    }
}

void vCanvasPane::BlitFrom(vDC* source, int destX, int destY, int srcX, int srcY, int width,
                           int height) {
    if (_cpDC) {
        _cpDC->BlitFrom(source, destX, destY, srcX, srcY, width, height);
    }
}

void vCanvasPane::PaintStyledText(int x, int y, const char* text, int attributes) {
    if (_cpDC) {
        _cpDC->PaintStyledText(x, y, text, attributes);
    }
}

void vCanvasPane::PaintText(int x, int y, const char* text) {
    if (_cpDC) {
        _cpDC->PaintText(x, y, text);
    }
}

void vCanvasPane::PaintEllipse(int x, int y, int width, int height) {
    if (_cpDC) {
        _cpDC->PaintEllipse(x, y, width, height);
    }
}

void vCanvasPane::PaintIcon(int x, int y, const vIcon& icon) {
    if (_cpDC) {
        _cpDC->PaintIcon(x, y, icon);
    }
}

void vCanvasPane::PaintLine(int x, int y, int x2, int y2) {
    if (_cpDC) {
        _cpDC->PaintLine(x, y, x2, y2);
    }
}

void vCanvasPane::PaintSegments(const vLine* segments, int count) {
    if (_cpDC) {
        _cpDC->PaintSegments(segments, count);
    }
}

void vCanvasPane::PaintPolyline(const vPoint* points, int count) {
    if (_cpDC) {
        _cpDC->PaintPolyline(points, count);
    }
}

void vCanvasPane::PaintPixelRow(int x, int y, int count, const uint32_t* colours) {
    if (_cpDC) {
        _cpDC->PaintPixelRow(x, y, count, colours);
    }
}

void vCanvasPane::PaintPoint(int x, int y) {
    if (_cpDC) {
        _cpDC->PaintPoint(x, y);
    }
}

void vCanvasPane::PaintPoints(const vPoint* points, int count) {
    if (_cpDC) {
        _cpDC->PaintPoints(points, count);
    }
}

void vCanvasPane::PaintPolygon(int count, const vPoint* points, int fillRule) {
    if (_cpDC) {
        _cpDC->PaintPolygon(count, points, fillRule);
    }
}

void vCanvasPane::PaintRectangle(int x, int y, int width, int height) {
    if (_cpDC) {
        _cpDC->PaintRectangle(x, y, width, height);
    }
}

void vCanvasPane::PaintRectangles(const vRect* rectangles, int count) {
    if (_cpDC) {
        _cpDC->PaintRectangles(rectangles, count);
    }
}

void vCanvasPane::PaintRoundedRect(int x, int y, int width, int height, int radius) {
    if (_cpDC) {
        _cpDC->PaintRoundedRect(x, y, width, height, radius);
    }
}

void vCanvasPane::XorLine(int x, int y, int x2, int y2) {
    if (_cpDC) {
        _cpDC->XorLine(x, y, x2, y2);
    }
}

void vCanvasPane::XorEllipse(int x, int y, int width, int height) {
    if (_cpDC) {
        _cpDC->XorEllipse(x, y, width, height);
    }
}

void vCanvasPane::XorRectangle(int x, int y, int width, int height) {
    if (_cpDC) {
        _cpDC->XorRectangle(x, y, width, height);
    }
}

vBrush vCanvasPane::CurrentBrush() const {
    return _cpDC ? _cpDC->CurrentBrush() : vBrush();
}

void vCanvasPane::UseBrush(const vBrush& brush) {
    if (_cpDC) {
        _cpDC->UseBrush(brush);
    }
}

vFont vCanvasPane::CurrentFont() const {
    return _cpDC ? _cpDC->CurrentFont() : vFont();
}

void vCanvasPane::UseFont(const vFont& font) {
    if (_cpDC) {
        _cpDC->UseFont(font);
    }
    OnFontChanged(font);
}

int vCanvasPane::TextWidth(const char* text) {
    return _cpDC ? _cpDC->TextWidth(text) : 0;
}

int vCanvasPane::TextHeight(int& ascent, int& descent) {
    if (_cpDC) {
        return _cpDC->TextHeight(ascent, descent);
    }
    ascent = descent = 0;
    return 0;
}

void vCanvasPane::SetDrawScale(int multiplier, int divisor) {
    if (_cpDC) {
        _cpDC->SetDrawScale(multiplier, divisor);
    }
}

void vCanvasPane::GetDrawScale(int& multiplier, int& divisor) const {
    multiplier = divisor = 1;
    if (_cpDC) {
        _cpDC->GetDrawScale(multiplier, divisor);
    }
}

void vCanvasPane::SetBackground(const vColor& colour) {
    if (_cpDC) {
        _cpDC->SetBackground(colour);
    }
}

void vCanvasPane::UsePen(const vPen& pen) {
    if (_cpDC) {
        _cpDC->UsePen(pen);
    }
}

void vCanvasPane::GotFocus() {
    if (!_hasFocus) {
        _hasFocus = true;
        OnFocusGained();
    }
}

void vCanvasPane::LostFocus() {
    if (_hasFocus) {
        _hasFocus = false;
        OnFocusLost();
    }
}

// The context draws into the window's surface; a pane without a window draws only through a
// context handed to it with AdoptDC.
void vCanvasPane::CreateCanvasDC() {
    if (!_cpDC && _window) {
        _cpDC = new vCanvasPaneDC(this, &_window->Surface(), _handle);
    }
}

void vCanvasPane::AdoptDC(vDC* context) {
    if (context != _cpDC) {
        delete _cpDC;
        _cpDC = context;
    }
}
