// The colour picker window's shape (two cells: the entry list and the detail hexagon) and
// its main boxes, shared by its skin and its help picture.
#pragma once

#include <array>

#include "gfx/geometry.h"

namespace tinto::skin::picker_layout {

inline constexpr int kWidth = 580;
inline constexpr int kHeight = 285;

inline constexpr std::array<gfx::Point, 6> kDetailCell = {
    {{405, 42}, {522, 42}, {580, 142}, {521, 243}, {406, 243}, {347, 142}}};
inline constexpr std::array<gfx::Point, 14> kListCell = {{{46, 0},
                                                          {194, 0},
                                                          {201, 12},
                                                          {333, 12},
                                                          {373, 82},
                                                          {338, 142},
                                                          {373, 202},
                                                          {332, 273},
                                                          {200, 273},
                                                          {193, 285},
                                                          {47, 285},
                                                          {0, 204},
                                                          {36, 142},
                                                          {0, 80}}};

inline constexpr int kEntries = 21;
constexpr gfx::Rect EntryHexagon(int e) {
  return {165 + 22 * (e % 2), 12 * e + 12, 26, 21};
}
constexpr gfx::Rect EntryName(int e) {
  return {49 + 170 * (e % 2), 12 * e + 17, 116, 11};
}

inline constexpr gfx::Rect kOk = {384, 101, 29, 23};
inline constexpr gfx::Rect kCancel = {365, 107, 21, 19};
inline constexpr gfx::Rect kHelp = {508, 62, 16, 14};
inline constexpr gfx::Rect kDetail = {357, 128, 52, 42};
inline constexpr gfx::Rect kTakeColour = {374, 173, 21, 16};
inline constexpr gfx::Rect kFreeColourButtons = {335, 186, 32, 33};

}  // namespace tinto::skin::picker_layout
