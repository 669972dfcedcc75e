// Length of an MPEG audio file. Tags are stepped over (ID3v2 at the front, ID3v1 and APE
// at the back). When the first frame is a Xing/Info or VBRI header with a frame count that
// the file can hold, the count gives the length; otherwise the frames are walked one by
// one, skipping garbage between them. An encoder's delay and padding recorded in a LAME
// header are taken off, so a file made by lame measures exactly its source's samples.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "media/length_probes.h"
#include "media/mpeg_frame.h"

namespace tinto::media {

namespace {

// How far past the front tags the first frame is looked for.
constexpr std::uint64_t kFirstFrameSearch = std::uint64_t{64} * 1024;
// How much of a stream without a frame count is walked frame by frame; the rest of a
// longer stream is reckoned at the rate of frames found in that stretch.
constexpr std::uint64_t kFrameScanBytes = std::uint64_t{4} << 20;

struct Located {
  std::uint64_t offset;
  MpegFrame frame;
};

// What a Xing/Info or VBRI header in the first frame says about the stream.
struct StreamInfo {
  std::optional<std::uint32_t> frames;  // audio frames after the header frame
  std::optional<std::uint32_t> bytes;   // bytes of the stream, header frame included
  std::optional<std::uint32_t> delay;   // encoder delay and padding, in samples
  std::uint32_t padding = 0;
};

std::optional<MpegFrame> FrameAt(ByteWindow& bytes, std::uint64_t offset) {
  const auto header = bytes.Be32(offset);
  if (!header) return std::nullopt;
  return ParseMpegHeader(*header);
}

// The offset just past the ID3v2 tags at the front of the file.
std::uint64_t SkipFrontTags(ByteWindow& bytes) {
  std::uint64_t pos = 0;
  while (bytes.Matches(pos, "ID3")) {
    std::array<std::uint8_t, 7> h{};
    if (!bytes.Read(pos + 3, h)) break;
    // Version, revision, flags, then a size of four 7-bit bytes not counting the header
    // (nor the footer that flag 0x10 announces).
    const std::uint64_t size = std::uint64_t{h[3] & 0x7Fu} << 21 |
                               std::uint64_t{h[4] & 0x7Fu} << 14 |
                               std::uint64_t{h[5] & 0x7Fu} << 7 | (h[6] & 0x7Fu);
    pos += 10 + size + ((h[2] & 0x10) ? 10 : 0);
  }
  return pos;
}

// The offset where the trailing ID3v1 and APE tags begin (or the end of the file).
std::uint64_t TrimBackTags(ByteWindow& bytes, std::uint64_t begin, std::uint64_t end) {
  if (end - begin >= 128 && bytes.Matches(end - 128, "TAG")) end -= 128;
  if (end - begin >= 32 && bytes.Matches(end - 32, "APETAGEX")) {
    const auto size = bytes.Le32(end - 32 + 12);  // items and footer
    const auto flags = bytes.Le32(end - 32 + 20);
    if (size && flags) {
      const std::uint64_t total = std::uint64_t{*size} + ((*flags & 0x80000000u) ? 32 : 0);
      if (total >= 32 && total <= end - begin) end -= total;
    }
  }
  return end;
}

class FrameWalk {
 public:
  FrameWalk(ByteWindow& bytes, std::uint64_t end) : bytes_(bytes), end_(end) {}

  // Whether `needed` frames of one stream follow each other from offset, or fewer that
  // end exactly at the end of the audio.
  bool Chain(std::uint64_t offset, int needed, std::uint32_t key) {
    for (int i = 0; i < needed; ++i) {
      if (offset == end_ && i > 0) return true;
      const auto frame = Compatible(offset, key);
      if (!frame) return false;
      key = frame->stream_key;
      offset += frame->bytes;
    }
    return true;
  }

  // A header at offset whose frame fits before the end and belongs to the stream of key
  // (any stream when key is 0).
  std::optional<MpegFrame> Compatible(std::uint64_t offset, std::uint32_t key) {
    if (offset >= end_) return std::nullopt;
    const auto frame = FrameAt(bytes_, offset);
    if (!frame || (key != 0 && frame->stream_key != key)) return std::nullopt;
    if (frame->bytes > end_ - offset) return std::nullopt;
    return frame;
  }

  std::optional<Located> FindFirst(std::uint64_t begin) {
    const std::uint64_t limit = std::min(end_, begin + kFirstFrameSearch);
    for (std::uint64_t pos = begin; pos < limit; ++pos) {
      const auto byte = bytes_.At(pos);
      if (!byte || *byte != 0xFF) continue;
      const auto frame = Compatible(pos, 0);
      if (frame && Chain(pos, 3, frame->stream_key)) return Located{pos, *frame};
    }
    return std::nullopt;
  }

  // Frames from offset to the end, or to the first frame boundary at or past stop,
  // stepping over anything that is not a frame of the stream. *reached is where the walk
  // ended, *last_frame_end the end of the last frame found.
  std::uint64_t Count(std::uint64_t offset, std::uint32_t key, std::uint64_t stop,
                      std::uint64_t* reached, std::uint64_t* last_frame_end) {
    std::uint64_t frames = 0;
    *last_frame_end = offset;
    while (offset < end_ && offset < stop) {
      if (const auto frame = Compatible(offset, key)) {
        ++frames;
        offset += frame->bytes;
        *last_frame_end = offset;
        continue;
      }
      // A header whose frame runs past the end is a frame cut short: the stream ends.
      if (const auto cut = FrameAt(bytes_, offset); cut && cut->stream_key == key) {
        if (cut->bytes > end_ - offset) break;
      }
      offset = Resync(offset + 1, key, stop);
    }
    *reached = std::min(offset, end_);
    return frames;
  }

 private:
  std::uint64_t Resync(std::uint64_t offset, std::uint32_t key, std::uint64_t stop) {
    for (; offset < end_; ++offset) {
      if (offset >= stop) return offset;
      const auto byte = bytes_.At(offset);
      if (!byte) return end_;
      if (*byte == 0xFF && Chain(offset, 2, key)) return offset;
    }
    return end_;
  }

  ByteWindow& bytes_;
  std::uint64_t end_;
};

// Where the side information of a layer III frame ends, counted from the frame's start:
// a Xing or Info header sits there.
std::uint64_t SideInfoEnd(const MpegFrame& frame) {
  std::uint64_t side = frame.version == 1 ? (frame.mono ? 17 : 32) : (frame.mono ? 9 : 17);
  return 4 + (frame.has_crc ? 2 : 0) + side;
}

std::optional<StreamInfo> ReadStreamInfo(ByteWindow& bytes, const Located& first) {
  const std::uint64_t frame_end = first.offset + first.frame.bytes;
  StreamInfo info;
  const std::uint64_t xing = first.offset + SideInfoEnd(first.frame);
  if (first.frame.layer == 3 && (bytes.Matches(xing, "Xing") || bytes.Matches(xing, "Info"))) {
    const auto flags = bytes.Be32(xing + 4);
    if (!flags) return std::nullopt;
    std::uint64_t pos = xing + 8;
    if (*flags & 1) {
      info.frames = bytes.Be32(pos);
      pos += 4;
    }
    if (*flags & 2) {
      info.bytes = bytes.Be32(pos);
      pos += 4;
    }
    if (*flags & 4) pos += 100;  // seek table
    if (*flags & 8) pos += 4;    // quality
    // LAME's extension (also written by FFmpeg): the encoder's delay and padding in twelve
    // bits each, 21 bytes into it.
    if (pos + 24 <= frame_end &&
        (bytes.Matches(pos, "LAME") || bytes.Matches(pos, "Lavf") || bytes.Matches(pos, "Lavc"))) {
      std::array<std::uint8_t, 3> d{};
      if (bytes.Read(pos + 21, d)) {
        info.delay = std::uint32_t{d[0]} << 4 | d[1] >> 4;
        info.padding = (std::uint32_t{d[1]} & 0x0F) << 8 | d[2];
      }
    }
    return info;
  }
  const std::uint64_t vbri = first.offset + 36;
  if (bytes.Matches(vbri, "VBRI")) {
    info.bytes = bytes.Be32(vbri + 10);
    info.frames = bytes.Be32(vbri + 14);
    return info;
  }
  return std::nullopt;
}

// Whether the frame count of a header can be believed: the file must be long enough for
// the bytes it announces and for that many frames of the shortest kind.
bool Believable(const StreamInfo& info, const Located& first, std::uint64_t file_size,
                std::uint64_t audio_end) {
  if (!info.frames) return false;
  if (info.bytes && *info.bytes > file_size - first.offset) return false;  // cut short
  const std::uint64_t room = audio_end - first.offset - first.frame.bytes;
  return std::uint64_t{*info.frames} * ShortestFrameBytes(first.frame) <= room;
}

std::uint32_t Milliseconds(std::uint64_t samples, std::uint32_t sample_rate) {
  return ClampMs(samples * 1000 / sample_rate);
}

}  // namespace

std::optional<std::uint32_t> Mp3LengthMs(ByteWindow& bytes) {
  const std::uint64_t begin = SkipFrontTags(bytes);
  if (begin >= bytes.size()) return std::nullopt;
  const std::uint64_t end = TrimBackTags(bytes, begin, bytes.size());
  FrameWalk walk(bytes, end);
  const auto first = walk.FindFirst(begin);
  if (!first) return std::nullopt;
  const MpegFrame& frame = first->frame;

  const auto info = ReadStreamInfo(bytes, *first);
  const std::uint64_t trim = info && info->delay ? *info->delay + info->padding : 0;
  if (info && Believable(*info, *first, bytes.size(), end)) {
    const std::uint64_t samples = std::uint64_t{*info->frames} * frame.samples;
    return Milliseconds(samples >= trim ? samples - trim : samples, frame.sample_rate);
  }

  // The header frame, if any, holds no sound.
  const std::uint64_t start = first->offset + (info ? frame.bytes : 0);
  std::uint64_t reached = end;
  std::uint64_t last_frame_end = start;
  std::uint64_t frames =
      walk.Count(start, frame.stream_key, start + kFrameScanBytes, &reached, &last_frame_end);
  // Frames that run up to the end of the stretch walked go on past it: the rest is
  // reckoned at the same rate. Frames that stopped long before it (a few frames and then
  // junk) are all there is.
  if (reached < end && reached > start && last_frame_end + kFirstFrameSearch >= reached) {
    const std::uint64_t scale = (end - start) / (reached - start);
    const std::uint64_t rest = (end - start) % (reached - start);
    frames = frames * scale + frames * rest / (reached - start);
  }
  std::uint64_t samples = frames * frame.samples;
  if (info && info->delay) {
    // A stream cut short still starts with the encoder's delay; the padding at its end
    // may have gone with the missing frames, but no more than the whole stream plays.
    samples = samples >= *info->delay ? samples - *info->delay : 0;
    if (info->frames) {
      const std::uint64_t whole = std::uint64_t{*info->frames} * frame.samples;
      if (whole >= trim) samples = std::min(samples, whole - trim);
    }
  }
  return Milliseconds(samples, frame.sample_rate);
}

}  // namespace tinto::media
