// The error message when SDL cannot show its own: SDL's X11 message box needs the X
// server's core fonts, which many desktops no longer carry. The box is then shown by a
// desktop helper program (zenity, else kdialog, else xmessage), waiting until the user
// closes it; without any of them the message goes to standard error.
#pragma once

#include <string>

namespace tinto::sdl {

// Shows the message and returns once it is dismissed; false when no helper could show it.
bool ShowErrorWithHelper(const std::string& title, const std::string& text);

}  // namespace tinto::sdl
