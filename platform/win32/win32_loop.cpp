// The Windows backend's message loop: timers, messages, modal windows.
//
// Every pass runs the timers that are due, takes the next message or, when none waits,
// sleeps in MsgWaitForMultipleObjectsEx until the next tick that can matter (as the timer
// queue plans it) or a message; then it runs the timers due by then and dispatches the
// message. The sleep ends to the millisecond: a window timer cannot be armed for less than
// 10 ms (USER_TIMER_MINIMUM), so one armed for the 10 ms frame clock's next tick, due in
// a few milliseconds, rang late, and every frame with it.
// A modal window runs the same loop nested; while one is open only the topmost modal
// window takes input, so clicks, keys, wheel turns, drops and close requests for the
// others are dropped. Quit ends every loop, the nested ones first.
#include <algorithm>

#include "platform/win32/precise_clock.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace tinto::win32 {
namespace {

// With no timer due the loop still looks around once a second: a bound, not a pace.
constexpr std::uint64_t kIdleWaitMs = 1000;

}  // namespace

void Win32Platform::RunMessageLoop() {
  MediaPlayer::WarmUp();
  Pump([] { return false; });
}

void Win32Platform::Quit() {
  quit_ = true;
  if (wake_window_ != nullptr) PostMessageW(wake_window_, WM_NULL, 0, 0);
}

int Win32Platform::RunModal(WindowId id) {
  if (quit_ || Find(id) == nullptr) return 0;
  HWND focus_before = GetForegroundWindow();
  const std::optional<std::size_t> level = modal_.Push(id);
  if (!level) return 0;
  // A modal window opened by a press: the window pressed holds the mouse capture, and the
  // release would go to it (a window that takes no input now) and keep it for good.
  ReleaseCapture();
  ShowWindow(id);
  Pump([this, level] { return modal_.Ended(*level); });
  const int result = modal_.Pop(*level);
  HideWindow(id);
  if (const std::optional<WindowId> top = modal_.Top()) {
    if (Win* w = Find(*top)) SetForegroundWindow(w->hwnd);
  } else if (focus_before != nullptr && IsWindow(focus_before)) {
    SetForegroundWindow(focus_before);
  }
  return result;
}

void Win32Platform::EndModal(WindowId id, int result) {
  modal_.End(id, result);
  if (wake_window_ != nullptr) PostMessageW(wake_window_, WM_NULL, 0, 0);
}

template <typename Done>
void Win32Platform::Pump(Done done) {
  while (!quit_ && !done()) {
    timers_.RunDue();
    ShowDrawn();
    if (quit_ || done()) break;
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      const DWORD timeout = WaitTimeout();
      pace_.BeforeWait(timeout);
      MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      continue;
    }
    if (msg.message == WM_QUIT) {  // the session ends
      quit_ = true;
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loops
      break;
    }
    timers_.RunDue();
    if (quit_) break;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// How long the loop may sleep: until the next tick that can matter (the waits count whole
// milliseconds: the first one that ends at or after the tick's).
DWORD Win32Platform::WaitTimeout() const {
  const std::optional<std::uint64_t> wake = timers_.NextWake();
  if (!wake) return static_cast<DWORD>(kIdleWaitMs);
  const std::uint64_t now = PreciseUs();
  const std::uint64_t due = *wake * 1000u;  // the timers count PreciseUs's milliseconds
  if (due <= now) return 0;
  return static_cast<DWORD>(std::min((due - now + 999u) / 1000u, kIdleWaitMs));
}

bool Win32Platform::TakesInput(WindowId id) const {
  if (in_error_box_) return false;
  return modal_.TakesInput(id);
}

// The modifiers as they were when the message being handled was sent (IsKeyDown asks
// for the keys held right now).
ShiftState Win32Platform::Shift() const {
  return {.shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0,
          .ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0,
          .alt = (GetKeyState(VK_MENU) & 0x8000) != 0};
}

LRESULT CALLBACK Win32Platform::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<Win32Platform*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self != nullptr) {
    const auto id =
        static_cast<WindowId>(reinterpret_cast<INT_PTR>(GetPropW(hwnd, L"TintoWindowId")));
    if (Win* w = self->Find(id); w != nullptr && w->hwnd == hwnd) {
      const LRESULT result = self->HandleMessage(*w, msg, wp, lp);
      // What the message drew is shown before the next one, also in loops that are not
      // ours (a window's frame dragged, a message box open).
      self->ShowDrawn();
      return result;
    }
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT Win32Platform::HandleMessage(Win& w, UINT msg, WPARAM wp, LPARAM lp) {
  const WindowId id = w.id;
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(w.hwnd, &ps);
      EndPaint(w.hwnd, &ps);
      if (w.events != nullptr) w.events->OnPaint();
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the back buffer covers the whole client area
    case WM_SIZE:
      // A resizable window's new client size: a buffer of that size at the next drawing.
      if (wp != SIZE_MINIMIZED && (LOWORD(lp) != w.width || HIWORD(lp) != w.height)) {
        w.width = std::max(1, static_cast<int>(LOWORD(lp)));
        w.height = std::max(1, static_cast<int>(HIWORD(lp)));
        DropBuffer(w);
        if (w.events != nullptr) w.events->OnResize(w.width, w.height);
      }
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT) {
        SetCursor(cursor_);
        return TRUE;
      }
      break;
    case WM_CLOSE:
      // Never destroyed by the system: the application decides.
      if (w.visible && TakesInput(id) && w.events != nullptr) w.events->OnCloseRequest();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The session ends: every loop ends, the restart notice too (the colours were saved
      // when the user saved them), and the program with them.
      if (wp != 0 && id == first_window_) Quit();
      return 0;
    case WM_DROPFILES:
      HandleDrop(w, reinterpret_cast<HDROP>(wp));
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      // Keys go to the active window: while a modal window is open that is the modal
      // window.
      const std::optional<WindowId> top = modal_.Top();
      Win* target = top ? Find(*top) : &w;
      if (!in_error_box_ && target != nullptr && target->events != nullptr) {
        const int vk = static_cast<int>(wp);
        if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) {
          target->events->OnKeyDown(vk, Shift());
        } else {
          target->events->OnKeyUp(vk, Shift());
        }
      }
      if (msg == WM_SYSKEYDOWN && wp == VK_F4) break;  // Alt+F4 asks the window to close
      return 0;
    }
    default:
      if (HandleMouse(w, msg, wp, lp)) return 0;
      break;
  }
  return DefWindowProcW(w.hwnd, msg, wp, lp);
}

bool Win32Platform::HandleMouse(Win& w, UINT msg, WPARAM wp, LPARAM lp) {
  const bool down = msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN ||
                    msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
  const bool up = msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP;
  if (!down && !up && msg != WM_MOUSEMOVE && msg != WM_MOUSEWHEEL) return false;
  const WindowId id = w.id;
  if (w.events == nullptr) return true;
  if (!TakesInput(id)) {
    // A press on a window below a modal one brings the modal window back up.
    if (const std::optional<WindowId> top = modal_.Top(); down && top) {
      if (Win* t = Find(*top)) SetForegroundWindow(t->hwnd);
    }
    return true;
  }
  int x = GET_X_LPARAM(lp);
  int y = GET_Y_LPARAM(lp);
  const DWORD at = GetMessagePos();
  pointer_ = {GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  const ShiftState shift = Shift();
  if (msg == WM_MOUSEWHEEL) {
    POINT p{x, y};  // the wheel reports screen coordinates
    ScreenToClient(w.hwnd, &p);
    w.events->OnMouseWheel(shift, GET_WHEEL_DELTA_WPARAM(wp), p.x, p.y);
    return true;
  }
  if (msg == WM_MOUSEMOVE) {
    w.events->OnMouseMove(shift, x, y);
    return true;
  }
  MouseButton button = MouseButton::kLeft;
  if (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP || msg == WM_RBUTTONDBLCLK)
    button = MouseButton::kRight;
  if (msg == WM_MBUTTONDOWN || msg == WM_MBUTTONUP || msg == WM_MBUTTONDBLCLK)
    button = MouseButton::kMiddle;
  if (up) {
    if ((wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) ReleaseCapture();
    w.events->OnMouseUp(button, shift, x, y);
    return true;
  }
  // Drags go on outside the window until the button is let go.
  SetCapture(w.hwnd);
  w.events->OnMouseDown(button, shift, x, y);
  // The second press of a pair.
  if (msg == WM_LBUTTONDBLCLK) {
    if (Win* again = Find(id); again != nullptr && again->events != nullptr && TakesInput(id))
      again->events->OnDoubleClick(shift, x, y);
  }
  return true;
}

// The dropped files' names in full, however long.
void Win32Platform::HandleDrop(Win& w, HDROP drop) {
  std::vector<std::string> files;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
    const UINT got = DragQueryFileW(drop, i, name.data(), length + 1);
    name.resize(got);
    if (!name.empty()) files.push_back(Narrow(name));
  }
  DragFinish(drop);
  const WindowId id = w.id;
  if (!files.empty() && w.accept_drops && w.events != nullptr && TakesInput(id))
    w.events->OnDropFiles(files);
}

}  // namespace tinto::win32
