// The demo songs: the host game's song files "Zz.mid", "Z01.mid" and "Z02.mid", short
// cheerful dance tunes in 4/4 with a tempo change partway through. The plan of each song
// (bars and tempo map) lives here so that its length can be worked out without reading
// the file.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tinto::demo {

inline constexpr int kSongTicksPerQuarter = 480;
inline constexpr int kSongBeatsPerBar = 4;

struct TempoStep {
  int bar;  // the tempo holds from the start of this bar (counted from 0)
  std::uint32_t micros_per_quarter;
};

struct SongPlan {
  std::string_view file_name;
  int bars;
  std::array<TempoStep, 2> tempi;  // from bar 0, then from a later bar
  int key;                         // MIDI key of the tonic, for the melody's octave
  int lead_program;                // General MIDI program of the melody (0-based)
};

inline constexpr std::array<SongPlan, 3> kDemoSongs = {{
    {"Zz.mid", 12, {{{0, 468750}, {8, 441176}}}, 72, 80},    // 128 then 136 beats a minute
    {"Z01.mid", 16, {{{0, 500000}, {8, 476190}}}, 77, 11},   // 120 then 126
    {"Z02.mid", 16, {{{0, 428571}, {12, 410959}}}, 79, 81},  // 140 then 146
}};

}  // namespace tinto::demo
