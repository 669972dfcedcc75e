// The parts of the X11 desktop the backend reaches past SDL for: other programs'
// top-level windows (a running copy of this program, the host game's windows), raising
// and activating them, and the keyboard's state at this very moment.
//
// The desktop keeps a connection of its own, so that it works before any window of ours
// exists. Without an X display every query answers "nothing there".
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct _XDisplay;

namespace tinto::sdl {

class X11Desktop {
 public:
  X11Desktop();  // opens the connection to $DISPLAY, if there is one
  ~X11Desktop();
  X11Desktop(const X11Desktop&) = delete;
  X11Desktop& operator=(const X11Desktop&) = delete;

  bool connected() const { return display_ != nullptr; }

  // A top-level client window: either a child of the root or, under a window manager
  // that reparents, a client in the manager's frame.
  struct TopLevel {
    unsigned long window = 0;
    bool viewable = false;   // mapped and shown
    bool iconified = false;  // minimised by the window manager
  };
  // Top-level windows whose _NET_WM_NAME (UTF-8) or else WM_NAME is exactly the title,
  // leaving out windows of this process.
  std::vector<TopLevel> FindByTitle(const std::string& title);
  // True when some top-level window's WM_CLASS instance or class name is one of names.
  bool ClassExists(std::span<const char* const> names);

  // De-iconifies a minimised window, raises a shown one and asks the window manager to
  // activate it. A withdrawn window (one its program keeps hidden) is not mapped.
  void Activate(const TopLevel& target);

  // A 32-bit TrueColor visual of the screen, the one whose top byte is alpha, if the
  // server offers one. A compositor reads a window's transparency from such a visual's
  // alpha; many never read the window's shape.
  std::optional<unsigned long> ArgbVisual();

  // Whether the key with this X keysym is held down right now (queried from the server,
  // whatever window has the focus).
  bool KeysymDown(unsigned long keysym);

 private:
  // The root's children and the clients a window manager keeps in frames of its own: those
  // it lists on the root or, without its list, the children of each of the root's.
  std::vector<std::uint32_t> TopLevelWindows();
  bool OwnedByUs(unsigned long window);
  bool HasWindowManager();

  _XDisplay* display_ = nullptr;
};

// Makes X protocol errors harmless for the whole program. Xlib's own handler ends the
// program on any error, and errors come from things out of our hands: a program whose
// window we answer (a file manager dropping files, a second copy) may already be gone.
// Errors are reported on standard error and otherwise ignored.
void KeepGoingOnXErrors();

}  // namespace tinto::sdl
