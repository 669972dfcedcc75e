// The backends' self-test: a shaped window, two dialogs and two timers on the given
// platform, logging every event on standard output (see backend_selftest.cpp).
#pragma once

#include "platform/platform.h"

// argv: TITLE [--wave FILE] [--music FILE]; returns the exit status.
int RunBackendSelftest(tinto::Platform& platform, int argc, char** argv);
