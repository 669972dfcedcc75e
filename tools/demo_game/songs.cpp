// A small dance-tune generator for the demo songs: four-on-the-floor drums, an octave
// bass line, off-beat chord stabs and a melody of chord tones over one of four chord
// progressions, ending on the tonic. Tempo changes sit in a conductor track of their
// own, which ends at the last change; the other tracks end with the last bar.
#include "tools/demo_game/songs.h"

#include <array>
#include <vector>

#include "tools/demo_game/midi_writer.h"
#include "tools/demo_game/output_file.h"

namespace tinto::demo {

namespace {

constexpr int kEighth = kSongTicksPerQuarter / 2;
constexpr int kBarTicks = kSongTicksPerQuarter * kSongBeatsPerBar;

constexpr int kLeadChannel = 0;
constexpr int kChordChannel = 1;
constexpr int kBassChannel = 2;
constexpr int kDrumChannel = 9;  // General MIDI percussion

// General MIDI programs (0-based) and percussion keys.
constexpr int kElectricPiano = 4;
constexpr int kSynthBass = 38;
constexpr int kKick = 36;
constexpr int kClap = 39;
constexpr int kClosedHat = 42;
constexpr int kOpenHat = 46;
constexpr int kCrash = 49;

struct Chord {
  int root;  // semitones above the tonic
  bool minor;
};
// Four-bar progressions: I - V - vi - IV, vi - IV - I - V, I - vi - IV - V, I - IV - V - IV.
constexpr std::array<std::array<Chord, 4>, 4> kProgressions = {{
    {{{0, false}, {7, false}, {9, true}, {5, false}}},
    {{{9, true}, {5, false}, {0, false}, {7, false}}},
    {{{0, false}, {9, true}, {5, false}, {7, false}}},
    {{{0, false}, {5, false}, {7, false}, {5, false}}},
}};
constexpr Chord kTonic{0, false};

// The chord of a bar: the song's progression, ending on the tonic.
Chord ChordOf(const SongPlan& plan, int bar) {
  if (bar == plan.bars - 1) return kTonic;
  const auto& progression =
      kProgressions[static_cast<std::size_t>(plan.progression) % kProgressions.size()];
  return progression[static_cast<std::size_t>(bar) % progression.size()];
}

// Semitones of chord tone 0..4 (root, third, fifth, octave, tenth) above the chord root.
int ChordTone(const Chord& chord, int tone) {
  static constexpr int kMajor[] = {0, 4, 7, 12, 16};
  static constexpr int kMinor[] = {0, 3, 7, 12, 15};
  return (chord.minor ? kMinor : kMajor)[tone];
}

// A bar of melody: notes given as start and length in eighths and a chord tone.
struct MotifNote {
  int start;
  int length;
  int tone;
};
constexpr MotifNote kMotifA[] = {{0, 1, 2}, {1, 1, 3}, {2, 2, 4}, {4, 1, 3}, {5, 1, 2}, {6, 2, 1}};
constexpr MotifNote kMotifB[] = {{0, 2, 3}, {3, 1, 2}, {4, 1, 1}, {5, 1, 2}, {6, 1, 3}, {7, 1, 4}};
constexpr MotifNote kEnding[] = {{0, 2, 2}, {2, 2, 1}, {4, 4, 0}};

std::uint32_t BarStart(int bar) {
  return static_cast<std::uint32_t>(bar) * kBarTicks;
}

MidiTrack Conductor(const SongPlan& plan) {
  MidiTrack track;
  track.Name(0, plan.file_name);
  track.TimeSignature(0, kSongBeatsPerBar, 2);
  for (const TempoStep& step : plan.tempi) track.Tempo(BarStart(step.bar), step.micros_per_quarter);
  track.End(BarStart(plan.tempi.back().bar));
  return track;
}

MidiTrack Lead(const SongPlan& plan) {
  MidiTrack track;
  track.Program(0, kLeadChannel, plan.lead_program);
  track.Controller(0, kLeadChannel, 7, 100);
  for (int bar = 0; bar < plan.bars; ++bar) {
    const bool last = bar == plan.bars - 1;
    const Chord chord = ChordOf(plan, bar);
    const std::span<const MotifNote> motif =
        last ? std::span<const MotifNote>(kEnding)
             : (bar % 2 == 0 ? std::span<const MotifNote>(kMotifA)
                             : std::span<const MotifNote>(kMotifB));
    for (const MotifNote& n : motif) {
      const int key = plan.key - 12 + chord.root + ChordTone(chord, n.tone);
      track.Note(BarStart(bar) + n.start * kEighth, n.length * kEighth - 20, kLeadChannel,
                 key > plan.key + 12 ? key - 12 : key, n.start % 2 == 0 ? 100 : 84);
    }
  }
  track.End(BarStart(plan.bars));
  return track;
}

MidiTrack Chords(const SongPlan& plan) {
  MidiTrack track;
  track.Program(0, kChordChannel, kElectricPiano);
  track.Controller(0, kChordChannel, 7, 80);
  for (int bar = 0; bar < plan.bars; ++bar) {
    const bool last = bar == plan.bars - 1;
    const Chord chord = ChordOf(plan, bar);
    const int root = 60 + chord.root - (chord.root > 6 ? 12 : 0);
    for (int beat = 0; beat < kSongBeatsPerBar; ++beat) {
      const std::uint32_t at = BarStart(bar) + beat * kSongTicksPerQuarter + kEighth;
      for (const int tone : {0, 1, 2}) {
        track.Note(at, kEighth - 40, kChordChannel, root + ChordTone(chord, tone), 70);
      }
      if (last) break;  // one stab on the final chord
    }
  }
  track.End(BarStart(plan.bars));
  return track;
}

MidiTrack Bass(const SongPlan& plan) {
  MidiTrack track;
  track.Program(0, kBassChannel, kSynthBass);
  for (int bar = 0; bar < plan.bars; ++bar) {
    const bool last = bar == plan.bars - 1;
    const Chord chord = ChordOf(plan, bar);
    const int root = 36 + chord.root;
    for (int eighth = 0; eighth < (last ? 1 : 8); ++eighth) {
      track.Note(BarStart(bar) + eighth * kEighth, last ? kBarTicks - 60 : kEighth - 30,
                 kBassChannel, root + (eighth % 2) * 12, eighth % 2 == 0 ? 105 : 90);
    }
  }
  track.End(BarStart(plan.bars));
  return track;
}

MidiTrack Drums(const SongPlan& plan) {
  MidiTrack track;
  for (int bar = 0; bar < plan.bars; ++bar) {
    const std::uint32_t start = BarStart(bar);
    const bool last = bar == plan.bars - 1;
    for (const TempoStep& step : plan.tempi) {
      if (step.bar == bar) track.Note(start, kSongTicksPerQuarter, kDrumChannel, kCrash, 100);
    }
    if (last) {
      track.Note(start, kSongTicksPerQuarter, kDrumChannel, kKick, 120);
      track.Note(start, kBarTicks - 60, kDrumChannel, kCrash, 110);
      continue;
    }
    for (int beat = 0; beat < kSongBeatsPerBar; ++beat) {
      const std::uint32_t at = start + beat * kSongTicksPerQuarter;
      track.Note(at, 60, kDrumChannel, kKick, 115);
      if (beat % 2 == 1) track.Note(at, 60, kDrumChannel, kClap, 95);
      const bool open = bar % 4 == 3 && beat == kSongBeatsPerBar - 1;
      track.Note(at + kEighth, open ? kEighth : 40, kDrumChannel, open ? kOpenHat : kClosedHat, 80);
    }
  }
  track.End(BarStart(plan.bars));
  return track;
}

}  // namespace

std::string ComposeSong(const SongPlan& plan) {
  const std::vector<MidiTrack> tracks = {Conductor(plan), Lead(plan), Chords(plan), Bass(plan),
                                         Drums(plan)};
  return EncodeMidiFile(1, kSongTicksPerQuarter, tracks);
}

bool WriteSongs(const std::filesystem::path& folder) {
  for (const SongPlan& plan : kDemoSongs) {
    if (!WriteFileAtomically(folder / plan.file_name, ComposeSong(plan))) return false;
  }
  return true;
}

}  // namespace tinto::demo
