// A desktop backend on its own, for its end-to-end test: a shaped window of known
// colours, two dialogs, two timers, and a log line on standard output for every event.
// Shared by the backends' self-test programs (sdl_selftest, win32_selftest):
//   SELFTEST TITLE [--wave FILE] [--music FILE]
// Keys released on the main window: M opens the dialog modally, S sleeps 400 ms,
// K reports the modifier keys, H whether the host game runs, F which window has the
// focus, E shows an error message, W/L play the wave once/looped, X stops it, Q quits. In the
// dialog: Enter and Esc end it (results 1 and 2), N opens the second dialog on top (Esc ends it,
// result 3), Q quits.
#include "tests/e2e/backend_selftest.h"

#include <array>
#include <cstdio>
#include <string>

namespace {

using tinto::MouseButton;
using tinto::ShiftState;
using tinto::WindowId;
namespace gfx = tinto::gfx;

constexpr gfx::Pixel kLeftColour = 0xFF8040;
constexpr gfx::Pixel kRightColour = 0x2080FF;
constexpr gfx::Pixel kDialogColour = 0x30C030;
constexpr gfx::Pixel kDialog2Colour = 0xC03030;
// The host game's main window class.
constexpr std::array<const char*, 1> kHostClass = {"TFM"};

void Log(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

std::string Flags(ShiftState s) {
  std::string f;
  if (s.shift) f += 's';
  if (s.ctrl) f += 'c';
  if (s.alt) f += 'a';
  return f.empty() ? "-" : f;
}

const char* Name(MouseButton b) {
  switch (b) {
    case MouseButton::kLeft:
      return "L";
    case MouseButton::kRight:
      return "R";
    case MouseButton::kMiddle:
      return "M";
  }
  return "?";
}

// A window that paints a back buffer and logs its input; what keys do is up to the owner.
class LoggedWindow : public tinto::WindowEvents {
 public:
  LoggedWindow(tinto::Platform& platform, std::string name)
      : p_(platform), name_(std::move(name)) {}
  void Create(const tinto::WindowSpec& spec, gfx::Bitmap back) {
    back_ = std::move(back);
    id_ = p_.CreateWindow(spec, this);
  }
  WindowId id() const { return id_; }
  std::function<void()> on_paint;  // drawn over the back buffer
  std::function<void(int)> on_key_up;
  std::function<void()> on_close;

  void OnPaint() override {
    p_.DrawToWindow(id_, back_, back_.bounds(), {0, 0});
    if (on_paint) on_paint();
    Log(name_ + " paint");
  }
  void OnMouseDown(MouseButton b, ShiftState s, int x, int y) override {
    Log(name_ + " down " + Name(b) + " " + std::to_string(x) + " " + std::to_string(y) + " " +
        Flags(s));
  }
  void OnMouseUp(MouseButton b, ShiftState s, int x, int y) override {
    Log(name_ + " up " + Name(b) + " " + std::to_string(x) + " " + std::to_string(y) + " " +
        Flags(s));
  }
  void OnMouseMove(ShiftState s, int x, int y) override {
    Log(name_ + " move " + std::to_string(x) + " " + std::to_string(y) + " " + Flags(s));
  }
  void OnDoubleClick(ShiftState, int x, int y) override {
    Log(name_ + " dbl " + std::to_string(x) + " " + std::to_string(y));
  }
  void OnMouseWheel(ShiftState s, int delta, int x, int y) override {
    Log(name_ + " wheel " + std::to_string(delta) + " " + std::to_string(x) + " " +
        std::to_string(y) + " " + Flags(s));
  }
  void OnKeyDown(int vk, ShiftState s) override {
    Log(name_ + " keydown " + std::to_string(vk) + " " + Flags(s));
  }
  void OnKeyUp(int vk, ShiftState s) override {
    Log(name_ + " keyup " + std::to_string(vk) + " " + Flags(s));
    if (on_key_up) on_key_up(vk);
  }
  void OnDropFiles(const std::vector<std::string>& paths) override {
    std::string line = name_ + " drop";
    for (const std::string& path : paths) line += " " + path;
    Log(line);
  }
  void OnCloseRequest() override {
    Log(name_ + " close");
    if (on_close) on_close();
  }

 private:
  tinto::Platform& p_;
  std::string name_;
  WindowId id_ = 0;
  gfx::Bitmap back_;
};

}  // namespace

int RunBackendSelftest(tinto::Platform& p, int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s TITLE [--wave FILE] [--music FILE]\n", argv[0]);
    return 2;
  }
  const std::string title = argv[1];
  std::string wave, music;
  for (int i = 2; i + 1 < argc; i += 2) {
    if (std::string(argv[i]) == "--wave") wave = argv[i + 1];
    if (std::string(argv[i]) == "--music") music = argv[i + 1];
  }
  if (p.ActivateRunningCopy(title)) {
    Log("activated");
    return 0;
  }
  p.ClaimTitle(title);

  // The main window: a square and a triangle, left half orange, right half blue.
  gfx::Bitmap back(300, 200, kRightColour);
  gfx::Fill(back, {0, 0, 150, 200}, kLeftColour);
  LoggedWindow main_window(p, "main"), dialog(p, "dialog"), dialog2(p, "dialog2");
  main_window.Create({.name = "main", .title = title, .width = 300, .height = 200}, back);
  dialog.Create(
      {.name = "dialog", .title = title + " dialog", .width = 120, .height = 80, .topmost = true},
      gfx::Bitmap(120, 80, kDialogColour));
  dialog2.Create(
      {.name = "dialog2", .title = title + " dialog2", .width = 60, .height = 40, .topmost = true},
      gfx::Bitmap(60, 40, kDialog2Colour));
  gfx::Region region = gfx::Region::FromRect({0, 0, 100, 100});
  const gfx::Point triangle[] = {{100, 0}, {300, 0}, {300, 200}};
  region.Union(gfx::Region::FromPolygon(triangle));
  p.SetWindowRegion(main_window.id(), region);
  p.MoveWindow(main_window.id(), {100, 100});
  p.MoveWindow(dialog.id(), {500, 300});
  p.MoveWindow(dialog2.id(), {700, 300});
  p.AcceptDroppedFiles(main_window.id(), true);
  Log("region area " + std::to_string(region.Area()) + " bands " +
      std::to_string(region.Bands().size()));

  int ticks10 = 0, ticks125 = 0;
  const std::uint32_t start = p.TickCount();
  p.SetTimer({.owner = main_window.id(), .interval_ms = 10, .on_tick = [&] { ++ticks10; }});
  p.SetTimer({.owner = main_window.id(), .interval_ms = 125, .on_tick = [&] {
                // Like the program, the main window appears at the first main tick.
                if (ticks125++ == 0) {
                  p.ShowWindow(main_window.id());
                  Log("shown");
                }
              }});

  if (!music.empty()) {
    const auto length = p.sound().MusicOpen(music);
    Log("music length " + (length ? std::to_string(*length) : std::string("none")));
    Log(std::string("music play ") + (p.sound().MusicPlay() ? "1" : "0"));
  }

  // Drawing clipped at the window's edge and at the bitmap's edge: a 40 x 40 magenta
  // square half off the window's top left corner, the lower right quarter of it at
  // (80, 80) from a source rectangle that runs off the bitmap, and its upper left
  // quarter at (60, 60) from a source rectangle that starts before the bitmap.
  const gfx::Bitmap patch(40, 40, 0xFF00FF);
  main_window.on_paint = [&] {
    p.DrawToWindow(main_window.id(), patch, patch.bounds(), {-20, -20});
    p.DrawToWindow(main_window.id(), patch, {20, 20, 40, 40}, {80, 80});
    p.DrawToWindow(main_window.id(), patch, {-20, -20, 40, 40}, {40, 40});
  };
  main_window.on_close = [&] { p.Quit(); };
  main_window.on_key_up = [&](int vk) {
    switch (vk) {
      case 'M': {
        Log("modal begin");
        const int at = ticks125;
        const int result = p.RunModal(dialog.id());
        Log("modal end " + std::to_string(result) + " ticks " + std::to_string(ticks125 - at) +
            " dialog-visible " + std::to_string(p.IsWindowVisible(dialog.id())));
        break;
      }
      case 'F':
        Log("focus main " + std::to_string(p.HasFocus(main_window.id())) + " dialog " +
            std::to_string(p.HasFocus(dialog.id())));
        break;
      case 'S': {
        const int before = ticks10;
        p.Sleep(400);
        Log("slept ticks-during " + std::to_string(ticks10 - before));
        break;
      }
      case 'K':
        Log("keys shift " + std::to_string(p.IsKeyDown(16)) + " ctrl " +
            std::to_string(p.IsKeyDown(17)) + " alt " + std::to_string(p.IsKeyDown(18)) + " a " +
            std::to_string(p.IsKeyDown('A')));
        break;
      case 'W':
      case 'L':
        p.sound().PlayWave(wave, vk == 'L');
        Log("wave");
        break;
      case 'X':
        p.sound().StopWaves();
        Log("wave stopped");
        break;
      case 'E':
        p.ShowError("Backend Test: an error \xE2\x99\xAA");
        Log("error closed");
        break;
      case 'H':
        Log("host " + std::to_string(p.HostWindowExists(kHostClass)));
        break;
      case 'Q':
        p.Quit();
        break;
      default:
        break;
    }
  };
  dialog.on_key_up = [&](int vk) {
    if (vk == 13) p.EndModal(dialog.id(), 1);
    if (vk == 27) p.EndModal(dialog.id(), 2);
    if (vk == 'F') Log("focus dialog " + std::to_string(p.HasFocus(dialog.id())));
    if (vk == 'Q') p.Quit();
    if (vk == 'N') {
      Log("modal2 begin");
      const int result = p.RunModal(dialog2.id());
      Log("modal2 end " + std::to_string(result));
    }
  };
  dialog2.on_key_up = [&](int vk) {
    if (vk == 27) p.EndModal(dialog2.id(), 3);
  };

  p.RunMessageLoop();
  const std::uint32_t elapsed = p.TickCount() - start;
  Log("ticks10 " + std::to_string(ticks10) + " ticks125 " + std::to_string(ticks125) + " elapsed " +
      std::to_string(elapsed));
  Log("bye");
  return 0;
}
