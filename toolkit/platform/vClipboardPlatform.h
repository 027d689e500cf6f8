#pragma once

#include <string>
#include <vector>

#include "toolkit/platform/vPlatform.h"

// The desktop's clipboard, holding data in several formats at once, each named by its MIME type
// ("text/plain", "image/svg+xml"), so that every program takes the one it understands. Without
// a platform installed there is no clipboard.
class vClipboardPlatform {
public:
    struct Format {
        std::string mimeType;
        std::string bytes;
    };

    virtual ~vClipboardPlatform() = default;

    // What the clipboard holds becomes these formats, and nothing else. Text is UTF-8.
    virtual void SetClipboard(const std::vector<Format>& formats) = 0;
    // The bytes of the first of the MIME types, in the order given, that the clipboard holds;
    // false when it holds none of them.
    virtual bool ClipboardData(const std::vector<std::string>& mimeTypes,
                               std::string& bytes) const = 0;

    static vClipboardPlatform* Current() { return vPlatform::Get().clipboard; }
};
