// MPEG audio frame headers: the bit rate and sample rate tables and the frame length
// rules of the three layers.
#include "media/mpeg_frame.h"

namespace tinto::media {

namespace {

// Bit rates in kbit/s by bit rate index 1..14 (0 is free format, 15 is forbidden).
constexpr std::uint16_t kBitrates[5][15] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},  // MPEG-1 layer I
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},     // MPEG-1 layer II
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},      // MPEG-1 layer III
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},     // MPEG-2/2.5 layer I
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},          // MPEG-2/2.5 II, III
};

constexpr std::uint32_t kSampleRates[3][3] = {
    {44100, 48000, 32000},  // MPEG-1
    {22050, 24000, 16000},  // MPEG-2
    {11025, 12000, 8000},   // MPEG-2.5
};

int BitrateRow(int version, int layer) {
  if (version == 1) return layer - 1;
  return layer == 1 ? 3 : 4;
}

int RateRow(int version) {
  return version == 1 ? 0 : version == 2 ? 1 : 2;
}

std::uint32_t FrameBytes(int version, int layer, std::uint32_t kbps, std::uint32_t rate,
                         std::uint32_t padding) {
  const std::uint32_t bits_per_second = kbps * 1000;
  if (layer == 1) return (12 * bits_per_second / rate + padding) * 4;
  if (layer == 3 && version != 1) return 72 * bits_per_second / rate + padding;
  return 144 * bits_per_second / rate + padding;
}

}  // namespace

std::optional<MpegFrame> ParseMpegHeader(std::uint32_t header) {
  if ((header & 0xFFE00000u) != 0xFFE00000u) return std::nullopt;
  const std::uint32_t version_bits = (header >> 19) & 3;
  const std::uint32_t layer_bits = (header >> 17) & 3;
  const std::uint32_t bitrate_index = (header >> 12) & 15;
  const std::uint32_t rate_index = (header >> 10) & 3;
  if (version_bits == 1 || layer_bits == 0 || bitrate_index == 0 || bitrate_index == 15 ||
      rate_index == 3) {
    return std::nullopt;
  }
  MpegFrame frame;
  frame.version = version_bits == 3 ? 1 : version_bits == 2 ? 2 : 25;
  frame.layer = 4 - static_cast<int>(layer_bits);
  frame.has_crc = ((header >> 16) & 1) == 0;
  frame.mono = ((header >> 6) & 3) == 3;
  frame.sample_rate = kSampleRates[RateRow(frame.version)][rate_index];
  frame.samples = frame.layer == 1 ? 384 : (frame.layer == 3 && frame.version != 1) ? 576 : 1152;
  const std::uint32_t kbps = kBitrates[BitrateRow(frame.version, frame.layer)][bitrate_index];
  frame.bytes = FrameBytes(frame.version, frame.layer, kbps, frame.sample_rate, (header >> 9) & 1);
  frame.stream_key = header & 0xFFFE0C00u;
  return frame;
}

std::uint32_t ShortestFrameBytes(const MpegFrame& frame) {
  const std::uint32_t kbps = kBitrates[BitrateRow(frame.version, frame.layer)][1];
  return FrameBytes(frame.version, frame.layer, kbps, frame.sample_rate, 0);
}

}  // namespace tinto::media
