#include "platform/sdl/x11_event_wait.h"

#include <SDL_syswm.h>
#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <X11/Xlibint.h>
#include <poll.h>
#include <time.h>

namespace tinto::sdl {

X11EventWait::X11EventWait(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window != nullptr && SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11)
    display_ = info.info.x11.display;
}

X11EventWait::Result X11EventWait::Wait(std::uint64_t timeout_ns, int wake_fd) {
  auto* display = static_cast<Display*>(display_);
  if (!SendWithoutReading()) {
    // Sending also reads what has come in by then into Xlib's queue, where poll(2) cannot
    // see it.
    XFlush(display);
    taken_in_at_ = xcb_total_read(XGetXCBConnection(display));
  }
  if (XEventsQueued(display, QueuedAlready) > 0) return Result::kInput;
  pollfd fds[2] = {{.fd = ConnectionNumber(display), .events = POLLIN, .revents = 0},
                   {.fd = wake_fd, .events = POLLIN, .revents = 0}};
  const timespec timeout{.tv_sec = static_cast<time_t>(timeout_ns / 1000000000u),
                         .tv_nsec = static_cast<long>(timeout_ns % 1000000000u)};
  const int ready = ppoll(fds, wake_fd >= 0 ? 2 : 1, &timeout, nullptr);
  // A signal (SIGINT, which SDL turns into a quit when its events are read) counts as
  // input, and so does a failed wait or a connection that failed: SDL then finds out.
  if (ready < 0) return Result::kInput;
  if (ready == 0) return Result::kTimeout;
  if (fds[0].revents != 0) return Result::kInput;
  return Result::kWoken;
}

// XFlush reads the connection after sending, in two system calls that mostly find nothing:
// what came in may have been read into libxcb's queue, out of poll(2)'s sight, by an
// earlier wait for an answer or while the buffer was being written (libxcb reads what is
// there while it waits to write). When the count of bytes read is still where it was
// after the last XFlush, nothing of that kind happened: everything that came in is in
// Xlib's queue or still in the socket.
bool X11EventWait::SendWithoutReading() {
  auto* display = static_cast<Display*>(display_);
  xcb_connection_t* connection = XGetXCBConnection(display);
  if (!taken_in_at_ || xcb_total_read(connection) != *taken_in_at_) return false;
  LockDisplay(display);
  _XSend(display, nullptr, 0);
  UnlockDisplay(display);
  return xcb_total_read(connection) == *taken_in_at_;
}

}  // namespace tinto::sdl
