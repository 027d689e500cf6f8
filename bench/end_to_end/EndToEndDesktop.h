#pragma once

#include "toolkit/platform/vDesktopSession.h"

// The offscreen desktop the end-to-end benchmarks run on, with the editor's application
// running in it.
vDesktopSession& Desktop();
