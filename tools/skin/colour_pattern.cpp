// The colour pattern: both poses of the heroine and the part icons on black.
#include "tools/skin/colour_pattern.h"

namespace tinto::skin {

ColourPattern DrawColourPattern() {
  ColourPattern out;
  out.pattern = Canvas(kPatternWidth, kPatternHeight, key::kOutline);
  for (int pose = 0; pose < 2; ++pose) {
    out.poses[static_cast<std::size_t>(pose)] = PixelMask(kPatternWidth, kPatternHeight);
    const gfx::Point o = PoseOrigin(pose);
    DrawHeroine(out.pattern, out.poses[static_cast<std::size_t>(pose)], pose, {o.x + 3, o.y});
  }
  out.icons = PixelMask(kPatternWidth, kPatternHeight);
  DrawPartIcons(out.pattern, out.icons);
  return out;
}

}  // namespace tinto::skin
