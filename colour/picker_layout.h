// The colour picker's geometry, shared by the window and the tool that draws its skin
// BASE4: the two cells of its shape, the entry list, the detail with its level rows, the
// buttons, and where the skin keeps the images the window copies (captions, variant
// numbers and arrows, hexagons, level bars and buttons, pressed looks, marker frames).
// Everything is in the picker's client coordinates, which are also BASE4's.
#pragma once

#include <array>
#include <cstddef>

#include "colour/colour_types.h"
#include "gfx/geometry.h"
#include "shell/hit_table.h"

namespace tinto::picker_layout {

inline constexpr int kWidth = 580;
inline constexpr int kHeight = 285;

// The window's shape: the union of the detail hexagon and the list cell.
inline constexpr std::array<gfx::Point, 6> kDetailCell = {
    {{405, 42}, {522, 42}, {580, 142}, {521, 243}, {406, 243}, {347, 142}}};
inline constexpr std::array<gfx::Point, 14> kListCell = {{{46, 0},
                                                          {194, 0},
                                                          {201, 12},
                                                          {333, 12},
                                                          {373, 82},
                                                          {338, 142},
                                                          {373, 202},
                                                          {332, 273},
                                                          {200, 273},
                                                          {193, 285},
                                                          {47, 285},
                                                          {0, 204},
                                                          {36, 142},
                                                          {0, 80}}};

// The entry list: even entries on the left, odd ones on the right.
inline constexpr int kEntries = 21;
constexpr gfx::Rect EntryHexagon(int e) {
  return {165 + 22 * (e % 2), 12 * e + 12, 26, 21};
}
constexpr gfx::Rect EntryName(int e) {
  return {49 + 170 * (e % 2), 12 * e + 17, 116, 11};
}
constexpr gfx::Rect EntryHotspot(int e) {
  return {49 + 141 * (e % 2), 12 * e + 12, 139, 21};
}
// Even names end at this x, odd names start at this x.
inline constexpr int kEvenNameEnd = 154;
inline constexpr int kOddNameStart = 224;

// A hexagon is drawn as a 20 x 21 column with a 26 x 9 band across its middle; the skin
// keeps the open (black) one and the locked one (a question mark) side by side.
inline constexpr gfx::Point kHexColumnSource{364, 251};
inline constexpr gfx::Point kHexBandSource{361, 257};
inline constexpr int kLockedStep = 26;

// The selection marker beside each column, and its eight frames in the skin.
inline constexpr gfx::Rect kLeftMarkers{155, 19, 9, 247};
inline constexpr gfx::Rect kRightMarkers{214, 31, 9, 223};
inline constexpr gfx::Point kMarkerFrames{214, 3};
inline constexpr gfx::Size kMarker{9, 7};
inline constexpr int kMarkerFrameCount = 8;

// The part caption (six strips in the skin, one per part) and the variant's number and
// arrow (one each per variant).
inline constexpr gfx::Point kCaptionSource{517, 5};
inline constexpr gfx::Point kCaption{517, 140};
inline constexpr gfx::Size kCaptionSize{57, 5};
inline constexpr gfx::Point kVariantNumberSource{560, 91};  // + 8 v
inline constexpr gfx::Point kVariantNumber{535, 128};
inline constexpr gfx::Size kVariantNumberSize{10, 7};
inline constexpr gfx::Point kArrowSource{571, 102};  // - 11 v
inline constexpr gfx::Point kArrow{531, 148};
inline constexpr gfx::Size kArrowSize{8, 18};

// The enlarged entry and its two stretched halves.
inline constexpr gfx::Rect kDetail{357, 128, 52, 42};
inline constexpr gfx::Rect kDetailColumn{363, 128, 40, 42};
inline constexpr gfx::Rect kDetailBand{357, 140, 52, 18};

// The level rows: shade i, channel k (red, green, blue) lies at y = 53 i + 11 k.
constexpr int LevelRowY(int shade, int channel) {
  return 53 * shade + 11 * channel;
}
inline constexpr int kLevelDigitsX = 433;  // the level, two digits at y + 76
inline constexpr int kMinusX = 418;        // the buttons at y + 75, 14 x 7
inline constexpr int kPlusX = 445;
inline constexpr gfx::Size kLevelButton{14, 7};
inline constexpr int kButtonEnabledY = 13;  // the buttons' looks in the skin
inline constexpr int kButtonPressedY = 20;
inline constexpr int kButtonDisabledY = 27;
inline constexpr int kBarX = 460;  // the bar at y + 77, 48 x 3
inline constexpr int kBarWidth = 48;
inline constexpr int kBarHeight = 3;
inline constexpr int kBarEmptyY = 13;   // the empty bar, 45 wide
inline constexpr int kBarFilledY = 17;  // + 4 k: red, green, blue
inline constexpr int kBarDisabledY = 29;
// The hotspots of a level row start at t = y + 73.
constexpr gfx::Rect MinusBox(int t) {
  return {kMinusX, t, 14, 11};
}
constexpr gfx::Rect PlusBox(int t) {
  return {kPlusX, t, 14, 11};
}
constexpr gfx::Rect SliderBox(int t) {
  return {458, t, 54, 11};
}
// The colour chip of shade i at (423, 53 i + 108), and its disabled look.
inline constexpr gfx::Size kChip{16, 3};
inline constexpr gfx::Point kChipDisabledSource{463, 29};

// Buttons: the box tested, where the pressed image goes and where the skin keeps it.
inline constexpr gfx::Rect kCancel{365, 107, 21, 19};
inline constexpr gfx::Rect kCancelImage{375, 115, 11, 9};
inline constexpr gfx::Point kCancelPressed{384, 37};
inline constexpr gfx::Rect kOk{384, 101, 29, 23};
inline constexpr gfx::Point kOkPressed{384, 13};
inline constexpr gfx::Rect kTakeColour{374, 173, 21, 16};
inline constexpr gfx::Point kTakeColourPressed{552, 211};
inline constexpr gfx::Point kTakeColourDisabled{552, 227};
inline constexpr gfx::Rect kFreeColourButtons{335, 186, 32, 33};
inline constexpr gfx::Point kFreeButtonsAvailable{447, 245};
inline constexpr gfx::Point kFreeButtonsBlank{525, 245};
inline constexpr gfx::Rect kLoad{335, 186, 20, 15};
inline constexpr gfx::Point kLoadPressed{486, 245};
inline constexpr gfx::Rect kSave{335, 204, 20, 15};
inline constexpr gfx::Point kSavePressed{486, 263};
inline constexpr gfx::Rect kCycle{355, 193, 13, 19};
inline constexpr gfx::Point kCyclePressed{506, 252};
inline constexpr gfx::Rect kHelp{508, 62, 16, 14};

// The hit test, in this order: CANCEL, OK, the level rows of each shade (minus, plus and
// the slider for each channel; only while the shade is editable), the entries, TAKE
// COLOUR, the free colours' load, save and cycle buttons (only while free colours are
// available), help. A press on none of them drags the window.
enum class Hit {
  kCancelButton,
  kOkButton,
  kMinus,   // arg: shade, arg2: channel
  kPlus,    // arg: shade, arg2: channel
  kSlider,  // arg: shade, arg2: channel
  kEntry,   // arg: entry
  kTakeColourButton,
  kLoadButton,
  kSaveButton,
  kCycleButton,
  kHelpButton,
};
constexpr auto BuildHits() {
  std::array<HitRow<Hit>, 2 + 3 * kShades * kChannels + kNamedEntries + 5> t{};
  std::size_t i = 0;
  t[i++] = {.target = Hit::kCancelButton, .box = kCancel};
  t[i++] = {.target = Hit::kOkButton, .box = kOk};
  for (int shade = 0; shade < kShades; ++shade) {
    for (int channel = 0; channel < kChannels; ++channel) {
      const int top = LevelRowY(shade, channel) + 73;
      t[i++] = {.target = Hit::kMinus, .box = MinusBox(top), .arg = shade, .arg2 = channel};
      t[i++] = {.target = Hit::kPlus, .box = PlusBox(top), .arg = shade, .arg2 = channel};
      t[i++] = {.target = Hit::kSlider, .box = SliderBox(top), .arg = shade, .arg2 = channel};
    }
  }
  for (int e = 0; e < kNamedEntries; ++e)
    t[i++] = {.target = Hit::kEntry, .box = EntryHotspot(e), .arg = e};
  t[i++] = {.target = Hit::kTakeColourButton, .box = kTakeColour};
  t[i++] = {.target = Hit::kLoadButton, .box = kLoad};
  t[i++] = {.target = Hit::kSaveButton, .box = kSave};
  t[i++] = {.target = Hit::kCycleButton, .box = kCycle};
  t[i++] = {.target = Hit::kHelpButton, .box = kHelp};
  if (i != t.size()) throw "picker hit table size";  // not a constant expression
  return t;
}
inline constexpr auto kHits = BuildHits();

}  // namespace tinto::picker_layout
