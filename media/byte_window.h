// Random access to the bytes of a music file for the length probes. Reads go through a
// small window that slides along the file, so walking a long file byte by byte or frame by
// frame costs no more memory than the window, and no read ever goes past the end. A
// window reads at most kReadBudget bytes from the file in all: past that every byte is
// missing, as if the file ended, so no file (a 2 GB file of zeros, say) keeps a probe
// busy for long.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tinto::media {

class ByteWindow {
 public:
  static constexpr std::uint64_t kReadBudget = std::uint64_t{16} << 20;

  explicit ByteWindow(const std::filesystem::path& path);

  // False when the file could not be opened as a regular file.
  bool ok() const { return ok_; }
  std::uint64_t size() const { return size_; }
  // Bytes read from the file so far (at most kReadBudget plus one window).
  std::uint64_t bytes_read() const { return bytes_read_; }

  // The byte at offset, or nothing past the end of the file or on a read error.
  std::optional<std::uint8_t> At(std::uint64_t offset) {
    if (offset - start_ < filled_) return window_[offset - start_];
    return Fetch(offset);
  }

  // Copies out.size() bytes from offset; false (out unspecified) when they are not all
  // there.
  bool Read(std::uint64_t offset, std::span<std::uint8_t> out);

  // Whether the bytes at offset spell text.
  bool Matches(std::uint64_t offset, std::string_view text);

  // Little- and big-endian unsigned numbers of 2 and 4 bytes; nothing when cut off.
  std::optional<std::uint32_t> Le16(std::uint64_t offset);
  std::optional<std::uint32_t> Le32(std::uint64_t offset);
  std::optional<std::uint32_t> Be16(std::uint64_t offset);
  std::optional<std::uint32_t> Be32(std::uint64_t offset);

 private:
  std::optional<std::uint8_t> Fetch(std::uint64_t offset);

  std::ifstream file_;
  bool ok_ = false;
  std::uint64_t size_ = 0;
  std::vector<std::uint8_t> window_;
  std::uint64_t start_ = 0;   // file offset of window_[0]
  std::uint64_t filled_ = 0;  // valid bytes in window_
  std::uint64_t bytes_read_ = 0;
};

}  // namespace tinto::media
