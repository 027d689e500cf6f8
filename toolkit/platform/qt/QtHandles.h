#pragma once

#include "toolkit/vHandles.h"

class QMenu;
class QtImageWindow;
class QtSubWindow;
class QtTableWindow;

// The Qt object behind each kind of handle.
template <typename Handle>
struct QtObjectBehind;
template <>
struct QtObjectBehind<vWindowHandle> {
    using Type = QtSubWindow;
};
template <>
struct QtObjectBehind<vMenuHandle> {
    using Type = QMenu;
};
template <>
struct QtObjectBehind<vImageWindowHandle> {
    using Type = QtImageWindow;
};
template <>
struct QtObjectBehind<vTableWindowHandle> {
    using Type = QtTableWindow;
};

// A handle is its object's address under the opaque type of its kind; these two are the only
// conversions between them.
template <typename Handle>
typename QtObjectBehind<Handle>::Type* QtObjectOf(Handle handle) {
    return reinterpret_cast<typename QtObjectBehind<Handle>::Type*>(handle);
}
template <typename Handle>
Handle HandleOf(typename QtObjectBehind<Handle>::Type* object) {
    return reinterpret_cast<Handle>(object);
}
