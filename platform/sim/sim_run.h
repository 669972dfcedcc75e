// Running a whole simulator script: parse, set up, start the program, log.
#pragma once

#include <ostream>
#include <string>

namespace tinto::sim {

struct RunOptions {
  bool every_tick = false;  // wake for every timer tick (the reference behaviour)
};

// Runs the script text; the log goes to `log`, script errors to `err`. Returns the exit
// status: 0 when the script ran to its end, 2 for a script error.
int RunScript(const std::string& text, std::ostream& log, std::ostream& err,
              RunOptions options = {});

}  // namespace tinto::sim
