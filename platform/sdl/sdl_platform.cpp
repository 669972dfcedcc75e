// The desktop backend's start and end, and its services outside windows and the loop:
// the program and other programs, the screen, error messages, time, key state, cursor.
#include "platform/sdl/sdl_platform.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "platform/sdl/error_box.h"
#include "platform/sdl/host_process.h"
#include "platform/sdl/key_map.h"
#include "platform/sdl/monotonic_clock.h"

namespace tinto::sdl {

namespace {

constexpr const char* kErrorTitle = "Quiro EDIT";

std::uint64_t Ticks() {
  return MonotonicMs();
}

// Why SDL found no display: the one named could not be opened, or none is named.
std::string NoDisplayReason() {
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const bool x_named = x != nullptr && *x != '\0';
  const bool wayland_named = wayland != nullptr && *wayland != '\0';
  if (!x_named && !wayland_named) return "neither DISPLAY nor WAYLAND_DISPLAY is set";
  std::string reason = "could not open";
  if (x_named) reason += std::string(" the X display \"") + x + "\"";
  if (wayland_named)
    reason += std::string(x_named ? " nor" : "") + " the Wayland display \"" + wayland + "\"";
  return reason;
}

}  // namespace

std::unique_ptr<SdlPlatform> SdlPlatform::Create(int argc, char** argv, std::string* error) {
  // Before any window: with an accelerated framebuffer the first SDL_GetWindowSurface
  // replaces the X window, and its shape with it.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // Before SDL opens its connection: SDL passes errors on to the handler it finds and puts
  // that one back when it closes the connection, so ours stays in charge throughout.
  KeepGoingOnXErrors();
  // Before SDL starts: SDL then leaves these signals to us.
  auto session_end = std::make_unique<SessionEndSignals>();
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    if (error != nullptr) *error = SDL_GetError();
    return nullptr;
  }
  // Where no display can be opened SDL falls back to drawing off screen: the program would
  // run with windows nobody sees, holding the lock a later start waits on. A driver
  // without a screen serves only when asked for by name.
  if (const char* driver = SDL_GetCurrentVideoDriver();
      driver != nullptr && std::getenv("SDL_VIDEODRIVER") == nullptr &&
      (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
    if (error != nullptr) *error = NoDisplayReason();
    SDL_Quit();
    return nullptr;
  }
  // Keys are read as keys; no input method stands between them and the windows.
  SDL_StopTextInput();
  SDL_EventState(SDL_DROPFILE, SDL_ENABLE);
  SDL_EventState(SDL_DROPBEGIN, SDL_ENABLE);
  SDL_EventState(SDL_DROPCOMPLETE, SDL_ENABLE);
  SDL_EventState(SDL_DROPTEXT, SDL_DISABLE);
  // The X server's own events, for the pointer (see DispatchPointer).
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);

  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  auto platform = std::unique_ptr<SdlPlatform>(new SdlPlatform(std::move(arguments)));
  platform->session_end_ = std::move(session_end);
  return platform;
}

SdlPlatform::SdlPlatform(std::vector<std::string> arguments)
    : arguments_(std::move(arguments)), timers_(&Ticks, 0) {}

SdlPlatform::~SdlPlatform() {
  while (!windows_.empty()) SdlPlatform::DestroyWindow(windows_.begin()->first);
  audio_.reset();
  if (arrow_ != nullptr) SDL_FreeCursor(arrow_);
  if (busy_ != nullptr) SDL_FreeCursor(busy_);
  SDL_Quit();
}

SdlAudio& SdlPlatform::Audio() {
  if (audio_ == nullptr) audio_ = std::make_unique<SdlAudio>();
  return *audio_;
}

// --- the application and other programs

std::string SdlPlatform::ExecutablePath() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.string();
}

bool SdlPlatform::ActivateRunningCopy(const std::string& title) {
  return instance_.ActivateRunningCopy(title);
}

void SdlPlatform::ClaimTitle(const std::string& title) {
  instance_.Claim(title);
}

// The host game's window classes on an X desktop, or, since the game runs under Wine
// (whose windows carry Wine's class names), its process.
bool SdlPlatform::HostWindowExists(std::span<const char* const> class_names) {
  return desktop_.ClassExists(class_names) || ProcessRunning(kHostExecutable);
}

gfx::Size SdlPlatform::ScreenSize() {
  SDL_DisplayMode mode{};
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return {1024, 768};
  return {mode.w, mode.h};
}

void SdlPlatform::MinimiseApplication() {
  ShowDrawn();
  for (auto& [id, w] : windows_)
    if (w->visible && w->window != nullptr) SDL_MinimizeWindow(w->window);
}

void SdlPlatform::ShowError(const std::string& text) {
  SDL_Window* parent = nullptr;
  if (Win* main = Find(first_window_); main != nullptr && main->visible) parent = main->window;
  const WindowId focus_before = FocusedWindow();
  ShowDrawn();
  const std::uint64_t from = Ticks();
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, kErrorTitle, text.c_str(), parent) != 0 &&
      !ShowErrorWithHelper(kErrorTitle, text))
    std::fprintf(stderr, "%s: %s\n", kErrorTitle, text.c_str());
  // The box ran a loop of its own: timers were held up, and input that reached our
  // windows meanwhile was meant for nobody.
  timers_.NoteBlockingWait(from, Ticks());
  SDL_PumpEvents();
  SDL_FlushEvents(SDL_KEYDOWN, SDL_TEXTINPUT);
  SDL_FlushEvents(SDL_MOUSEMOTION, SDL_MOUSEWHEEL);
  SDL_FlushEvent(SDL_SYSWMEVENT);  // the pointer's own events (see DispatchPointer)
  if (const std::optional<WindowId> top = modal_.Top())
    GiveFocus(*top);
  else if (focus_before != 0)
    GiveFocus(focus_before);
}

// --- time

void SdlPlatform::Sleep(int ms) {
  ShowDrawn();
  const std::uint64_t from = Ticks();
  if (ms > 0) SDL_Delay(static_cast<Uint32>(ms));
  timers_.NoteBlockingWait(from, Ticks());
}

LocalTime SdlPlatform::Now() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  // A replayed tick reads the time at which it fell due.
  if (const std::uint64_t lag = timers_.ReplayLag(); lag > 0) {
    const long long ns = static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec -
                         static_cast<long long>(lag) * 1000000LL;
    ts.tv_sec = static_cast<time_t>(ns / 1000000000LL);
    ts.tv_nsec = static_cast<long>(ns % 1000000000LL);
  }
  if (ts.tv_sec != local_second_) {
    localtime_r(&ts.tv_sec, &local_time_);
    local_second_ = ts.tv_sec;
  }
  const std::tm& tm = local_time_;
  return {.year = tm.tm_year + 1900,
          .month = tm.tm_mon + 1,
          .day = tm.tm_mday,
          .hour = tm.tm_hour,
          .minute = tm.tm_min,
          .second = tm.tm_sec,
          .millisecond = static_cast<int>(ts.tv_nsec / 1000000)};
}

std::uint32_t SdlPlatform::RandomSeed() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  return static_cast<std::uint32_t>(ts.tv_sec) * 2654435761u ^
         static_cast<std::uint32_t>(ts.tv_nsec) ^ static_cast<std::uint32_t>(getpid()) << 16;
}

// --- input state and cursor

bool SdlPlatform::IsKeyDown(int code) {
  const std::span<const unsigned long> modifier = ModifierKeysyms(code);
  if (!modifier.empty()) {
    // Asked of the X server: the keys held right now, even while another program has
    // the keyboard (a file manager dragging files onto us).
    if (desktop_.connected()) {
      for (const unsigned long keysym : modifier)
        if (desktop_.KeysymDown(keysym)) return true;
      return false;
    }
    const SDL_Keymod mods = SDL_GetModState();
    if (code == vk::kShift) return (mods & KMOD_SHIFT) != 0;
    if (code == vk::kControl) return (mods & KMOD_CTRL) != 0;
    return (mods & KMOD_ALT) != 0;
  }
  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  const bool num_lock = (SDL_GetModState() & KMOD_NUM) != 0;
  for (int sc = 0; sc < count; ++sc) {
    if (state[sc] == 0) continue;
    const auto scancode = static_cast<SDL_Scancode>(sc);
    if (VirtualKey(SDL_GetKeyFromScancode(scancode), scancode, num_lock) == code) return true;
  }
  return false;
}

int SdlPlatform::ShowCursor(bool show) {
  cursor_counter_ += show ? 1 : -1;
  SDL_ShowCursor(cursor_counter_ >= 0 ? SDL_ENABLE : SDL_DISABLE);
  return cursor_counter_;
}

void SdlPlatform::SetCursorShape(CursorShape shape) {
  SDL_Cursor*& cursor = shape == CursorShape::kBusy ? busy_ : arrow_;
  if (cursor == nullptr)
    cursor = SDL_CreateSystemCursor(shape == CursorShape::kBusy ? SDL_SYSTEM_CURSOR_WAITARROW
                                                                : SDL_SYSTEM_CURSOR_ARROW);
  if (cursor != nullptr) SDL_SetCursor(cursor);
}

}  // namespace tinto::sdl
