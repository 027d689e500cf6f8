#pragma once

#include "toolkit/ControlSpec.h"
#include "toolkit/MenuSpec.h"
#include "toolkit/StatusFieldSpec.h"

// The drawing window's menu bar, command bar and status bar. The menu pane writes items' state
// back into its table, so the tables are writable and shared by every window.
namespace WindowTables {

extern MenuSpec menuBar[];
extern ControlSpec commandBar[];
extern const StatusFieldSpec statusBar[];

}  // namespace WindowTables
