// Error messages through a helper program of the desktop.
#include "platform/sdl/error_box.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <vector>

extern char** environ;

namespace tinto::sdl {

namespace {

// Runs the program found on PATH and waits for it; true when it ran and exited normally
// (whatever button closed it).
bool RunAndWait(std::vector<std::string> args) {
  std::vector<char*> argv;
  argv.reserve(args.size() + 1);
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) return false;
  // 127: the shell's "not found", should the helper be a wrapper script.
  return WIFEXITED(status) && WEXITSTATUS(status) != 127;
}

}  // namespace

bool ShowErrorWithHelper(const std::string& title, const std::string& text) {
  return RunAndWait({"zenity", "--error", "--title=" + title, "--no-markup", "--text=" + text}) ||
         RunAndWait({"kdialog", "--title", title, "--error", text}) ||
         RunAndWait(
             {"xmessage", "-center", "-title", title, "-buttons", "OK:0", "-default", "OK", text});
}

}  // namespace tinto::sdl
