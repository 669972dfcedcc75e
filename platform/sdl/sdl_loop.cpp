// The message loop of the desktop backend: timers, events, modal windows.
//
// Every pass runs the timers that are due, sends what they drew, then sleeps on the X
// connection (X11EventWait) until the next tick that can matter (as the timer queue plans
// it) or the next event, runs the timers due by then and hands the event to its window. A
// modal window runs the same loop nested; while one is open only the topmost modal
// window takes input, so clicks, keys, wheel turns, drops and close requests for the
// others are dropped. Quit ends every loop, the nested ones first.
#include <algorithm>
#include <cstdlib>

#include "platform/sdl/key_map.h"
#include "platform/sdl/monotonic_clock.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/sdl/x11_window.h"

namespace tinto::sdl {

namespace {

// With no timer due the loop still looks around once a second: a bound, not a pace.
constexpr std::uint64_t kIdleWaitMs = 1000;

// When SDL reads the X connection (see SdlPlatform::event_wait_): after the server sent
// something, and at least this often.
constexpr std::uint64_t kFollowUpReadMs = 250;
constexpr std::uint64_t kQuietReadMs = 1000;
// Without an X connection of our own to sleep on, SDL's wait, which the session's end
// cannot interrupt, is cut into slices of this length.
constexpr std::uint64_t kSdlWaitSliceMs = 100;

// X's button numbers.
std::optional<MouseButton> ButtonOf(unsigned int button) {
  switch (button) {
    case 1:
      return MouseButton::kLeft;
    case 2:
      return MouseButton::kMiddle;
    case 3:
      return MouseButton::kRight;
    default:
      return std::nullopt;
  }
}
constexpr unsigned int kWheelUp = 4;
constexpr unsigned int kWheelDown = 5;

// Two presses of the left button make a double click when the second comes within this
// time and this distance (either way) of the first.
constexpr unsigned long kDoubleClickMs = 500;
constexpr int kDoubleClickSlop = 2;

ShiftState ShiftOf(Uint16 mods) {
  return {.shift = (mods & KMOD_SHIFT) != 0,
          .ctrl = (mods & KMOD_CTRL) != 0,
          .alt = (mods & KMOD_ALT) != 0};
}

}  // namespace

void SdlPlatform::RunMessageLoop() {
  Audio();
  Pump([] { return false; });
}

int SdlPlatform::RunModal(WindowId id) {
  if (quit_ || Find(id) == nullptr) return 0;
  const WindowId focus_before = FocusedWindow();
  // Shown for the topmost modal window, or for the main one, and raised above it.
  const WindowId opener = modal_.Top().value_or(first_window_);
  const std::optional<std::size_t> level = modal_.Push(id);
  if (!level) return 0;
  if (Win* w = Find(id); w != nullptr) w->opener = opener;
  ShowWindow(id);
  RaiseModal();
  Pump([this, level] { return modal_.Ended(*level); });
  const int result = modal_.Pop(*level);
  HideWindow(id);
  if (const std::optional<WindowId> top = modal_.Top())
    GiveFocus(*top);
  else if (focus_before != 0 && focus_before != id)
    GiveFocus(focus_before);
  return result;
}

// The topmost modal window comes to the front with the focus: when it opens, and when the
// desktop activates a window below it (a second start raises the main window).
void SdlPlatform::RaiseModal() {
  const std::optional<WindowId> top = modal_.Top();
  if (!top) return;
  Win* w = Find(*top);
  if (w == nullptr || w->window == nullptr || !w->visible) return;
  RaiseX11Window(w->window);
  GiveFocus(w->id);
}

void SdlPlatform::EndModal(WindowId id, int result) {
  modal_.End(id, result);
}

template <typename Done>
void SdlPlatform::Pump(Done done) {
  while (!quit_ && !done()) {
    if (session_end_ != nullptr && session_end_->Requested()) {
      quit_ = true;
      break;
    }
    timers_.RunDue();
    if (quit_ || done()) break;
    X11SurfaceSender* held = SendDrawn();
    SDL_Event ev;
    if (!NextEvent(&ev, WaitNs(), held)) continue;
    timers_.RunDue();
    if (quit_) break;
    Dispatch(ev);
  }
}

std::uint64_t SdlPlatform::WaitNs() {
  const std::optional<std::uint64_t> wake = timers_.NextWake();
  const std::uint64_t now = MonotonicNs();
  const std::uint64_t bound = kIdleWaitMs * kNsPerMs;
  if (!wake) return bound;
  // The timers' clock is MonotonicMs: a tick due at millisecond T is due from T * 10^6 ns.
  const std::uint64_t due = *wake * kNsPerMs;
  return due <= now ? 0 : std::min(due - now, bound);
}

bool SdlPlatform::NextEvent(SDL_Event* ev, std::uint64_t timeout_ns, X11SurfaceSender* held) {
  // Every way below that reads or waits sends Xlib's buffer first; this one does not.
  if (SDL_PeepEvents(ev, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) {
    if (held != nullptr) held->Flush();
    return true;
  }
  if (event_wait_ == nullptr || !event_wait_->Ready()) {
    const std::uint64_t ms =
        std::min<std::uint64_t>((timeout_ns + kNsPerMs - 1) / kNsPerMs, kSdlWaitSliceMs);
    return SDL_WaitEventTimeout(ev, static_cast<int>(ms)) == 1;
  }
  // A read SDL owes after input is worth a wake-up of its own; the once-a-second one is
  // done at the next wake-up from then on.
  const std::uint64_t now = MonotonicNs();
  const std::uint64_t read_at = next_read_ * kNsPerMs;
  bool input = false;
  if (now < read_at) {
    const int wake_fd = session_end_ != nullptr ? session_end_->WakeFd() : -1;
    if (follow_up_read_) timeout_ns = std::min(timeout_ns, read_at - now);
    switch (event_wait_->Wait(timeout_ns, wake_fd)) {
      case X11EventWait::Result::kInput:
        input = true;
        break;
      case X11EventWait::Result::kWoken:
        return false;
      case X11EventWait::Result::kTimeout:
        if (!follow_up_read_ || MonotonicNs() < read_at) return false;
        break;
    }
  }
  SDL_PumpEvents();
  follow_up_read_ = input;
  next_read_ = MonotonicMs() + (input ? kFollowUpReadMs : kQuietReadMs);
  return SDL_PeepEvents(ev, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1;
}

ShiftState SdlPlatform::Shift() const {
  return ShiftOf(static_cast<Uint16>(SDL_GetModState()));
}

void SdlPlatform::Dispatch(const SDL_Event& ev) {
  switch (ev.type) {
    case SDL_QUIT: {
      // SIGINT (SIGTERM and SIGHUP are the session's end, see Pump): the main window is
      // asked to close, modal windows or not.
      Win* main = Find(first_window_);
      if (main != nullptr && main->events != nullptr)
        main->events->OnCloseRequest();
      else
        Quit();
      return;
    }
    case SDL_WINDOWEVENT:
      DispatchWindowEvent(ev.window);
      return;
    case SDL_SYSWMEVENT:
      if (const std::optional<PointerEvent> pointer = PointerEventOf(ev.syswm.msg))
        DispatchPointer(*pointer);
      return;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      // Keys go to the active window: while a modal window is open that is the modal
      // window, wherever the desktop has put the keyboard focus.
      const std::optional<WindowId> top = modal_.Top();
      Win* w = top ? Find(*top) : FindSdl(ev.key.windowID);
      if (w == nullptr || w->events == nullptr) return;
      const int code = VirtualKey(ev.key.keysym.sym, ev.key.keysym.scancode,
                                  (ev.key.keysym.mod & KMOD_NUM) != 0);
      if (code == 0) return;
      const ShiftState shift = ShiftOf(ev.key.keysym.mod);
      if (ev.type == SDL_KEYDOWN)
        w->events->OnKeyDown(code, shift);
      else
        w->events->OnKeyUp(code, shift);
      return;
    }
    case SDL_DROPBEGIN:
    case SDL_DROPFILE:
    case SDL_DROPTEXT:
    case SDL_DROPCOMPLETE:
      DispatchDrop(ev.drop);
      return;
    default:
      return;
  }
}

// Pointer input is taken from the X server's own events, not from SDL's mouse events.
// SDL drops a motion whose client position equals the last one, which is every other
// step of a drag once the window has followed the pointer. It gives a press or release
// the position and the window of the last motion it kept, and the server sends no motion
// when a window moves under a still pointer: after a drag SDL may think the pointer
// outside the window and send the next presses and releases to no window at all. The
// server's event says exactly which window it went to and where, in the window and on
// the screen.
void SdlPlatform::DispatchPointer(const PointerEvent& p) {
  pointer_ = p.screen;
  Win* w = FindX(p.window);
  if (w == nullptr || w->events == nullptr) return;
  const WindowId id = w->id;
  if (p.kind == PointerEvent::Kind::kMotion) {
    if (TakesInput(id)) w->events->OnMouseMove(Shift(), p.client.x, p.client.y);
    return;
  }
  if (p.button == kWheelUp || p.button == kWheelDown) {
    if (p.kind == PointerEvent::Kind::kPress && TakesInput(id))
      w->events->OnMouseWheel(Shift(), p.button == kWheelUp ? 120 : -120, p.client.x, p.client.y);
    return;
  }
  const std::optional<MouseButton> button = ButtonOf(p.button);
  if (!button) return;
  // The second press of a pair on the same window (a third one starts a new pair).
  bool double_click = false;
  if (p.kind == PointerEvent::Kind::kPress && *button == MouseButton::kLeft) {
    double_click = first_press_.window == id && p.time - first_press_.time <= kDoubleClickMs &&
                   std::abs(p.screen.x - first_press_.at.x) <= kDoubleClickSlop &&
                   std::abs(p.screen.y - first_press_.at.y) <= kDoubleClickSlop;
    first_press_ = double_click ? FirstPress{} : FirstPress{id, p.time, p.screen};
  }
  if (!TakesInput(id)) {
    // A press on a window below a modal one brings the modal window back up.
    if (p.kind == PointerEvent::Kind::kPress) RaiseModal();
    return;
  }
  const ShiftState shift = Shift();
  if (p.kind == PointerEvent::Kind::kPress)
    held_ = HeldPress{id, p.button, p.screen};
  else if (p.button == held_.button)
    held_ = HeldPress{};
  if (p.kind == PointerEvent::Kind::kRelease) {
    w->events->OnMouseUp(*button, shift, p.client.x, p.client.y);
    return;
  }
  w->events->OnMouseDown(*button, shift, p.client.x, p.client.y);
  if (double_click)
    if (Win* again = Find(id); again != nullptr && again->events != nullptr && TakesInput(id))
      again->events->OnDoubleClick(shift, p.client.x, p.client.y);
}

void SdlPlatform::DispatchWindowEvent(const SDL_WindowEvent& ev) {
  Win* w = FindSdl(ev.windowID);
  if (w == nullptr || w->events == nullptr) return;
  switch (ev.event) {
    case SDL_WINDOWEVENT_EXPOSED:
      w->events->OnPaint();
      return;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      // The window's surface takes the new size at its next use.
      w->events->OnResize(ev.data1, ev.data2);
      return;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      if (!TakesInput(w->id)) RaiseModal();
      return;
    case SDL_WINDOWEVENT_CLOSE:
      // Sent only to windows that are up and may take input.
      if (w->visible && TakesInput(w->id)) w->events->OnCloseRequest();
      return;
    default:
      return;
  }
}

// One drop brings a begin, one event per file and a completion; the window hears of it
// once, with all the files, if it takes dropped files and no modal window is in the way.
void SdlPlatform::DispatchDrop(const SDL_DropEvent& ev) {
  Win* w = FindSdl(ev.windowID);
  if (ev.type == SDL_DROPFILE || ev.type == SDL_DROPTEXT) {
    if (w != nullptr && ev.type == SDL_DROPFILE && ev.file != nullptr)
      w->dropped.emplace_back(ev.file);
    SDL_free(ev.file);
    return;
  }
  if (w == nullptr) return;
  if (ev.type == SDL_DROPBEGIN) {
    w->dropped.clear();
    return;
  }
  std::vector<std::string> files = std::move(w->dropped);
  w->dropped.clear();
  if (!files.empty() && w->accept_drops && w->events != nullptr && TakesInput(w->id))
    w->events->OnDropFiles(files);
}

}  // namespace tinto::sdl
