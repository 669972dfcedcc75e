// The main window's help picture (BASE5, two colours): white on black, the outlines of the
// three cells and of every button's box, and a short Japanese caption beside each control
// with a thin line to it where the caption can't sit right next to it.
#include <array>
#include <string_view>
#include <vector>

#include "tools/skin/draw.h"
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
  for (int n = 1; n <= 9; ++n) boxes.push_back(ml::FilmBox(n));
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
// from the caption to its control (none when the caption sits right at its control).
struct Caption {
  std::string_view text;
  int size;
  gfx::Point at;
  gfx::Point from = {-1, -1};
  gfx::Point to = {-1, -1};
};

// Captions of one colour panel (f = 0 for 2P, 209 for 3P). The upper panel names the six
// part buttons, the lower one the load, save and random buttons; both name the pose.
std::vector<Caption> PanelCaptions(int f) {
  if (f == 0) {
    return {{"コンタクト", 12, {93, 44}}, {"口紅", 12, {37, 41}},
            {"肌", 12, {93, 76}},         {"コスチューム", 12, {93, 112}},
            {"ベルト", 12, {32, 148}},    {"ストッキング", 12, {93, 142}},
            {"ポーズ", 12, {122, 88}}};
  }
  return {{"ロード", 12, {40, 24 + f}, {41, 37 + f}, {22, 84 + f}},
          {"セーブ", 12, {32, 148 + f}, {33, 150 + f}, {22, 116 + f}},
          {"ランダム", 12, {95, 94 + f}, {94, 100 + f}, {56, 100 + f}},
          {"ポーズ", 12, {122, 60 + f}}};
}

// Captions of the viewer cell, set into its few free corners; where the buttons stand
// too close, a caption sits on its own button.
std::vector<Caption> ViewerCaptions() {
  return {
      {"時計", 10, {236, 117}},
      {"最小化", 9, {299, 109}},
      {"閉じる", 9, {328, 110}},
      {"ヘルプ", 10, {343, 138}},
      {"ズーム", 10, {284, 119}},
      {"速度", 10, {232, 129}},
      {"コマ送り", 9, {220, 139}, {252, 148}, {271, 150}},
      {"停止", 10, {287, 147}},
      {"写真", 10, {340, 184}},
      {"巡回", 9, {204, 166}},
      {"ムービー", 10, {210, 186}},
      {"巡回", 10, {220, 213}},
      {"効果音", 9, {205, 241}},
      {"連続再生", 9, {212, 252}, {249, 256}, {277, 256}},
      {"曲", 10, {304, 240}},
      {"アラーム音", 10, {288, 278}, {335, 280}, {346, 266}},
      {"ループ", 9, {314, 251}},
      {"パスワード", 10, {238, 289}},
      {"壁紙", 10, {360, 280}},
      {"タイマー", 9, {302, 293}},
  };
}

// Draws a caption with a one-pixel margin of paper round its letters, so that crossing
// outlines stay out of its way.
void DrawCaption(Canvas& c, const LabelFont& font, const Caption& caption) {
  Canvas text(c.width(), c.height(), kPaper);
  font.Draw(text, caption.at, caption.text, kLine);
  PixelMask letters(c.width(), c.height());
  for (int y = 0; y < c.height(); ++y) {
    for (int x = 0; x < c.width(); ++x) letters.Put(x, y, text.At(x, y) == kLine);
  }
  Fill(c, Grown(letters), kPaper);
  Fill(c, letters, kLine);
}

}  // namespace

Canvas DrawMainHelp(const LabelFont& font) {
  Canvas c(ml::kWidth, ml::kHeight, kPaper);
  DrawCellOutlines(c);
  for (const gfx::Rect& box : ButtonBoxes()) FrameRect(c, box, kLine);
  std::vector<Caption> captions = PanelCaptions(0);
  for (const Caption& caption : PanelCaptions(ml::kPanelStep)) captions.push_back(caption);
  for (const Caption& caption : ViewerCaptions()) captions.push_back(caption);
  for (const Caption& caption : captions) {
    if (caption.to.x >= 0) Line(c, caption.from, caption.to, kLine);
  }
  const LabelFont small(kCaptionFace, 10);
  const LabelFont smaller(kCaptionFace, 9);
  for (const Caption& caption : captions) {
    DrawCaption(c, caption.size == 9 ? smaller : caption.size == 10 ? small : font, caption);
  }
  return c;
}

}  // namespace tinto::skin
