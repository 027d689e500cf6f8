#include "toolkit/platform/qt/QtFileWatcher.h"

#include <QFileInfo>
#include <vector>

QtFileWatcher::QtFileWatcher() {
    QObject::connect(&_watcher, &QFileSystemWatcher::fileChanged,
                     [this](const QString& path) { Changed(path); });
}

int QtFileWatcher::Watch(const std::string& path, std::function<void()> changed) {
    const QString absolute = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
    if (!_watcher.files().contains(absolute) && !_watcher.addPath(absolute)) {
        return 0;
    }
    _listeners[++_lastWatch] = Listener{absolute, std::move(changed)};
    return _lastWatch;
}

void QtFileWatcher::Unwatch(int watch) {
    const auto found = _listeners.find(watch);
    if (found == _listeners.end()) {
        return;
    }
    const QString path = found->second.path;
    _listeners.erase(found);
    for (const auto& listener : _listeners) {
        if (listener.second.path == path) {
            return;
        }
    }
    _watcher.removePath(path);
}

// The listeners may stop or start watches while they are told, so they are told from a copy.
void QtFileWatcher::Changed(const QString& path) {
    if (!_watcher.files().contains(path) && QFileInfo::exists(path)) {
        _watcher.addPath(path);
    }
    std::vector<std::function<void()>> told;
    for (const auto& listener : _listeners) {
        if (listener.second.path == path) {
            told.push_back(listener.second.changed);
        }
    }
    for (const auto& changed : told) {
        changed();
    }
}
