// The music player's state: which song, which mode, the stock of dropped files and
// whether a song is playing and until when.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tinto {

inline constexpr int kStockSize = 16;

struct MusicState {
  // How many of the sixteen built-in songs "Z01.mid".."Z16.mid" exist.
  int builtin_song_count = 0;
  // The current built-in song: 0 is "Zz.mid", k is "Z" + two digits + ".mid".
  int song_number = 0;
  // Stocked music files, entries 1..stock_count valid (index 0 unused), by their real
  // names: the player opens them as the file system spells them.
  std::array<std::string, kStockSize + 1> stock{};
  int stock_count = 0;
  int stock_number = 1;
  // True: the player works on the stock (red numbers); false: the built-in songs (white).
  bool stock_mode = false;
  // At the end of a song: true goes on to the next, false plays the same one again.
  bool continuous_play = false;
  // Length of the song now playing in milliseconds; 0 while nothing plays.
  std::uint32_t song_length = 0;
  // The tick count at which the current song is over.
  std::uint32_t song_end_time = 0;

  bool Playing() const { return song_length != 0; }
};

}  // namespace tinto
