// Rendering and showing the character previews.
#include "colour/preview.h"

#include "colour/recolour.h"
#include "shell/main_layout.h"

namespace tinto {

namespace {
using main_layout::kPanelStep;
// The blank panel, kept in two halves in the skin's invisible right-hand corners: black
// under the pattern's silhouette, the panel background elsewhere.
using main_layout::kBlankLower;
using main_layout::kBlankUpper;
// The poses in COLPTN lie at x 93 + 75 * pose; the icons at (36, 42).
constexpr gfx::Rect kIcons{36, 42, 55, 117};
}  // namespace

namespace {
// Panel v, or both panels in order for kBothPanels.
template <typename Each>
void ForPanels(int v, Each each) {
  for (int panel = 0; panel <= 1; ++panel)
    if (v == panel || v == CharacterPreview::kBothPanels) each(panel);
}
}  // namespace

void CharacterPreview::RenderPreview(int v) {
  ForPanels(v, [this](int panel) { RenderOne(panel); });
}

void CharacterPreview::RenderOne(int v) {
  const int f = kPanelStep * v;
  const int row = VariantRow(v);
  const gfx::Bitmap& pattern = skin_[kColptn];
  for (int slot : {kBase0, kBase1}) {
    gfx::Bitmap& s = skin_[slot];
    gfx::Blit(s, {32, f + 13}, s, kBlankUpper);
    gfx::Blit(s, {32, f + 101}, s, kBlankLower);
  }
  for (int pose = 0; pose <= 1; ++pose) {
    RecolourPattern(skin_[pose == 0 ? kBase0 : kBase1], pattern, colours_,
                    {.row = row, .to = {93, f + 13}, .from = {93 + 75 * pose, 13, 74, 176}});
  }
  // The icons land on the blank panel's black, in both skins.
  for (int slot : {kBase0, kBase1})
    RecolourPattern(skin_[slot], pattern, colours_,
                    {.row = row, .to = {kIcons.left, f + kIcons.top}, .from = kIcons});
}

void CharacterPreview::ShowPanel(int v) {
  ForPanels(v, [this](int panel) { ShowOne(panel); });
}

void CharacterPreview::ShowOne(int v) {
  const int f = kPanelStep * v;
  canvas_.BeginRects();
  canvas_.AddRect(96, f + 13, 71, 176);
  canvas_.AddRect(93, f + 29, 3, 14);  // where pose 1 reaches further left
  if (panel_pose_[static_cast<std::size_t>(v)]) {
    canvas_.ShowNormal();
  } else {
    canvas_.ShowPressed();
  }
  canvas_.BeginRects();
  canvas_.AddRect(32, f + 39, 59, 42);
  canvas_.AddRect(61, f + 45, 34, 111);
  canvas_.AddRect(32, f + 120, 59, 42);
  canvas_.ShowNormal();
}

bool CharacterPreview::TogglePose(int v) {
  bool& pose = panel_pose_[static_cast<std::size_t>(v)];
  pose = !pose;
  ShowOne(v);
  return pose;
}

}  // namespace tinto
