#include "toolkit/platform/qt/QtFileChooser.h"

#include <QDir>
#include <QFileDialog>

#include "toolkit/platform/qt/QtFrame.h"
#include "toolkit/platform/qt/QtSubWindow.h"

namespace {

// Qt separates patterns with blanks; a filter without a description in parentheses is taken as
// a plain pattern list, so a pattern shows as its own description.
QString NameFilter(const vFileFilter& filter) {
    QString patterns = QString::fromLocal8Bit(filter.patterns.c_str());
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (filter.description == filter.patterns) {
        return patterns;
    }
    return QString::fromLocal8Bit(filter.description.c_str()) + QStringLiteral(" (") + patterns +
           QStringLiteral(")");
}

}  // namespace

bool QtFileChooser::ChooseFile(const vFileRequest& request, std::string& path, int& filterIndex) {
    QFileDialog dialog(QtFrame::Instance(), QString::fromLocal8Bit(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const vFileFilter& filter : request.filters) {
        filters << NameFilter(filter);
    }
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 0 && request.filterIndex < filters.size()) {
        dialog.selectNameFilter(filters[request.filterIndex]);
    }
    const QString directory = QString::fromLocal8Bit(request.initialDirectory.c_str());
    dialog.setDirectory(!directory.isEmpty() && QDir(directory).exists() ? directory
                                                                         : QDir::currentPath());
    if (!request.initialName.empty()) {
        dialog.selectFile(QString::fromLocal8Bit(request.initialName.c_str()));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    path = dialog.selectedFiles().first().toLocal8Bit().toStdString();
    const int chosen = filters.indexOf(dialog.selectedNameFilter());
    filterIndex = chosen >= 0 ? chosen : request.filterIndex;
    return true;
}
