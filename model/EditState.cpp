#include "model/EditState.h"

int editMode = AddPoint;
int shapeKind = Polygon;
