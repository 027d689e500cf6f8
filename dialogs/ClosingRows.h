#pragma once

#include <vector>

#include "toolkit/ControlSpec.h"

// The last rows of a dialog table built at run time: a borderless line under the fields for
// what is wanted of them (`blank` keeps its room), Cancel and OK beside each other under it,
// and the table's end. `above` is the control the line goes under.
void AddClosingRows(std::vector<ControlSpec>& table, int problem, int spacer, int okButton,
                    int above, const char* blank);
