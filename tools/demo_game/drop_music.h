// Music files for dropping on the program: a few short WAV tunes written outside the
// host-game folder, as a player would have them lying around.
#pragma once

#include <array>
#include <filesystem>
#include <string_view>

namespace tinto::demo {

// The tunes' file names; one is spelt in capitals, as files from old discs often are.
inline constexpr std::array<std::string_view, 2> kDropTunes = {"Demo Tune.wav",
                                                               "MARIMBA WALTZ.WAV"};

// Writes the tunes into folder. False on the first that cannot be written.
bool WriteDropMusic(const std::filesystem::path& folder);

}  // namespace tinto::demo
