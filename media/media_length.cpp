// Tells a music file's kind from its first bytes and hands it to the matching probe.
#include "media/media_length.h"

#include <map>
#include <mutex>
#include <system_error>

#include "media/byte_window.h"
#include "media/file_stamp.h"
#include "media/length_probes.h"

namespace tinto {

namespace {

// Files that failed, by path. The stock holds sixteen songs and the folder seventeen:
// more than this many failures at once only comes from a folder of junk, and then the
// memory simply starts again.
constexpr std::size_t kMaxRememberedFailures = 64;

}  // namespace

std::optional<std::uint32_t> MediaLengthMs(const std::filesystem::path& path) {
  media::ByteWindow bytes(path);
  if (!bytes.ok()) return std::nullopt;
  if (bytes.Matches(0, "MThd")) return media::MidiLengthMs(bytes, 0, bytes.size());
  if (bytes.Matches(0, "RIFF")) return media::RiffLengthMs(bytes);
  // MPEG audio has no signature of its own: the probe accepts only a stream of frames
  // that follow one another.
  return media::Mp3LengthMs(bytes);
}

std::optional<std::uint32_t> SongLengthMs(const std::filesystem::path& path) {
  static std::mutex mutex;
  static std::map<std::filesystem::path, FileStamp> failed;
  const std::optional<FileStamp> stamp = StampOf(path);
  {
    const std::lock_guard lock(mutex);
    const auto it = failed.find(path);
    if (it != failed.end() && stamp && it->second == *stamp) return std::nullopt;
  }
  const std::optional<std::uint32_t> length = MediaLengthMs(path);
  const std::lock_guard lock(mutex);
  if (length) {
    failed.erase(path);
  } else if (stamp) {
    if (failed.size() >= kMaxRememberedFailures) failed.clear();
    failed[path] = *stamp;
  }
  return length;
}

bool IsPlayableEffect(const std::filesystem::path& path) {
  media::ByteWindow bytes(path);
  if (!bytes.ok() || bytes.size() > kMaxEffectFileBytes) return false;
  return bytes.Matches(0, "RIFF") && bytes.Matches(8, "WAVE") && media::RiffLengthMs(bytes);
}

}  // namespace tinto
