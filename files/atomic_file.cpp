// Whole-file reads, and writes through a temporary file renamed over the old one.
#include "files/atomic_file.h"

#include <cerrno>
#include <cstdint>
#include <fstream>
#include <system_error>

#include "files/atomic_replace.h"
#include "files/utf8_path.h"

namespace tinto {
namespace fs = std::filesystem;
namespace {

std::string Describe(int err) {
  return std::generic_category().message(err);
}

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
  std::ifstream in(path, std::ios::binary);
  if (!in) return SetError(error, "Could not open " + Quoted(path) + ": " + Describe(errno) + ".");
  in.seekg(0, std::ios::end);
  std::streamoff size = in.tellg();
  if (size < 0) return SetError(error, "Could not read " + Quoted(path) + ".");
  if (static_cast<std::uintmax_t>(size) > kMaxReadBytes) {
    return SetError(error, "Could not read " + Quoted(path) + ": the file is too large.");
  }
  in.seekg(0, std::ios::beg);
  std::string data(static_cast<std::size_t>(size), '\0');
  in.read(data.data(), size);
  if (in.gcount() != size) return SetError(error, "Could not read " + Quoted(path) + ".");
  *bytes = std::move(data);
  return true;
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
