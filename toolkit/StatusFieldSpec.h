#pragma once

// One status-bar field; a table ends at the first entry whose text is null. `attributes` are
// ControlSpec attribute bits, `width` is in dialog units (0 = from the text).
struct StatusFieldSpec {
    const char* text;
    int id;
    int attributes;
    int enabled;
    int width;
};
