// Fuzz entries for the music length readers. They read through a file, so each input is
// written to a scratch file of this process first.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "fuzz/fuzz_entries.h"
#include "media/byte_window.h"
#include "media/length_probes.h"
#include "media/media_length.h"

namespace tinto::fuzz {

namespace {

const std::filesystem::path& ScratchFile() {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("tinto-fuzz-music-" + std::to_string(::getpid()));
  return path;
}

// Writes the input to the scratch file and opens a window on it.
media::ByteWindow WindowOn(Bytes data, std::string_view target) {
  {
    std::ofstream out(ScratchFile(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
    if (!out) Broken(target, "cannot write the scratch file");
  }
  media::ByteWindow window(ScratchFile());
  if (!window.ok() || window.size() != data.size()) Broken(target, "cannot read the scratch file");
  return window;
}

// The length the player would use must be the probe's own when the kind is told right.
void SameAsPlayer(std::optional<std::uint32_t> probe, std::string_view target) {
  if (probe && MediaLengthMs(ScratchFile()) != probe)
    Broken(target, "the player's length differs from the probe's");
}

}  // namespace

void MidiLengthEntry(Bytes data) {
  media::ByteWindow window = WindowOn(data, "midi_length");
  const auto length = media::MidiLengthMs(window, 0, window.size());
  if (window.Matches(0, "MThd")) SameAsPlayer(length, "midi_length");
}

void Mp3LengthEntry(Bytes data) {
  media::ByteWindow window = WindowOn(data, "mp3_length");
  const auto length = media::Mp3LengthMs(window);
  if (!window.Matches(0, "MThd") && !window.Matches(0, "RIFF")) SameAsPlayer(length, "mp3_length");
}

void WavLengthEntry(Bytes data) {
  media::ByteWindow window = WindowOn(data, "wav_length");
  const auto length = media::RiffLengthMs(window);
  if (window.Matches(0, "RIFF")) SameAsPlayer(length, "wav_length");
}

}  // namespace tinto::fuzz
