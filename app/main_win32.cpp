// The program entry on Windows: the Win32 backend runs the program.
#include "app/tinto.h"
#include "platform/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*command_line*/,
                   int /*show*/) {
  // The skin is drawn pixel for pixel: the system must not scale the windows.
  SetProcessDPIAware();
  tinto::win32::Win32Platform platform(instance);
  return tinto::RunTinto(platform);
}
