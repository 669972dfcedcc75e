// The rectangles of the main skin's pressed and alternate looks, row by row in the order
// the main window tests its buttons.
#include "tools/skin/main_layout.h"

namespace tinto::skin::main_layout {

std::vector<PressedLook> PressedLooks() {
  std::vector<PressedLook> looks = {
      {"minimise", {{301, 109, 24, 10}}},
      {"close", {{327, 106, 25, 17}}},
      {"alarm sound preview", {{339, 252, 15, 15}, {337, 257, 19, 5}}},
      {"previous alarm sound", {{326, 261, 12, 12}, {338, 265, 2, 8}}},
      {"next alarm sound", {{355, 261, 12, 12}, {353, 265, 2, 8}}},
      {"alarm loop", {{320, 251, 15, 10}}},
      {"music", {{297, 252, 15, 15}, {295, 257, 19, 5}}},
      {"previous song", {{284, 261, 12, 12}, {296, 265, 2, 8}}},
      {"next song", {{313, 261, 12, 12}, {311, 265, 2, 8}}},
      {"continuous play", {{278, 251, 15, 10}}},
      {"zoom", {{279, 124, 37, 5}}},
      {"speed +3", {{323, 133, 18, 15}}},
      {"speed +2", {{310, 130, 13, 17}}},
      {"speed +1", {{298, 130, 11, 16}}},
      {"speed -3", {{254, 133, 18, 15}}},
      {"speed -2", {{272, 130, 13, 17}}},
      {"speed -1", {{286, 130, 11, 16}}},
      {"frame step forward", {{308, 147, 15, 11}, {323, 149, 1, 1}}},
      {"stop", {{287, 147, 21, 12}}},
      {"frame step reverse", {{272, 147, 15, 11}, {271, 149, 1, 1}}},
      {"speed fine minus", {{286, 159, 5, 5}}},
      {"speed reset", {{295, 165, 5, 5}}},
      {"speed fine plus", {{304, 159, 5, 5}}},
  };
  for (int n = 1; n <= 9; ++n) {
    const gfx::Rect b = FilmBox(n);
    looks.push_back({"photo film " + std::to_string(n), {b, {b.left - 2, b.top + 5, 19, 5}}});
  }
  looks.push_back({"photo film rotation", {{223, 165, 15, 10}}});
  for (int row = 0; row < 2; ++row) {
    for (int n = 1; n <= 9; ++n) {
      const gfx::Rect b = MovieBox(row, n);
      looks.push_back({"movie " + std::to_string(row) + "-" + std::to_string(n),
                       {b, {b.left - 2, b.top + 3, 18, 9}, {b.left - 3, b.top + 7, 20, 1}}});
    }
  }
  for (int row = 0; row < 2; ++row) {
    looks.push_back({"movie sound " + std::to_string(row), {{207, 206 + 24 * row, 12, 11}}});
  }
  for (int row = 0; row < 2; ++row) {
    looks.push_back({"movie rotation " + std::to_string(row), {{219, 201 + 24 * row, 15, 10}}});
  }
  looks.push_back({"wallpaper", {{343, 284, 11, 4}}});
  looks.push_back({"clock", {{244, 109, 51, 5}}});
  looks.push_back({"countdown minus", {{293, 294, 7, 7}}});
  looks.push_back({"countdown plus", {{341, 294, 7, 7}}});
  looks.push_back({"password", {{242, 263, 28, 23}}});
  for (int v = 0; v < 2; ++v) {
    const int f = kPanelStep * v;
    const std::string panel = v == 0 ? " 2P" : " 3P";
    looks.push_back({"load" + panel, {{20, 84 + f, 18, 15}, {19, 91 + f, 20, 1}}});
    looks.push_back({"save" + panel, {{20, 102 + f, 18, 15}, {19, 109 + f, 20, 1}}});
    looks.push_back({"random" + panel, {{38, 93 + f, 18, 15}, {37, 100 + f, 20, 1}}});
    for (int p = 0; p < 6; ++p) {
      looks.push_back(
          {"part " + std::to_string(p) + panel,
           {{kPartX[p] + 4, kPartY[p] + f, 26, 27}, {kPartX[p], kPartY[p] + 8 + f, 34, 11}}});
    }
  }
  return looks;
}

std::vector<gfx::Rect> AlternateRects() {
  std::vector<gfx::Rect> rects = {
      {320, 251, 15, 10},                      // alarm loop on
      {278, 251, 15, 10},                      // continuous play on
      {223, 165, 15, 10},                      // photo-film rotation on
      {219, 201, 15, 10},                      // movie rotation on, both rows
      {219, 225, 15, 10}, {207, 206, 12, 11},  // movie sound on, both rows
      {207, 230, 12, 11},
      kClockFace,       // date layout
      kZoomBar,         // zoomed
      kCountdownPanel,  // ringing
      kTimerLabel,
  };
  for (int n = 1; n <= 9; ++n) {
    const gfx::Rect b = FilmBox(n);
    rects.push_back(b);
    rects.push_back({b.left - 2, b.top + 5, 19, 5});
  }
  for (int row = 0; row < 2; ++row) {
    for (int n = 1; n <= 9; ++n) {
      const gfx::Rect b = MovieBox(row, n);
      rects.push_back(b);
      rects.push_back({b.left - 2, b.top + 3, 18, 9});
      rects.push_back({b.left - 3, b.top + 7, 20, 1});
    }
  }
  return rects;
}

}  // namespace tinto::skin::main_layout
