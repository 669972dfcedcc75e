// One copy of the program per user and display.
//
// A running copy is found by its application title on the X desktop: the window of that
// title is restored, raised and activated, and the new copy ends. Two copies started in
// the same instant could both look before either has a window and both run, so the
// search is backed by a lock file in the user's runtime folder ($XDG_RUNTIME_DIR, else
// /tmp), named after the title and the display:
//
//   - a copy that decides to run takes an exclusive flock() on the file and holds it for
//     its whole run; the kernel releases it when the copy ends, even after a crash;
//   - a starting copy looks for the window first; when there is none it tries the lock
//     without blocking. Getting it means no other copy is running or starting: this one
//     runs. When the lock is held, the other copy is between its own look and its first
//     window: look again every 50 ms until the window shows up (then hand over to it) or
//     the lock comes free (the other copy gave up; run). A holder that never shows a
//     window does not lock the user out for good: after 5 seconds this copy runs anyway.
#pragma once

#include <string>

#include "platform/sdl/x11_desktop.h"

namespace tinto::sdl {

class SingleInstance {
 public:
  explicit SingleInstance(X11Desktop& desktop) : desktop_(desktop) {}
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // True when another copy was found and activated; false when this copy is to run (it
  // then holds the lock, unless the lock file cannot be made at all).
  bool ActivateRunningCopy(const std::string& title);
  // Makes sure this copy holds the lock for its title.
  void Claim(const std::string& title);

 private:
  enum class Lock { kTaken, kHeldElsewhere, kUnavailable };
  Lock TryLock(const std::string& title);

  X11Desktop& desktop_;
  int fd_ = -1;
};

}  // namespace tinto::sdl
