// The colour picker's help picture (BASE6, two colours): for now the outlines of its two
// cells and of its main boxes with their captions; the detailed captions come with the
// picker's full skin.
#include <string_view>

#include "tools/skin/draw.h"
#include "colour/picker_layout.h"
#include "tools/skin/window_skins.h"

namespace tinto::skin {

namespace {

namespace pl = ::tinto::picker_layout;

constexpr Ink kPaper = 0;
constexpr Ink kLine = 1;

}  // namespace

Canvas DrawPickerHelp(const LabelFont& font) {
  Canvas c(pl::kWidth, pl::kHeight, kPaper);
  Fill(c, Rim(PolygonMask(c.width(), c.height(), pl::kListCell)), kLine);
  Fill(c, Rim(PolygonMask(c.width(), c.height(), pl::kDetailCell)), kLine);
  for (int e = 0; e < pl::kEntries; ++e) {
    FrameRect(c, pl::EntryHexagon(e), kLine);
    FrameRect(c, pl::EntryName(e), kLine);
  }
  for (gfx::Rect r :
       {pl::kOk, pl::kCancel, pl::kHelp, pl::kDetail, pl::kTakeColour, pl::kFreeColourButtons}) {
    FrameRect(c, r, kLine);
  }
  font.Draw(c, {418, 106}, "決定", kLine);
  font.Draw(c, {360, 88}, "取消し", kLine);
  font.Draw(c, {472, 63}, "ヘルプ", kLine);
  font.Draw(c, {414, 150}, "選んだ色", kLine);
  font.Draw(c, {58, 2}, "カラー一覧", kLine);
  return c;
}

}  // namespace tinto::skin
