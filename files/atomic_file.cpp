// Whole-file reads, and writes through a temporary file renamed over the old one.
#include "files/atomic_file.h"

#include <system_error>

#include "files/atomic_replace.h"
#include "files/utf8_path.h"

namespace tinto {
namespace fs = std::filesystem;
namespace {

bool SetError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

std::string Quoted(const fs::path& path) {
  return "\"" + Utf8FromPath(path) + "\"";
}

}  // namespace

bool ReadWholeFile(const fs::path& path, std::string* bytes, std::string* error) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    return SetError(error, "Could not read " + Quoted(path) + ": it is a folder.");
  }
  std::string reason;
  switch (ReadRegularFile(path, kMaxReadBytes, bytes, &reason)) {
    case ReadStatus::kOk:
      return true;
    case ReadStatus::kNotRegular:
      return SetError(error, "Could not read " + Quoted(path) + ": it is not an ordinary file.");
    case ReadStatus::kTooLarge:
      return SetError(error, "Could not read " + Quoted(path) + ": the file is too large.");
    case ReadStatus::kMissing:
    case ReadStatus::kFailed:
      break;
  }
  return SetError(error, "Could not open " + Quoted(path) + ": " + reason + ".");
}

bool WriteFileAtomically(const fs::path& path, std::string_view bytes, std::string* error) {
  std::error_code ec;
  fs::path target = path;
  if (fs::is_symlink(fs::symlink_status(path, ec))) {
    fs::path real = fs::canonical(path, ec);
    if (!ec) target = real;
  }
  const std::string failed = "Could not save " + Quoted(path) + ": ";

  fs::file_status old_status = fs::status(target, ec);
  const bool existed = fs::exists(old_status);
  if (existed && !fs::is_regular_file(old_status)) {
    return SetError(error, failed + "there is a folder or device of that name.");
  }
  if (existed && (old_status.permissions() & fs::perms::owner_write) == fs::perms::none) {
    return SetError(error, failed + "the file is read-only.");
  }

  std::string reason;
  if (!ReplaceFileContents(target, bytes,
                           existed ? std::optional(old_status.permissions()) : std::nullopt,
                           &reason)) {
    return SetError(error, failed + reason + ".");
  }
  return true;
}

}  // namespace tinto
