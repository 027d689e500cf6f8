#pragma once

#include "toolkit/vIcon.h"

// The one-bit pictures of the notice and question dialogs: rows top to bottom, each row packed
// most significant bit first and padded to whole bytes.
class StandardIcons {
public:
    static const vIcon& Notice();
    static const vIcon& Question();
};
