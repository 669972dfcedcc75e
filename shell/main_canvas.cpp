// The main window's drawing primitives.
#include "shell/main_canvas.h"

#include "shell/glyphs.h"

namespace tinto {

namespace {
constexpr gfx::Rect kAlarmPanel{282, 278, 83, 26};
constexpr gfx::Rect kAlarmLabel{241, 294, 41, 10};
constexpr int kDigitStripX = 283;
constexpr int kDigitStripY = 279;
constexpr int kDarkDigitRow = 2;
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

void MainCanvas::DrawSkinGlyphs(int slot, int x, int y, int value, int digits, int strip_x,
                                int strip_y, int glyph_width, int glyph_height, int pitch) {
  DrawGlyphs(surface_, skin_[slot],
             {.dest_x = x + kSkinOffset.x,
              .dest_y = y + kSkinOffset.y,
              .value = value,
              .digits = digits,
              .strip_x = strip_x,
              .strip_y = strip_y,
              .glyph_width = glyph_width,
              .glyph_height = glyph_height,
              .pitch = pitch});
}

void MainCanvas::DrawNumber(int x, int y, int value, int digits, int row) {
  DrawSkinGlyphs(kBase1, x, y, value, digits, kDigitStripX, kDigitStripY + 5 * row, 5, 5, 6);
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
