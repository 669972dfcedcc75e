// tinto-sim: runs the program on the simulated platform from a script and logs what it
// shows and plays. `tinto-sim --passwords` prints the built-in passwords.
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/tinto.h"
#include "platform/sim/sim_platform.h"
#include "unlock/password_tables.h"

namespace {

using tinto::sim::Command;

int Usage() {
  std::cerr << "usage: tinto-sim SCRIPT   (a script file, or - for standard input)\n"
               "       tinto-sim --passwords\n";
  return 2;
}

tinto::sim::SimSetUp ReadSetUp(const std::vector<Command>& commands, std::size_t& start) {
  tinto::sim::SimSetUp setup;
  for (start = 0; start < commands.size(); ++start) {
    const Command& c = commands[start];
    if (c.name == "start") break;
    if (c.name == "folder") setup.folder = c.args[0];
    if (c.name == "seed") setup.seed = static_cast<std::uint32_t>(std::stoll(c.args[0]));
    if (c.name == "tickcount") setup.tickcount = static_cast<std::uint32_t>(std::stoull(c.args[0]));
    if (c.name == "screen") setup.screen = {std::stoi(c.args[0]), std::stoi(c.args[1])};
    if (c.name == "hostgame") setup.host_classes.insert(c.args[0]);
    if (c.name == "running") setup.running = c.args[0];
    if (c.name == "args") setup.args = c.args;
    if (c.name == "now") {
      std::sscanf(c.args[0].c_str(), "%d-%d-%d", &setup.start.year, &setup.start.month, &setup.start.day);
      std::sscanf(c.args[1].c_str(), "%d:%d:%d", &setup.start.hour, &setup.start.minute, &setup.start.second);
    }
  }
  return setup;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return Usage();
  if (std::strcmp(argv[1], "--passwords") == 0) {
    for (int k = 0; k < tinto::kPasswordEntries; ++k) std::cout << tinto::Password(k) << '\n';
    return 0;
  }
  std::string text;
  if (std::strcmp(argv[1], "-") == 0) {
    std::ostringstream all;
    all << std::cin.rdbuf();
    text = all.str();
  } else {
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
      std::cerr << "tinto-sim: cannot read " << argv[1] << '\n';
      return 2;
    }
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
  }

  std::vector<Command> commands;
  try {
    commands = tinto::sim::ParseScript(text);
  } catch (const tinto::sim::ScriptError& e) {
    std::cerr << "tinto-sim: line " << e.line << ": " << e.message << '\n';
    return 2;
  }
  std::size_t start = 0;
  tinto::sim::SimSetUp setup = ReadSetUp(commands, start);
  if (start >= commands.size()) return 0;  // nothing started

  tinto::sim::SimPlatform platform(setup, commands, start + 1, std::cout);
  if (const char* ticks = std::getenv("TINTO_SIM_TICKS"); ticks && std::strcmp(ticks, "every") == 0)
    platform.SetEveryTick(true);
  try {
    try {
      const int code = tinto::RunTinto(platform);
      platform.LogExit(code);
      platform.RunRest();
    } catch (const tinto::sim::RunEnded&) {
    }
  } catch (const tinto::sim::ScriptError& e) {
    std::cerr << "tinto-sim: line " << e.line << ": " << e.message << '\n';
    return 2;
  }
  return 0;
}
