// The modal windows shared by every backend.
#include "platform/modal_stack.h"

#include <algorithm>

namespace tinto {

std::optional<std::size_t> ModalStack::Push(WindowId id) {
  if (std::any_of(levels_.begin(), levels_.end(), [id](const Level& l) { return l.id == id; }))
    return std::nullopt;
  levels_.push_back({.id = id});
  return levels_.size() - 1;
}

void ModalStack::End(WindowId id, int result) {
  for (Level& level : levels_) {
    if (level.id == id && !level.ended) {
      level.ended = true;
      level.result = result;
    }
  }
}

void ModalStack::Forget(WindowId id) {
  for (Level& level : levels_)
    if (level.id == id) level.ended = true;
}

int ModalStack::Pop(std::size_t level) {
  const int result = levels_[level].ended ? levels_[level].result : 0;
  levels_.resize(level);
  return result;
}

std::optional<WindowId> ModalStack::Top() const {
  if (levels_.empty()) return std::nullopt;
  return levels_.back().id;
}

}  // namespace tinto
