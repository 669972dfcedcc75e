// The colour picker's pictures: an entry's recoloured icon and name, the enlarged selected
// entry with its levels, bars, level buttons and colour chips, and a level edit.
#include <algorithm>

#include "colour/TintoColU.h"
#include "colour/colour_names.h"
#include "colour/colour_tables.h"
#include "colour/part_buttons.h"
#include "colour/picker_layout.h"
#include "colour/recolour.h"
#include "shell/glyphs.h"

namespace tinto {

namespace pl = picker_layout;

namespace {
// The level digits come from the main skin's white digit row.
constexpr GlyphStrip kLevelDigits{
    .digits = 2, .strip_x = 283, .strip_y = 279, .glyph_width = 5, .glyph_height = 5, .pitch = 6};
constexpr gfx::Pixel kNameColour = gfx::MakePixel(255, 255, 255);
}  // namespace

void TTintoColFM::DrawSwatch(int e) {
  const gfx::Bitmap& face = app_.skin()[kBase4];
  const gfx::Rect hex = pl::EntryHexagon(e);
  const std::size_t p = static_cast<std::size_t>(part_);
  const bool locked = e >= ColoursPerPart();
  const int shift = locked ? pl::kLockedStep : 0;
  gfx::Blit(surface_.back(), {hex.left + 3, hex.top}, face,
            {pl::kHexColumnSource.x + shift, pl::kHexColumnSource.y, 20, 21});
  gfx::Blit(surface_.back(), {hex.left, hex.top + 6}, face,
            {pl::kHexBandSource.x + shift, pl::kHexBandSource.y, 26, 9});
  // The part's icon, ORed straight onto the hexagon.
  if (!locked) {
    const gfx::Bitmap& pattern = app_.skin()[kColptn];
    const gfx::Rect icon{kPX[p] + 4, kPY[p] + 3, hex.width, hex.height};
    if (!icon_runs_.Fits(pattern, colours_, icon))
      icon_runs_ = PatternRuns(pattern, colours_, icon);
    icon_runs_.Paint(surface_.back(), colours_, kWorkRow, {hex.left, hex.top});
  }
}

void TTintoColFM::DrawEntryName(int e) {
  const gfx::Rect bar = pl::EntryName(e);
  gfx::Blit(surface_.back(), {bar.left, bar.top}, app_.skin()[kBase4], bar);
  if (!font_) return;
  const std::string_view name =
      ColourNames[static_cast<std::size_t>(part_)][static_cast<std::size_t>(e)];
  const int x = e % 2 == 0 ? pl::kEvenNameEnd - font_->TextWidth(name) : pl::kOddNameStart;
  // The name's cell is 12 pixels high, one more than its bar; it is kept inside the bar,
  // which the next showing clears, so that no row of an earlier part's name stays behind.
  font_->DrawLine(surface_.back(), {x, bar.top}, name, kNameColour, bar);
}

void TTintoColFM::DrawDetail() {
  const gfx::Bitmap& face = app_.skin()[kBase4];
  gfx::Bitmap& back = surface_.back();
  const int s = selected_;
  const gfx::Rect hex = pl::EntryHexagon(s);
  gfx::Blit(back, {pl::kDetail.left, pl::kDetail.top}, face, pl::kDetail);
  gfx::StretchBlit(back, pl::kDetailColumn, back, {hex.left + 3, hex.top, 20, 21},
                   gfx::RasterOp::kOr);
  gfx::StretchBlit(back, pl::kDetailBand, back, {hex.left, hex.top + 6, 26, 9}, gfx::RasterOp::kOr);
  surface_.Present(pl::kDetail);

  const int shades = PartShades[static_cast<std::size_t>(part_)];
  for (int i = 0; i < kShades; ++i) {
    const bool has_shade = i < shades;
    for (int k = 0; k < kChannels; ++k) {
      const int y = pl::LevelRowY(i, k);
      const int level = Level(i, k);
      GlyphStrip digits = kLevelDigits;
      digits.dest_x = pl::kLevelDigitsX;
      digits.dest_y = y + 76;
      digits.value = level;
      DrawGlyphs(surface_, app_.skin()[kBase1], digits);
      if (has_shade) {
        // A level read from the settings file may exceed 15: the bar stays within its 48.
        const int filled = std::min(3 * level + 3, pl::kBarWidth);
        surface_.Copy(face, {pl::kBarX, pl::kBarFilledY + 4 * k, filled, pl::kBarHeight},
                      {pl::kBarX, y + 77});
        if (filled < pl::kBarWidth) {
          surface_.Copy(face, {pl::kBarX, pl::kBarEmptyY, pl::kBarWidth - filled, pl::kBarHeight},
                        {pl::kBarX + filled, y + 77});
        }
      } else {
        surface_.Copy(face, {pl::kBarX, pl::kBarDisabledY, pl::kBarWidth, pl::kBarHeight},
                      {pl::kBarX, y + 77});
      }
      const bool editable = has_shade && s >= kFirstFreeEntry;
      const int look_y = editable ? pl::kButtonEnabledY : pl::kButtonDisabledY;
      for (const int bx : {pl::kMinusX, pl::kPlusX}) {
        surface_.Copy(face, {bx, look_y, pl::kLevelButton.width, pl::kLevelButton.height},
                      {bx, y + 75});
      }
      editable_[static_cast<std::size_t>(i)] = editable;
    }
    const gfx::Rect chip{423, 53 * i + 108, pl::kChip.width, pl::kChip.height};
    if (has_shade) {
      const Levels& levels =
          colours_.part_colours[static_cast<std::size_t>(part_)][static_cast<std::size_t>(s)]
                               [static_cast<std::size_t>(i)];
      gfx::Fill(
          back, chip,
          gfx::MakePixel(LevelToByte(levels[0]), LevelToByte(levels[1]), LevelToByte(levels[2])));
      surface_.Present(chip);
    } else {
      surface_.Copy(face,
                    {pl::kChipDisabledSource.x, pl::kChipDisabledSource.y, chip.width, chip.height},
                    {chip.left, chip.top});
    }
  }
  selected_is_free_ = s >= kFirstFreeEntry;
  const gfx::Rect take = pl::kTakeColour;
  if (selected_is_free_) {
    surface_.Copy(face, take, {take.left, take.top});
  } else {
    surface_.Copy(face,
                  {pl::kTakeColourDisabled.x, pl::kTakeColourDisabled.y, take.width, take.height},
                  {take.left, take.top});
  }
}

void TTintoColFM::SetLevel(int shade, int channel, int level) {
  level = std::clamp(level, 0, 15);
  colours_.part_colours[static_cast<std::size_t>(part_)][static_cast<std::size_t>(selected_)]
                       [static_cast<std::size_t>(shade)][static_cast<std::size_t>(channel)] =
      static_cast<std::uint8_t>(level);
  colours_.ApplyEntry(kWorkRow, part_, selected_);
  DrawSwatch(selected_);
  surface_.Present(pl::EntryHexagon(selected_));
  DrawDetail();
}

}  // namespace tinto
