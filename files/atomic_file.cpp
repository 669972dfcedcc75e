// Whole-file reads, and writes through a temporary file renamed over the old one.
#include "files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <fstream>
#include <system_error>

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
  return "\"" + path.string() + "\"";
}

// Writes all bytes, retrying interrupted and partial writes.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Creates a new, unique temporary file beside the target; -1 and errno on failure.
int CreateTemporary(const fs::path& dir, const fs::path& target, fs::path* temp) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temp = dir / ("." + target.filename().string() + ".tmp" + std::to_string(::getpid()) + "-" +
                   std::to_string(++counter));
    int fd = ::open(temp->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

void SyncFolder(const fs::path& dir) {
  int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: the rename is already done
  ::close(fd);
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

  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  fs::path temp;
  int fd = CreateTemporary(dir, target, &temp);
  if (fd < 0) return SetError(error, failed + Describe(errno) + ".");

  // The new file keeps the old one's permissions.
  if (existed) ::fchmod(fd, static_cast<mode_t>(old_status.permissions()) & 07777);

  int err = 0;
  if (!WriteAll(fd, bytes)) err = errno;
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
  if (err != 0) {
    ::unlink(temp.c_str());
    return SetError(error, failed + Describe(err) + ".");
  }
  SyncFolder(dir);
  return true;
}

}  // namespace tinto
