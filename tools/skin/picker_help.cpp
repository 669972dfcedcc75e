// The colour picker's help picture (BASE6, two colours): the outlines of its two cells and
// of every control, with a Japanese caption beside each, all inside the window's shape.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "colour/picker_layout.h"
#include "gfx/region.h"
#include "tools/skin/draw.h"
#include "tools/skin/help_caption.h"
#include "tools/skin/window_skins.h"

namespace tinto::skin {

namespace {

namespace pl = ::tinto::picker_layout;

constexpr Ink kPaper = 0;
constexpr Ink kLine = 1;

// A caption, where its line cell starts, and the leader line to its control (none when
// it sits right beside it). Captions lie wholly inside the window's shape, most of them in
// the free lower part of the list's right column.
struct Label {
  gfx::Point at;
  std::string_view text;
  std::array<gfx::Point, 2> leader = {};
};

constexpr Label kLabels[] = {
    {{228, 118}, "カラー一覧"},
    {{226, 132}, "（クリックで選択）"},
    {{390, 86}, "決定"},
    {{304, 103}, "取消し"},
    {{470, 60}, "ヘルプ"},
    {{410, 45}, "明るさ　赤・緑・青"},
    {{pl::kMinusX + 1, 213}, "－　＋　または"},
    {{414, 227}, "目盛りをクリック"},
    {{288, 148}, "選んだ色"},
    {{240, 170}, "今の色を取り込む", {{{337, 178}, {373, 178}}}},
    {{304, 186}, "読込"},
    {{304, 204}, "保存"},
    {{296, 224}, "ランダム", {{{348, 226}, {362, 212}}}},
    {{520, 112}, "2P/3P"},
    {{520, 152}, "部位"},
};

bool HasLeader(const Label& label) {
  return label.leader[0].x != label.leader[1].x || label.leader[0].y != label.leader[1].y;
}

}  // namespace

Canvas DrawPickerHelp(const LabelFont& font, std::vector<std::string>* faults) {
  Canvas c(pl::kWidth, pl::kHeight, kPaper);
  Fill(c, Rim(PolygonMask(c.width(), c.height(), pl::kListCell)), kLine);
  Fill(c, Rim(PolygonMask(c.width(), c.height(), pl::kDetailCell)), kLine);
  for (int e = 0; e < pl::kEntries; ++e) {
    FrameRect(c, pl::EntryHexagon(e), kLine);
    // The right column's lower name bars leave room for the captions.
    if (e % 2 == 0 || e < 7) FrameRect(c, pl::EntryName(e), kLine);
  }
  for (gfx::Rect r : {pl::kOk, pl::kCancel, pl::kHelp, pl::kDetail, pl::kTakeColour, pl::kLoad,
                      pl::kSave, pl::kCycle}) {
    FrameRect(c, r, kLine);
  }
  for (int i = 0; i < 3; ++i) {
    for (int k = 0; k < 3; ++k) {
      const int t = pl::LevelRowY(i, k) + 73;
      for (const gfx::Rect r : {pl::MinusBox(t), pl::PlusBox(t), pl::SliderBox(t)}) {
        FrameRect(c, {r.left, r.top + 1, r.width, r.height - 2}, kLine);
      }
    }
  }
  FrameRect(c,
            {pl::kVariantNumber.x, pl::kVariantNumber.y, pl::kVariantNumberSize.width,
             pl::kVariantNumberSize.height},
            kLine);
  FrameRect(c, {pl::kCaption.x, pl::kCaption.y, pl::kCaptionSize.width, pl::kCaptionSize.height},
            kLine);
  // The picture is seen only through the window's shape: a caption must lie inside it.
  gfx::Region shape = gfx::Region::FromPolygon(pl::kDetailCell);
  shape.Union(gfx::Region::FromPolygon(pl::kListCell));
  PixelMask inside(c.width(), c.height());
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) inside.Put(x, y, shape.Contains(x, y));
  const Canvas frame = c;
  for (const Label& label : kLabels)
    if (HasLeader(label)) Line(c, label.leader[0], label.leader[1], kLine);
  for (const Label& label : kLabels) {
    // What the caption must keep clear of: everything but its own leader.
    Canvas others = frame;
    for (const Label& other : kLabels)
      if (&other != &label && HasLeader(other))
        Line(others, other.leader[0], other.leader[1], kLine);
    DrawCaption(c, others, font, label.at, label.text, inside, kPaper, kLine,
                font.available() ? faults : nullptr);
  }
  // Nothing is drawn where it is never seen: the boxes of the controls that straddle the
  // gap between the cells stop at the cells' edges.
  const PixelMask seen = Grown(inside);
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x)
      if (!seen.Has(x, y)) c.Set(x, y, kPaper);
  return c;
}

}  // namespace tinto::skin
