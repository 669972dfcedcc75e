// Running a whole simulator script.
#include "platform/sim/sim_run.h"

#include <cstdio>

#include "platform/sim/sim_platform.h"

namespace tinto::sim {

namespace {

SimSetUp ReadSetUp(const std::vector<Command>& commands, std::size_t& start) {
  SimSetUp setup;
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
      std::sscanf(c.args[0].c_str(), "%d-%d-%d", &setup.start.year, &setup.start.month,
                  &setup.start.day);
      std::sscanf(c.args[1].c_str(), "%d:%d:%d", &setup.start.hour, &setup.start.minute,
                  &setup.start.second);
    }
  }
  return setup;
}

}  // namespace

int RunScript(const std::string& text, const Program& program, std::ostream& log, std::ostream& err,
              RunOptions options) {
  try {
    const std::vector<Command> commands = ParseScript(text);
    std::size_t start = 0;
    const SimSetUp setup = ReadSetUp(commands, start);
    if (start >= commands.size()) return 0;  // never started
    SimPlatform platform(setup, commands, start + 1, log);
    platform.SetEveryTick(options.every_tick);
    try {
      const int code = program(platform);
      platform.LogExit(code);
      platform.RunRest();
    } catch (const RunEnded&) {
    }
  } catch (const ScriptError& e) {
    err << "tinto-sim: line " << e.line << ": " << e.message << '\n';
    return 2;
  }
  return 0;
}

}  // namespace tinto::sim
