#pragma once

#include "toolkit/platform/vPlatform.h"

// Puts one service in place of the installed bundle's while it lives, and the one it replaced
// back at its end, for a test's fake or a measuring wrapper around the real service. Overrides
// end in the reverse order of their start.
template <typename Service>
class vPlatformOverride {
public:
    using Slot = Service* vPlatform::*;

    vPlatformOverride(Slot slot, Service* replacement) : _slot(slot) {
        vPlatform bundle = vPlatform::Get();
        _replaced = bundle.*_slot;
        bundle.*_slot = replacement;
        vPlatform::Install(bundle);
    }
    vPlatformOverride(const vPlatformOverride&) = delete;
    vPlatformOverride& operator=(const vPlatformOverride&) = delete;
    ~vPlatformOverride() {
        vPlatform bundle = vPlatform::Get();
        bundle.*_slot = _replaced;
        vPlatform::Install(bundle);
    }

private:
    Slot _slot;
    Service* _replaced;
};

// The service's type comes from the slot, whatever class the replacement is.
template <typename Service, typename Replacement>
vPlatformOverride(Service* vPlatform::*, Replacement*) -> vPlatformOverride<Service>;
