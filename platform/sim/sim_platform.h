// The simulated platform behind tinto-sim: fake time, scripted input, in-memory windows
// and a recorded log of everything the program shows and plays. The application runs on
// it unchanged; its message loop reads the script.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "platform/modal_stack.h"
#include "platform/platform.h"
#include "platform/sim/sim_script.h"
#include "platform/timer_queue.h"

namespace tinto::sim {

// Thrown to end the run: the script ended, or said quit.
struct RunEnded {};

struct SimSetUp {
  std::string folder;
  std::uint32_t seed = 1;
  LocalTime start{2026, 1, 1, 12, 0, 0, 0};
  std::uint32_t tickcount = 1000;
  gfx::Size screen{1024, 768};
  std::set<std::string> host_classes;
  std::optional<std::string> running;  // "normal" or "minimised"
  std::vector<std::string> args;
};

class SimPlatform : public Platform, public Sound, public PlatformInspector {
 public:
  Sound& sound() override { return *this; }
  PlatformInspector* inspector() override { return this; }
  SimPlatform(SimSetUp setup, std::vector<Command> commands, std::size_t first, std::ostream& log);
  ~SimPlatform() override;

  // Reference mode: wake for every timer tick.
  void SetEveryTick(bool on) { timers_.set_skipping(!on); }
  // After the program ended: the rest of the script runs against no program.
  void LogExit(int code);
  void RunRest();

  // Platform.
  std::string ExecutablePath() override;
  std::vector<std::string> Arguments() override { return setup_.args; }
  bool ActivateRunningCopy(const std::string& title) override;
  void ClaimTitle(const std::string&) override {}
  bool HostWindowExists(std::span<const char* const> class_names) override;
  gfx::Size ScreenSize() override { return setup_.screen; }
  void MinimiseApplication() override;
  void ShowError(const std::string& text) override;
  void NoteDialog(DialogKind kind, const std::string& text) override;
  void SetSkinLookup(std::function<const gfx::Bitmap*(std::string_view)> lookup) override {
    skin_lookup_ = std::move(lookup);
  }

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

  void RunMessageLoop() override;
  void Quit() override { quit_ = true; }
  int RunModal(WindowId id) override;
  void EndModal(WindowId id, int result) override;

  TimerId SetTimer(const TimerSpec& spec) override { return timers_.Add(spec); }
  void KillTimer(TimerId id) override { timers_.Remove(id); }
  std::uint32_t TickCount() override { return timers_.TickCount(); }
  void Sleep(int ms) override;
  LocalTime Now() override;
  std::uint32_t RandomSeed() override { return setup_.seed; }

  bool IsKeyDown(int vk) override;
  int ShowCursor(bool show) override;
  void SetCursorShape(CursorShape shape) override;

  void PlayWave(const std::string& path, bool loop) override;
  void StopWaves() override;

  std::optional<std::uint32_t> MusicOpen(const std::string& path) override;
  bool MusicPlay() override;
  void MusicStop() override;
  void MusicClose() override;

 private:
  struct Window {
    WindowSpec spec;
    WindowEvents* events = nullptr;
    bool visible = false;
    bool minimised = false;
    gfx::Point position{};
    std::optional<gfx::Region> region;
    gfx::Bitmap screen;
    bool accept_drops = false;
    gfx::Point mouse{};
  };

  void Log(const std::string& event);
  Window* Find(WindowId id);
  // The window that input named WIN goes to, or nothing when it cannot take input.
  std::optional<WindowId> InputTarget(const std::string& name);
  // Runs one step of the loop: a piece of a wait, or the next script command.
  void PumpOne();
  void Execute(const Command& c);
  void Deliver(const Command& c);
  void Ignored(const Command& c);
  // Logs `memory HEAP RSS`: the heap bytes in use and the resident set in kB.
  void LogMemory();
  void WritePicture(const Command& c);
  gfx::Bitmap Picture(WindowId id, bool back_buffer);

  SimSetUp setup_;
  std::vector<Command> commands_;
  std::size_t next_ = 0;
  std::ostream& log_;
  std::uint64_t now_ = 0;  // fake milliseconds since start
  std::optional<std::uint64_t> wait_until_;
  TimerQueue timers_;
  std::map<WindowId, Window> windows_;
  WindowId next_window_ = 1;
  ModalStack modal_;
  WindowId first_window_ = 0;    // the main window: it holds the focus while no window is modal
  WindowId pointer_window_ = 0;  // the window of the latest mouse command
  bool quit_ = false;
  bool program_running_ = true;
  ShiftState held_{};
  int cursor_counter_ = 0;
  bool music_open_ = false;
  std::function<const gfx::Bitmap*(std::string_view)> skin_lookup_;
};

// The local date and time `ms` milliseconds after `start`.
LocalTime AddMilliseconds(const LocalTime& start, std::uint64_t ms);
// A text argument of the log: in double quotes, with CR, LF, " and \ escaped.
std::string QuoteText(const std::string& text);

}  // namespace tinto::sim
