// The main window's buttons: one row per box in the order the left button tests them
// (the first box that contains the press wins), with the rectangles of the pressed look
// and what a press does around its operation: the sound effect, the wait, the release.
// Rows for a button repeated over photo films, movies, rows or panels are expanded in
// their order of testing. Boxes are skin coordinates, tested strictly (PointInBox).
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>

#include "gfx/geometry.h"
#include "shell/main_layout.h"
#include "shell/pad.h"
#include "shell/press_delays.h"
#include "viewer/media_layout.h"

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

// A press's sound effect: none, always the same one, or one of two chosen by the state the
// operation reports (a switch's new position, say). kNoEffect on either side of a choice
// plays nothing for that side.
inline constexpr int kNoEffect = -1;
struct PressEffect {
  int first = kNoEffect;   // the effect; for a choice, the one for "on"
  int second = kNoEffect;  // for a choice, the one for "off"
  bool chosen = false;
};
constexpr PressEffect Effect(int n) {
  return {.first = n};
}
constexpr PressEffect Choice(int on, int off) {
  return {.first = on, .second = off, .chosen = true};
}

// How the button looks again once its wait is over: unchanged (the operation redraws, or
// there is no pressed look), normal, or lit or not as the reported state says.
enum class PressRelease { kNone, kNormal, kToggle };

struct MainHotspot {
  MainAction action;
  gfx::Rect box;
  std::array<gfx::Rect, 3> pressed{};
  int pressed_count = 0;
  int arg = 0;
  int arg2 = 0;
  PressEffect effect{};
  int wait = 0;  // ms the pressed look is kept: 0, kPressDelay or kLongPressDelay
  PressRelease release = PressRelease::kNone;
};

// The photo-film and movie buttons' boxes, as the hit test sees them.
using media_layout::MovieBox;
using media_layout::PhotoFilmBox;

namespace hotspot_detail {

// A row as the table below writes it: named fields, the pressed look as a short list.
struct RowSpec {
  MainAction action;
  gfx::Rect box;
  std::initializer_list<gfx::Rect> look = {};  // empty: no pressed look
  int arg = 0;
  int arg2 = 0;
  PressEffect effect = {};
  int wait = 0;
  PressRelease release = PressRelease::kNormal;
};
constexpr MainHotspot Row(RowSpec spec) {
  MainHotspot row{.action = spec.action,
                  .box = spec.box,
                  .arg = spec.arg,
                  .arg2 = spec.arg2,
                  .effect = spec.effect,
                  .wait = spec.wait,
                  .release = spec.release};
  for (const gfx::Rect& r : spec.look)
    row.pressed[static_cast<std::size_t>(row.pressed_count++)] = r;
  // Releasing redraws the pending rectangles: without a pressed look they are stale.
  if (row.pressed_count == 0 && row.release != PressRelease::kNone) throw "release without look";
  return row;
}
// A row whose pressed look is its own box.
constexpr MainHotspot Same(const RowSpec& spec) {
  return Row({.action = spec.action,
              .box = spec.box,
              .look = {spec.box},
              .arg = spec.arg,
              .arg2 = spec.arg2,
              .effect = spec.effect,
              .wait = spec.wait,
              .release = spec.release});
}

// Every row names its sound effect, its wait and its release; the operations are in
// app/main_input.cpp. A press runs: the pressed look, a fixed effect, the operation (a
// chosen effect when it reports its state), the wait, the release.
constexpr auto BuildTable() {
  using A = MainAction;
  using R = PressRelease;
  namespace ml = main_layout;
  constexpr int kShort = kPressDelay;
  constexpr int kLong = kLongPressDelay;
  std::array<MainHotspot, 82> t{};
  std::size_t i = 0;
  t[i++] = Same(
      {.action = A::kMinimise, .box = {301, 109, 24, 10}, .effect = Effect(28), .wait = kLong});
  t[i++] = Row({.action = A::kClose,
                .box = {329, 106, 21, 17},
                .look = {{327, 106, 25, 17}},
                .effect = Effect(21),
                .wait = kLong,
                .release = R::kNone});  // the window is gone
  // The alarm sounds are the effects of their buttons.
  t[i++] = Row({.action = A::kAlarmPreview,
                .box = {340, 253, 13, 13},
                .look = {{339, 252, 15, 15}, {337, 257, 19, 5}},
                .wait = kShort});
  t[i++] = Row({.action = A::kAlarmPrevious,
                .box = {326, 262, 13, 11},
                .look = {{326, 261, 12, 12}, {338, 265, 2, 8}},
                .wait = kShort});
  t[i++] = Row({.action = A::kAlarmNext,
                .box = {354, 262, 13, 11},
                .look = {{355, 261, 12, 12}, {353, 265, 2, 8}},
                .wait = kShort});
  t[i++] = Same(
      {.action = A::kAlarmLoop, .box = {320, 251, 15, 10}, .wait = kShort, .release = R::kToggle});
  // During a song the note button stops it silently; otherwise it plays.
  t[i++] = Row({.action = A::kMusicPlayStop,
                .box = {298, 253, 13, 13},
                .look = {{297, 252, 15, 15}, {295, 257, 19, 5}},
                .effect = Choice(kNoEffect, 2),
                .wait = kShort});
  t[i++] = Row({.action = A::kSongPrevious,
                .box = {284, 262, 13, 11},
                .look = {{284, 261, 12, 12}, {296, 265, 2, 8}},
                .effect = Effect(2),
                .wait = kShort});
  t[i++] = Row({.action = A::kSongNext,
                .box = {312, 262, 13, 11},
                .look = {{313, 261, 12, 12}, {311, 265, 2, 8}},
                .effect = Effect(2),
                .wait = kShort});
  t[i++] = Same({.action = A::kContinuousPlay,
                 .box = {278, 251, 15, 10},
                 .effect = Choice(30, 31),
                 .wait = kShort,
                 .release = R::kToggle});
  // Zooming redraws the zoom bar itself.
  t[i++] = Row(
      {.action = A::kZoom, .box = {279, 120, 37, 10}, .look = {ml::kZoomBar}, .release = R::kNone});
  const auto speed = [](gfx::Rect box, int level) {
    return Same(
        {.action = A::kSpeed, .box = box, .arg = level, .effect = Effect(2), .wait = kShort});
  };
  t[i++] = speed({323, 133, 18, 15}, 3);
  t[i++] = speed({310, 130, 13, 17}, 2);
  t[i++] = speed({298, 130, 11, 16}, 1);
  t[i++] = speed({254, 133, 18, 15}, -3);
  t[i++] = speed({272, 130, 13, 17}, -2);
  t[i++] = speed({286, 130, 11, 16}, -1);
  t[i++] = Row({.action = A::kStepForward,
                .box = {308, 147, 15, 11},
                .look = {{308, 147, 15, 11}, {323, 149, 1, 1}},
                .effect = Effect(2),
                .wait = kLong});
  // Stopping keeps the pressed look for its own wait, between hiding the panel and closing.
  t[i++] = Row({.action = A::kStop,
                .box = {288, 147, 19, 12},
                .look = {{287, 147, 21, 12}},
                .effect = Effect(2)});
  t[i++] = Row({.action = A::kStepReverse,
                .box = {272, 147, 15, 11},
                .look = {{272, 147, 15, 11}, {271, 149, 1, 1}},
                .effect = Effect(2),
                .wait = kLong});
  t[i++] = Row({.action = A::kSpeedMinus,
                .box = {278, 159, 16, 11},
                .look = {{286, 159, 5, 5}},
                .effect = Effect(0),
                .wait = kShort});
  t[i++] = Row({.action = A::kSpeedReset,
                .box = {294, 159, 7, 19},
                .look = {{295, 165, 5, 5}},
                .effect = Effect(3),
                .wait = kShort});
  t[i++] = Row({.action = A::kSpeedPlus,
                .box = {301, 159, 16, 11},
                .look = {{304, 159, 5, 5}},
                .effect = Effect(0),
                .wait = kShort});
  // Opening a photo film or movie takes its own time; a movie may add a random cheer.
  for (int n = 1; n <= 9; ++n) {
    const auto look = media_layout::PhotoFilmLook(n);
    t[i++] = Row({.action = A::kPhotoFilm,
                  .box = look[0],
                  .look = {look[0], look[1]},
                  .arg = n,
                  .effect = Effect(1)});
  }
  t[i++] = Same({.action = A::kPhotoFilmRotation,
                 .box = {223, 165, 15, 10},
                 .effect = Choice(30, 31),
                 .wait = kShort,
                 .release = R::kToggle});
  for (int r = 0; r <= 1; ++r) {
    for (int n = 1; n <= 9; ++n) {
      const auto look = media_layout::MovieLook(r, n);
      t[i++] = Row({.action = A::kMovie,
                    .box = look[0],
                    .look = {look[0], look[1], look[2]},
                    .arg = n,
                    .arg2 = r,
                    .effect = Effect(1)});
    }
  }
  for (int r = 0; r <= 1; ++r) {
    t[i++] = Same({.action = A::kMovieSound,
                   .box = {207, 206 + 24 * r, 12, 11},
                   .arg = r,
                   .effect = Choice(36, 51),
                   .wait = kShort,
                   .release = R::kToggle});
  }
  for (int r = 0; r <= 1; ++r) {
    t[i++] = Same({.action = A::kMovieRotation,
                   .box = {219, 201 + 24 * r, 15, 10},
                   .arg = r,
                   .effect = Choice(30, 31),
                   .wait = kShort,
                   .release = R::kToggle});
  }
  t[i++] = Row({.action = A::kWallpaper,
                .box = {338, 279, 21, 13},
                .look = {{343, 284, 11, 4}},
                .effect = Effect(2)});
  t[i++] = Row({.action = A::kTimeOrDate,
                .box = {244, 107, 51, 8},
                .look = {ml::kClockFace},
                .effect = Choice(68, 69),
                .wait = kShort,
                .release = R::kToggle});
  // The countdown's buttons: an hour step (Shift or Alt held) or a five-minute step.
  t[i++] = Row({.action = A::kCountdownMinus,
                .box = {286, 292, 21, 12},
                .look = {{293, 294, 7, 7}},
                .effect = Choice(3, 0),
                .wait = kShort});
  t[i++] = Row({.action = A::kCountdownPlus,
                .box = {334, 292, 21, 12},
                .look = {{341, 294, 7, 7}},
                .effect = Choice(3, 0),
                .wait = kShort});
  t[i++] = Row({.action = A::kCountdownReset,
                .box = {307, 292, 27, 12},
                .effect = Effect(40),
                .wait = kShort,
                .release = R::kNone});
  t[i++] = Same(
      {.action = A::kPassword, .box = {242, 263, 28, 23}, .effect = Effect(2), .wait = kShort});
  for (int v = 0; v <= 1; ++v) {
    const int f = ml::kPanelStep * v;
    // The figure turns round: one effect for each pose.
    t[i++] = Row({.action = A::kPanelFigure,
                  .box = {100, 49 + f, 63, 81},
                  .arg = v,
                  .effect = Choice(33, 34),
                  .release = R::kNone});
    const gfx::Rect load = ml::kLoadButton.offset(0, f);
    const gfx::Rect save = ml::kSaveButton.offset(0, f);
    const gfx::Rect random = ml::kRandomButton.offset(0, f);
    t[i++] = Row({.action = A::kPanelLoad,
                  .box = load,
                  .look = {load, {load.left - 1, load.top + 7, 20, 1}},
                  .arg = v,
                  .effect = Effect(2),
                  .wait = kShort});
    t[i++] = Row({.action = A::kPanelSave,
                  .box = save,
                  .look = {save, {save.left - 1, save.top + 7, 20, 1}},
                  .arg = v,
                  .effect = Effect(2),
                  .wait = kShort});
    // Randomised, or back to the defaults.
    t[i++] = Row({.action = A::kPanelRandom,
                  .box = random,
                  .look = {random, {random.left - 1, random.top + 7, 20, 1}},
                  .arg = v,
                  .effect = Choice(2, 31),
                  .wait = kShort});
    for (int p = 0; p <= 5; ++p) {
      const int x = ml::kPartX[static_cast<std::size_t>(p)];
      const int y = ml::kPartY[static_cast<std::size_t>(p)] + f;
      const gfx::Rect box{x + 4, y, 26, 27};
      t[i++] = Row({.action = A::kPanelPart,
                    .box = box,
                    .look = {box, {x, y + 8, 34, 11}},
                    .arg = v,
                    .arg2 = p,
                    .effect = Effect(2),
                    .wait = kShort});
    }
  }
  // The help picture plays its effect and keeps its own time.
  t[i++] = Row({.action = A::kHelp, .box = {342, 124, 16, 14}, .release = R::kNone});
  if (i != t.size()) throw "hotspot table size";  // not a constant expression: fails to compile
  return t;
}

}  // namespace hotspot_detail

inline constexpr auto kMainHotspots = hotspot_detail::BuildTable();

// The left button's hit test: the first row whose box holds the skin point and that
// `takes` accepts; null when none does.
template <typename Takes>
const MainHotspot* FindHotspot(std::span<const MainHotspot> table, int x, int y, Takes takes) {
  for (const MainHotspot& hotspot : table) {
    if (PointInBox(x, y, hotspot.box) && takes(hotspot)) return &hotspot;
  }
  return nullptr;
}
static_assert(kMainHotspots.size() == 82,
              "23 single rows, 9 films, 1, 18 movies, 2, 2, 6, 20 panel rows, help");

}  // namespace tinto
