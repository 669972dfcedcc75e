// What identifies one version of a file: its size and its modification time. Kept beside
// a result worked out from the file, it tells whether the file has changed since.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace tinto {

struct FileStamp {
  std::uintmax_t size = 0;
  std::filesystem::file_time_type modified;
  bool operator==(const FileStamp&) const = default;
};

// The file's stamp now; nothing when it cannot be read (missing, not a regular file).
std::optional<FileStamp> StampOf(const std::filesystem::path& path);

}  // namespace tinto
