// The colour picker's help picture (BASE6, two colours): the outlines of its two cells and
// of every control, with a Japanese label beside each.
#include <string_view>

#include "colour/picker_layout.h"
#include "tools/skin/draw.h"
#include "tools/skin/window_skins.h"

namespace tinto::skin {

namespace {

namespace pl = ::tinto::picker_layout;

constexpr Ink kPaper = 0;
constexpr Ink kLine = 1;

struct Label {
  gfx::Point at;
  std::string_view text;
};

constexpr Label kLabels[] = {
    {{58, 2}, "カラー一覧（クリックで選択）"},
    {{390, 86}, "決定"},
    {{318, 110}, "取消し"},
    {{528, 62}, "ヘルプ"},
    {{386, 44}, "明るさ　赤・緑・青"},
    {{410, 228}, "－　＋　または目盛りをクリック"},
    {{300, 150}, "選んだ色"},
    {{290, 234}, "今の色を取り込む"},
    {{304, 186}, "読込"},
    {{304, 204}, "保存"},
    {{366, 216}, "ランダム"},
    {{520, 112}, "2P/3P"},
    {{520, 152}, "部位"},
};

}  // namespace

Canvas DrawPickerHelp(const LabelFont& font) {
  Canvas c(pl::kWidth, pl::kHeight, kPaper);
  Fill(c, Rim(PolygonMask(c.width(), c.height(), pl::kListCell)), kLine);
  Fill(c, Rim(PolygonMask(c.width(), c.height(), pl::kDetailCell)), kLine);
  for (int e = 0; e < pl::kEntries; ++e) {
    FrameRect(c, pl::EntryHexagon(e), kLine);
    // The right column's lower name bars leave room for the labels of the buttons.
    if (e % 2 == 0 || e < 7) FrameRect(c, pl::EntryName(e), kLine);
  }
  Line(c, {372, 238}, {382, 190}, kLine);
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
  for (const Label& label : kLabels) font.Draw(c, label.at, label.text, kLine);
  return c;
}

}  // namespace tinto::skin
