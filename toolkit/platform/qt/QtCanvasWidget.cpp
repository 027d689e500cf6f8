#include "toolkit/platform/qt/QtCanvasWidget.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

struct KeyEntry {
    int qtKey;
    int code;
};

constexpr KeyEntry KeyTable[] = {
    {Qt::Key_Home, 0xFF50},     {Qt::Key_Left, 0xFF51}, {Qt::Key_Up, 0xFF52},
    {Qt::Key_Right, 0xFF53},    {Qt::Key_Down, 0xFF54}, {Qt::Key_PageUp, 0xFF55},
    {Qt::Key_PageDown, 0xFF56}, {Qt::Key_End, 0xFF57},  {Qt::Key_Insert, 0xFF58},
    {Qt::Key_Delete, 0x7F},     {Qt::Key_Escape, 27},   {Qt::Key_Backspace, 8},
    {Qt::Key_Return, 13},       {Qt::Key_Enter, 13},    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
};

constexpr int ScrollBarThickness = 16;
constexpr unsigned int FirstNumberRowCode = 10;

int HeldButtons(Qt::MouseButtons buttons) {
    int held = 0;
    held |= (buttons & Qt::LeftButton) ? vWindowEvents::HeldLeft : 0;
    held |= (buttons & Qt::MiddleButton) ? vWindowEvents::HeldMiddle : 0;
    held |= (buttons & Qt::RightButton) ? vWindowEvents::HeldRight : 0;
    return held;
}

int ButtonNumber(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::MiddleButton:
            return 2;
        case Qt::RightButton:
            return 3;
        default:
            return 0;
    }
}

}  // namespace

QtCanvasWidget::QtCanvasWidget(PixelSurface* surface, vWindowEvents* events, int width, int height)
    : _surface(surface), _events(events), _requested(width, height) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    for (int i = 0; i < 2; ++i) {
        _bars[i] = new QScrollBar(i == 0 ? Qt::Horizontal : Qt::Vertical, this);
        _bars[i]->setRange(0, 100);
        _bars[i]->hide();
        bool horizontal = i == 0;
        connect(_bars[i], &QScrollBar::actionTriggered, this,
                [this, horizontal](int action) { Scrolled(horizontal, action); });
        connect(_bars[i], &QScrollBar::sliderReleased, this,
                [this, horizontal]() { Scrolled(horizontal, QAbstractSlider::SliderNoAction); });
    }
}

// The surface covers the widget less the visible scroll bars, as a client area would.
QRect QtCanvasWidget::SurfaceRect() const {
    int across = width() - (_bars[1]->isVisible() ? ScrollBarThickness : 0);
    int down = height() - (_bars[0]->isVisible() ? ScrollBarThickness : 0);
    return QRect(0, 0, across > 0 ? across : 0, down > 0 ? down : 0);
}

void QtCanvasWidget::SetScrollBar(bool horizontal, bool visible, int shown, int position) {
    QScrollBar* bar = _bars[horizontal ? 0 : 1];
    bool changed = bar->isVisible() != visible;
    bar->setPageStep(shown);
    bar->setValue(position);
    bar->setVisible(visible);
    if (changed) {
        QResizeEvent resized(size(), size());
        resizeEvent(&resized);
    }
}

void QtCanvasWidget::Scrolled(bool horizontal, int action) {
    if (!_events) {
        return;
    }
    QScrollBar* bar = _bars[horizontal ? 0 : 1];
    vWindowEvents::ScrollCode code = vWindowEvents::ScrollOther;
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            code = vWindowEvents::ScrollLineBack;
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            code = vWindowEvents::ScrollLineForward;
            break;
        case QAbstractSlider::SliderPageStepSub:
            code = vWindowEvents::ScrollPageBack;
            break;
        case QAbstractSlider::SliderPageStepAdd:
            code = vWindowEvents::ScrollPageForward;
            break;
        case QAbstractSlider::SliderToMinimum:
            code = vWindowEvents::ScrollToStart;
            break;
        case QAbstractSlider::SliderToMaximum:
            code = vWindowEvents::ScrollToEnd;
            break;
        case QAbstractSlider::SliderNoAction:
            code = vWindowEvents::ScrollThumbReleased;
            break;
        default:
            return;
    }
    _events->ChildScroll(horizontal, code, bar->sliderPosition());
}

bool QtCanvasWidget::event(QEvent* event) {
    // Tab belongs to the canvas, not to focus chaining.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

// Each pixel is written once: the surface where it reaches, white where it does not (the corner
// between the scroll bars, or a surface not yet made to the widget's new size).
void QtCanvasWidget::paintEvent(QPaintEvent* event) {
    if (_events) {
        _events->ChildExposed();
    }
    QPainter painter(this);
    QRect shown;
    if (_surface && _surface->Width() > 0 && _surface->Height() > 0) {
        QImage image(reinterpret_cast<const uchar*>(_surface->Data()), _surface->Width(),
                     _surface->Height(), _surface->Width() * 4, QImage::Format_RGB32);
        shown = SurfaceRect() & image.rect();
        const QRect asked = event->rect() & shown;
        painter.drawImage(asked.topLeft(), image, asked);
    }
    for (const QRect& part : event->region() - shown) {
        painter.fillRect(part, Qt::white);
    }
}

void QtCanvasWidget::resizeEvent(QResizeEvent*) {
    QRect area = SurfaceRect();
    _bars[0]->setGeometry(0, area.height(), area.width(), ScrollBarThickness);
    _bars[1]->setGeometry(area.width(), 0, ScrollBarThickness, area.height());
    if (_events &&
        (!_surface || _surface->Width() != area.width() || _surface->Height() != area.height())) {
        _events->ChildResized(area.width(), area.height());
    }
}

void QtCanvasWidget::Mouse(vWindowEvents::MouseAction action, QMouseEvent* event) {
    _focusedByLeftPress = false;
    if (!_events) {
        return;
    }
    QPoint at = event->position().toPoint();
    int button = action == vWindowEvents::MouseMove ? 0 : ButtonNumber(event->button());
    if (action != vWindowEvents::MouseMove && button == 0) {
        return;
    }
    int held = HeldButtons(event->buttons());
    held |= (event->modifiers() & Qt::ShiftModifier) ? vWindowEvents::HeldShift : 0;
    held |= (event->modifiers() & Qt::ControlModifier) ? vWindowEvents::HeldControl : 0;
    _events->ChildMouse(action, button, at.x(), at.y(), held);
}

void QtCanvasWidget::mousePressEvent(QMouseEvent* event) {
    Mouse(vWindowEvents::MousePress, event);
}

void QtCanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    Mouse(vWindowEvents::MouseRelease, event);
}

void QtCanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    Mouse(vWindowEvents::MouseMove, event);
}

int QtCanvasWidget::ToolkitModifiers(Qt::KeyboardModifiers modifiers) {
    return ((modifiers & Qt::ShiftModifier) ? 1 : 0) | ((modifiers & Qt::ControlModifier) ? 4 : 0);
}

int QtCanvasWidget::ToolkitKey(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text,
                               unsigned int scanCode) {
    for (const KeyEntry& entry : KeyTable) {
        if (entry.qtKey == qtKey) {
            return entry.code;
        }
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F16) {
        return 0xFFC1 + (qtKey - Qt::Key_F1);
    }
    // Control with a letter gives the control character, as a character message would.
    if ((modifiers & Qt::ControlModifier) && qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return qtKey - Qt::Key_A + 1;
    }
    if (modifiers & Qt::ControlModifier) {
        if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || qtKey == Qt::Key_Equal ||
            qtKey == Qt::Key_Plus || qtKey == Qt::Key_Minus) {
            return qtKey;
        }
        // X key codes 10 to 19 are the number row, 1 to 9 and 0, on every layout.
        if (scanCode >= FirstNumberRowCode && scanCode <= FirstNumberRowCode + 9) {
            return scanCode == FirstNumberRowCode + 9
                       ? '0'
                       : static_cast<int>('1' + scanCode - FirstNumberRowCode);
        }
    }
    if (text.isEmpty()) {
        return -1;
    }
    QByteArray local = text.left(1).toLatin1();
    int code = static_cast<unsigned char>(local.isEmpty() ? 0 : local[0]);
    return code > 0 ? code : -1;
}

void QtCanvasWidget::keyPressEvent(QKeyEvent* event) {
    int key = ToolkitKey(event->key(), event->modifiers(), event->text(), event->nativeScanCode());
    if (!_events || key < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    _events->ChildKey(key, ToolkitModifiers(event->modifiers()));
}

void QtCanvasWidget::wheelEvent(QWheelEvent* event) {
    if (!_events) {
        QWidget::wheelEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    const QPoint delta = event->angleDelta();
    const int modifiers = ToolkitModifiers(event->modifiers());
    if (delta.y() != 0) {
        _events->ChildWheel(at.x(), at.y(), delta.y(), false, modifiers);
    }
    if (delta.x() != 0) {
        _events->ChildWheel(at.x(), at.y(), delta.x(), true, modifiers);
    }
    event->accept();
}

void QtCanvasWidget::focusInEvent(QFocusEvent* event) {
    _focusedByLeftPress = event->reason() == Qt::MouseFocusReason &&
                          (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0;
    if (_events) {
        _events->ChildFocus(true);
    }
}

void QtCanvasWidget::focusOutEvent(QFocusEvent*) {
    _focusedByLeftPress = false;
    if (_events) {
        _events->ChildFocus(false);
    }
}

// Files dropped here belong to this window; anything else is left to the frame.
void QtCanvasWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (_events && event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void QtCanvasWidget::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile() && _events) {
            _events->ChildFileDropped(url.toLocalFile().toLocal8Bit().constData());
        }
    }
}
