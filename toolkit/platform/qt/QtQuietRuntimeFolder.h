#pragma once

#include <QtGlobal>

// While it lives, Qt's note that the per-user runtime folder is not set (it then makes one of
// its own) or belongs to another user stays off standard error: it is what a machine without a
// desktop login, or a program started as another user, always says, and nothing a user of the
// editor could act on. Every other message goes where it went before.
class QtQuietRuntimeFolder {
public:
    QtQuietRuntimeFolder();
    ~QtQuietRuntimeFolder();
    QtQuietRuntimeFolder(const QtQuietRuntimeFolder&) = delete;
    QtQuietRuntimeFolder& operator=(const QtQuietRuntimeFolder&) = delete;

private:
    QtMessageHandler _previous = nullptr;
};
