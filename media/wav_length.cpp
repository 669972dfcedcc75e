// Length of a RIFF file: a WAVE from its format and data chunks, or the Standard MIDI File
// inside a RIFF MIDI file. The chunk walk pads odd sizes to even and never trusts a size
// that runs past the end of the file.
#include <algorithm>
#include <cstdint>
#include <optional>

#include "media/length_probes.h"

namespace tinto::media {

namespace {

// Format tags whose samples are whole blocks of fixed size: plain PCM, IEEE float, A-law
// and mu-law. Anything else (ADPCM and other coded formats) is measured from its sample
// count or its byte rate.
bool IsBlockFormat(std::uint32_t tag) {
  return tag == 1 || tag == 3 || tag == 6 || tag == 7;
}

constexpr std::uint32_t kExtensibleTag = 0xFFFE;

struct WaveFormat {
  std::uint32_t tag = 0;
  std::uint32_t sample_rate = 0;
  std::uint32_t byte_rate = 0;
  std::uint32_t block_align = 0;
};

// Sample rates of players' files. A rate far outside them (1 Hz) is a damaged or hostile
// header: the sound library would convert such a file to the output's rate and need
// gigabytes for it.
constexpr std::uint32_t kMinSampleRate = 1000;
constexpr std::uint32_t kMaxSampleRate = 384000;

std::optional<WaveFormat> ReadFormat(ByteWindow& bytes, std::uint64_t body, std::uint64_t size) {
  if (size < 16) return std::nullopt;
  WaveFormat format;
  const auto tag = bytes.Le16(body);
  const auto rate = bytes.Le32(body + 4);
  const auto byte_rate = bytes.Le32(body + 8);
  const auto align = bytes.Le16(body + 12);
  if (!tag || !rate || !byte_rate || !align) return std::nullopt;
  if (*rate < kMinSampleRate || *rate > kMaxSampleRate) return std::nullopt;
  format.tag = *tag;
  format.sample_rate = *rate;
  format.byte_rate = *byte_rate;
  format.block_align = *align;
  // The extensible form names the real format in the first two bytes of its sub-format.
  if (format.tag == kExtensibleTag && size >= 26) {
    if (const auto sub = bytes.Le16(body + 24)) format.tag = *sub;
  }
  return format;
}

std::optional<std::uint32_t> WaveLengthMs(const WaveFormat& format, std::uint64_t data_bytes,
                                          std::optional<std::uint32_t> fact_samples) {
  if (format.sample_rate == 0) return std::nullopt;
  if (IsBlockFormat(format.tag)) {
    if (format.block_align == 0) return std::nullopt;
    const std::uint64_t frames = data_bytes / format.block_align;
    return ClampMs(frames * 1000 / format.sample_rate);
  }
  if (fact_samples) return ClampMs(std::uint64_t{*fact_samples} * 1000 / format.sample_rate);
  if (format.byte_rate == 0) return std::nullopt;
  return ClampMs(data_bytes * 1000 / format.byte_rate);
}

}  // namespace

std::optional<std::uint32_t> RiffLengthMs(ByteWindow& bytes) {
  const std::uint64_t end = bytes.size();
  const bool wave = bytes.Matches(8, "WAVE");
  const bool midi = bytes.Matches(8, "RMID");
  if (!bytes.Matches(0, "RIFF") || (!wave && !midi)) return std::nullopt;

  std::optional<WaveFormat> format;
  std::optional<std::uint64_t> data_bytes;
  std::optional<std::uint32_t> fact_samples;
  std::uint64_t pos = 12;
  for (std::uint32_t chunks = 0; pos < end && end - pos >= 8 && chunks < kMaxOtherChunks;
       ++chunks) {
    const auto size = bytes.Le32(pos + 4);
    if (!size) break;
    const std::uint64_t body = pos + 8;
    // A size past the end (a file cut short, or a writer that never came back to fill it
    // in) covers what is there.
    const std::uint64_t present = std::min<std::uint64_t>(*size, end - body);
    if (midi) {
      if (bytes.Matches(pos, "data")) return MidiLengthMs(bytes, body, body + present);
    } else if (bytes.Matches(pos, "fmt ")) {
      if (!format) format = ReadFormat(bytes, body, present);
    } else if (bytes.Matches(pos, "fact")) {
      if (!fact_samples && present >= 4) fact_samples = bytes.Le32(body);
    } else if (bytes.Matches(pos, "data")) {
      if (!data_bytes) data_bytes = present;
    }
    if (format && data_bytes && (IsBlockFormat(format->tag) || fact_samples)) break;
    if (present < *size) break;
    pos = body + *size + (*size & 1);
  }
  if (!format || !data_bytes) return std::nullopt;
  return WaveLengthMs(*format, *data_bytes, fact_samples);
}

}  // namespace tinto::media
