// Tells a music file's kind from its first bytes and hands it to the matching probe.
#include "media/media_length.h"

#include "media/byte_window.h"
#include "media/length_probes.h"

namespace tinto {

std::optional<std::uint32_t> MediaLengthMs(const std::filesystem::path& path) {
  media::ByteWindow bytes(path);
  if (!bytes.ok()) return std::nullopt;
  if (bytes.Matches(0, "MThd")) return media::MidiLengthMs(bytes, 0, bytes.size());
  if (bytes.Matches(0, "RIFF")) return media::RiffLengthMs(bytes);
  // MPEG audio has no signature of its own: the probe accepts only a stream of frames
  // that follow one another.
  return media::Mp3LengthMs(bytes);
}

}  // namespace tinto
