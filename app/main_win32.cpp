// The program entry on Windows: the Win32 backend runs the program.
#include "app/tinto.h"
#include "app/version.h"
#include "platform/win32/win32_platform.h"

namespace {

// Tinto.exe is a GUI program without a console of its own: the version goes to its
// standard output when that was redirected (`Tinto.exe --version > file`, a pipe),
// otherwise to the console of the command prompt that started it. Status 0 when the line
// was written.
int PrintVersion() {
  const std::string line = tinto::VersionLine() + "\r\n";
  const auto length = static_cast<DWORD>(line.size());
  DWORD written = 0;
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out != nullptr && out != INVALID_HANDLE_VALUE && GetFileType(out) != FILE_TYPE_UNKNOWN) {
    return WriteFile(out, line.data(), length, &written, nullptr) && written == length ? 0 : 1;
  }
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return 1;
  HANDLE console =
      CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  bool ok = false;
  if (console != INVALID_HANDLE_VALUE) {
    ok = WriteConsoleA(console, line.data(), length, &written, nullptr) && written == length;
    CloseHandle(console);
  }
  FreeConsole();
  return ok ? 0 : 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*command_line*/,
                   int /*show*/) {
  // `Tinto.exe --version` answers before anything else: no window, no look for a
  // running copy.
  if (tinto::AsksForVersion(tinto::win32::CommandLineArguments())) return PrintVersion();
  // The skin is drawn pixel for pixel: the system must not scale the windows.
  SetProcessDPIAware();
  tinto::win32::Win32Platform platform(instance);
  return tinto::RunTinto(platform);
}
