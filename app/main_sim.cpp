// tinto-sim: runs the program on the simulated platform from a script and logs what it
// shows and plays. `tinto-sim --passwords` prints the built-in passwords.
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "app/large_blocks.h"
#include "app/tinto.h"
#include "platform/sim/sim_run.h"
#include "unlock/password_tables.h"

int main(int argc, char** argv) {
  tinto::GiveLargeBlocksBackToTheSystem();
  if (argc != 2) {
    std::cerr << "usage: tinto-sim SCRIPT   (a script file, or - for standard input)\n"
                 "       tinto-sim --passwords\n";
    return 2;
  }
  if (std::strcmp(argv[1], "--passwords") == 0) {
    for (int k = 0; k < tinto::kPasswordEntries; ++k) std::cout << tinto::Password(k) << '\n';
    return 0;
  }
#ifdef _WIN32
  // The log's lines end in LF on every system, so that logs compare byte for byte.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::ostringstream text;
  if (std::strcmp(argv[1], "-") == 0) {
    text << std::cin.rdbuf();
  } else {
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
      std::cerr << "tinto-sim: cannot read " << argv[1] << '\n';
      return 2;
    }
    text << in.rdbuf();
  }
  tinto::sim::RunOptions options;
  // TINTO_SIM_TICKS=every wakes for every timer tick instead of sleeping through the ones
  // that cannot change anything; the log must be the same either way.
  if (const char* ticks = std::getenv("TINTO_SIM_TICKS"))
    options.every_tick = std::strcmp(ticks, "every") == 0;
  return tinto::sim::RunScript(text.str(), tinto::RunTinto, std::cout, std::cerr, options);
}
