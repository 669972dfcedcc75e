// The end of the user's session on the desktop: SIGTERM (logout, shutdown, kill) and
// SIGHUP (the terminal or the session went away). The program then ends at once and
// quietly, with nothing left to save, as it does when Windows ends the session.
#pragma once

#include <atomic>

namespace tinto::sdl {

class SessionEndSignals {
 public:
  // Catches the signals from now on: the handler notes the request and writes a byte to
  // a pipe, so that a loop sleeping on WakeFd() wakes and looks at Requested() at once.
  // Made before SDL starts, SDL then leaves these signals alone.
  SessionEndSignals();
  // The signals are ignored from then on (the program is ending).
  ~SessionEndSignals();
  SessionEndSignals(const SessionEndSignals&) = delete;
  SessionEndSignals& operator=(const SessionEndSignals&) = delete;

  bool Requested() const;
  // Readable once a session end has been requested (-1 when no pipe could be made).
  int WakeFd() const { return read_fd_; }

 private:
  int read_fd_ = -1;
  int write_fd_ = -1;
};

}  // namespace tinto::sdl
