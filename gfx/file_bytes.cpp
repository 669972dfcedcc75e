// Whole-file reads and writes (see file_bytes.h).
#include "gfx/file_bytes.h"

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

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& path,
                                                       std::uint64_t max_bytes,
                                                       std::string* error) {
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
  FilePtr file(OpenFile(path, false));
  if (!file) {
    SetError(error, std::strerror(errno));
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
  if (std::ferror(file.get())) {
    SetError(error, "read error");
    return std::nullopt;
  }
  // A file that shrank since it was measured gives what is left; one that grew gives its
  // first `size` bytes. Either way no more than max_bytes are read.
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
