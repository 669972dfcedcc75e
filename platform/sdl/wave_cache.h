// Effects kept converted for the mixer: the mixer converts a whole file to the output's
// rate and format on load (about a millisecond and a half for a one-second effect), and a
// window plays the same few effects on every press. A file is known by its path, size and
// modification time, so a changed file is read again.
#pragma once

#include <string>
#include <vector>

#include "media/file_stamp.h"

struct Mix_Chunk;

namespace tinto::sdl {

struct MixerLibrary;

class WaveCache {
 public:
  explicit WaveCache(const MixerLibrary& mix) : mix_(mix) {}
  WaveCache(const WaveCache&) = delete;
  WaveCache& operator=(const WaveCache&) = delete;
  ~WaveCache();

  // The effect at path, loaded now if it is not kept; nullptr when it is not an effect the
  // mixer should be handed (see IsPlayableEffect) or cannot be loaded. Older effects are
  // let go to stay within the budget, but never `sounding`, the one playing now.
  Mix_Chunk* Get(const std::string& path, const Mix_Chunk* sounding);

 private:
  struct Entry {
    std::string path;
    FileStamp stamp;
    Mix_Chunk* chunk = nullptr;
  };
  void Trim(const Mix_Chunk* keep, const Mix_Chunk* sounding);

  const MixerLibrary& mix_;
  std::vector<Entry> entries_;  // the most recently used first
};

}  // namespace tinto::sdl
