// The host game as a running process. On Linux the host game runs under Wine, whose
// windows carry Wine's own X11 class names rather than the game's window classes; the
// game's process, however, keeps its Windows executable name in its command line and
// process name.
#pragma once

#include <string_view>

namespace tinto::sdl {

// The executable the host game is started from.
inline constexpr std::string_view kHostExecutable = "Rondelay.exe";

// Whether a command's program (a POSIX or a Windows path, as Wine shows it) is the
// executable, by its last path component and without regard to case.
bool IsProgram(std::string_view command, std::string_view executable);

// Whether some process other than this one runs the executable: looked up in /proc by
// the first command-line argument, the process name and the executable's link.
bool ProcessRunning(std::string_view executable);

}  // namespace tinto::sdl
