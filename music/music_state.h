// The music player's state: which song, which mode, whether it plays on.
#pragma once

namespace tinto {

struct MusicState {
  // How many of the sixteen built-in songs "Z01.mid".."Z16.mid" exist.
  int builtin_song_count = 0;
  bool continuous_play = false;
};

}  // namespace tinto
