#include "toolkit/platform/qt/QtControlHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <cstring>

#include "toolkit/platform/qt/QtDialogWindow.h"
#include "toolkit/platform/qt/QtFrame.h"
#include "toolkit/platform/qt/QtItemPainter.h"
#include "toolkit/platform/qt/QtLook.h"
#include "toolkit/platform/qt/QtOwnedCheck.h"
#include "toolkit/platform/qt/QtOwnerDrawnItem.h"
#include "toolkit/platform/qt/QtPaneWidget.h"
#include "toolkit/platform/qt/QtSubWindow.h"
#include "toolkit/platform/qt/QtTextEntry.h"
#include "toolkit/platform/vControlSink.h"
#include "toolkit/util/DialogUnits.h"
#include "toolkit/util/Utf8Text.h"

namespace {

QString Text(const char* text) {
    return QString::fromLocal8Bit(text != nullptr ? text : "");
}

// Read-only text carries CR LF line ends; Qt wants LF alone.
QString PlainText(const char* text) {
    QString converted = Text(text);
    converted.remove(QLatin1Char('\r'));
    return converted;
}

QRect ItemRect(int x, int y, int cx, int cy) {
    const PixelRect r = DialogRectToPixels(x, y, cx, cy);
    return QRect(r.x, r.y, r.width, r.height);
}

// A drop-down's description leaves room below it for the open list; Qt opens its own.
constexpr int kComboHeight = 14;

}  // namespace

QtControlHost::QtControlHost(const DialogTemplate& description, vControlSink* sink, bool pane)
    : _sink(sink) {
    QtFrame* frame = QtFrame::Instance();
    if (pane) {
        _window = new QtPaneWidget(frame != nullptr ? frame->ClientArea() : nullptr, sink);
    } else {
        auto* dialog = new QtDialogWindow(frame, sink);
        dialog->setModal((description.Style() & DialogModalFrame) != 0);
        dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
        _window = dialog;
    }
    _window->setFont(QtLook::DialogFont());
    // Frames, static text and the window itself share the button face.
    QPalette face = _window->palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    _window->setPalette(face);
    // The dialog-unit widths leave the room of a small box beside the caption, and a little
    // more so that a box placed just inside a frame does not touch its edge.
    _window->setStyleSheet(
        QStringLiteral("QCheckBox, QRadioButton { spacing: 2px; margin-left: 2px; }"));
    const QRect size = ItemRect(0, 0, description.Width(), description.Height());
    _window->setFixedSize(size.width(), size.height());
    _items.assign(description.ItemCount() + 1, nullptr);
    for (int number = 1; number <= description.ItemCount(); ++number) {
        _items[number] = MakeControl(*description.Item(number), number);
    }
    if (!pane) {
        MoveTo(DialogUnitsToPixelsX(description.X()), DialogUnitsToPixelsY(description.Y()));
    }
}

QtControlHost::~QtControlHost() {
    for (QWidget* widget : _items) {
        if (auto* owned = dynamic_cast<QtOwnerDrawnItem*>(widget)) {
            owned->Detach();
        }
        if (widget != nullptr) {
            widget->disconnect();
        }
        if (auto* entry = dynamic_cast<QtTextEntry*>(widget)) {
            entry->focusLost = nullptr;
        }
    }
    if (auto* dialog = dynamic_cast<QtDialogWindow*>(_window.data())) {
        dialog->Detach();
    }
    if (auto* pane = dynamic_cast<QtPaneWidget*>(_window.data())) {
        pane->Detach();
    }
    if (_window) {
        _window->hide();
        _window->deleteLater();
    }
}

void QtControlHost::Notify(int number, int code) {
    if (_sink != nullptr) {
        _sink->OnItemNotify(number, code);
    }
}

QWidget* QtControlHost::MakeControl(const DialogItem& item, int number) {
    QWidget* widget = nullptr;
    const unsigned style = item.style;
    switch (item.itemClass) {
        case ItemStatic:
            widget = MakeStaticText(Qt::AlignLeft | Qt::AlignTop, false);
            break;
        case ItemButton:
            if (style & StyleOwnerDraw) {
                auto* owned = new QtOwnerDrawnItem(_window, _sink, number);
                owned->clicked = [this, number] { Notify(number, NotifyClicked); };
                widget = owned;
            } else if (style & (StyleCheckBox | StyleRadioButton)) {
                QAbstractButton* button =
                    (style & StyleCheckBox)
                        ? static_cast<QAbstractButton*>(new QtOwnedCheck<QCheckBox>(_window))
                        : new QtOwnedCheck<QRadioButton>(_window);
                button->setAutoExclusive(false);
                QObject::connect(button, &QAbstractButton::clicked,
                                 [this, number] { Notify(number, NotifyClicked); });
                widget = button;
            } else {
                auto* button = new QPushButton(_window);
                button->setDefault((style & StyleDefPushButton) != 0);
                button->setAutoDefault(false);
                QObject::connect(button, &QPushButton::clicked,
                                 [this, number] { Notify(number, NotifyClicked); });
                widget = button;
            }
            break;
        case ItemEdit:
            if (style & StyleReadOnly) {
                if (style & StyleMultiLine) {
                    auto* text = new QPlainTextEdit(_window);
                    text->setReadOnly(true);
                    text->setFrameShape((style & StyleBorder) ? QFrame::StyledPanel
                                                              : QFrame::NoFrame);
                    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                    text->setBackgroundVisible(false);
                    text->viewport()->setAutoFillBackground(false);
                    text->document()->setDocumentMargin(0);
                    widget = text;
                } else {
                    // A line edit would show it in an entry's white box: one line of read-only
                    // text is static text on the dialog face that can still be selected.
                    QLabel* line = MakeStaticText(Qt::AlignLeft | Qt::AlignVCenter,
                                                  (style & StyleBorder) != 0);
                    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
                    widget = line;
                }
            } else {
                auto* entry = new QtTextEntry(_window);
                entry->setFrame((style & StyleBorder) != 0);
                if (style & StylePassword) {
                    entry->setEchoMode(QLineEdit::Password);
                }
                QObject::connect(entry, &QLineEdit::textChanged,
                                 [this, number] { Notify(number, NotifyTextChanged); });
                entry->focusLost = [this, number] { Notify(number, NotifyFocusLost); };
                widget = entry;
            }
            break;
        case ItemComboBox: {
            auto* combo = new QComboBox(_window);
            QObject::connect(combo, QOverload<int>::of(&QComboBox::activated),
                             [this, number] { Notify(number, NotifySelectionChanged); });
            widget = combo;
            break;
        }
        case ItemListBox: {
            auto* list = new QListWidget(_window);
            list->setSortingEnabled((style & StyleSorted) != 0);
            QObject::connect(list, &QListWidget::currentRowChanged,
                             [this, number] { Notify(number, NotifySelectionChanged); });
            QObject::connect(list, &QListWidget::itemDoubleClicked,
                             [this, number] { Notify(number, NotifyDoubleClicked); });
            widget = list;
            break;
        }
        case ItemScrollBar: {
            auto* bar = new QScrollBar(Qt::Horizontal, _window);
            QObject::connect(bar, &QScrollBar::valueChanged,
                             [this, number] { Notify(number, NotifyClicked); });
            widget = bar;
            break;
        }
    }
    const int height = item.itemClass == ItemComboBox ? kComboHeight : item.cy;
    widget->setGeometry(ItemRect(item.x, item.y, item.cx, height));
    widget->setFocusPolicy((style & StyleTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
    if (item.itemClass == ItemStatic || (style & StyleOwnerDraw)) {
        widget->setFocusPolicy(Qt::NoFocus);
    }
    widget->setVisible((style & StyleVisible) != 0);
    SetItemText(number, item.text.c_str());
    return widget;
}

QLabel* QtControlHost::MakeStaticText(Qt::Alignment alignment, bool border) {
    auto* label = new QLabel(_window);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setAlignment(alignment);
    label->setFrameStyle(border ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    return label;
}

QWidget* QtControlHost::ItemWidget(int item) const {
    return item > 0 && item < static_cast<int>(_items.size()) ? _items[item] : nullptr;
}

void QtControlHost::SetItemText(int item, const char* text) {
    QWidget* widget = ItemWidget(item);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(PlainText(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(Text(text));
    } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        if (line->text() != Text(text)) {
            line->setText(Text(text));
        }
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        plain->setPlainText(PlainText(text));
    } else if (widget != nullptr) {
        widget->update();
    }
}

int QtControlHost::ReadItemText(int item, char* buffer, int length) {
    if (buffer == nullptr || length <= 0) {
        return 0;
    }
    QByteArray text;
    if (auto* line = qobject_cast<QLineEdit*>(ItemWidget(item))) {
        text = line->text().toLocal8Bit();
    }
    CopyUtf8(buffer, static_cast<size_t>(length), text.constData());
    return static_cast<int>(std::strlen(buffer));
}

void QtControlHost::SetItemChecked(int item, bool on) {
    if (auto* button = qobject_cast<QAbstractButton*>(ItemWidget(item))) {
        button->setCheckable(true);
        button->setChecked(on);
    }
}

void QtControlHost::SetItemEnabled(int item, bool on) {
    if (QWidget* widget = ItemWidget(item)) {
        widget->setEnabled(on);
    }
}

void QtControlHost::SetItemVisible(int item, bool on) {
    if (QWidget* widget = ItemWidget(item)) {
        widget->setVisible(on);
    }
}

void QtControlHost::FocusItem(int item) {
    if (QWidget* widget = ItemWidget(item)) {
        widget->setFocus();
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            button->setDefault(true);
        }
    }
}

void QtControlHost::RepaintItem(int item) {
    if (QWidget* widget = ItemWidget(item)) {
        widget->update();
    }
}

void QtControlHost::SetItemList(int item, const char* const* entries, int selection) {
    QStringList texts;
    for (const char* const* entry = entries; entry != nullptr && *entry != nullptr; ++entry) {
        texts << Text(*entry);
    }
    QWidget* widget = ItemWidget(item);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->clear();
        combo->addItems(texts);
        combo->setCurrentIndex(selection);
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(texts);
        list->setCurrentRow(selection);
    }
}

int QtControlHost::ItemSelection(int item) const {
    QWidget* widget = ItemWidget(item);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->currentIndex();
    }
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
        return list->currentRow();
    }
    if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
        return bar->value();
    }
    return -1;
}

void QtControlHost::SetItemPosition(int item, int position) {
    if (auto* bar = qobject_cast<QScrollBar*>(ItemWidget(item))) {
        const QSignalBlocker quiet(bar);
        bar->setValue(position);
    }
}

void QtControlHost::AddTooltip(int item, const char* text) {
    if (QWidget* widget = ItemWidget(item)) {
        widget->setToolTip(Text(text));
    }
}

bool QtControlHost::ItemTextFits(int item, const char* text) const {
    const QWidget* widget = ItemWidget(item);
    return widget == nullptr || QtItemPainter::CaptionFits(*widget, text);
}

void QtControlHost::ResizeItem(int item, int cx, int cy) {
    if (QWidget* widget = ItemWidget(item)) {
        const QRect r = ItemRect(0, 0, cx, cy);
        widget->resize(r.width(), r.height());
    }
}

void QtControlHost::SetCaption(const char* text) {
    if (_window) {
        _window->setWindowTitle(Text(text));
    }
}

void QtControlHost::ShowWindow() {
    if (_window) {
        _window->show();
        _window->raise();
        _window->activateWindow();
    }
}

int QtControlHost::RunModal() {
    auto* dialog = qobject_cast<QDialog*>(_window.data());
    if (dialog == nullptr) {
        return 0;
    }
    // As a modeless dialog does, the dialog asks for the keyboard once shown: without a window
    // manager that hands it over, typing would stay with the frame, which the dialog blocks.
    QTimer::singleShot(0, dialog, [dialog] { dialog->activateWindow(); });
    return dialog->exec();
}

void QtControlHost::EndModal(int result) {
    if (auto* dialog = qobject_cast<QDialog*>(_window.data())) {
        dialog->done(result);
    }
}

void QtControlHost::MoveTo(int x, int y) {
    QtFrame* frame = QtFrame::Instance();
    if (!_window || frame == nullptr) {
        return;
    }
    _window->move(frame->MdiArea()->mapToGlobal(QPoint(x, y)));
}

void QtControlHost::ScreenRect(int& x, int& y, int& width, int& height) const {
    const QRect r = _window ? _window->frameGeometry() : QRect();
    x = r.x();
    y = r.y();
    width = r.width();
    height = r.height();
}

int QtControlHost::ClientHeight() const {
    return _window ? _window->height() : 0;
}

void QtControlHost::SetPaneVisible(bool on) {
    if (_window) {
        _window->setVisible(on);
    }
}

bool QtControlHost::PaneVisible() const {
    return _window && !_window->isHidden();
}

void QtControlHost::PlacePane(int x, int y, int width, int height) {
    if (_window) {
        _window->setFixedSize(width, height);
        _window->move(x, y);
    }
}

void QtControlHost::ReturnFocus() {
    QtFrame* frame = QtFrame::Instance();
    if (frame == nullptr) {
        return;
    }
    if (QMdiSubWindow* child = frame->MdiArea()->activeSubWindow()) {
        if (child->widget() != nullptr) {
            child->widget()->setFocus();
        }
    }
}
