// Looking for the host game's process under /proc.
#include "platform/sdl/host_process.h"

#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>

namespace tinto::sdl {

bool IsProgram(std::string_view command, std::string_view executable) {
  const std::size_t slash = command.find_last_of("/\\");
  const std::string_view base =
      slash == std::string_view::npos ? command : command.substr(slash + 1);
  if (base.size() != executable.size()) return false;
  for (std::size_t i = 0; i < base.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(base[i])) !=
        std::tolower(static_cast<unsigned char>(executable[i])))
      return false;
  return true;
}

namespace {

std::string FirstLine(const std::filesystem::path& file, char end) {
  std::ifstream in(file, std::ios::binary);
  std::string text;
  std::getline(in, text, end);
  return text;
}

}  // namespace

bool ProcessRunning(std::string_view executable) {
  namespace fs = std::filesystem;
  const std::string self = std::to_string(getpid());
  std::error_code ec;
  for (fs::directory_iterator it("/proc", ec), end; !ec && it != end; it.increment(ec)) {
    const std::string pid = it->path().filename().string();
    if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos || pid == self)
      continue;
    // Processes can end while we look: every read may come back empty.
    if (IsProgram(FirstLine(it->path() / "cmdline", '\0'), executable) ||
        IsProgram(FirstLine(it->path() / "comm", '\n'), executable))
      return true;
    std::error_code link_ec;
    const fs::path exe = fs::read_symlink(it->path() / "exe", link_ec);
    if (!link_ec && IsProgram(exe.string(), executable)) return true;
  }
  return false;
}

}  // namespace tinto::sdl
