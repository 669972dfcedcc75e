// The colour pattern (COLPTN): the heroine in two dance poses and the six part icons,
// painted in the sixteen key colours so that each colour index can be recoloured on its
// own. Besides the picture it gives the shapes that the main skin's blank panel halves
// keep black: each pose's silhouette (with its outline) and the icon hexagons.
#pragma once

#include <array>

#include "gfx/geometry.h"
#include "tools/skin/canvas.h"

namespace tinto::skin {

inline constexpr int kPatternWidth = 243;
inline constexpr int kPatternHeight = 189;

// The colour indices of the heroine's parts (the host game's numbering).
namespace key {
inline constexpr Ink kOutline = 0;
inline constexpr Ink kHair = 1;
inline constexpr Ink kStockingLight = 2;
inline constexpr Ink kLensDark = 3;
inline constexpr Ink kLensLight = 4;
inline constexpr Ink kRibbon = 5;
inline constexpr Ink kCostumeShadow = 6;
inline constexpr Ink kCostume = 7;
inline constexpr Ink kCostumeLight = 8;
inline constexpr Ink kStocking = 9;
inline constexpr Ink kSkinShadow = 10;
inline constexpr Ink kSkin = 11;
inline constexpr Ink kSkinLight = 12;
inline constexpr Ink kLipstick = 13;
inline constexpr Ink kBelt = 14;
inline constexpr Ink kWhite = 15;
}  // namespace key

// Pose p occupies the pattern's columns 93 + 75 p .. 166 + 75 p, rows 13..188; the panel
// shows it from its fourth column on, except for a 3 x 14 strip at rows 29..42.
constexpr gfx::Point PoseOrigin(int pose) {
  return {93 + 75 * pose, 13};
}
inline constexpr int kPoseWidth = 74;
inline constexpr int kPoseHeight = 176;
inline constexpr gfx::Rect kPoseStrip = {0, 16, 3, 14};  // relative to the pose origin

struct ColourPattern {
  Canvas pattern;                  // kPatternWidth x kPatternHeight, key colour indices
  std::array<PixelMask, 2> poses;  // silhouettes with their outlines, pattern coordinates
  PixelMask icons;                 // the six icon hexagons, pattern coordinates
};

ColourPattern DrawColourPattern();

// Draws pose 0 or 1 into the pattern with its top-left corner (x = 0 being the column
// that the panel shows from) at `origin`, and marks its silhouette.
void DrawHeroine(Canvas& pattern, PixelMask& silhouette, int pose, gfx::Point origin);

// Draws the six part icons (hexagonal badges of 26 x 21) and marks their hexagons.
void DrawPartIcons(Canvas& pattern, PixelMask& icons);

}  // namespace tinto::skin
