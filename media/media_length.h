// The playing length of a music file (MIDI, WAV or MP3), worked out from the file's own
// bytes. The music player needs it to know when a song is over; the desktop backend and
// the simulator both measure with this one function, so a song ends at the same tick on
// either. A probe reads the headers and a bounded stretch of the file (see byte_window.h),
// so a huge or damaged file costs no more time than a normal one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace tinto {

// The longest length a probe gives: below 2^31 ms, so that an end time compared as a
// signed difference of tick counts always lies ahead.
inline constexpr std::uint32_t kMaxMediaLengthMs = 0x7FFFFFFF;

// The length in milliseconds (rounded down) of the MIDI, WAV or MP3 file at path. The kind
// is told from the content, not the name. Nothing when the file is missing, unreadable or
// none of the three. Damaged files give the length of what can be played, or nothing;
// lengths beyond kMaxMediaLengthMs are clamped to it.
std::optional<std::uint32_t> MediaLengthMs(const std::filesystem::path& path);

// MediaLengthMs as the players call it: a file that could not be measured is remembered
// by path, size and modification time and not read again until it changes, so a song
// that fails and is retried every two seconds costs nothing after the first try.
std::optional<std::uint32_t> SongLengthMs(const std::filesystem::path& path);

// Sound effects are loaded whole and converted to the output's rate by the sound library;
// a file larger than this is never one of the program's effects.
inline constexpr std::uintmax_t kMaxEffectFileBytes = std::uintmax_t{16} << 20;

// Whether the file may be handed to the sound library as an effect: a regular file of at
// most kMaxEffectFileBytes holding a WAVE the length probe accepts (a sample rate players'
// files have, a format and data chunk).
bool IsPlayableEffect(const std::filesystem::path& path);

}  // namespace tinto
