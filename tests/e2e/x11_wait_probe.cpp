// The message loop's sleep on the X connection against events that have already been read
// off the socket: another client's message to our window arrives while we are busy, and
// a round trip of ours reads it into libxcb's queue (where poll(2) cannot see it), or the
// sending of our next requests does. The wait must come back with input at once, not
// sleep for its whole timeout. Prints one line per case:
//   CASE RESULT MILLISECONDS
// RESULT is input, woken or timeout.
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>

#include "platform/sdl/x11_event_wait.h"

namespace {

using tinto::sdl::X11EventWait;

constexpr std::uint64_t kNsPerMs = 1000000;

const char* NameOf(X11EventWait::Result r) {
  switch (r) {
    case X11EventWait::Result::kInput:
      return "input";
    case X11EventWait::Result::kWoken:
      return "woken";
    case X11EventWait::Result::kTimeout:
      return "timeout";
  }
  return "?";
}

void Report(const char* name, X11EventWait& wait, std::uint64_t timeout_ms) {
  const auto start = std::chrono::steady_clock::now();
  const X11EventWait::Result r = wait.Wait(timeout_ms * kNsPerMs, -1);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start)
                      .count();
  std::printf("%s %s %lld\n", name, NameOf(r), static_cast<long long>(ms));
  std::fflush(stdout);
}

// Takes in whatever comes (the window's own making sends a few events) until the
// connection has been quiet for 100 ms, so that each case starts from an empty queue.
void Settle(X11EventWait& wait) {
  for (int i = 0; i < 50 && wait.Wait(100 * kNsPerMs, -1) != X11EventWait::Result::kTimeout; ++i) {
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  }
}

}  // namespace

int main() {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::printf("no video: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Window* window = SDL_CreateWindow("x11 wait probe", 0, 0, 64, 64, SDL_WINDOW_HIDDEN);
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) {
    std::printf("no X11 window\n");
    return 1;
  }
  Display* ours = info.info.x11.display;
  const ::Window target = info.info.x11.window;
  Display* other = XOpenDisplay(nullptr);
  if (other == nullptr) {
    std::printf("no second connection\n");
    return 1;
  }
  // A message with no event mask goes to the client that made the window: us.
  const auto send = [&] {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = target;
    e.xclient.message_type = XInternAtom(other, "TINTO_PROBE", False);
    e.xclient.format = 32;
    XSendEvent(other, target, False, NoEventMask, &e);
    XSync(other, False);
  };
  X11EventWait wait(window);

  Settle(wait);
  Report("nothing", wait, 200);

  Settle(wait);
  send();
  xcb_connection_t* connection = XGetXCBConnection(ours);
  free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
  Report("after-round-trip", wait, 2000);

  Settle(wait);
  send();
  XNoOp(ours);  // a request for the wait to send
  Report("while-sending", wait, 2000);

  Settle(wait);
  Report("nothing-again", wait, 200);

  XCloseDisplay(other);
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
