// The program entry, shared by every backend: single instance, the five windows, the
// message loop.
#pragma once

#include "platform/platform.h"

namespace tinto {

// Runs the program on the given platform until the main window closes; returns the exit
// code.
int RunTinto(Platform& platform);

}  // namespace tinto
