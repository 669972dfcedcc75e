// The per-format length probes behind MediaLengthMs. Each looks only at the bytes between
// begin and end of the window it is given and returns the length in milliseconds, or
// nothing when the bytes are not of its kind or too damaged to measure.
#pragma once

#include <cstdint>
#include <optional>

#include "media/byte_window.h"

namespace tinto::media {

// A Standard MIDI File (formats 0 and 1).
std::optional<std::uint32_t> MidiLengthMs(ByteWindow& bytes, std::uint64_t begin,
                                          std::uint64_t end);

// A RIFF file: a WAVE, or a RIFF MIDI file (an RMID wrapping a Standard MIDI File).
std::optional<std::uint32_t> RiffLengthMs(ByteWindow& bytes);

// An MPEG audio stream (layers I to III), possibly inside ID3 and APE tags.
std::optional<std::uint32_t> Mp3LengthMs(ByteWindow& bytes);

// Milliseconds as the probes return them: large values clamp to the top of the range.
inline std::uint32_t ClampMs(std::uint64_t ms) {
  return ms > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(ms);
}

}  // namespace tinto::media
