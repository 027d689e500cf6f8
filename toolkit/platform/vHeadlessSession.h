#pragma once

#include "toolkit/raster/PixelSurface.h"

// Text drawing, image saving, picture reading and running programs with no display, for the
// command-line tool: while a session lives, the platform's text drawing runs on an offscreen
// display and is installed for the drawing contexts, and its process runner and picture reader
// are installed.
class vHeadlessSession {
public:
    vHeadlessSession();
    vHeadlessSession(const vHeadlessSession&) = delete;
    vHeadlessSession& operator=(const vHeadlessSession&) = delete;
    ~vHeadlessSession();

    // False when the platform could not be started; contexts then draw no text.
    bool Ready() const;

    static bool SavePng(const PixelSurface& surface, const char* path);

private:
    struct State;
    State* _state;
};
