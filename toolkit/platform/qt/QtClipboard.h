#pragma once

#include "toolkit/platform/vClipboardPlatform.h"

// The clipboard through QClipboard: one QMimeData holding every format. Text formats go through
// Qt's text conversion, so other programs' text in any encoding arrives as UTF-8. Needs a
// QGuiApplication.
class QtClipboard : public vClipboardPlatform {
public:
    void SetClipboard(const std::vector<Format>& formats) override;
    bool ClipboardData(const std::vector<std::string>& mimeTypes,
                       std::string& bytes) const override;
};
