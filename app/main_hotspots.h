// The main window's buttons: one row per box in the order the left button tests them
// (the first box that contains the press wins), with the rectangles of the pressed look.
// Rows for a button repeated over photo films, movies, rows or panels are expanded in
// their order of testing. Boxes are skin coordinates, tested strictly (PointInBox).
#pragma once

#include <array>
#include <cstddef>

#include "colour/part_buttons.h"
#include "gfx/geometry.h"
#include "viewer/viewer_layout.h"

namespace tinto {

enum class MainAction {
  kMinimise,
  kClose,
  kAlarmPreview,
  kAlarmPrevious,
  kAlarmNext,
  kAlarmLoop,
  kMusicPlayStop,
  kSongPrevious,
  kSongNext,
  kContinuousPlay,
  kZoom,
  kSpeed,  // arg: level -3..3
  kStepForward,
  kStop,
  kStepReverse,
  kSpeedMinus,
  kSpeedReset,
  kSpeedPlus,
  kPhotoFilm,  // arg: film 1..9 (only while available)
  kPhotoFilmRotation,
  kMovie,          // arg: number 1..9, arg2: row 0..1 (only while available)
  kMovieSound,     // arg: row
  kMovieRotation,  // arg: row
  kWallpaper,
  kTimeOrDate,
  kCountdownMinus,
  kCountdownPlus,
  kCountdownReset,
  kPassword,
  kPanelFigure,  // arg: panel 0..1
  kPanelLoad,
  kPanelSave,
  kPanelRandom,
  kPanelPart,  // arg: panel, arg2: part 0..5
  kHelp,
};

struct MainHotspot {
  MainAction action;
  gfx::Rect box;
  std::array<gfx::Rect, 3> pressed{};
  int pressed_count = 0;
  int arg = 0;
  int arg2 = 0;
};

// Panel v lies 209 pixels below panel 0.
inline constexpr int kPanelStep = 209;

namespace hotspot_detail {

constexpr MainHotspot Row(MainAction action, gfx::Rect box, std::array<gfx::Rect, 3> pressed = {},
                          int pressed_count = 0, int arg = 0, int arg2 = 0) {
  return {action, box, pressed, pressed_count, arg, arg2};
}
constexpr MainHotspot Same(MainAction action, gfx::Rect box, int arg = 0) {
  return Row(action, box, {box}, 1, arg);
}

constexpr auto BuildTable() {
  using A = MainAction;
  std::array<MainHotspot, 82> t{};
  std::size_t i = 0;
  t[i++] = Same(A::kMinimise, {301, 109, 24, 10});
  t[i++] = Row(A::kClose, {329, 106, 21, 17}, {{{327, 106, 25, 17}}}, 1);
  t[i++] = Row(A::kAlarmPreview, {340, 253, 13, 13}, {{{339, 252, 15, 15}, {337, 257, 19, 5}}}, 2);
  t[i++] = Row(A::kAlarmPrevious, {326, 262, 13, 11}, {{{326, 261, 12, 12}, {338, 265, 2, 8}}}, 2);
  t[i++] = Row(A::kAlarmNext, {354, 262, 13, 11}, {{{355, 261, 12, 12}, {353, 265, 2, 8}}}, 2);
  t[i++] = Same(A::kAlarmLoop, {320, 251, 15, 10});
  t[i++] = Row(A::kMusicPlayStop, {298, 253, 13, 13}, {{{297, 252, 15, 15}, {295, 257, 19, 5}}}, 2);
  t[i++] = Row(A::kSongPrevious, {284, 262, 13, 11}, {{{284, 261, 12, 12}, {296, 265, 2, 8}}}, 2);
  t[i++] = Row(A::kSongNext, {312, 262, 13, 11}, {{{313, 261, 12, 12}, {311, 265, 2, 8}}}, 2);
  t[i++] = Same(A::kContinuousPlay, {278, 251, 15, 10});
  t[i++] = Row(A::kZoom, {279, 120, 37, 10}, {{{279, 124, 37, 5}}}, 1);
  t[i++] = Same(A::kSpeed, {323, 133, 18, 15}, 3);
  t[i++] = Same(A::kSpeed, {310, 130, 13, 17}, 2);
  t[i++] = Same(A::kSpeed, {298, 130, 11, 16}, 1);
  t[i++] = Same(A::kSpeed, {254, 133, 18, 15}, -3);
  t[i++] = Same(A::kSpeed, {272, 130, 13, 17}, -2);
  t[i++] = Same(A::kSpeed, {286, 130, 11, 16}, -1);
  t[i++] = Row(A::kStepForward, {308, 147, 15, 11}, {{{308, 147, 15, 11}, {323, 149, 1, 1}}}, 2);
  t[i++] = Row(A::kStop, {288, 147, 19, 12}, {{{287, 147, 21, 12}}}, 1);
  t[i++] = Row(A::kStepReverse, {272, 147, 15, 11}, {{{272, 147, 15, 11}, {271, 149, 1, 1}}}, 2);
  t[i++] = Row(A::kSpeedMinus, {278, 159, 16, 11}, {{{286, 159, 5, 5}}}, 1);
  t[i++] = Row(A::kSpeedReset, {294, 159, 7, 19}, {{{295, 165, 5, 5}}}, 1);
  t[i++] = Row(A::kSpeedPlus, {301, 159, 16, 11}, {{{304, 159, 5, 5}}}, 1);
  for (int n = 1; n <= 9; ++n) {
    const gfx::Rect box = PhotoFilmBox(n);
    t[i++] = Row(A::kPhotoFilm, box, {{box, {box.left - 2, box.top + 5, 19, 5}}}, 2, n);
  }
  t[i++] = Same(A::kPhotoFilmRotation, {223, 165, 15, 10});
  for (int r = 0; r <= 1; ++r) {
    for (int n = 1; n <= 9; ++n) {
      const gfx::Rect box = MovieBox(r, n);
      t[i++] = Row(A::kMovie, box,
                   {{box, {box.left - 2, box.top + 3, 18, 9}, {box.left - 3, box.top + 7, 20, 1}}},
                   3, n, r);
    }
  }
  for (int r = 0; r <= 1; ++r) t[i++] = Same(A::kMovieSound, {207, 206 + 24 * r, 12, 11}, r);
  for (int r = 0; r <= 1; ++r) t[i++] = Same(A::kMovieRotation, {219, 201 + 24 * r, 15, 10}, r);
  t[i++] = Row(A::kWallpaper, {338, 279, 21, 13}, {{{343, 284, 11, 4}}}, 1);
  t[i++] = Row(A::kTimeOrDate, {244, 107, 51, 8}, {{{244, 109, 51, 5}}}, 1);
  t[i++] = Row(A::kCountdownMinus, {286, 292, 21, 12}, {{{293, 294, 7, 7}}}, 1);
  t[i++] = Row(A::kCountdownPlus, {334, 292, 21, 12}, {{{341, 294, 7, 7}}}, 1);
  t[i++] = Row(A::kCountdownReset, {307, 292, 27, 12});
  t[i++] = Same(A::kPassword, {242, 263, 28, 23});
  for (int v = 0; v <= 1; ++v) {
    const int f = kPanelStep * v;
    t[i++] = Row(A::kPanelFigure, {100, 49 + f, 63, 81}, {}, 0, v);
    t[i++] = Row(A::kPanelLoad, {20, 84 + f, 18, 15}, {{{20, 84 + f, 18, 15}, {19, 91 + f, 20, 1}}},
                 2, v);
    t[i++] = Row(A::kPanelSave, {20, 102 + f, 18, 15},
                 {{{20, 102 + f, 18, 15}, {19, 109 + f, 20, 1}}}, 2, v);
    t[i++] = Row(A::kPanelRandom, {38, 93 + f, 18, 15},
                 {{{38, 93 + f, 18, 15}, {37, 100 + f, 20, 1}}}, 2, v);
    for (int p = 0; p <= 5; ++p) {
      const gfx::Rect box{kPX[p] + 4, kPY[p] + f, 26, 27};
      t[i++] = Row(A::kPanelPart, box, {{box, {kPX[p], kPY[p] + 8 + f, 34, 11}}}, 2, v, p);
    }
  }
  t[i++] = Row(A::kHelp, {342, 124, 16, 14});
  if (i != t.size()) throw "hotspot table size";  // not a constant expression: fails to compile
  return t;
}

}  // namespace hotspot_detail

inline constexpr auto kMainHotspots = hotspot_detail::BuildTable();
static_assert(kMainHotspots.size() == 82,
              "23 single rows, 9 films, 1, 18 movies, 2, 2, 6, 20 panel rows, help");

}  // namespace tinto
