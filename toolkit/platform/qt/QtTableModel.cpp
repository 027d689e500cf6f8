#include "toolkit/platform/qt/QtTableModel.h"

#include <QColor>
#include <QFont>

#include "toolkit/platform/vTableWindowEvents.h"

QtTableModel::QtTableModel(const std::vector<vTableColumn>& columns, QObject* parent)
    : QAbstractTableModel(parent) {
    for (const vTableColumn& column : columns) {
        _columns << QString::fromStdString(column.heading);
    }
}

void QtTableModel::SetRowCount(int rows) {
    const int now = static_cast<int>(_rows.size());
    rows = rows < 0 ? 0 : rows;
    if (rows > now) {
        beginInsertRows(QModelIndex(), now, rows - 1);
        _rows.resize(static_cast<size_t>(rows));
        endInsertRows();
    } else if (rows < now) {
        beginRemoveRows(QModelIndex(), rows, now - 1);
        _rows.resize(static_cast<size_t>(rows));
        endRemoveRows();
    }
}

void QtTableModel::SetRow(int row, const vTableRow& contents) {
    if (row < 0 || row >= static_cast<int>(_rows.size()) || _rows[row] == contents) {
        return;
    }
    _rows[row] = contents;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

const vTableRow* QtTableModel::Row(int row) const {
    return row >= 0 && row < static_cast<int>(_rows.size()) ? &_rows[row] : nullptr;
}

int QtTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(_rows.size());
}

int QtTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(_columns.size());
}

QVariant QtTableModel::data(const QModelIndex& index, int role) const {
    const vTableRow* row = Row(index.row());
    if (row == nullptr || index.column() < 0 || index.column() >= columnCount()) {
        return QVariant();
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return static_cast<size_t>(index.column()) < row->cells.size()
                       ? QString::fromStdString(row->cells[index.column()])
                       : QString();
        case Qt::TextAlignmentRole:
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::FontRole:
            if (row->marked) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return QVariant();
        case Qt::ForegroundRole:
            return (row->editable & (1u << index.column())) != 0 ? QVariant()
                                                                 : QColor(Qt::darkGray);
        default:
            return QVariant();
    }
}

QVariant QtTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= _columns.size()) {
        return QVariant();
    }
    return _columns[section];
}

Qt::ItemFlags QtTableModel::flags(const QModelIndex& index) const {
    const vTableRow* row = Row(index.row());
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (row != nullptr && (row->editable & (1u << index.column())) != 0) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool QtTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || _events == nullptr || Row(index.row()) == nullptr) {
        return false;
    }
    _events->TableCellEdited(index.row(), index.column(), value.toString().toUtf8().constData());
    return true;
}
