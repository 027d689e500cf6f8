#pragma once

#include "toolkit/vHandles.h"

class QMenu;
class QtImageWindow;
class QtSubWindow;
class QtTableWindow;

// The Qt object behind each kind of handle. A handle is the object's address under an opaque
// type of its kind, so these are the only places where the two are converted.
inline vWindowHandle HandleOf(QtSubWindow* window) {
    return reinterpret_cast<vWindowHandle>(window);
}
inline QtSubWindow* QtObjectOf(vWindowHandle handle) {
    return reinterpret_cast<QtSubWindow*>(handle);
}

inline vMenuHandle HandleOf(QMenu* menu) {
    return reinterpret_cast<vMenuHandle>(menu);
}
inline QMenu* QtObjectOf(vMenuHandle handle) {
    return reinterpret_cast<QMenu*>(handle);
}

inline vImageWindowHandle HandleOf(QtImageWindow* window) {
    return reinterpret_cast<vImageWindowHandle>(window);
}
inline QtImageWindow* QtObjectOf(vImageWindowHandle handle) {
    return reinterpret_cast<QtImageWindow*>(handle);
}

inline vTableWindowHandle HandleOf(QtTableWindow* window) {
    return reinterpret_cast<vTableWindowHandle>(window);
}
inline QtTableWindow* QtObjectOf(vTableWindowHandle handle) {
    return reinterpret_cast<QtTableWindow*>(handle);
}
