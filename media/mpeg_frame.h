// The four-byte header of an MPEG audio frame (MPEG-1, MPEG-2 and MPEG-2.5, layers I, II
// and III): what the frame holds and how long it is.
#pragma once

#include <cstdint>
#include <optional>

namespace tinto::media {

struct MpegFrame {
  int version = 1;       // 1 for MPEG-1, 2 for MPEG-2, 25 for MPEG-2.5
  int layer = 3;         // 1, 2 or 3
  bool has_crc = false;  // a 16-bit check word follows the header
  bool mono = false;     // single channel
  std::uint32_t sample_rate = 0;
  std::uint32_t samples = 0;  // samples per channel the frame decodes to
  std::uint32_t bytes = 0;    // length of the frame, header included
  // Frames of one stream agree on these bits (version, layer and sample rate).
  std::uint32_t stream_key = 0;
};

// Reads a header given as a big-endian number. Nothing for bytes that are not a frame
// header, and for free-format frames (whose length the header does not give).
std::optional<MpegFrame> ParseMpegHeader(std::uint32_t header);

// The length of the shortest frame the stream of this frame can have: the lowest bit rate
// without padding.
std::uint32_t ShortestFrameBytes(const MpegFrame& frame);

}  // namespace tinto::media
