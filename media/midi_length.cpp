// Length of a Standard MIDI File from its own tempo map and tick counts: the time of the
// last event of any track (end of track included), with the tempo changes of all tracks
// applied in tick order from the default of 120 beats a minute. Damaged tracks count up to
// their last complete event.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "media/length_probes.h"

namespace tinto::media {

namespace {

constexpr std::uint32_t kDefaultTempo = 500000;  // microseconds per quarter note
// More tempo changes than this only come from a hostile file; refusing it bounds memory
// (16 bytes each: 256 kB at most).
constexpr std::size_t kMaxTempoChanges = 1u << 14;

struct TempoChange {
  std::uint64_t tick;
  std::uint32_t micros_per_quarter;
};

struct TrackScan {
  std::uint64_t last_tick = 0;  // tick of the last complete event
  bool too_many_tempos = false;
};

// Reads a variable-length quantity of at most four bytes that ends before end.
std::optional<std::uint32_t> ReadVlq(ByteWindow& bytes, std::uint64_t& pos, std::uint64_t end) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    if (pos >= end) return std::nullopt;
    const auto byte = bytes.At(pos++);
    if (!byte) return std::nullopt;
    value = (value << 7) | (*byte & 0x7F);
    if ((*byte & 0x80) == 0) return value;
  }
  return std::nullopt;  // a fifth byte would be needed: not a valid quantity
}

// Number of data bytes after a channel status byte.
int ChannelDataBytes(std::uint8_t status) {
  const int kind = status >> 4;
  return (kind == 0xC || kind == 0xD) ? 1 : 2;
}

// Walks one track chunk, appending its tempo changes to tempos. Stops at the end of
// track, at the end of the chunk or at the first event that is cut off or makes no sense.
TrackScan ScanTrack(ByteWindow& bytes, std::uint64_t pos, std::uint64_t end,
                    std::vector<TempoChange>& tempos) {
  TrackScan scan;
  std::uint64_t tick = 0;
  std::uint8_t running = 0;
  while (pos < end) {
    const auto delta = ReadVlq(bytes, pos, end);
    if (!delta || pos >= end) break;
    const std::uint64_t event_tick = tick + *delta;
    const auto first = bytes.At(pos);
    if (!first) break;
    std::uint8_t status = *first;
    if (status < 0x80) {
      // Running status: the byte is already data of the previous channel message. Files
      // that keep it across meta and system exclusive events are taken as they come.
      if (running == 0) break;
      status = running;
    } else {
      ++pos;
    }
    if (status < 0xF0) {
      running = status;
      const int data = ChannelDataBytes(status);
      if (end - pos < static_cast<std::uint64_t>(data)) break;
      pos += data;
    } else if (status == 0xFF) {
      if (pos >= end) break;
      const auto type = bytes.At(pos++);
      if (!type) break;
      const auto length = ReadVlq(bytes, pos, end);
      if (!length || end - pos < *length) break;
      if (*type == 0x51 && *length >= 3) {
        std::uint8_t t[3];
        if (!bytes.Read(pos, t)) break;
        if (tempos.size() >= kMaxTempoChanges) {
          scan.too_many_tempos = true;
          break;
        }
        tempos.push_back({event_tick, std::uint32_t{t[0]} << 16 | std::uint32_t{t[1]} << 8 | t[2]});
      }
      pos += *length;
      if (*type == 0x2F) {  // end of track
        scan.last_tick = event_tick;
        break;
      }
    } else if (status == 0xF0 || status == 0xF7) {
      const auto length = ReadVlq(bytes, pos, end);
      if (!length || end - pos < *length) break;
      pos += *length;
    } else {
      break;  // system common and real-time messages have no place in a file
    }
    tick = event_tick;
    scan.last_tick = tick;
  }
  return scan;
}

// a * b + c, held at the top of the range instead of wrapping.
std::uint64_t MulAddSaturated(std::uint64_t a, std::uint64_t b, std::uint64_t c) {
  std::uint64_t product = 0;
  if (__builtin_mul_overflow(a, b, &product)) return UINT64_MAX;
  std::uint64_t sum = 0;
  if (__builtin_add_overflow(product, c, &sum)) return UINT64_MAX;
  return sum;
}

// Milliseconds at end_tick for a division in ticks per quarter note, following the tempo
// changes (already in the order they take effect).
std::uint64_t MetricalMs(const std::vector<TempoChange>& tempos, std::uint64_t end_tick,
                         std::uint32_t ticks_per_quarter) {
  // Sum of ticks x microseconds per quarter: divided by the division once at the end, so
  // no rounding builds up from one tempo to the next.
  std::uint64_t scaled_micros = 0;
  std::uint64_t tick = 0;
  std::uint32_t tempo = kDefaultTempo;
  for (const TempoChange& change : tempos) {
    if (change.tick >= end_tick) break;
    scaled_micros = MulAddSaturated(change.tick - tick, tempo, scaled_micros);
    tick = change.tick;
    tempo = change.micros_per_quarter;
  }
  scaled_micros = MulAddSaturated(end_tick - tick, tempo, scaled_micros);
  return scaled_micros / (std::uint64_t{ticks_per_quarter} * 1000);
}

// Milliseconds at end_tick for a time-code division: frames a second (24, 25, 29 for
// 30 drop-frame, that is 29.97, or 30) and ticks per frame.
std::optional<std::uint64_t> TimecodeMs(std::uint64_t end_tick, int frames_per_second,
                                        std::uint32_t ticks_per_frame) {
  if (ticks_per_frame == 0) return std::nullopt;
  switch (frames_per_second) {
    case 24:
    case 25:
    case 30:
      return MulAddSaturated(end_tick, 1000, 0) /
             (std::uint64_t(frames_per_second) * ticks_per_frame);
    case 29:
      return MulAddSaturated(end_tick, 1001000, 0) / (std::uint64_t{30000} * ticks_per_frame);
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<std::uint32_t> MidiLengthMs(ByteWindow& bytes, std::uint64_t begin,
                                          std::uint64_t end) {
  end = std::min(end, bytes.size());
  if (begin > end || end - begin < 14 || !bytes.Matches(begin, "MThd")) return std::nullopt;
  const auto header_length = bytes.Be32(begin + 4);
  const auto format = bytes.Be16(begin + 8);
  const auto track_count = bytes.Be16(begin + 10);
  const auto division = bytes.Be16(begin + 12);
  if (!header_length || !format || !track_count || !division) return std::nullopt;
  if (*header_length < 6 || *header_length > end - begin - 8) return std::nullopt;
  // Format 2 holds independent sequences with no common time line: not measured.
  if (*format > 1 || *division == 0) return std::nullopt;

  std::vector<TempoChange> tempos;
  std::uint64_t end_tick = 0;
  std::uint32_t tracks_found = 0;
  std::uint64_t pos = begin + 8 + *header_length;
  std::uint32_t other_chunks = 0;
  // Chunks of other kinds are skipped (up to kMaxOtherChunks of them); a chunk longer than
  // the file is cut at its end.
  while (tracks_found < *track_count && end - pos >= 8 && other_chunks <= kMaxOtherChunks) {
    const auto length = bytes.Be32(pos + 4);
    if (!length) break;
    const std::uint64_t body = pos + 8;
    const std::uint64_t body_end = body + std::min<std::uint64_t>(*length, end - body);
    if (bytes.Matches(pos, "MTrk")) {
      const std::size_t first_tempo = tempos.size();
      const TrackScan scan = ScanTrack(bytes, body, body_end, tempos);
      if (scan.too_many_tempos) return std::nullopt;
      // Within a track tempo changes come in tick order; merging keeps changes at the
      // same tick in track order, so the later track's tempo wins there.
      std::inplace_merge(
          tempos.begin(), tempos.begin() + first_tempo, tempos.end(),
          [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
      end_tick = std::max(end_tick, scan.last_tick);
      ++tracks_found;
    } else {
      ++other_chunks;
    }
    pos = body_end;
  }
  if (tracks_found == 0) return std::nullopt;

  if (*division & 0x8000) {
    const int frames_per_second = -static_cast<std::int8_t>(*division >> 8);
    const auto ms = TimecodeMs(end_tick, frames_per_second, *division & 0xFF);
    if (!ms) return std::nullopt;
    return ClampMs(*ms);
  }
  return ClampMs(MetricalMs(tempos, end_tick, *division));
}

}  // namespace tinto::media
