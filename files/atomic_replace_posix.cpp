// Safe replacement of a file's content on POSIX systems: write, fsync, rename, and sync the
// folder so that the rename itself is on the disk.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "files/atomic_replace.h"

namespace tinto {
namespace fs = std::filesystem;
namespace {

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

bool Fail(std::string* reason, int err) {
  if (reason) *reason = std::generic_category().message(err);
  return false;
}

}  // namespace

bool ReplaceFileContents(const fs::path& target, std::string_view bytes,
                         std::optional<fs::perms> keep_perms, std::string* reason) {
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  fs::path temp;
  int fd = CreateTemporary(dir, target, &temp);
  if (fd < 0) return Fail(reason, errno);

  if (keep_perms) ::fchmod(fd, static_cast<mode_t>(*keep_perms) & 07777);

  int err = 0;
  if (!WriteAll(fd, bytes)) err = errno;
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
  if (err != 0) {
    ::unlink(temp.c_str());
    return Fail(reason, err);
  }
  SyncFolder(dir);
  return true;
}

}  // namespace tinto
