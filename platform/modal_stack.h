// The modal windows open now, innermost last, shared by every backend. A backend's
// RunModal pushes a level, runs its nested loop until the level has ended and pops it; the
// stack decides which window takes input meanwhile and which one holds the focus.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/platform.h"

namespace tinto {

class ModalStack {
 public:
  // Opens a level for the window and returns its depth index; nothing when the window is
  // modal already (a window is modal once at a time).
  std::optional<std::size_t> Push(WindowId id);
  // Ends the window's open level with the result; nothing when it is not modal or its
  // level has ended already.
  void End(WindowId id, int result);
  // The window is gone: its level ends, with no result.
  void Forget(WindowId id);
  bool Ended(std::size_t level) const { return levels_[level].ended; }
  // Closes the innermost level, at `level`, once its loop is over; returns its result (0
  // when it ended with none).
  int Pop(std::size_t level);

  bool empty() const { return levels_.empty(); }
  // The innermost modal window, or nothing.
  std::optional<WindowId> Top() const;
  // The window that may take input now: any while no modal window is open, else only the
  // innermost modal one.
  bool TakesInput(WindowId id) const { return levels_.empty() || levels_.back().id == id; }
  // Whether the window holds the focus: while a modal window is open only the innermost
  // one does; otherwise the desktop decides (`otherwise`).
  bool HoldsFocus(WindowId id, bool otherwise) const {
    return levels_.empty() ? otherwise : levels_.back().id == id;
  }

 private:
  struct Level {
    WindowId id = 0;
    bool ended = false;
    int result = 0;
  };
  std::vector<Level> levels_;
};

}  // namespace tinto
