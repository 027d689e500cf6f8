#include "model/KCanvasPane.h"

bool KCanvasPane::WriteSceneFile(char*, int) { return false; }
