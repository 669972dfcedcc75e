// Composing the main window's three skins. Every area is drawn in all three looks; the
// normal look becomes BASE0, and BASE1 and BASE2 are BASE0 with only the pressed-look
// rectangles and the alternate-look rectangles taken from the other two drawings, so the
// three skins agree everywhere else. Then BASE1 gets the glyph strip and the lamp cells,
// and the colour panels get their blank halves and the heroine.
#include "tools/skin/main_skin.h"

#include <optional>

#include "tools/skin/draw.h"
#include "tools/skin/main_areas.h"
#include "tools/skin/main_layout.h"
#include "tools/skin/palettes.h"
#include "tools/skin/pixel_font.h"

namespace tinto::skin {

namespace {

namespace ml = main_layout;

Canvas DrawScene(Look look) {
  Canvas c(ml::kWidth, ml::kHeight, ink::kNight);
  DrawCells(c);
  DrawColourPanel(c, look, 0);
  DrawColourPanel(c, look, ml::kPanelStep);
  DrawTransport(c, look);
  DrawMediaButtons(c, look);
  DrawClockAndTimer(c, look);
  DrawMusicAndAlarm(c, look);
  DrawWindowButtons(c, look);
  return c;
}

void DrawGlyphStrip(Canvas& c) {
  struct Row {
    Ink ink, paper;
  };
  constexpr Row kRows[3] = {{ink::kWhite, ink::kNight},  // speed, song and alarm numbers
                            {ink::kRed, ink::kNight},    // reverse speeds, stock songs
                            {ink::kLcdInk, ink::kLcd}};  // clock and countdown
  for (int row = 0; row < 3; ++row) {
    FillRect(c,
             {ml::kGlyphStripArea.left, ml::kGlyphStrip.y + ml::kGlyphSize * row,
              ml::kGlyphStripArea.width, ml::kGlyphSize},
             kRows[row].paper);
    for (int d = 0; d < 10; ++d) {
      const gfx::Point at = ml::GlyphCell(row, d);
      DrawDigitCell(c, at.x, at.y, d, kRows[row].ink, kRows[row].paper);
    }
  }
}

// The lamp cells: the lit forward cell is the first forward lamp, which the normal look
// already shows lit; the other three are drawn here.
void DrawLampCells(Canvas& c, const Canvas& normal) {
  const gfx::Point unlit = {ml::kForwardLampX[2], ml::kLampY};  // unlit in the start state
  CopyRect(c, ml::kUnlitForwardCell, normal, {unlit.x, unlit.y, 2, 3});
  CopyRect(c, ml::kUnlitReverseCell, normal, {ml::kReverseLampX[2], ml::kLampY, 2, 3});
  FillRect(c, {ml::kLitReverseCell.x, ml::kLitReverseCell.y, 2, 3}, ink::kPink);
  c.Set(ml::kLitReverseCell.x, ml::kLitReverseCell.y, ink::kBlush);
}

// The default colours of the two variants, for the heroine shown in the skin before the
// program paints its own (it repaints the panels at start-up anyway).
constexpr gfx::Pixel kVariantColours[2][16] = {
    {0x000000, 0x443322, 0x665555, 0x333311, 0xAAAA99, 0x00AA00, 0x111111, 0x555555, 0xDDCCDD,
     0x443333, 0x887766, 0xAA9988, 0xEECCBB, 0x773355, 0x776677, 0xFFFFFF},
    {0x000000, 0x443322, 0x775544, 0x333377, 0x9999EE, 0x00AA00, 0x885577, 0xDDAACC, 0xFFBBDD,
     0x554422, 0xBF9D76, 0xD9BF99, 0xFFE9BF, 0xEE4488, 0xFF77AA, 0xFFFFFF}};

// Whether the program's rendering paints panel point (x, y) (skin coordinates of the 2P
// panel) from the pattern for the pose, and with which key colour (0 for outline pixels,
// which it leaves black).
std::optional<Ink> PaintedKey(const ColourPattern& pattern, int pose, int x, int y) {
  const int fx = x - ml::kFigureAt.x;
  const int fy = y - ml::kFigureAt.y;
  if (fx >= 0 && fx < ml::kFigureWidth && fy >= 0 && fy < ml::kFigureHeight) {
    const gfx::Point from = PoseOrigin(pose);
    if (pattern.poses[static_cast<std::size_t>(pose)].Has(from.x + fx, from.y + fy)) {
      return pattern.pattern.At(from.x + fx, from.y + fy);
    }
  }
  if (ml::kIconArea.contains(x, y) && pattern.icons.Has(x, y)) return pattern.pattern.At(x, y);
  return std::nullopt;
}

// Fills both colour panels of a skin from its blank (the skin's own panel with the pose's
// silhouette and the icon hexagons blacked out), stores the blank in the skin's hidden
// corners, and paints the pose and the icons over it in the nearest inks.
void DrawPanels(Canvas& skin, const ColourPattern& pattern, int pose) {
  const gfx::Rect area = ml::kPanelArea;
  Canvas blank(area.width, area.height);
  CopyRect(blank, {0, 0}, skin, area);
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) {
      if (PaintedKey(pattern, pose, area.left + x, area.top + y)) blank.Set(x, y, ink::kBlack);
    }
  }
  const int half = ml::kBlankUpper.height;
  CopyRect(skin, {ml::kBlankUpper.left, ml::kBlankUpper.top}, blank, {0, 0, area.width, half});
  CopyRect(skin, {ml::kBlankLower.left, ml::kBlankLower.top}, blank,
           {0, half, area.width, area.height - half});
  const Palette main_palette = MainPalette();
  for (int v = 0; v < 2; ++v) {
    const int f = ml::kPanelStep * v;
    CopyRect(skin, {area.left, area.top + f}, blank, blank.bounds());
    for (int y = 0; y < area.height; ++y) {
      for (int x = 0; x < area.width; ++x) {
        const std::optional<Ink> key = PaintedKey(pattern, pose, area.left + x, area.top + y);
        if (key && *key != 0) {
          skin.Set(area.left + x, area.top + y + f,
                   NearestInk(main_palette, kVariantColours[v][*key]));
        }
      }
    }
  }
}

}  // namespace

MainSkins DrawMainSkins(const ColourPattern& pattern, std::span<const MainHotspot> hotspots) {
  const Canvas normal = DrawScene(Look::kNormal);
  const Canvas pressed = DrawScene(Look::kPressed);
  const Canvas lit = DrawScene(Look::kLit);
  MainSkins out{normal, normal, normal};
  for (const gfx::Rect& r : ml::PressedRects(hotspots)) {
    CopyRect(out.base1, {r.left, r.top}, pressed, r);
  }
  DrawGlyphStrip(out.base1);
  DrawLampCells(out.base1, normal);
  DrawPanels(out.base0, pattern, 0);
  DrawPanels(out.base1, pattern, 1);
  out.base2 = out.base0;
  for (const gfx::Rect& r : ml::AlternateRects()) CopyRect(out.base2, {r.left, r.top}, lit, r);
  return out;
}

}  // namespace tinto::skin
