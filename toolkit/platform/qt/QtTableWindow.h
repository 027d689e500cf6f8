#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTableView;
class QtTableModel;
class vTableWindowEvents;
struct vTableColumn;

// A window of its own over the frame: a table of text cells with column headings, a row of
// buttons under it and a status line at the bottom. Keys the table has no use for (Ctrl with a
// key, function keys) go to the owner.
class QtTableWindow : public QWidget {
    Q_OBJECT
public:
    QtTableWindow(QWidget* frame, const QString& title, const std::vector<vTableColumn>& columns,
                  const std::vector<std::string>& buttons, vTableWindowEvents* events);

    QtTableModel* Model() const { return _model; }
    QTableView* View() const { return _view; }
    QLabel* Status() const { return _status; }
    QPushButton* Button(int index) const;
    void SelectRow(int row);
    // After this the window reports nothing more.
    void Forget();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RowChanged(int row);

    QtTableModel* _model;
    QTableView* _view;
    QLabel* _status;
    std::vector<QPushButton*> _buttons;
    vTableWindowEvents* _events;
    bool _selecting = false;
};
