#include "toolkit/platform/qt/QtTableWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "toolkit/platform/qt/QtCanvasWidget.h"
#include "toolkit/platform/qt/QtLook.h"
#include "toolkit/platform/qt/QtTableModel.h"
#include "toolkit/platform/vTableWindowEvents.h"
#include "toolkit/platform/vTableWindowPlatform.h"

namespace {

constexpr int VisibleRows = 24;
constexpr int CellPadding = 12;

// The keys that belong to the owner: Ctrl with a key, and the function keys.
bool OwnersKey(const QKeyEvent& key) {
    return (key.modifiers() & Qt::ControlModifier) != 0 ||
           (key.key() >= Qt::Key_F1 && key.key() <= Qt::Key_F16 && key.key() != Qt::Key_F2);
}

}  // namespace

QtTableWindow::QtTableWindow(QWidget* frame, const QString& title,
                             const std::vector<vTableColumn>& columns,
                             const std::vector<std::string>& buttons, vTableWindowEvents* events)
    : QWidget(frame, Qt::Window),
      _model(new QtTableModel(columns, this)),
      _view(new QTableView(this)),
      _status(new QLabel(this)),
      _events(events) {
    setWindowTitle(title);
    _model->SetEvents(events);
    _view->setModel(_model);
    _view->setFont(QtLook::WindowFont());
    _view->setSelectionBehavior(QAbstractItemView::SelectRows);
    _view->setSelectionMode(QAbstractItemView::SingleSelection);
    _view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    _view->verticalHeader()->hide();
    // Rows of one fixed height let the view place them without measuring each one, so a full
    // drawing scrolls as smoothly as an empty one.
    _view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    _view->verticalHeader()->setDefaultSectionSize(_view->fontMetrics().height() + 6);
    // Each column as wide as its heading or its widest text, whichever is wider.
    _view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const QFontMetrics metrics = _view->fontMetrics();
    for (size_t column = 0; column < columns.size(); ++column) {
        const int wanted =
            std::max(metrics.horizontalAdvance(QString::fromStdString(columns[column].heading)),
                     metrics.horizontalAdvance(QString::fromStdString(columns[column].widest)));
        _view->horizontalHeader()->resizeSection(static_cast<int>(column), wanted + CellPadding);
    }
    _view->setWordWrap(false);
    _view->installEventFilter(this);
    connect(_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { RowChanged(current.row()); });

    auto* row = new QHBoxLayout();
    for (size_t i = 0; i < buttons.size(); ++i) {
        auto* button = new QPushButton(QString::fromStdString(buttons[i]), this);
        button->setAutoDefault(false);
        const int index = static_cast<int>(i);
        connect(button, &QPushButton::clicked, this, [this, index] {
            if (_events != nullptr) {
                _events->TableButtonPressed(index);
            }
        });
        row->addWidget(button);
        _buttons.push_back(button);
    }
    row->addStretch();
    _status->setFont(QtLook::WindowFont());
    _status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(_view);
    layout->addLayout(row);
    layout->addWidget(_status);
    int across = 2 * _view->frameWidth();
    for (int column = 0; column < _model->columnCount(); ++column) {
        across += _view->horizontalHeader()->sectionSize(column);
    }
    resize(across + 40, _view->verticalHeader()->defaultSectionSize() * VisibleRows + 120);
}

QPushButton* QtTableWindow::Button(int index) const {
    return index >= 0 && index < static_cast<int>(_buttons.size()) ? _buttons[index] : nullptr;
}

void QtTableWindow::SelectRow(int row) {
    _selecting = true;
    if (row < 0 || row >= _model->rowCount()) {
        _view->selectionModel()->clear();
    } else {
        const QModelIndex at = _model->index(row, 0);
        _view->selectionModel()->setCurrentIndex(
            at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        _view->scrollTo(at);
    }
    _selecting = false;
}

void QtTableWindow::RowChanged(int row) {
    if (!_selecting && _events != nullptr) {
        _events->TableRowChosen(row);
    }
}

void QtTableWindow::Forget() {
    _events = nullptr;
    _model->SetEvents(nullptr);
}

void QtTableWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (_events != nullptr) {
        _events->TableWindowClosed();
    }
}

bool QtTableWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == _view && event->type() == QEvent::KeyPress && _events != nullptr) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = QtCanvasWidget::ToolkitKey(key->key(), key->modifiers(), key->text());
        if (OwnersKey(*key) && code >= 0) {
            _events->TableKey(code, QtCanvasWidget::ToolkitModifiers(key->modifiers()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
