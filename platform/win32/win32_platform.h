// The Windows backend: the platform layer on the Win32 API. Borderless top-level windows
// shaped with SetWindowRgn, their back buffers presented with BitBlt, the timer queue run
// by the message loop, modal windows on nested message loops, effects through
// sndPlaySoundW and music through MCI.
//
// One thread does everything. The message loop runs the shared timer queue and sleeps in
// MsgWaitForMultipleObjectsEx until the next tick that matters, so the program wakes only
// when a tick can change something or a message comes in.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/modal_stack.h"
#include "platform/platform.h"
#include "platform/timer_queue.h"
#include "platform/win32/media_player.h"
#include "platform/win32/precise_clock.h"
#include "platform/win32/win32.h"

namespace tinto::win32 {

// The program's command line after the program's own name, in UTF-8.
std::vector<std::string> CommandLineArguments();

class Win32Platform : public Platform, public Sound {
 public:
  Sound& sound() override { return *this; }
  explicit Win32Platform(HINSTANCE instance);
  ~Win32Platform() override;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  // --- the application and other programs
  std::string ExecutablePath() override;
  std::vector<std::string> Arguments() override;
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
  gfx::Point PointerPosition() override { return pointer_; }
  void DrawToWindow(WindowId id, const gfx::Bitmap& src, gfx::Rect src_rect,
                    gfx::Point dst) override;
  void Repaint(WindowId id) override;
  void AcceptDroppedFiles(WindowId id, bool accept) override;
  bool HasFocus(WindowId id) override;

  // --- the message loop
  void RunMessageLoop() override;
  void Quit() override;
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
  void PlayWave(const std::string& path, bool loop) override { media_.PlayWave(path, loop); }
  void StopWaves() override { media_.StopWaves(); }
  // Opening and starting a song may take a while: what was drawn is shown first.
  std::optional<std::uint32_t> MusicOpen(const std::string& path) override {
    ShowDrawn();
    return media_.MusicOpen(path);
  }
  bool MusicPlay() override {
    ShowDrawn();
    return media_.MusicPlay();
  }
  void MusicStop() override { media_.MusicStop(); }
  void MusicClose() override { media_.MusicClose(); }

 private:
  struct Win {
    WindowId id = 0;
    HWND hwnd = nullptr;
    WindowEvents* events = nullptr;
    // What the system's window is made with at its first use (Handle).
    std::wstring title;
    DWORD style = 0;
    DWORD ex_style = 0;
    bool failed = false;  // the system would not make it
    bool visible = false;
    bool accept_drops = false;
    // The presenting buffer: a DIB of the client size in a memory DC.
    HDC buffer_dc = nullptr;
    HBITMAP buffer = nullptr;
    HGDIOBJ old_buffer = nullptr;
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    // Rectangles drawn into the buffer and not yet shown on the window (ShowDrawn).
    std::vector<RECT> drawn;
  };
  // The pointer's screen position at the mouse message being handled (GetMessagePos): a
  // drag follows it, untouched by the window moving under the pointer meanwhile.
  gfx::Point pointer_{};
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT HandleMessage(Win& w, UINT msg, WPARAM wp, LPARAM lp);
  bool HandleMouse(Win& w, UINT msg, WPARAM wp, LPARAM lp);
  void HandleDrop(Win& w, HDROP drop);

  Win* Find(WindowId id);
  // The window's system handle, made now if it is not yet (null when that fails).
  HWND Handle(Win& w);
  // Runs timers and messages until done() holds or Quit is called.
  template <typename Done>
  void Pump(Done done);
  DWORD WaitTimeout() const;
  bool TakesInput(WindowId id) const;
  ShiftState Shift() const;
  void DropBuffer(Win& w);
  // Shows on the windows what was drawn into their buffers since the last time: one blit
  // for each window, clipped to the rectangles drawn. The loop does it at every pass, and
  // everything that waits, opens a window or changes one does it first, so a change is on
  // the screen before anything else happens; the draws of one pass (a clock's six digits)
  // share one device context instead of taking one each, with the window's whole shape
  // as its clip.
  void ShowDrawn();

  HINSTANCE instance_;
  TimerQueue timers_;
  SystemTimerPace pace_;
  MediaPlayer media_;
  HWND wake_window_ = nullptr;  // message-only window: a message posted to it wakes the loop

  std::map<WindowId, std::unique_ptr<Win>> windows_;
  WindowId next_id_ = 1;
  WindowId first_window_ = 0;  // the main window: it takes the session's end
  ModalStack modal_;
  bool quit_ = false;
  bool in_error_box_ = false;  // a system message box runs its own loop: input waits

  HANDLE instance_mutex_ = nullptr;
  HCURSOR cursor_ = nullptr;
};

}  // namespace tinto::win32
