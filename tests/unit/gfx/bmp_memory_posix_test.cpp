// What a hostile bitmap costs in memory: a per-use cap refuses a picture from its header,
// and a corrupt compressed stream is refused before the picture it claims is allocated.
// Peak memory is read from the kernel (VmHWM, reset through /proc/self/clear_refs).
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gfx/bmp.h"

namespace tinto::gfx {
namespace {

// Resets the peak resident size; false where the kernel does not allow it.
bool ResetPeak() {
  std::ofstream out("/proc/self/clear_refs");
  out << "5";
  out.close();
  return static_cast<bool>(out);
}

// The peak resident size in KiB.
long PeakKib() {
  std::ifstream in("/proc/self/status");
  std::string key;
  while (in >> key) {
    if (key == "VmHWM:") {
      long kib = 0;
      in >> kib;
      return kib;
    }
    in.ignore(1 << 12, '\n');
  }
  return 0;
}

std::vector<std::uint8_t> Bytes(const std::string& hex) {
  std::vector<std::uint8_t> out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    out.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return out;
}

void Le32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<std::uint8_t>(x >> (8 * i)));
}

// A 16384 x 16384 RLE4 picture: 3 KB of sound rows, then a row whose runs go past its end.
std::vector<std::uint8_t> CorruptRle4() {
  std::vector<std::uint8_t> v = {'B', 'M'};
  Le32(v, 0);
  Le32(v, 0);
  Le32(v, 14 + 40 + 64);
  Le32(v, 40);
  Le32(v, 16384);
  Le32(v, 16384);
  v.insert(v.end(), {1, 0, 4, 0});
  Le32(v, 2);  // RLE4
  for (int i = 0; i < 5; ++i) Le32(v, 0);
  for (int i = 0; i < 16; ++i) Le32(v, static_cast<std::uint32_t>(i * 0x111111));
  for (int row = 0; row < 18; ++row) {
    for (int i = 0; i < 80; ++i) v.insert(v.end(), {200, 0x12});
    v.insert(v.end(), {0, 0});  // end of line
  }
  for (int i = 0; i < 90; ++i) v.insert(v.end(), {200, 0x34});
  return v;
}

TEST(BmpMemory, HostileFilesCostNoPictureMemory) {
  // The 64-byte RLE8 file of 16384 x 16384 that ends its picture at once: valid, so only a
  // cap keeps it out; a movie strip of 128 frames is the cap here.
  const auto bomb = Bytes(
      "424d40000000000000003e000000280000000040000000400000010008000100000000000000130b0000130b0000"
      "020000000000"
      "000010203000102030000001");
  const auto corrupt = CorruptRle4();
  if (!ResetPeak()) GTEST_SKIP() << "the kernel does not let the peak be reset";
  const long before = PeakKib();
  std::string error;
  EXPECT_FALSE(DecodeBmp(bomb, &error, std::int64_t{214} * 160 * 128));
  EXPECT_EQ(error, "picture too large");
  EXPECT_FALSE(DecodeBmp(corrupt, &error));
  EXPECT_EQ(error, "RLE run goes past the end of a row");
  EXPECT_LT(PeakKib() - before, 16 * 1024) << "KiB";
}

TEST(BmpMemory, FileReadsFollowTheCap) {
  // A file far larger than any picture of the cap is refused before it is read.
  const std::string path = ::testing::TempDir() + "/big-strip.bmp";
  {
    std::ofstream out(path, std::ios::binary);
    const auto bomb = Bytes("424d40000000000000003e00000028000000");
    out.write(reinterpret_cast<const char*>(bomb.data()),
              static_cast<std::streamsize>(bomb.size()));
  }
  std::filesystem::resize_file(path, std::uintmax_t{64} << 20);  // sparse
  std::string error;
  EXPECT_FALSE(LoadBmpFile(path, &error, std::int64_t{148} * 108 * 256));
  EXPECT_FALSE(error.empty());
  std::filesystem::remove(path);
}

TEST(BmpMemory, AStripOneFrameOverTheCapIsRefusedWithoutReadingIt) {
  // A 32-bit movie strip of 129 frames against the cap of 128: within the file size the
  // cap allows, refused by its header alone, so its 17 MB of pixels are never read.
  const std::int64_t cap = std::int64_t{214} * 160 * 128;
  const std::uint32_t width = 214 * 129, height = 160;
  const std::string path = ::testing::TempDir() + "/strip-over-cap.bmp";
  {
    std::vector<std::uint8_t> head = {'B', 'M'};
    Le32(head, 54 + width * height * 4);
    Le32(head, 0);
    Le32(head, 54);
    Le32(head, 40);
    Le32(head, width);
    Le32(head, height);
    head.insert(head.end(), {1, 0, 32, 0});
    for (int i = 0; i < 6; ++i) Le32(head, 0);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(head.data()),
              static_cast<std::streamsize>(head.size()));
  }
  std::filesystem::resize_file(path, 54 + std::uintmax_t{width} * height * 4);  // sparse
  if (!ResetPeak()) GTEST_SKIP() << "the kernel does not let the peak be reset";
  const long before = PeakKib();
  std::string error;
  EXPECT_FALSE(LoadBmpFile(path, &error, cap));
  EXPECT_EQ(error, "picture too large");
  EXPECT_LT(PeakKib() - before, 4 * 1024) << "KiB";
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace tinto::gfx
