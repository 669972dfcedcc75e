// Runs the demo_game tool (built beside the tests) with the given arguments, its output
// thrown away; returns its exit status.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace tinto::test {

inline const std::filesystem::path kDemoGameTool =
    (std::filesystem::path(TINTO_BINARY_DIR) / ("tools/demo_game/demo_game" TINTO_EXE_SUFFIX))
        .make_preferred();

inline int RunDemoGameTool(const std::string& arguments) {
  std::string command =
      "\"" + kDemoGameTool.string() + "\" " + arguments + " >" TINTO_NULL_DEVICE " 2>&1";
  // Windows' command interpreter drops the first and the last quote of such a line.
  if (std::string_view(TINTO_NULL_DEVICE) == "NUL") command = "\"" + command + "\"";
  return std::system(command.c_str());
}

}  // namespace tinto::test
