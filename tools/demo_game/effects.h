// The demo sound effects: synthesis of each numbered effect and writing them into a
// host-game folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace tinto::demo {

// The samples (16-bit, one channel, 22050 Hz) of a demo effect of kDemoEffects; empty for
// a number that is not in the list.
std::vector<std::int16_t> RenderEffect(int number);

// Writes "Y_q" + two digits + ".wav" for every demo effect into folder. False on the first
// file that cannot be written.
bool WriteEffects(const std::filesystem::path& folder);

}  // namespace tinto::demo
