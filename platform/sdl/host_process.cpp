// Looking for the host game's process under /proc.
#include "platform/sdl/host_process.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cctype>
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

// The bytes of the file in `dir` up to the first `end` (at most 4 kB), read with plain
// system calls: the look goes through every process of the machine, and is made as the
// program starts.
std::string FirstLine(int dir, const char* file, char end) {
  const int fd = openat(dir, file, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  char buffer[4096];
  const ssize_t n = read(fd, buffer, sizeof buffer);
  close(fd);
  if (n <= 0) return {};
  const std::string_view text(buffer, static_cast<std::size_t>(n));
  return std::string(text.substr(0, text.find(end)));
}

bool AllDigits(const char* name) {
  if (*name == '\0') return false;
  for (; *name != '\0'; ++name)
    if (*name < '0' || *name > '9') return false;
  return true;
}

}  // namespace

bool ProcessRunning(std::string_view executable) {
  const std::string self = std::to_string(getpid());
  DIR* proc = opendir("/proc");
  if (proc == nullptr) return false;
  bool found = false;
  while (!found) {
    const dirent* entry = readdir(proc);
    if (entry == nullptr) break;
    if (!AllDigits(entry->d_name) || self == entry->d_name) continue;
    const int dir = openat(dirfd(proc), entry->d_name, O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) continue;
    // Processes can end while we look: every read may come back empty. A process without
    // a command line is a kernel thread or one that has ended.
    const std::string command = FirstLine(dir, "cmdline", '\0');
    if (!command.empty()) {
      found = IsProgram(command, executable) || IsProgram(FirstLine(dir, "comm", '\n'), executable);
      if (!found) {
        char exe[4096];
        const ssize_t n = readlinkat(dir, "exe", exe, sizeof exe);
        found = n > 0 && IsProgram(std::string_view(exe, static_cast<std::size_t>(n)), executable);
      }
    }
    close(dir);
  }
  closedir(proc);
  return found;
}

}  // namespace tinto::sdl
