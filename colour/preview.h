// The two character previews of the main window: the heroine in the 2P panel (upper left
// cell) and the 3P panel (lower left cell, 209 pixels lower), each with its six part
// icons, rendered into the skin bitmaps BASE0 (pose 0) and BASE1 (pose 1) so that every
// later copy of the panel area shows the current colours.
#pragma once

#include <array>

#include "colour/colour_model.h"
#include "shell/main_canvas.h"
#include "shell/skin.h"

namespace tinto {

class CharacterPreview {
 public:
  static constexpr int kBothPanels = 2;

  CharacterPreview(Skin& skin, const ColourModel& colours, MainCanvas& canvas)
      : skin_(skin), colours_(colours), canvas_(canvas) {}

  // Renders panel v (0 = 2P, 1 = 3P, 2 = both) into BASE0 and BASE1.
  void RenderPreview(int v);
  // Copies panel v (0, 1 or 2 = both) from the skins to the back buffer and the window.
  void ShowPanel(int v);
  // Flips the pose of panel v and shows it; true when pose 0 is now shown.
  bool TogglePose(int v);
  bool PanelPose(int v) const { return panel_pose_[static_cast<std::size_t>(v)]; }

 private:
  void RenderOne(int v);
  void ShowOne(int v);

  Skin& skin_;
  const ColourModel& colours_;
  MainCanvas& canvas_;
  // True shows pose 0 (from BASE0), false pose 1 (from BASE1).
  std::array<bool, 2> panel_pose_{true, true};
};

}  // namespace tinto
