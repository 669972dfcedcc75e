// The per-format length probes behind MediaLengthMs. Each looks only at the bytes between
// begin and end of the window it is given and returns the length in milliseconds, or
// nothing when the bytes are not of its kind or too damaged to measure.
#pragma once

#include <cstdint>
#include <optional>

#include "media/byte_window.h"
#include "media/media_length.h"

namespace tinto::media {

// A Standard MIDI File (formats 0 and 1).
std::optional<std::uint32_t> MidiLengthMs(ByteWindow& bytes, std::uint64_t begin,
                                          std::uint64_t end);

// A RIFF file: a WAVE, or a RIFF MIDI file (an RMID wrapping a Standard MIDI File).
std::optional<std::uint32_t> RiffLengthMs(ByteWindow& bytes);

// An MPEG audio stream (layers I to III), possibly inside ID3 and APE tags.
std::optional<std::uint32_t> Mp3LengthMs(ByteWindow& bytes);

// Milliseconds as the probes return them: large values clamp to kMaxMediaLengthMs.
inline std::uint32_t ClampMs(std::uint64_t ms) {
  return ms > kMaxMediaLengthMs ? kMaxMediaLengthMs : static_cast<std::uint32_t>(ms);
}

// The most chunks a RIFF or MIDI chunk walk steps over besides the tracks it measures:
// real files have a handful, a file of zeros would have one every eight bytes.
inline constexpr std::uint32_t kMaxOtherChunks = 4096;

}  // namespace tinto::media
