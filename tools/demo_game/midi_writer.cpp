// Standard MIDI File encoding (see midi_writer.h).
#include "tools/demo_game/midi_writer.h"

#include <algorithm>

namespace tinto::demo {

namespace {

void PutBe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void PutVlq(std::string& out, std::uint32_t value) {
  char groups[5];
  int count = 0;
  do {
    groups[count++] = static_cast<char>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (count > 1) out += static_cast<char>(groups[--count] | 0x80);
  out += groups[0];
}

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (const int v : values) out += static_cast<char>(v & 0xFF);
  return out;
}

std::string Meta(int type, std::string_view data) {
  std::string out = Bytes({0xFF, type});
  PutVlq(out, static_cast<std::uint32_t>(data.size()));
  out += data;
  return out;
}

constexpr int kRankOff = 0;
constexpr int kRankOther = 1;

}  // namespace

void MidiTrack::Push(std::uint64_t tick, int rank, std::string bytes) {
  events_.push_back({tick, rank, events_.size(), std::move(bytes)});
}

void MidiTrack::Tempo(std::uint64_t tick, std::uint32_t micros_per_quarter) {
  Push(tick, kRankOther,
       Meta(0x51, Bytes({static_cast<int>(micros_per_quarter >> 16),
                         static_cast<int>(micros_per_quarter >> 8),
                         static_cast<int>(micros_per_quarter)})));
}

void MidiTrack::TimeSignature(std::uint64_t tick, int numerator, int denominator_power) {
  Push(tick, kRankOther, Meta(0x58, Bytes({numerator, denominator_power, 24, 8})));
}

void MidiTrack::Name(std::uint64_t tick, std::string_view name) {
  Push(tick, kRankOther, Meta(0x03, name));
}

void MidiTrack::Program(std::uint64_t tick, int channel, int program) {
  Push(tick, kRankOther, Bytes({0xC0 | channel, program}));
}

void MidiTrack::Controller(std::uint64_t tick, int channel, int controller, int value) {
  Push(tick, kRankOther, Bytes({0xB0 | channel, controller, value}));
}

void MidiTrack::Note(std::uint64_t tick, std::uint64_t length, int channel, int key, int velocity) {
  Push(tick, kRankOther, Bytes({0x90 | channel, key, velocity}));
  // A note on with velocity 0 is a note off, and keeps running status going.
  Push(tick + length, kRankOff, Bytes({0x90 | channel, key, 0}));
}

void MidiTrack::End(std::uint64_t tick) {
  end_tick_ = tick;
  has_end_ = true;
}

std::string MidiTrack::Encode(bool running_status) const {
  std::vector<const Event*> order;
  for (const Event& e : events_) order.push_back(&e);
  std::sort(order.begin(), order.end(), [](const Event* a, const Event* b) {
    if (a->tick != b->tick) return a->tick < b->tick;
    if (a->rank != b->rank) return a->rank < b->rank;
    return a->sequence < b->sequence;
  });
  std::string body;
  std::uint64_t tick = 0;
  int running = 0;
  for (const Event* e : order) {
    PutVlq(body, static_cast<std::uint32_t>(e->tick - tick));
    tick = e->tick;
    const int status = static_cast<unsigned char>(e->bytes[0]);
    const bool channel_message = status < 0xF0;
    body +=
        (running_status && channel_message && status == running) ? e->bytes.substr(1) : e->bytes;
    running = channel_message ? status : 0;
  }
  const std::uint64_t end = has_end_ ? std::max(end_tick_, tick) : tick;
  PutVlq(body, static_cast<std::uint32_t>(end - tick));
  body += Meta(0x2F, "");
  std::string chunk = "MTrk";
  PutBe(chunk, static_cast<std::uint32_t>(body.size()), 4);
  return chunk + body;
}

std::string EncodeMidiFile(int format, std::uint16_t ticks_per_quarter,
                           std::span<const MidiTrack> tracks) {
  std::string out = "MThd";
  PutBe(out, 6, 4);
  PutBe(out, static_cast<std::uint32_t>(format), 2);
  PutBe(out, static_cast<std::uint32_t>(tracks.size()), 2);
  PutBe(out, ticks_per_quarter, 2);
  for (const MidiTrack& track : tracks) out += track.Encode();
  return out;
}

}  // namespace tinto::demo
