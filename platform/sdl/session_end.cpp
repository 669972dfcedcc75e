// Signals through a self-pipe: nothing but a write(2) happens in the handler.
#include "platform/sdl/session_end.h"

#include <SDL_events.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace tinto::sdl {

namespace {

constexpr char kSignalled = 'S';
constexpr char kStop = 'Q';
constexpr int kSignals[] = {SIGTERM, SIGHUP};

std::atomic<int> g_write_fd{-1};

void OnSignal(int /*signal*/) {
  const int saved = errno;
  const int fd = g_write_fd.load();
  if (fd >= 0) {
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

SessionEndSignals::SessionEndSignals(Uint32 wake_event) : wake_event_(wake_event) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return;
  read_fd_ = fds[0];
  write_fd_ = fds[1];
  // A full pipe already says what a further byte would.
  fcntl(write_fd_, F_SETFL, fcntl(write_fd_, F_GETFL) | O_NONBLOCK);
  g_write_fd.store(write_fd_);
  watcher_ = std::thread([this] { Watch(); });
  SetHandler(&OnSignal);
}

SessionEndSignals::~SessionEndSignals() {
  if (read_fd_ < 0) return;
  SetHandler(SIG_IGN);
  g_write_fd.store(-1);
  ssize_t written;
  do written = write(write_fd_, &kStop, 1);
  while (written < 0 && errno == EINTR);
  watcher_.join();
  close(read_fd_);
  close(write_fd_);
}

void SessionEndSignals::Watch() {
  for (;;) {
    char byte = 0;
    const ssize_t got = read(read_fd_, &byte, 1);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0 || byte == kStop) return;
    requested_.store(true);
    SDL_Event wake{};
    wake.type = wake_event_;
    SDL_PushEvent(&wake);
  }
}

}  // namespace tinto::sdl
