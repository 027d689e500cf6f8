// The editor program: its one application object. The toolkit's entry point runs it, calling
// OnAppStart once the frame exists.
#include "app/KryApp.h"

namespace {

KryApp kryApp;

}  // namespace
