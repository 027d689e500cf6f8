#pragma once

// An opaque platform object (window, dialog, menu) as the toolkit passes it around.
using vHandle = void*;
