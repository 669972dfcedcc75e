// Running a whole simulator script: parse, set up, start the program, log.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "platform/platform.h"

namespace tinto::sim {

struct RunOptions {
  bool every_tick = false;  // wake for every timer tick (the reference behaviour)
};

// The program to run on the simulated platform; returns its exit code.
using Program = std::function<int(Platform&)>;

// Runs the script text with the program; the log goes to `log`, script errors to `err`.
// Returns the exit status: 0 when the script ran to its end, 2 for a script error.
int RunScript(const std::string& text, const Program& program, std::ostream& log, std::ostream& err,
              RunOptions options = {});

}  // namespace tinto::sim
