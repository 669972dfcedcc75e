// The Windows backend's start and end, and its services outside windows and the loop:
// the program and other programs, the screen, error messages, time, key state, cursor.
#include "platform/win32/win32_platform.h"

#include <algorithm>

#include "platform/win32/precise_clock.h"
#include "platform/win32/wide.h"

namespace tinto::win32 {
namespace {

constexpr const wchar_t* kErrorTitle = L"Quiro EDIT";

std::uint64_t Ticks() {
  return PreciseUs() / 1000u;
}

struct TitleSearch {
  std::wstring title;
  DWORD own_process;
  HWND found = nullptr;
};

// A top-level window of another process with the title (hidden ones too: a copy that is
// minimised or still starting).
BOOL CALLBACK FindTitle(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<TitleSearch*>(lp);
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process == search->own_process) return TRUE;
  const int length = GetWindowTextLengthW(hwnd);
  if (length != static_cast<int>(search->title.size())) return TRUE;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  if (text != search->title) return TRUE;
  if (search->found == nullptr || ::IsWindowVisible(hwnd)) search->found = hwnd;
  return ::IsWindowVisible(hwnd) ? FALSE : TRUE;
}

HWND FindOtherCopy(const std::wstring& title) {
  TitleSearch search{title, GetCurrentProcessId()};
  EnumWindows(&FindTitle, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

Win32Platform::Win32Platform(HINSTANCE instance)
    : instance_(instance), timers_(&Ticks, static_cast<std::uint32_t>(GetTickCount() - Ticks())) {
  WNDCLASSEXW wake{};
  wake.cbSize = sizeof(wake);
  wake.lpfnWndProc = &DefWindowProcW;
  wake.hInstance = instance_;
  wake.lpszClassName = L"TintoWake";
  RegisterClassExW(&wake);
  wake_window_ = CreateWindowExW(0, L"TintoWake", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 instance_, nullptr);
  cursor_ = LoadCursorW(nullptr, IDC_ARROW);
}

Win32Platform::~Win32Platform() {
  while (!windows_.empty()) Win32Platform::DestroyWindow(windows_.begin()->first);
  media_.MusicClose();
  media_.StopWaves();
  if (wake_window_ != nullptr) ::DestroyWindow(wake_window_);
  if (instance_mutex_ != nullptr) CloseHandle(instance_mutex_);
}

// --- the application and other programs

std::string Win32Platform::ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  while (true) {  // no limit of 260 characters: grow until the whole path fits
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return Narrow(path);
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

std::vector<std::string> Win32Platform::Arguments() {
  return CommandLineArguments();
}

std::vector<std::string> CommandLineArguments() {
  std::vector<std::string> arguments;
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  if (argv == nullptr) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(Narrow(argv[i]));
  LocalFree(argv);
  return arguments;
}

// A running copy is found by its title; a named mutex, taken by the copy that runs, closes
// the gap between two copies started in the same instant: while it is held elsewhere and
// no window shows yet, this copy looks again for up to 5 seconds.
bool Win32Platform::ActivateRunningCopy(const std::string& title) {
  const std::wstring wide = Widen(title);
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (HWND other = FindOtherCopy(wide)) {
      if (IsIconic(other)) OpenIcon(other);
      SetForegroundWindow(other);
      return true;
    }
    ClaimTitle(title);
    if (instance_mutex_ != nullptr) return false;  // this copy holds it: it runs
    ::Sleep(50);
  }
  return false;
}

void Win32Platform::ClaimTitle(const std::string& title) {
  if (instance_mutex_ != nullptr) return;
  const std::wstring name = L"Local\\TintoInstance." + Widen(title);
  HANDLE mutex = CreateMutexW(nullptr, TRUE, name.c_str());
  if (mutex == nullptr) return;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    // Held by a copy that was here first, unless that one ended without releasing it.
    if (WaitForSingleObject(mutex, 0) == WAIT_TIMEOUT) {
      CloseHandle(mutex);
      return;
    }
  }
  instance_mutex_ = mutex;
}

bool Win32Platform::HostWindowExists(std::span<const char* const> class_names) {
  return std::any_of(class_names.begin(), class_names.end(), [](const char* name) {
    return FindWindowW(Widen(name).c_str(), nullptr) != nullptr;
  });
}

gfx::Size Win32Platform::ScreenSize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void Win32Platform::MinimiseApplication() {
  ShowDrawn();
  for (auto& [id, w] : windows_) {
    if (w->visible && w->hwnd != nullptr) ::ShowWindow(w->hwnd, SW_MINIMIZE);
  }
}

void Win32Platform::ShowError(const std::string& text) {
  HWND owner = nullptr;
  if (Win* main = Find(first_window_); main != nullptr && main->visible) owner = main->hwnd;
  ShowDrawn();
  const std::uint64_t from = Ticks();
  in_error_box_ = true;
  MessageBoxW(owner, Widen(text).c_str(), kErrorTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL);
  in_error_box_ = false;
  // The box ran a loop of its own: timers were held up meanwhile.
  timers_.NoteBlockingWait(from, Ticks());
  if (const std::optional<WindowId> top = modal_.Top()) {
    if (Win* w = Find(*top)) SetForegroundWindow(w->hwnd);
  }
}

// --- time

void Win32Platform::Sleep(int ms) {
  ShowDrawn();
  const std::uint64_t from = Ticks();
  if (ms > 0) ::Sleep(static_cast<DWORD>(ms));
  timers_.NoteBlockingWait(from, Ticks());
}

LocalTime Win32Platform::Now() {
  SYSTEMTIME t{};
  if (const std::uint64_t lag = timers_.ReplayLag(); lag > 0) {
    // A replayed tick reads the time at which it fell due.
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER at{};
    at.LowPart = now.dwLowDateTime;
    at.HighPart = now.dwHighDateTime;
    at.QuadPart -= lag * 10000;  // 100 ns units
    const FILETIME then{at.LowPart, at.HighPart};
    FILETIME local{};
    if (!FileTimeToLocalFileTime(&then, &local) || !FileTimeToSystemTime(&local, &t))
      GetLocalTime(&t);
  } else {
    GetLocalTime(&t);
  }
  return {.year = t.wYear,
          .month = t.wMonth,
          .day = t.wDay,
          .hour = t.wHour,
          .minute = t.wMinute,
          .second = t.wSecond,
          .millisecond = t.wMilliseconds};
}

std::uint32_t Win32Platform::RandomSeed() {
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  return static_cast<std::uint32_t>(counter.QuadPart) * 2654435761u ^ GetTickCount() ^
         GetCurrentProcessId() << 16;
}

// --- input state and cursor

bool Win32Platform::IsKeyDown(int vk) {
  return (GetAsyncKeyState(vk) & 0x8000) != 0;
}

int Win32Platform::ShowCursor(bool show) {
  return ::ShowCursor(show ? TRUE : FALSE);
}

void Win32Platform::SetCursorShape(CursorShape shape) {
  cursor_ = LoadCursorW(nullptr, shape == CursorShape::kBusy ? IDC_WAIT : IDC_ARROW);
  SetCursor(cursor_);
}

}  // namespace tinto::win32
