// The end of the user's session on the desktop: SIGTERM (logout, shutdown, kill) and
// SIGHUP (the terminal or the session went away). The program then ends at once and
// quietly, with nothing left to save, as it does when Windows ends the session.
#pragma once

#include <SDL_stdinc.h>

#include <atomic>
#include <thread>

namespace tinto::sdl {

class SessionEndSignals {
 public:
  // Catches the signals from now on: the handler only writes a byte to a pipe; a thread
  // reading the pipe pushes an event of type wake_event so that a waiting loop looks at
  // Requested() at once. Made before SDL starts, SDL then leaves these signals alone.
  explicit SessionEndSignals(Uint32 wake_event);
  // Stops the thread; the signals are ignored from then on (the program is ending).
  ~SessionEndSignals();
  SessionEndSignals(const SessionEndSignals&) = delete;
  SessionEndSignals& operator=(const SessionEndSignals&) = delete;

  bool Requested() const { return requested_.load(); }

 private:
  void Watch();

  Uint32 wake_event_;
  int read_fd_ = -1;
  int write_fd_ = -1;
  std::atomic<bool> requested_{false};
  std::thread watcher_;
};

}  // namespace tinto::sdl
