// The sliding read window of the length probes (see byte_window.h).
#include "media/byte_window.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <system_error>

namespace tinto::media {

namespace {

constexpr std::size_t kWindowBytes = std::size_t{64} * 1024;

}  // namespace

ByteWindow::ByteWindow(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return;
  file_.open(path, std::ios::binary);
  if (!file_) return;
  size_ = size;
  window_.resize(kWindowBytes);
  ok_ = true;
}

std::optional<std::uint8_t> ByteWindow::Fetch(std::uint64_t offset) {
  if (!ok_ || offset >= size_ || bytes_read_ >= kReadBudget) return std::nullopt;
  // Start the window well before the byte asked for: a probe that looks a few frames
  // ahead and then steps back finds the bytes it left still in the window, instead of
  // refilling it twice for every byte it scans.
  const std::uint64_t back = std::min<std::uint64_t>(offset, kWindowBytes / 4);
  start_ = offset - back;
  filled_ = 0;
  file_.clear();
  file_.seekg(static_cast<std::streamoff>(start_));
  if (!file_) return std::nullopt;
  file_.read(reinterpret_cast<char*>(window_.data()), static_cast<std::streamsize>(window_.size()));
  filled_ = static_cast<std::uint64_t>(file_.gcount());
  bytes_read_ += filled_;
  if (offset - start_ < filled_) return window_[offset - start_];
  return std::nullopt;
}

bool ByteWindow::Read(std::uint64_t offset, std::span<std::uint8_t> out) {
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto byte = At(offset + i);
    if (!byte) return false;
    out[i] = *byte;
  }
  return true;
}

bool ByteWindow::Matches(std::uint64_t offset, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = At(offset + i);
    if (!byte || *byte != static_cast<unsigned char>(text[i])) return false;
  }
  return true;
}

namespace {

template <std::size_t N>
std::optional<std::array<std::uint8_t, N>> Bytes(ByteWindow& bytes, std::uint64_t offset) {
  std::array<std::uint8_t, N> out{};
  if (!bytes.Read(offset, out)) return std::nullopt;
  return out;
}

}  // namespace

std::optional<std::uint32_t> ByteWindow::Le16(std::uint64_t offset) {
  const auto b = Bytes<2>(*this, offset);
  if (!b) return std::nullopt;
  return std::uint32_t{(*b)[0]} | std::uint32_t{(*b)[1]} << 8;
}

std::optional<std::uint32_t> ByteWindow::Le32(std::uint64_t offset) {
  const auto b = Bytes<4>(*this, offset);
  if (!b) return std::nullopt;
  return std::uint32_t{(*b)[0]} | std::uint32_t{(*b)[1]} << 8 | std::uint32_t{(*b)[2]} << 16 |
         std::uint32_t{(*b)[3]} << 24;
}

std::optional<std::uint32_t> ByteWindow::Be16(std::uint64_t offset) {
  const auto b = Bytes<2>(*this, offset);
  if (!b) return std::nullopt;
  return std::uint32_t{(*b)[0]} << 8 | std::uint32_t{(*b)[1]};
}

std::optional<std::uint32_t> ByteWindow::Be32(std::uint64_t offset) {
  const auto b = Bytes<4>(*this, offset);
  if (!b) return std::nullopt;
  return std::uint32_t{(*b)[0]} << 24 | std::uint32_t{(*b)[1]} << 16 | std::uint32_t{(*b)[2]} << 8 |
         std::uint32_t{(*b)[3]};
}

}  // namespace tinto::media
