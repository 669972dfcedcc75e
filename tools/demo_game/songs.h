// The demo songs: composing them as Standard MIDI Files and writing them into a host-game
// folder.
#pragma once

#include <filesystem>
#include <string>

#include "tools/demo_game/song_list.h"

namespace tinto::demo {

// The bytes of the MIDI file of a planned song (format 1, General MIDI).
std::string ComposeSong(const SongPlan& plan);

// Writes every song of kDemoSongs into folder. False on the first that cannot be written.
bool WriteSongs(const std::filesystem::path& folder);

}  // namespace tinto::demo
