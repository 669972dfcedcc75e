// Reading and safe replacement of a file's content on POSIX systems: a non-blocking open
// checked with fstat before anything is read; write, fsync, rename, and sync the folder so
// that the rename itself is on the disk.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <system_error>

#include "files/atomic_replace.h"

namespace tinto {
namespace fs = std::filesystem;
namespace {

// Writes all bytes, retrying interrupted and partial writes.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    BeforeFileCall("write");
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
    *temp = dir / TemporaryFileName(target.filename().string(),
                                    static_cast<std::uint32_t>(::getpid()), ++counter);
    BeforeFileCall("open");
    int fd = ::open(temp->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

void SyncFolder(const fs::path& dir) {
  BeforeFileCall("open");
  int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  BeforeFileCall("fsync");
  ::fsync(fd);  // best effort: the rename is already done
  ::close(fd);
}

bool Fail(std::string* reason, int err) {
  if (reason) *reason = std::generic_category().message(err);
  return false;
}

// No new file may be made in the folder, but the file itself may be writable: it is then
// rewritten where it is, flushed. Not atomic, but the only way to save there at all.
bool OverwriteInPlace(const fs::path& target, std::string_view bytes, std::string* reason) {
  BeforeFileCall("open");
  int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Fail(reason, errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return Fail(reason, EINVAL);
  }
  int err = 0;
  BeforeFileCall("ftruncate");
  if (::ftruncate(fd, 0) != 0) err = errno;
  if (err == 0 && !WriteAll(fd, bytes)) err = errno;
  BeforeFileCall("fsync");
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  return err == 0 || Fail(reason, err);
}

}  // namespace

ReadStatus ReadRegularFile(const fs::path& path, std::size_t max_bytes, std::string* bytes,
                           std::string* reason) {
  // O_NONBLOCK: an open of a named pipe without a writer would otherwise wait for ever.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    const int err = errno;
    if (reason) *reason = std::generic_category().message(err);
    return err == ENOENT ? ReadStatus::kMissing : ReadStatus::kFailed;
  }
  struct stat st {};
  ReadStatus status = ReadStatus::kOk;
  if (::fstat(fd, &st) != 0) {
    status = ReadStatus::kFailed;
  } else if (!S_ISREG(st.st_mode)) {
    status = ReadStatus::kNotRegular;
  } else if (static_cast<std::uintmax_t>(st.st_size) > max_bytes) {
    status = ReadStatus::kTooLarge;
  }
  std::string data;
  if (status == ReadStatus::kOk) {
    data.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (got < data.size()) {
      ssize_t n = ::read(fd, data.data() + got, data.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    // A file that shrank while being read is taken as it now is.
    data.resize(got);
  }
  ::close(fd);
  if (status == ReadStatus::kOk) *bytes = std::move(data);
  return status;
}

bool ReplaceFileContents(const fs::path& target, std::string_view bytes,
                         std::optional<fs::perms> keep_perms, std::string* reason) {
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  fs::path temp;
  int fd = CreateTemporary(dir, target, &temp);
  if (fd < 0) {
    const int err = errno;
    if ((err == EACCES || err == EPERM || err == EROFS) && keep_perms)
      return OverwriteInPlace(target, bytes, reason);
    return Fail(reason, err);
  }

  if (keep_perms) ::fchmod(fd, static_cast<mode_t>(*keep_perms) & 07777);

  int err = 0;
  if (!WriteAll(fd, bytes)) err = errno;
  BeforeFileCall("fsync");
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  BeforeFileCall("close");
  if (::close(fd) != 0 && err == 0) err = errno;
  BeforeFileCall("rename");
  if (err == 0 && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
  if (err != 0) {
    ::unlink(temp.c_str());
    return Fail(reason, err);
  }
  SyncFolder(dir);
  return true;
}

bool ProcessIsRunning(std::uint32_t pid) {
  // 0 and values that would read as negative (process groups) are no process's id.
  if (pid == 0 || pid > static_cast<std::uint32_t>(INT32_MAX)) return false;
  // EPERM: the process exists but belongs to another user.
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace tinto
