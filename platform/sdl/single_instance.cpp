// Finding and activating a running copy, and the lock file that closes the start-up race.
#include "platform/sdl/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace tinto::sdl {

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(50);
constexpr auto kGiveUpAfter = std::chrono::seconds(5);

std::string LockPath(const std::string& title) {
  std::string dir = "/tmp";
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime) {
    struct stat st {};
    if (stat(runtime, &st) == 0 && S_ISDIR(st.st_mode)) dir = runtime;
  }
  // FNV-1a over the title and the display keeps the name short and free of odd characters
  // (the title may be any UTF-8); copies on different displays do not meet.
  const char* display = std::getenv("DISPLAY");
  const std::string key = title + '\n' + (display != nullptr ? display : "");
  std::uint64_t hash = 14695981039346656037ull;
  for (const unsigned char c : key) hash = (hash ^ c) * 1099511628211ull;
  char name[64];
  std::snprintf(name, sizeof name, "/tinto-%u-%016llx.lock", static_cast<unsigned>(getuid()),
                static_cast<unsigned long long>(hash));
  return dir + name;
}

}  // namespace

SingleInstance::~SingleInstance() {
  if (fd_ >= 0) close(fd_);
}

SingleInstance::Lock SingleInstance::TryLock(const std::string& title) {
  if (fd_ >= 0) return Lock::kTaken;
  const int fd = open(LockPath(title).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return Lock::kUnavailable;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return Lock::kHeldElsewhere;
  }
  fd_ = fd;
  return Lock::kTaken;
}

bool SingleInstance::ActivateRunningCopy(const std::string& title) {
  const auto deadline = std::chrono::steady_clock::now() + kGiveUpAfter;
  for (;;) {
    std::vector<X11Desktop::TopLevel> found = desktop_.FindByTitle(title);
    if (!found.empty()) {
      // Prefer a window the user can see, then a minimised one, then any.
      const X11Desktop::TopLevel* best = &found.front();
      for (const auto& t : found)
        if (t.viewable || (t.iconified && !best->viewable)) best = &t;
      desktop_.Activate(*best);
      return true;
    }
    if (TryLock(title) != Lock::kHeldElsewhere) return false;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollInterval);
  }
}

void SingleInstance::Claim(const std::string& title) {
  TryLock(title);
}

}  // namespace tinto::sdl
