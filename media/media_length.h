// The playing length of a music file (MIDI, WAV or MP3), worked out from the file's own
// bytes. The music player needs it to know when a song is over; the desktop backend and
// the simulator both measure with this one function, so a song ends at the same tick on
// either.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace tinto {

// The length in milliseconds (rounded down) of the MIDI, WAV or MP3 file at path. The kind
// is told from the content, not the name. Nothing when the file is missing, unreadable or
// none of the three. Damaged files give the length of what can be played, or nothing;
// lengths beyond the range of the result are clamped to its maximum.
std::optional<std::uint32_t> MediaLengthMs(const std::filesystem::path& path);

}  // namespace tinto
