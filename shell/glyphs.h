// Numbers drawn digit by digit from glyph strips inside the skin bitmaps.
#pragma once

#include "gfx/bitmap.h"
#include "shell/window_surface.h"

namespace tinto {

// One glyph strip and where a number goes: glyph d of the strip lies at
// (strip_x + d * pitch, strip_y); the i-th digit is drawn at (dest_x + i * pitch, dest_y).
// All positions are in the target window's own coordinates.
struct GlyphStrip {
  int dest_x = 0;
  int dest_y = 0;
  int value = 0;
  int digits = 1;
  int strip_x = 0;
  int strip_y = 0;
  int glyph_width = 0;
  int glyph_height = 0;
  int pitch = 0;
};

// Draws the value with exactly `digits` digits (ZeroPad), into the back buffer first and
// then onto the window. Each decimal digit selects one cell, so the same call draws rows
// of lamps (a value 110 with a two-cell strip lights two of three lamps).
void DrawGlyphs(WindowSurface& target, const gfx::Bitmap& source, const GlyphStrip& strip);

// Copies the single cell selected by the value (not split into digits).
void DrawGlyph(WindowSurface& target, const gfx::Bitmap& source, const GlyphStrip& strip);

}  // namespace tinto
