// The demo songs: the host game's song files "Zz.mid" and "Z01.mid".."Z16.mid", short
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
  int progression;                 // which chord progression of the generator (0..3)
};

// "Zz.mid" and the sixteen numbered songs, each in its own key, tempo, lead sound and
// chord progression.
inline constexpr std::array<SongPlan, 17> kDemoSongs = {{
    {"Zz.mid", 12, {{{0, 468750}, {8, 441176}}}, 72, 80, 0},    // 128 then 136 beats a minute
    {"Z01.mid", 16, {{{0, 500000}, {8, 476190}}}, 77, 11, 0},   // 120 then 126
    {"Z02.mid", 16, {{{0, 428571}, {12, 410959}}}, 79, 81, 0},  // 140 then 146
    {"Z03.mid", 8, {{{0, 454545}, {4, 434783}}}, 74, 0, 1},     // 132 then 138
    {"Z04.mid", 8, {{{0, 517241}, {6, 500000}}}, 76, 73, 2},    // 116 then 120
    {"Z05.mid", 10, {{{0, 483871}, {8, 468750}}}, 71, 56, 3},   // 124 then 128
    {"Z06.mid", 8, {{{0, 416667}, {4, 400000}}}, 78, 62, 1},    // 144 then 150
    {"Z07.mid", 8, {{{0, 555556}, {6, 535714}}}, 73, 24, 2},    // 108 then 112
    {"Z08.mid", 10, {{{0, 441176}, {8, 428571}}}, 75, 87, 0},   // 136 then 140
    {"Z09.mid", 8, {{{0, 468750}, {4, 454545}}}, 70, 9, 3},     // 128 then 132
    {"Z10.mid", 8, {{{0, 500000}, {6, 483871}}}, 80, 79, 1},    // 120 then 124
    {"Z11.mid", 10, {{{0, 434783}, {8, 416667}}}, 72, 65, 2},   // 138 then 144
    {"Z12.mid", 8, {{{0, 535714}, {4, 517241}}}, 77, 13, 3},    // 112 then 116
    {"Z13.mid", 8, {{{0, 405405}, {6, 394737}}}, 74, 84, 0},    // 148 then 152
    {"Z14.mid", 10, {{{0, 476190}, {8, 461538}}}, 79, 71, 1},   // 126 then 130
    {"Z15.mid", 8, {{{0, 508475}, {4, 491803}}}, 69, 4, 2},     // 118 then 122
    {"Z16.mid", 12, {{{0, 451128}, {8, 437956}}}, 76, 82, 3},   // 133 then 137
}};

}  // namespace tinto::demo
