// The platform layer: the narrow set of services the application asks of the windowing
// system, the clock, the sound and music facilities (Sound) and the shell. The application only
// ever talks to this interface; one backend implements it on a real desktop, another on
// simulated time and scripted input.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/geometry.h"
#include "gfx/region.h"
#include "platform/keys.h"

namespace tinto {

using WindowId = int;
using TimerId = int;

enum class MouseButton { kLeft, kRight, kMiddle };

// Modifier keys held with an input event.
struct ShiftState {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool any() const { return shift || ctrl || alt; }
};

// What the application receives for one of its windows. Coordinates are client
// coordinates of that window.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  // The window needs its picture again (shown, uncovered): draw the back buffer onto it.
  virtual void OnPaint() = 0;
  virtual void OnMouseDown(MouseButton, ShiftState, int /*x*/, int /*y*/) {}
  virtual void OnMouseMove(ShiftState, int /*x*/, int /*y*/) {}
  virtual void OnMouseUp(MouseButton, ShiftState, int /*x*/, int /*y*/) {}
  virtual void OnDoubleClick(ShiftState, int /*x*/, int /*y*/) {}
  virtual void OnKeyDown(int /*vk*/, ShiftState) {}
  virtual void OnKeyUp(int /*vk*/, ShiftState) {}
  virtual void OnMouseWheel(ShiftState, int /*delta*/, int /*x*/, int /*y*/) {}
  virtual void OnDropFiles(const std::vector<std::string>& /*paths*/) {}
  // A resizable window got a new client size; it draws itself anew.
  virtual void OnResize(int /*width*/, int /*height*/) {}
  // The window system or the session asks the window to close (not sent to dialogs that
  // are not open).
  virtual void OnCloseRequest() {}
  // The window's back buffer, for inspection by the simulator.
  virtual const gfx::Bitmap* BackBuffer() const { return nullptr; }
};

enum class DialogKind { kNotice, kQuestion };

struct WindowSpec {
  std::string name;   // short name: main, message, picker, password, manual
  std::string title;  // window title as other programs see it
  int width = 0;      // client size
  int height = 0;
  bool topmost = false;
  bool resizable = false;  // a framed, resizable tool window (the manual)
};

enum class CursorShape { kNormal, kBusy };

struct LocalTime {
  int year = 2026;
  int month = 1;  // 1..12
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// How a periodic timer's coming ticks matter. The loop may sleep through ticks that can
// change nothing; ticks that only keep books are replayed, each at its own tick count,
// just before anything else is dispatched, so the application sees exactly the ticks it
// would have seen had the loop woken for each.
struct TickPlan {
  enum class Mode {
    kEvery,      // every tick may matter
    kSkipUntil,  // ticks before until_tick do nothing at all
    kSkipAll,    // no tick does anything until the plan changes
    kReplayAll,  // no tick is visible, but each must still run (bookkeeping)
    // Ticks before until_tick only keep books (replayed); the first at or after it may
    // matter.
    kReplayUntil,
  };
  Mode mode = Mode::kEvery;
  // For kSkipUntil and kReplayUntil: the tick count of the first tick that may matter.
  std::uint32_t until_tick = 0;
  // How much later than its time a tick that may matter may run, so that the loop wakes
  // once for it and another timer's tick. It still runs at its own time (tick count and
  // clock read as they were then); only what it draws shows up later.
  std::uint32_t slack_ms = 0;
};

struct TimerSpec {
  WindowId owner = 0;
  std::uint32_t interval_ms = 0;
  std::function<void()> on_tick;
  std::function<TickPlan()> plan;  // empty: every tick matters
};

// Sound effects and music.
class Sound {
 public:
  // --- sound effects: one at a time, asynchronous, a missing file is silent
  virtual void PlayWave(const std::string& path, bool loop) = 0;
  virtual void StopWaves() = 0;
  // Reads the effect ahead of its playing, where that lets the playing start sooner;
  // plays nothing. Backends that gain nothing from it leave it alone.
  virtual void PrepareWave(const std::string& path) { (void)path; }

  // --- music: one file at a time
  // Opens a MIDI, MP3 or WAV file; returns its length in milliseconds, or nothing when
  // it cannot be opened or measured.
  virtual std::optional<std::uint32_t> MusicOpen(const std::string& path) = 0;
  virtual bool MusicPlay() = 0;
  virtual void MusicStop() = 0;
  virtual void MusicClose() = 0;

 protected:
  ~Sound() = default;
};

// What only the simulator looks at: the notices and questions about to be shown, and the
// skin bitmaps by name. A desktop backend has none.
class PlatformInspector {
 public:
  // The message window is about to show a notice or a question.
  virtual void NoteDialog(DialogKind kind, const std::string& text) = 0;
  virtual void SetSkinLookup(std::function<const gfx::Bitmap*(std::string_view)> lookup) = 0;

 protected:
  ~PlatformInspector() = default;
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual Sound& sound() = 0;
  // The simulator's inspector; nothing on a desktop.
  virtual PlatformInspector* inspector() { return nullptr; }

  // --- the application and other programs
  virtual std::string ExecutablePath() = 0;
  virtual std::vector<std::string> Arguments() = 0;
  // Looks for a running copy by its application title; when found, restores it if it was
  // minimised, brings it to the front and returns true.
  virtual bool ActivateRunningCopy(const std::string& title) = 0;
  // Takes the application title so that later copies find this one.
  virtual void ClaimTitle(const std::string& title) = 0;
  // True when a top-level window of one of the host game's window classes is present.
  virtual bool HostWindowExists(std::span<const char* const> class_names) = 0;
  virtual gfx::Size ScreenSize() = 0;
  virtual void MinimiseApplication() = 0;
  // The standard error message of the platform (shown modally, or recorded).
  virtual void ShowError(const std::string& text) = 0;

  // --- windows
  virtual WindowId CreateWindow(const WindowSpec& spec, WindowEvents* events) = 0;
  virtual void DestroyWindow(WindowId id) = 0;
  virtual void ShowWindow(WindowId id) = 0;
  virtual void HideWindow(WindowId id) = 0;
  virtual bool IsWindowVisible(WindowId id) = 0;
  virtual void SetWindowRegion(WindowId id, const gfx::Region& region) = 0;
  virtual void MoveWindow(WindowId id, gfx::Point top_left) = 0;
  virtual gfx::Point WindowPosition(WindowId id) = 0;
  // Where the pointer was on the screen at the mouse event being handled now (screen
  // coordinates, unaffected by windows moving meanwhile).
  virtual gfx::Point PointerPosition() = 0;
  // At the press that starts a drag of the window: hands the drag to the desktop, which
  // then moves the window with the pointer until the button comes up, and returns true.
  // False where the program moves the window itself (MoveWindow at each pointer move).
  virtual bool HandOverDrag(WindowId /*id*/) { return false; }
  // Draws src_rect of a bitmap onto the window's client area at dst.
  virtual void DrawToWindow(WindowId id, const gfx::Bitmap& src, gfx::Rect src_rect,
                            gfx::Point dst) = 0;
  // Asks the window to paint itself now (OnPaint).
  virtual void Repaint(WindowId id) = 0;
  virtual void AcceptDroppedFiles(WindowId id, bool accept) = 0;
  // True when the window is the active window holding the keyboard focus.
  virtual bool HasFocus(WindowId id) = 0;

  // --- the message loop
  // Runs until Quit.
  virtual void RunMessageLoop() = 0;
  virtual void Quit() = 0;
  // Shows the window modally and runs a nested loop until EndModal; hides it and returns
  // the modal result. Other windows get no input meanwhile; timers keep running.
  virtual int RunModal(WindowId id) = 0;
  virtual void EndModal(WindowId id, int result) = 0;

  // --- time
  virtual TimerId SetTimer(const TimerSpec& spec) = 0;
  virtual void KillTimer(TimerId id) = 0;
  // Milliseconds since some start, wrapping at 2^32.
  virtual std::uint32_t TickCount() = 0;
  // A blocking wait: nothing else is handled meanwhile.
  virtual void Sleep(int ms) = 0;
  virtual LocalTime Now() = 0;
  virtual std::uint32_t RandomSeed() = 0;

  // --- input state and cursor
  virtual bool IsKeyDown(int vk) = 0;
  // Changes the cursor display counter by +1 (show) or -1 (hide) and returns it; the
  // cursor is visible while the counter is 0 or more.
  virtual int ShowCursor(bool show) = 0;
  virtual void SetCursorShape(CursorShape shape) = 0;
};

}  // namespace tinto
