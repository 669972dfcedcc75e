// A window's hit test as a table: one row per box in the order the boxes are tested (the
// first box that holds the press wins), each naming what it hits and, for a repeated
// button, which one. Boxes are tested strictly (PointInBox).
#pragma once

#include <cstddef>

#include "gfx/geometry.h"
#include "shell/pad.h"

namespace tinto {

template <typename Target>
struct HitRow {
  Target target;
  gfx::Rect box;
  int arg = 0;   // which of a repeated button: an entry, a shade
  int arg2 = 0;  // a second index: a channel
};

// The first row whose box holds the point and that `takes` accepts (a button that is
// there only at times); null when none does.
template <typename Table, typename Takes>
auto FirstHit(const Table& table, int x, int y, Takes takes) -> decltype(&*table.begin()) {
  for (const auto& row : table) {
    if (PointInBox(x, y, row.box) && takes(row)) return &row;
  }
  return nullptr;
}
template <typename Table>
auto FirstHit(const Table& table, int x, int y) -> decltype(&*table.begin()) {
  return FirstHit(table, x, y, [](const auto&) { return true; });
}

}  // namespace tinto
