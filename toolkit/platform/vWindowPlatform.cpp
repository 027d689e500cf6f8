#include "toolkit/platform/vWindowPlatform.h"

vWindowPlatform vWindowPlatform::_none;

bool vWindowPlatform::CreateFrame(const char*, int, int, vFrameEvents*) {
    return true;
}

void vWindowPlatform::FrameSize(int& width, int& height) {
    width = height = 0;
}

void vWindowPlatform::AppendMenuItem(vHandle, int, const char*) {}
void vWindowPlatform::AppendSubmenu(vHandle, vHandle, const char*) {}
void vWindowPlatform::SetFrameMenu(vHandle, int) {}

vHandle vWindowPlatform::CreateChild(const char*, int, int, PixelSurface*, vWindowEvents*) {
    return nullptr;
}

void vWindowPlatform::SetChildTitle(vHandle, const char*) {}
void vWindowPlatform::ShowChild(vHandle, bool) {}

void vWindowPlatform::ChildPlacement(vHandle, int& left, int& top, int& width, int& height) {
    left = top = width = height = 0;
}

void vWindowPlatform::MoveChild(vHandle, int, int) {}

void vWindowPlatform::SetChildScrollBar(vHandle, bool, bool, int, int) {}

int vWindowPlatform::StartTimer(int, TimerCallback) {
    return 0;
}

bool vWindowPlatform::WatchDescriptor(int, TimerCallback) {
    return false;
}

void vWindowPlatform::WarningBox(const char*, const char*) {}

bool vWindowPlatform::ShowHelp(vHandle, const char*) {
    return false;
}

uint32_t vWindowPlatform::SystemColor(SystemColour which) {
    switch (which) {
        case ColourButtonShadow:
            return 0xa0a0a0;
        case ColourButtonHighlight:
            return 0xffffff;
        default:
            return 0xf0f0f0;
    }
}
