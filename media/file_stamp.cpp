// Stamping a file's version.
#include "media/file_stamp.h"

namespace tinto {

std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
  std::error_code error;
  FileStamp stamp;
  stamp.size = std::filesystem::file_size(path, error);
  if (error) return std::nullopt;
  stamp.modified = std::filesystem::last_write_time(path, error);
  if (error) return std::nullopt;
  return stamp;
}

}  // namespace tinto
