#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "toolkit/platform/vTableWindowPlatform.h"

class vTableWindowEvents;

// The rows of a table window as Qt's views read them. An edit is not stored here: it is
// reported, and the owner sets the row it decided on.
class QtTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    QtTableModel(const std::vector<vTableColumn>& columns, QObject* parent);

    void SetEvents(vTableWindowEvents* events) { _events = events; }
    void SetRowCount(int rows);
    void SetRow(int row, const vTableRow& contents);
    const vTableRow* Row(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    QStringList _columns;
    std::vector<vTableRow> _rows;
    vTableWindowEvents* _events = nullptr;
};
