#include "toolkit/platform/qt/QtShownTable.h"

#include <QApplication>
#include <QScrollBar>
#include <QTableView>

#include "toolkit/platform/qt/QtTableModel.h"
#include "toolkit/platform/qt/QtTableWindow.h"

namespace {

QtTableWindow* ShownWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* table = qobject_cast<QtTableWindow*>(widget); table && table->isVisible()) {
            return table;
        }
    }
    return nullptr;
}

}  // namespace

int QtShownTable::RowCount() {
    QtTableWindow* table = ShownWindow();
    return table != nullptr ? table->Model()->rowCount() : 0;
}

int QtShownTable::LastScrollRow() {
    QtTableWindow* table = ShownWindow();
    return table != nullptr ? table->View()->verticalScrollBar()->maximum() : 0;
}

void QtShownTable::ScrollTo(int row) {
    if (QtTableWindow* table = ShownWindow()) {
        table->View()->verticalScrollBar()->setValue(row);
        table->View()->viewport()->repaint();
    }
}

void QtShownTable::Type(int row, int column, const char* text) {
    if (QtTableWindow* table = ShownWindow()) {
        QtTableModel* model = table->Model();
        model->setData(model->index(row, column), QString::fromUtf8(text), Qt::EditRole);
    }
}
