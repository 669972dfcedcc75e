// Whole-file reads and safe whole-file writes for the files the program keeps in the host
// game's folder (the colour file, its own settings file, the host game's settings file).
//
// A write goes to a temporary file in the same folder, is flushed to the disk and then
// renamed over the old file, so a failed save (read-only file, full disk, missing folder)
// never leaves a half-written file: the old one stays exactly as it was.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

namespace tinto {

// The outcome of reading or writing one of the program's files. The error text is meant
// for the user, shown by the caller in the platform's error message.
struct FileResult {
  bool ok = true;
  std::string error;

  static FileResult Ok() { return {}; }
  static FileResult Fail(std::string text) { return {false, std::move(text)}; }
};

// Files larger than this are refused by ReadWholeFile: no settings or colour file comes
// near it, and a stray huge file must not exhaust memory.
inline constexpr std::size_t kMaxReadBytes = std::size_t{64} << 20;

// Reads the whole file. On failure returns false and sets *error (when given).
bool ReadWholeFile(const std::filesystem::path& path, std::string* bytes, std::string* error);

// Replaces the file's content with `bytes` (creating it when missing). A file marked
// read-only (no owner write permission) is refused, as Windows refuses it, even for a user
// whom the system would let write. A symbolic link is followed and its target replaced.
// On failure returns false, sets *error (when given), removes the temporary file and
// leaves the old file intact.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error);

}  // namespace tinto
