#pragma once

#include <string>

class PreviewFolder;

// POV-Ray reads its user's I/O restrictions from $HOME/.povray/3.7/povray.conf, and a user's
// setting may only restrict the system's further. The process runner gives every program its
// working folder as its home, so this file, written into the folder the render runs in, keeps
// the scene's file reading and writing inside that folder (and POV-Ray's own include files),
// whatever the user's own configuration says, and forbids running other programs. POV-Ray 3.7
// as the distributions ship it reads the file but does not enforce its file restriction; the
// process runner's confinement does that, and this file keeps the shell-out ban and serves the
// versions that enforce the rest.
bool RestrictPovray(const PreviewFolder& folder);
