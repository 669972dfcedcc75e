// The message window's geometry, shared by the window and the tool that draws its skin
// BASE3: the outline of its shape, the text area, and the OK and CANSEL buttons with the
// places of their pressed images in the skin.
#pragma once

#include <array>

#include "gfx/geometry.h"
#include "shell/hit_table.h"

namespace tinto::message_layout {

inline constexpr int kWidth = 447;
inline constexpr int kHeight = 161;  // the skin is one row taller

inline constexpr std::array<gfx::Point, 14> kOutline = {{{40, 0},
                                                         {156, 0},
                                                         {169, 22},
                                                         {278, 22},
                                                         {291, 0},
                                                         {407, 0},
                                                         {447, 69},
                                                         {406, 139},
                                                         {288, 139},
                                                         {275, 161},
                                                         {172, 161},
                                                         {159, 139},
                                                         {41, 139},
                                                         {0, 69}}};

inline constexpr gfx::Rect kTextArea{97, 39, 344, 79};
inline constexpr gfx::Rect kOkBox{239, 120, 29, 23};
inline constexpr gfx::Point kOkPressed{346, 139};
inline constexpr gfx::Rect kCancelBox{182, 126, 57, 11};
inline constexpr gfx::Point kCancelPressed{289, 145};
// The buttons' hit test, in this order; CANSEL is there only for a question. A press on
// neither drags the window.
enum class Hit { kOkButton, kCancelButton };
inline constexpr std::array<HitRow<Hit>, 2> kHits = {{
    {.target = Hit::kOkButton, .box = kOkBox},
    {.target = Hit::kCancelButton, .box = kCancelBox},
}};

}  // namespace tinto::message_layout
