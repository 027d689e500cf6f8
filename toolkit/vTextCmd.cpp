#include "toolkit/vTextCmd.h"

#include "toolkit/CommandIds.h"
#include "toolkit/platform/vControlHost.h"
#include "toolkit/util/TextWrapping.h"
#include "toolkit/vCmdParent.h"

namespace {
const char* ShownText(const void* extra, const char* caption) {
    const auto* text = static_cast<const char*>(extra);
    return text != nullptr && text[0] != '\0' ? text : caption;
}
}  // namespace

vTextCmd::vTextCmd(vCmdParent* parent, ControlSpec* entry) : vCmd(parent, entry) {
    SetCaption(entry->label);
}

void vTextCmd::SetCaption(const char* text) {
    const char* shown = ShownText(_extra, text);
    if ((Attributes() & AttrMessage) != 0 && shown != nullptr) {
        _text = WithCarriageReturns(WrappedText(shown, MessageColumns).c_str());
        return;
    }
    _text = WithCarriageReturns(shown);
}

void vTextCmd::ChangeText(const char* text) {
    _text = WithCarriageReturns(text);
    _parent->Host().SetItemText(_item, _text.c_str());
}

void vTextCmd::Measure(const char* text, int& lines, int& longest) {
    lines = 1;
    longest = 0;
    int current = 0;
    for (const char* p = text; p != nullptr && *p != '\0'; ++p) {
        if (*p == '\r' || *p == '\n') {
            // CR LF is one line end.
            if (*p == '\r' && p[1] == '\n') {
                ++p;
            }
            ++lines;
            current = 0;
            continue;
        }
        ++current;
        if (current > longest) {
            longest = current;
        }
    }
}

std::string vTextCmd::WithCarriageReturns(const char* text) {
    std::string converted;
    for (const char* p = text; p != nullptr && *p != '\0'; ++p) {
        if (*p == '\n' && (p == text || p[-1] != '\r')) {
            converted += '\r';
        }
        converted += *p;
    }
    return converted;
}

void vTextCmd::BuildControl() {
    int lines = 0;
    int longest = 0;
    Measure(_text.c_str(), lines, longest);
    const int w = _entry->width > 0 ? _entry->width : longest * 4 + 3;
    const int h = lines * 11 + 1;
    unsigned style = StyleReadOnly | VisibleStyle();
    if ((Attributes() & AttrNoBorder) == 0) {
        style |= StyleBorder;
    }
    if (lines > 1) {
        style |= StyleMultiLine;
    }
    PlaceAndAdd(ItemEdit, style, w, h, h, 0);
}

void vTextCmd::ChangeControl(int value, int aspect) {
    if (aspect == AspectHidden) {
        ChangeShownState(value, aspect);
    }
}

void vTextCmd::InitText() {
    _parent->Host().SetItemText(_item, _text.c_str());
}
