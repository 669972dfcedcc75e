// The frame delay in milliseconds for each speed index 0..99; a higher index plays
// faster. The start indices 20, 50 and 70 give 340, 120 and 60 ms.
#pragma once

#include <array>

namespace tinto {

// clang-format off
inline constexpr std::array<int, 100> FrameDelayTable = {
    10000, 7200, 5000, 4000, 3000, 2000, 1200, 950, 800, 720,  //  0
    670,   620,  574,  536,  502,  470,  440,  412, 386, 362,  // 10
    340,   320,  302,  286,  272,  260,  249,  239, 230, 222,  // 20
    214,   207,  200,  193,  187,  181,  175,  170, 165, 160,  // 30
    156,   152,  148,  144,  140,  136,  132,  129, 126, 123,  // 40
    120,   117,  114,  111,  108,  105,  102,  99,  96,  93,   // 50
    90,    87,   84,   81,   78,   75,   72,   69,  66,  63,   // 60
    60,    57,   54,   52,   50,   48,   46,   44,  42,  40,   // 70
    38,    36,   34,   32,   30,   28,   26,   24,  22,  20,   // 80
    18,    16,   14,   12,   10,   8,    6,    4,   3,   2,    // 90
};
// clang-format on
static_assert(FrameDelayTable.size() == 100, "one delay per speed index 0..99");
static_assert(FrameDelayTable[20] == 340 && FrameDelayTable[50] == 120 &&
              FrameDelayTable[70] == 60);

}  // namespace tinto
