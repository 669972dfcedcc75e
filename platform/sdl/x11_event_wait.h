// The message loop's sleep, on the X connection itself.
//
// SDL's own wait (SDL_WaitEventTimeout) reads the connection some sixteen times around
// every sleep, each a system call that finds nothing: most of what an idle wake-up costs.
// The loop sleeps here instead, in one poll(2) on the connection, and has SDL read it
// only when the server has sent something.
#pragma once

#include <SDL_video.h>

#include <cstdint>
#include <optional>

namespace tinto::sdl {

class X11EventWait {
 public:
  // On the X connection of the window (SDL has one for all windows); not Ready() when the
  // window does not live on an X server.
  explicit X11EventWait(SDL_Window* window);
  bool Ready() const { return display_ != nullptr; }

  enum class Result {
    kInput,    // the server sent something (or Xlib already holds it), or a signal came
    kWoken,    // wake_fd became readable
    kTimeout,  // nothing
  };
  // Sends the requests Xlib holds, then sleeps until one of the results above, or for
  // timeout_ns (0: only looks). wake_fd may be -1.
  Result Wait(std::uint64_t timeout_ns, int wake_fd);

 private:
  // Sends what Xlib holds without reading the connection, when nothing was read from it
  // since it was last read to the end; false when the read is still to be made.
  bool SendWithoutReading();

  void* display_ = nullptr;  // Display*
  // The connection's count of bytes read when Xlib last took in all there was.
  std::optional<std::uint64_t> taken_in_at_;
};

}  // namespace tinto::sdl
