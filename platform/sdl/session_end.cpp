// Signals through a self-pipe: nothing but an atomic store and a write(2) happens in the
// handler.
#include "platform/sdl/session_end.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace tinto::sdl {

namespace {

constexpr char kSignalled = 'S';
constexpr int kSignals[] = {SIGTERM, SIGHUP};

std::atomic<bool> g_requested{false};
std::atomic<int> g_write_fd{-1};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "the signal handler may only touch lock-free atomics");

void OnSignal(int /*signal*/) {
  const int saved = errno;
  g_requested.store(true);
  if (const int fd = g_write_fd.load(); fd >= 0) {
    const ssize_t ignored = write(fd, &kSignalled, 1);
    (void)ignored;
  }
  errno = saved;
}

void SetHandler(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kSignals) sigaction(signal, &action, nullptr);
}

}  // namespace

SessionEndSignals::SessionEndSignals() {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
    // A full pipe already says what a further byte would.
    read_fd_ = fds[0];
    write_fd_ = fds[1];
    g_write_fd.store(write_fd_);
  }
  SetHandler(&OnSignal);
}

SessionEndSignals::~SessionEndSignals() {
  SetHandler(SIG_IGN);
  g_write_fd.store(-1);
  if (read_fd_ >= 0) close(read_fd_);
  if (write_fd_ >= 0) close(write_fd_);
}

bool SessionEndSignals::Requested() const {
  return g_requested.load();
}

}  // namespace tinto::sdl
