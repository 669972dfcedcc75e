// Whole-file reads and writes for the picture files, with a size limit checked before
// anything is read.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tinto::gfx {

// The bytes of a regular file of at most max_bytes bytes. Anything else (a missing file, a
// folder or device, a larger file, a read error) gives nothing and, when error is given,
// a short reason.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& path,
                                                       std::uint64_t max_bytes, std::string* error);

// The same file read piece by piece: Open makes the same checks as ReadFileBytes and gives
// the same reasons; Read then gives the next bytes, never more than the size measured at
// Open, fewer only at the end of a file that shrank or on a read error (failed()).
class FileReader {
 public:
  static std::optional<FileReader> Open(const std::filesystem::path& path, std::uint64_t max_bytes,
                                        std::string* error);
  std::uint64_t size() const { return size_; }
  std::size_t Read(std::uint8_t* out, std::size_t count);
  bool failed() const { return failed_; }

 private:
  struct Closer {
    void operator()(std::FILE* f) const;
  };
  std::unique_ptr<std::FILE, Closer> file_;
  std::uint64_t size_ = 0;
  std::uint64_t read_ = 0;
  bool failed_ = false;
};

// Writes the bytes to the file, replacing it. False (with a reason) on any failure.
bool WriteFileBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                    std::string* error);

}  // namespace tinto::gfx
