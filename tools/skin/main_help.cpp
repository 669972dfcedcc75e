// The main window's help picture (BASE5, two colours): white on black, the outlines of the
// three cells and of every button's box, and a short Japanese caption beside each control
// with a thin line to it where the caption can't sit right next to it.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "tools/skin/draw.h"
#include "tools/skin/help_caption.h"
#include "tools/skin/main_layout.h"
#include "tools/skin/window_skins.h"

namespace tinto::skin {

namespace {

namespace ml = main_layout;

constexpr Ink kPaper = 0;
constexpr Ink kLine = 1;
constexpr std::string_view kCaptionFace = "ＭＳ Ｐゴシック";

void DrawCellOutlines(Canvas& c) {
  for (gfx::Point o : {ml::kColourCell2P, ml::kColourCell3P, ml::kViewerCell}) {
    std::array<gfx::Point, 6> pts = ml::kHexagon;
    for (gfx::Point& p : pts) p = {p.x + o.x, p.y + o.y};
    Fill(c, Rim(PolygonMask(c.width(), c.height(), pts)), kLine);
  }
}

std::vector<gfx::Rect> ButtonBoxes() {
  std::vector<gfx::Rect> boxes = {
      {301, 109, 24, 10}, {329, 106, 21, 17}, {340, 253, 13, 13}, {326, 262, 13, 11},
      {354, 262, 13, 11}, {320, 251, 15, 10}, {298, 253, 13, 13}, {284, 262, 13, 11},
      {312, 262, 13, 11}, {278, 251, 15, 10}, {279, 120, 37, 10}, {323, 133, 18, 15},
      {310, 130, 13, 17}, {298, 130, 11, 16}, {254, 133, 18, 15}, {272, 130, 13, 17},
      {286, 130, 11, 16}, {308, 147, 15, 11}, {288, 147, 19, 12}, {272, 147, 15, 11},
      {278, 159, 16, 11}, {294, 159, 7, 19},  {301, 159, 16, 11}, {223, 165, 15, 10},
      {338, 279, 21, 13}, {244, 107, 51, 8},  {286, 292, 21, 12}, {334, 292, 21, 12},
      {307, 292, 27, 12}, {242, 263, 28, 23}, {342, 124, 16, 14},
  };
  for (int n = 1; n <= 9; ++n) boxes.push_back(ml::PhotoFilmBox(n));
  for (int row = 0; row < 2; ++row) {
    for (int n = 1; n <= 9; ++n) boxes.push_back(ml::MovieBox(row, n));
    boxes.push_back({207, 206 + 24 * row, 12, 11});
    boxes.push_back({219, 201 + 24 * row, 15, 10});
  }
  for (int v = 0; v < 2; ++v) {
    const int f = ml::kPanelStep * v;
    boxes.push_back({100, 49 + f, 63, 81});
    boxes.push_back(ml::kLoadButton.offset(0, f));
    boxes.push_back(ml::kSaveButton.offset(0, f));
    boxes.push_back(ml::kRandomButton.offset(0, f));
    for (int p = 0; p < 6; ++p) boxes.push_back({ml::kPartX[p] + 4, ml::kPartY[p] + f, 26, 27});
  }
  return boxes;
}

// A caption: its text, its font size, where its line cell starts, and the leader line
// from the caption to its control, through its bends (none when the caption sits right
// at its control).
struct Caption {
  std::string_view text;
  int size;
  gfx::Point at;
  std::vector<gfx::Point> leader = {};
};

// Captions of one colour panel (f = 0 for 2P, 209 for 3P). The upper panel names the six
// part buttons, the lower one the load, save and random buttons; both name the pose.
std::vector<Caption> PanelCaptions(int f) {
  if (f == 0) {
    return {{"コンタクト", 12, {61, 26}}, {"口紅", 12, {37, 41}},
            {"肌", 12, {50, 80}},         {"コスチューム", 12, {99, 130}, {{98, 135}, {91, 130}}},
            {"ベルト", 10, {37, 148}},    {"ストッキング", 12, {93, 145}},
            {"ポーズ", 12, {122, 88}}};
  }
  return {
      {"ロード", 12, {46, 24 + f}, {{46, 36 + f}, {32, 53 + f}, {28, 83 + f}}},
      {"セーブ", 12, {46, 165 + f}, {{46, 168 + f}, {33, 148 + f}, {28, 117 + f}}},
      {"ランダム", 12, {99, 130 + f}, {{56, 100 + f}, {95, 100 + f}, {95, 134 + f}, {99, 134 + f}}},
      {"ポーズ", 12, {122, 60 + f}}};
}

// Captions of the viewer cell. The buttons stand close together, so captions sit in the
// cell's few free corners, or in the 2P cell beside it, with a leader to their button.
// The wallpaper caption stands right beside its button; the stop button, walled in by its
// neighbours, still holds its own.
std::vector<Caption> ViewerCaptions() {
  return {
      {"時計", 10, {196, 86}, {{216, 91}, {243, 109}}},
      {"最小化", 10, {192, 99}, {{223, 105}, {240, 116}, {300, 116}}},
      {"閉じる", 9, {369, 172}, {{376, 171}, {364, 128}, {350, 115}}},
      {"ヘルプ", 9, {324, 148}, {{350, 151}, {350, 138}}},
      {"ズーム", 9, {255, 120}},
      {"速度", 10, {232, 129}},
      {"コマ送り", 9, {220, 139}, {{252, 148}, {271, 150}}},
      {"停止", 8, {290, 149}},
      {"写真", 10, {340, 184}},
      {"巡回", 9, {204, 166}},
      {"ムービー", 10, {210, 186}},
      {"巡回", 10, {220, 213}},
      {"効果音", 9, {210, 241}},
      {"連続再生", 9, {216, 251}, {{252, 255}, {277, 255}}},
      {"曲", 10, {304, 240}},
      {"アラーム音", 9, {271, 273}, {{312, 277}, {339, 277}, {346, 266}}},
      {"ループ", 9, {354, 250}, {{353, 250}, {335, 251}}},
      {"パスワード", 10, {165, 271}, {{211, 276}, {241, 274}}},
      {"壁紙", 12, {313, 279}},
      {"タイマー", 9, {251, 293}},
  };
}

// The inside of the three cells: all a caption may cover.
PixelMask CellInsides(int width, int height) {
  PixelMask inside(width, height);
  for (gfx::Point o : {ml::kColourCell2P, ml::kColourCell3P, ml::kViewerCell}) {
    std::array<gfx::Point, 6> pts = ml::kHexagon;
    for (gfx::Point& p : pts) p = {p.x + o.x, p.y + o.y};
    const PixelMask cell = Shrunk(PolygonMask(width, height, pts));
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (cell.Has(x, y)) inside.Put(x, y);
  }
  return inside;
}

}  // namespace

Canvas DrawMainHelp(const LabelFont& font, std::vector<std::string>* faults) {
  Canvas c(ml::kWidth, ml::kHeight, kPaper);
  DrawCellOutlines(c);
  for (const gfx::Rect& box : ButtonBoxes()) FrameRect(c, box, kLine);
  std::vector<Caption> captions = PanelCaptions(0);
  for (const Caption& caption : PanelCaptions(ml::kPanelStep)) captions.push_back(caption);
  for (const Caption& caption : ViewerCaptions()) captions.push_back(caption);
  const auto draw_leaders = [&captions](Canvas& on, const Caption* except) {
    for (const Caption& caption : captions) {
      if (&caption == except) continue;
      for (std::size_t i = 1; i < caption.leader.size(); ++i)
        Line(on, caption.leader[i - 1], caption.leader[i], kLine);
    }
  };
  const LabelFont small(kCaptionFace, 10);
  const LabelFont smaller(kCaptionFace, 9);
  const LabelFont smallest(kCaptionFace, 8);
  const PixelMask inside = CellInsides(c.width(), c.height());
  const Canvas frame = c;
  draw_leaders(c, nullptr);
  for (const Caption& caption : captions) {
    // What the caption must keep clear of: everything but its own leader.
    Canvas others = frame;
    draw_leaders(others, &caption);
    const LabelFont& face = caption.size == 8    ? smallest
                            : caption.size == 9  ? smaller
                            : caption.size == 10 ? small
                                                 : font;
    DrawCaption(c, others, face, caption.at, caption.text, inside, kPaper, kLine,
                font.available() ? faults : nullptr);
  }
  return c;
}

}  // namespace tinto::skin
