// The password window's geometry, shared by the window and the tool that draws its skin
// BASE7: the window's shape, its buttons, where typed glyphs and the points go, and where
// the skin keeps the glyph strips, the pressed looks and the success banner.
#pragma once

#include <array>

#include "gfx/geometry.h"
#include "shell/hit_table.h"

namespace tinto::password_layout {

inline constexpr int kWidth = 780;
inline constexpr int kHeight = 43;      // the window; the skin is 57 high
inline constexpr int kSkinHeight = 57;  // the strips below the window's face

inline constexpr std::array<gfx::Point, 6> kShape = {
    {{15, 0}, {765, 0}, {780, 15}, {752, 43}, {28, 43}, {0, 15}}};

// The question of the current stage.
inline constexpr gfx::Rect kQuestion{20, 3, 507, 15};
inline constexpr gfx::Point kQuestionText{23, 5};

// Typed glyph i (0..64) at (36 + 11 i, 22); glyph g of the strip at (1 + 11 g, 45).
inline constexpr int kTypedLength = 65;
inline constexpr gfx::Point kTyped{36, 22};
inline constexpr gfx::Point kLetterStrip{1, 45};
inline constexpr gfx::Size kLetter{9, 5};
inline constexpr int kLetterPitch = 11;
inline constexpr int kLetterGlyphs = 43;

// Digit d of the points at (1 + 8 d, 51), 7 x 5; the points and the maximum, 3 digits.
inline constexpr gfx::Point kDigitStrip{1, 51};
inline constexpr gfx::Size kDigit{7, 5};
inline constexpr int kDigitPitch = 8;
inline constexpr gfx::Point kPoints{693, 11};
inline constexpr gfx::Point kPointsMaximum{725, 11};

// Hotspots, tested in this order; a press on none of them drags the window.
inline constexpr gfx::Rect kCheckBox{528, 7, 60, 13};
inline constexpr gfx::Rect kCloseBox{588, 3, 27, 17};
inline constexpr gfx::Rect kHintBox{611, 0, 21, 17};
enum class Hit { kCheckButton, kCloseButton, kHintButton };
inline constexpr std::array<HitRow<Hit>, 3> kHits = {{
    {.target = Hit::kCheckButton, .box = kCheckBox},
    {.target = Hit::kCloseButton, .box = kCloseBox},
    {.target = Hit::kHintButton, .box = kHintBox},
}};

// Pressed looks: the rectangle in the window and where the skin keeps the image.
inline constexpr gfx::Rect kCheck{529, 11, 62, 9};
inline constexpr gfx::Point kCheckPressed{523, 48};
inline constexpr gfx::Rect kClose{586, 7, 23, 13};
inline constexpr gfx::Point kClosePressed{586, 44};
inline constexpr gfx::Rect kBanner{586, 32, 120, 11};
inline constexpr gfx::Point kBannerSource{610, 45};

// The points the keys press: Enter the CHECK button, Space and Esc the close button, F2
// to F24 the question mark.
inline constexpr gfx::Point kCheckPoint{530, 9};
inline constexpr gfx::Point kClosePoint{590, 5};
inline constexpr gfx::Point kHintPoint{613, 2};

}  // namespace tinto::password_layout
