// The message loop of the desktop backend: timers, events, modal windows.
//
// Every pass runs the timers that are due, then sleeps in SDL_WaitEventTimeout until the
// next tick that can matter (as the timer queue plans it) or the next event, runs the
// timers due by then and hands the event to its window. A modal window runs the same
// loop nested; while one is open only the topmost modal window takes input, so clicks,
// keys, wheel turns, drops and close requests for the others are dropped. Quit ends
// every loop, the nested ones first.
#include <algorithm>

#include "platform/sdl/key_map.h"
#include "platform/sdl/sdl_platform.h"

namespace tinto::sdl {

namespace {

// With no timer due the loop still looks around once a second: a bound, not a pace.
constexpr std::uint64_t kIdleWaitMs = 1000;

std::optional<MouseButton> ButtonOf(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT:
      return MouseButton::kLeft;
    case SDL_BUTTON_RIGHT:
      return MouseButton::kRight;
    case SDL_BUTTON_MIDDLE:
      return MouseButton::kMiddle;
    default:
      return std::nullopt;
  }
}

ShiftState ShiftOf(Uint16 mods) {
  return {.shift = (mods & KMOD_SHIFT) != 0,
          .ctrl = (mods & KMOD_CTRL) != 0,
          .alt = (mods & KMOD_ALT) != 0};
}

}  // namespace

void SdlPlatform::RunMessageLoop() {
  Pump([] { return false; });
}

int SdlPlatform::RunModal(WindowId id) {
  if (quit_ || Find(id) == nullptr) return 0;
  // A window is modal once at a time.
  if (std::any_of(modal_.begin(), modal_.end(), [id](const ModalLevel& l) { return l.id == id; }))
    return 0;
  const WindowId focus_before = FocusedWindow();
  modal_.push_back({.id = id});
  const std::size_t level = modal_.size() - 1;
  ShowWindow(id);
  GiveFocus(id);
  Pump([this, level] { return modal_[level].ended; });
  const int result = modal_[level].ended ? modal_[level].result : 0;
  modal_.resize(level);
  HideWindow(id);
  if (!modal_.empty())
    GiveFocus(modal_.back().id);
  else if (focus_before != 0 && focus_before != id)
    GiveFocus(focus_before);
  return result;
}

void SdlPlatform::EndModal(WindowId id, int result) {
  for (ModalLevel& level : modal_) {
    if (level.id == id && !level.ended) {
      level.ended = true;
      level.result = result;
    }
  }
}

template <typename Done>
void SdlPlatform::Pump(Done done) {
  while (!quit_ && !done()) {
    timers_.RunDue();
    if (quit_ || done()) break;
    SDL_Event ev;
    if (SDL_WaitEventTimeout(&ev, WaitTimeout()) == 0) continue;
    timers_.RunDue();
    if (quit_) break;
    Dispatch(ev);
  }
}

int SdlPlatform::WaitTimeout() {
  const std::optional<std::uint64_t> wake = timers_.NextWake();
  const std::uint64_t now = SDL_GetTicks64();
  if (!wake) return static_cast<int>(kIdleWaitMs);
  if (*wake <= now) return 0;
  return static_cast<int>(std::min(*wake - now, kIdleWaitMs));
}

bool SdlPlatform::TakesInput(WindowId id) const {
  return modal_.empty() || modal_.back().id == id;
}

ShiftState SdlPlatform::Shift() const {
  return ShiftOf(static_cast<Uint16>(SDL_GetModState()));
}

void SdlPlatform::Dispatch(const SDL_Event& ev) {
  switch (ev.type) {
    case SDL_QUIT: {
      // The session ends (SIGTERM, SIGINT): the main window is asked to close, modal
      // windows or not.
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
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      Win* w = FindSdl(ev.button.windowID);
      const std::optional<MouseButton> button = ButtonOf(ev.button.button);
      if (w == nullptr || w->events == nullptr || !button) return;
      // SDL counts a quick series of clicks across windows; a double click is two
      // presses of the left button on the same window.
      bool double_click = false;
      if (ev.type == SDL_MOUSEBUTTONDOWN && *button == MouseButton::kLeft) {
        double_click =
            ev.button.clicks >= 2 && ev.button.clicks % 2 == 0 && last_left_press_ == w->id;
        last_left_press_ = w->id;
      }
      if (!TakesInput(w->id)) {
        // A press on a window below a modal one brings the modal window back up.
        if (ev.type == SDL_MOUSEBUTTONDOWN)
          if (Win* top = Find(modal_.back().id); top != nullptr && top->window != nullptr)
            SDL_RaiseWindow(top->window);
        return;
      }
      const WindowId id = w->id;
      const ShiftState shift = Shift();
      if (ev.type == SDL_MOUSEBUTTONUP) {
        w->events->OnMouseUp(*button, shift, ev.button.x, ev.button.y);
        return;
      }
      w->events->OnMouseDown(*button, shift, ev.button.x, ev.button.y);
      // The second press of a pair (a third one starts a new pair).
      if (double_click)
        if (Win* again = Find(id); again != nullptr && again->events != nullptr && TakesInput(id))
          again->events->OnDoubleClick(shift, ev.button.x, ev.button.y);
      return;
    }
    case SDL_MOUSEMOTION: {
      Win* w = FindSdl(ev.motion.windowID);
      if (w != nullptr && w->events != nullptr && TakesInput(w->id))
        w->events->OnMouseMove(Shift(), ev.motion.x, ev.motion.y);
      return;
    }
    case SDL_MOUSEWHEEL: {
      Win* w = FindSdl(ev.wheel.windowID);
      if (w == nullptr || w->events == nullptr || !TakesInput(w->id)) return;
      int notches = ev.wheel.y;
      if (ev.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
      if (notches != 0)
        w->events->OnMouseWheel(Shift(), notches * 120, ev.wheel.mouseX, ev.wheel.mouseY);
      return;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      // Keys go to the active window: while a modal window is open that is the modal
      // window, wherever the desktop has put the keyboard focus.
      Win* w = modal_.empty() ? FindSdl(ev.key.windowID) : Find(modal_.back().id);
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
