// The desktop backend: the platform layer on SDL2 windows and events, SDL_mixer sound
// and, where SDL stops short, Xlib (window shapes, other programs' windows, the live
// keyboard state).
//
// One thread does everything. The message loop runs the shared timer queue and sleeps on
// the X connection (in SDL_WaitEventTimeout without one) until the next tick that matters
// or the next event. A modal window runs the same loop nested, with input for every other
// window dropped.
#pragma once

#include <SDL.h>

#include <ctime>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/modal_stack.h"
#include "platform/platform.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/session_end.h"
#include "platform/sdl/single_instance.h"
#include "platform/sdl/x11_desktop.h"
#include "platform/sdl/x11_event_wait.h"
#include "platform/sdl/x11_window.h"
#include "platform/timer_queue.h"

namespace tinto::sdl {

class SdlPlatform : public Platform, public Sound {
 public:
  Sound& sound() override { return *this; }
  // Starts SDL's video (and, when possible, audio); nothing when there is no display to
  // open, with the reason in *error.
  static std::unique_ptr<SdlPlatform> Create(int argc, char** argv, std::string* error);
  ~SdlPlatform() override;

  // --- the application and other programs
  std::string ExecutablePath() override;
  std::vector<std::string> Arguments() override { return arguments_; }
  bool ActivateRunningCopy(const std::string& title) override;
  void ClaimTitle(const std::string& title) override;
  bool HostWindowExists(std::span<const char* const> class_names) override;
  gfx::Size ScreenSize() override;
  void MinimiseApplication() override;
  void ShowError(const std::string& text) override;

  // --- windows
  WindowId CreateWindow(const WindowSpec& spec, WindowEvents* events) override;
  void DestroyWindow(WindowId id) override;
  void ShowWindow(WindowId id) override;
  void HideWindow(WindowId id) override;
  bool IsWindowVisible(WindowId id) override;
  void SetWindowRegion(WindowId id, const gfx::Region& region) override;
  void MoveWindow(WindowId id, gfx::Point top_left) override;
  gfx::Point WindowPosition(WindowId id) override;
  gfx::Point PointerPosition() override;
  void DrawToWindow(WindowId id, const gfx::Bitmap& src, gfx::Rect src_rect,
                    gfx::Point dst) override;
  void Repaint(WindowId id) override;
  void AcceptDroppedFiles(WindowId id, bool accept) override;
  bool HasFocus(WindowId id) override;
  bool HandOverDrag(WindowId id) override;

  // --- the message loop
  void RunMessageLoop() override;
  void Quit() override { quit_ = true; }
  int RunModal(WindowId id) override;
  void EndModal(WindowId id, int result) override;

  // --- time
  TimerId SetTimer(const TimerSpec& spec) override { return timers_.Add(spec); }
  void KillTimer(TimerId id) override { timers_.Remove(id); }
  std::uint32_t TickCount() override { return timers_.TickCount(); }
  void Sleep(int ms) override;
  LocalTime Now() override;
  std::uint32_t RandomSeed() override;

  // --- input state and cursor
  bool IsKeyDown(int vk) override;
  int ShowCursor(bool show) override;
  void SetCursorShape(CursorShape shape) override;

  // --- sound effects and music
  void PlayWave(const std::string& path, bool loop) override { Audio().PlayWave(path, loop); }
  void StopWaves() override { Audio().StopWaves(); }
  void PrepareWave(const std::string& path) override { Audio().PrepareWave(path); }
  std::optional<std::uint32_t> MusicOpen(const std::string& path) override {
    return Audio().MusicOpen(path);
  }
  bool MusicPlay() override { return Audio().MusicPlay(); }
  void MusicStop() override { Audio().MusicStop(); }
  void MusicClose() override { Audio().MusicClose(); }

 private:
  struct Win {
    WindowId id = 0;
    // What the system window is made from, until it is made (at the window's first use).
    std::optional<WindowSpec> to_make;
    SDL_Window* window = nullptr;
    unsigned long x_window = 0;
    WindowEvents* events = nullptr;
    bool visible = false;
    bool topmost = false;
    bool above = false;   // shown in the layer above ordinary windows
    WindowId opener = 0;  // the window it is shown for (0: the main window)
    bool accept_drops = false;
    std::vector<std::string> dropped;  // files of the drop in progress
    // On a visual with alpha, what the desktop shows of the window is its alpha: opaque
    // inside the shape, clear outside (an empty mask: no shape, all of it opaque).
    bool alpha = false;
    gfx::Mask shape;
    // Rectangles drawn into the window's surface and not yet sent to the server.
    std::vector<SDL_Rect> drawn;
    std::unique_ptr<X11SurfaceSender> sender;  // small updates, without a round trip
  };
  explicit SdlPlatform(std::vector<std::string> arguments);

  // The window, its system window made if it was not yet.
  Win* Find(WindowId id);
  void Make(Win& w);
  Win* FindSdl(Uint32 sdl_window_id);
  Win* FindX(unsigned long x_window);
  // Runs timers and events until done() holds or Quit is called.
  template <typename Done>
  void Pump(Done done);
  // How long the loop may sleep: until the next tick that can matter, at most a second.
  std::uint64_t WaitNs();
  // The next event, waiting up to timeout_ns for one; false when none came (the time
  // passed, or the session's end woke the wait). Sends what `held` holds (SendDrawn).
  bool NextEvent(SDL_Event* ev, std::uint64_t timeout_ns, X11SurfaceSender* held);
  // Sends what was drawn into the windows' surfaces since the last time to the server, one
  // request (and one round trip) for each window: before the loop sleeps, before any
  // blocking wait, and before anything else changes a window.
  void ShowDrawn();
  // The same, leaving small updates in Xlib's buffer for the loop's wait to send; the
  // sender that holds them, if any.
  X11SurfaceSender* SendDrawn();
  void Dispatch(const SDL_Event& ev);
  void DispatchWindowEvent(const SDL_WindowEvent& ev);
  void DispatchDrop(const SDL_DropEvent& ev);
  void DispatchPointer(const PointerEvent& p);
  // The window that may take input now: any while no modal window is open, else only the
  // topmost modal one.
  bool TakesInput(WindowId id) const { return modal_.TakesInput(id); }
  ShiftState Shift() const;
  // Makes the window's alpha follow its shape in the given part of its surface.
  static void ApplyShapeAlpha(const Win& w, SDL_Surface* surface, gfx::Rect part);
  void GiveFocus(WindowId id);
  void RaiseModal();
  // Every showing of a dialog: its owner and its states, which a window manager forgets
  // when the window is hidden.
  void PrepareDialogShowing(Win& w);
  WindowId FocusedWindow();

  std::vector<std::string> arguments_;
  TimerQueue timers_;
  // The local time of the last whole second Now() was asked about: the main tick asks
  // several times a second.
  std::time_t local_second_ = -1;
  std::tm local_time_{};
  X11Desktop desktop_;
  SingleInstance instance_{desktop_};
  // The sound device is opened when the message loop starts, once the windows and their
  // timers exist (a sound server can take tens of milliseconds to answer, and the main
  // window shows at its first tick), or earlier when a sound is asked for first.
  SdlAudio& Audio();
  std::unique_ptr<SdlAudio> audio_;

  std::map<WindowId, std::unique_ptr<Win>> windows_;
  WindowId next_id_ = 1;
  WindowId first_window_ = 0;  // the main window: it takes the session's quit
  ModalStack modal_;
  // The first press of a possible double click.
  struct FirstPress {
    WindowId window = 0;
    unsigned long time = 0;
    gfx::Point at;
  };
  FirstPress first_press_;
  // The left, middle or right button held down since its press on one of our windows.
  struct HeldPress {
    WindowId window = 0;
    unsigned int button = 0;  // X's numbering; 0: none held
    gfx::Point at;            // on the screen
  };
  HeldPress held_;
  std::optional<gfx::Point> pointer_;  // on the screen, at the latest pointer event
  bool quit_ = false;
  // SIGTERM or SIGHUP ends every loop, modal ones too, and the program with status 0:
  // colours are saved when the user saves them, so nothing is lost and no notice waits.
  std::unique_ptr<SessionEndSignals> session_end_;
  // The loop sleeps on the X connection (made with the first window) and has SDL read
  // the connection when the server sent something, 250 ms after that (SDL reports some
  // focus changes only that long after the server did) and otherwise at the first
  // wake-up a second after the last reading.
  std::unique_ptr<X11EventWait> event_wait_;
  std::uint64_t next_read_ = 0;  // MonotonicMs time
  bool follow_up_read_ = false;  // the next reading follows input: it is worth a wake-up

  int cursor_counter_ = 0;
  SDL_Cursor* arrow_ = nullptr;
  SDL_Cursor* busy_ = nullptr;
};

}  // namespace tinto::sdl
