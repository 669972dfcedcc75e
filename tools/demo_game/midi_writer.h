// Writing Standard MIDI Files: tracks of timed events, encoded with delta times and
// (optionally) running status. The demo songs are made with it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tinto::demo {

class MidiTrack {
 public:
  void Tempo(std::uint64_t tick, std::uint32_t micros_per_quarter);
  void TimeSignature(std::uint64_t tick, int numerator, int denominator_power);
  void Name(std::uint64_t tick, std::string_view name);
  void Program(std::uint64_t tick, int channel, int program);
  void Controller(std::uint64_t tick, int channel, int controller, int value);
  // A note on at tick and its note off length ticks later.
  void Note(std::uint64_t tick, std::uint64_t length, int channel, int key, int velocity);
  // The end of the track; without it the track ends after its last event.
  void End(std::uint64_t tick);

  // The track chunk ("MTrk", length, events in tick order, note offs before note ons of
  // the same tick, otherwise in the order they were added).
  std::string Encode(bool running_status = true) const;

 private:
  struct Event {
    std::uint64_t tick;
    int rank;  // orders events of one tick: note offs first, the end of track last
    std::size_t sequence;
    std::string bytes;  // status byte and data
  };
  void Push(std::uint64_t tick, int rank, std::string bytes);

  std::vector<Event> events_;
  std::uint64_t end_tick_ = 0;
  bool has_end_ = false;
};

// A whole file: header chunk (format, track count, ticks per quarter note) and tracks.
std::string EncodeMidiFile(int format, std::uint16_t ticks_per_quarter,
                           std::span<const MidiTrack> tracks);

}  // namespace tinto::demo
