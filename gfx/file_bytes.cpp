// Whole-file reads and writes (see file_bytes.h).
#include "gfx/file_bytes.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

namespace tinto::gfx {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens by the path's native name: wide on Windows, where a narrow name would be read in
// the system's code page.
std::FILE* OpenFile(const std::filesystem::path& path, bool write) {
#ifdef _WIN32
  return _wfopen(path.c_str(), write ? L"wb" : L"rb");
#else
  return std::fopen(path.c_str(), write ? "wb" : "rb");
#endif
}

void SetError(std::string* error, std::string text) {
  if (error != nullptr) *error = std::move(text);
}

}  // namespace

void FileReader::Closer::operator()(std::FILE* f) const {
  std::fclose(f);
}

std::optional<FileReader> FileReader::Open(const std::filesystem::path& path,
                                           std::uint64_t max_bytes, std::string* error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    SetError(error, ec ? ec.message() : "not a regular file");
    return std::nullopt;
  }
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) {
    SetError(error, ec.message());
    return std::nullopt;
  }
  if (size > max_bytes) {
    SetError(error, "file too large");
    return std::nullopt;
  }
  FileReader reader;
  reader.file_.reset(OpenFile(path, false));
  if (!reader.file_) {
    SetError(error, std::strerror(errno));
    return std::nullopt;
  }
  reader.size_ = size;
  return reader;
}

std::size_t FileReader::Read(std::uint8_t* out, std::size_t count) {
  // A file that grew since it was measured gives only its first size() bytes.
  count = static_cast<std::size_t>(std::min<std::uint64_t>(count, size_ - read_));
  if (count == 0 || failed_) return 0;
  const std::size_t got = std::fread(out, 1, count, file_.get());
  if (std::ferror(file_.get())) failed_ = true;
  read_ += got;
  return got;
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& path,
                                                       std::uint64_t max_bytes,
                                                       std::string* error) {
  std::optional<FileReader> file = FileReader::Open(path, max_bytes, error);
  if (!file) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file->size()));
  const std::size_t got = file->Read(bytes.data(), bytes.size());
  if (file->failed()) {
    SetError(error, "read error");
    return std::nullopt;
  }
  // A file that shrank since it was measured gives what is left. Either way no more than
  // max_bytes are read.
  bytes.resize(got);
  return bytes;
}

bool WriteFileBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                    std::string* error) {
  FilePtr file(OpenFile(path, true));
  if (!file) {
    SetError(error, std::strerror(errno));
    return false;
  }
  if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
    SetError(error, "write error");
    return false;
  }
  if (std::fclose(file.release()) != 0) {
    SetError(error, "write error");
    return false;
  }
  return true;
}

}  // namespace tinto::gfx
