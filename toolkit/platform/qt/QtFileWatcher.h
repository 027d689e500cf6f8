#pragma once

#include <QFileSystemWatcher>
#include <functional>
#include <map>

#include "toolkit/platform/vFileWatcher.h"

// File watches through one QFileSystemWatcher. A file replaced by renaming another over it, as
// careful programs save, drops out of Qt's watch: it is watched again under its name, so later
// changes are told too.
class QtFileWatcher : public vFileWatcher {
public:
    QtFileWatcher();

    int Watch(const std::string& path, std::function<void()> changed) override;
    void Unwatch(int watch) override;

private:
    struct Listener {
        QString path;
        std::function<void()> changed;
    };

    void Changed(const QString& path);

    QFileSystemWatcher _watcher;
    std::map<int, Listener> _listeners;
    int _lastWatch = 0;
};
