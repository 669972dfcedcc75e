// The main window's drawing primitives.
#include "shell/main_canvas.h"

#include "shell/glyphs.h"
#include "shell/main_layout.h"

namespace tinto {

namespace {
constexpr gfx::Rect kAlarmPanel = main_layout::kCountdownPanel;
constexpr gfx::Rect kAlarmLabel = main_layout::kTimerLabel;
constexpr int kDigitStripX = main_layout::kGlyphStrip.x;
constexpr int kDigitStripY = main_layout::kGlyphStrip.y;
constexpr int kDarkDigitRow = main_layout::kDarkDigits;
}  // namespace

void MainCanvas::AddRect(int x, int y, int width, int height) {
  if (count_ < 4) ++count_;
  pending_[static_cast<std::size_t>(count_)] = {
      {x + kSkinOffset.x, y + kSkinOffset.y, width, height}, {x, y, width, height}};
}

void MainCanvas::ShowFrom(int slot) {
  for (int i = 0; i <= count_; ++i) {
    const PendingRect& r = pending_[static_cast<std::size_t>(i)];
    gfx::Blit(surface_.back(), {r.destination.left, r.destination.top}, skin_[slot], r.source);
  }
  for (int i = 0; i <= count_; ++i)
    surface_.Present(pending_[static_cast<std::size_t>(i)].destination);
}

void MainCanvas::DrawSkinGlyphs(int slot, GlyphStrip strip) {
  strip.dest_x += kSkinOffset.x;
  strip.dest_y += kSkinOffset.y;
  DrawGlyphs(surface_, skin_[slot], strip);
}

void MainCanvas::DrawNumber(int x, int y, int value, int digits, int row) {
  DrawSkinGlyphs(kBase1, {.dest_x = x,
                          .dest_y = y,
                          .value = value,
                          .digits = digits,
                          .strip_x = kDigitStripX,
                          .strip_y = kDigitStripY + main_layout::kGlyphSize * row,
                          .glyph_width = main_layout::kGlyphSize,
                          .glyph_height = main_layout::kGlyphSize,
                          .pitch = main_layout::kGlyphPitch});
}

void MainCanvas::DrawTime(int x, int y, int first, int second, int third) {
  DrawNumber(x, y, first, 2, kDarkDigitRow);
  DrawNumber(x + 14, y, second, 2, kDarkDigitRow);
  DrawNumber(x + 28, y, third, 2, kDarkDigitRow);
}

void MainCanvas::DrawDate(int x, int y, const LocalTime& today) {
  DrawNumber(x, y, today.year, 4, kDarkDigitRow);
  DrawNumber(x + 26, y, today.month, 2, kDarkDigitRow);
  DrawNumber(x + 40, y, today.day, 2, kDarkDigitRow);
}

void MainCanvas::ShowAlarmLit() {
  for (const gfx::Rect& r : {kAlarmPanel, kAlarmLabel})
    surface_.DrawOnWindowOnly(skin_[kBase2], r, {r.left + kSkinOffset.x, r.top + kSkinOffset.y});
}

void MainCanvas::ShowAlarmNormal() {
  for (const gfx::Rect& r : {kAlarmPanel, kAlarmLabel})
    surface_.Present(r.offset(kSkinOffset.x, kSkinOffset.y));
}

void MainCanvas::CopySkin(int slot, gfx::Rect skin_rect) {
  surface_.Copy(skin_[slot], skin_rect,
                {skin_rect.left + kSkinOffset.x, skin_rect.top + kSkinOffset.y});
}

}  // namespace tinto
