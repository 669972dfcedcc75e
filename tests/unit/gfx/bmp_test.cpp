// The BMP reader on hand-made files (every pixel layout, damaged headers and data), and
// the 24-bit writer.
#include "gfx/bmp.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <optional>
#include <random>
#include <span>

#include "bmp_fixture.h"

namespace tinto::gfx {
namespace {

using testing::BmpSpec;
using testing::MakeBmp;
using testing::MakePicture;

constexpr Pixel R = 0xFF0000, G = 0x00FF00, B = 0x0000FF, W = 0xFFFFFF, K = 0x000000;
constexpr Pixel C1 = 0x102030, C2 = 0x405060, C3 = 0x708090, C4 = 0xA0B0C0, C5 = 0xD0E0F0;

struct GoodCase {
  const char* name;
  BmpSpec spec;
  Bitmap want;
};

TEST(Bmp, DecodesEveryPixelLayout) {
  const std::vector<Pixel> pal6 = {K, C1, C2, C3, C4, C5};
  const GoodCase cases[] = {
      {"1 bit, most significant bit first, rows bottom-up, padded to 4 bytes",
       {.width = 10,
        .height = 2,
        .bpp = 1,
        .palette = {R, G},
        .pixels = {0b10110000, 0b01000000, 0xFF, 0xFF, 0b01000000, 0b00000000, 0, 0}},
       MakePicture(10, 2, {R, G, R, R, R, R, R, R, R, R,     // top
                           G, R, G, G, R, R, R, R, R, G})},  // bottom
      {"2 bits",
       {.width = 3, .bpp = 2, .palette = {C1, C2, C3, C4}, .pixels = {0b00011011, 0, 0, 0}},
       MakePicture(3, 1, {C1, C2, C3})},
      {"4 bits",
       {.width = 3, .bpp = 4, .palette = pal6, .pixels = {0x12, 0x30, 0, 0}},
       MakePicture(3, 1, {C1, C2, C3})},
      {"8 bits, an index beyond the palette is black",
       {.width = 3, .bpp = 8, .colours_used = 2, .palette = {C1, C2}, .pixels = {1, 0, 5, 0}},
       MakePicture(3, 1, {C2, C1, K})},
      {"8 bits, fewer entries stored than declared: the missing ones are black",
       {.width = 3, .bpp = 8, .colours_used = 0, .palette = {C1, C2}, .pixels = {1, 0, 200, 0}},
       MakePicture(3, 1, {C2, C1, K})},
      {"8 bits, more colours declared than 256: the first 256 count",
       {.width = 1, .bpp = 8, .colours_used = 100000, .palette = {C1, C2}, .pixels = {1, 0, 0, 0}},
       MakePicture(1, 1, {C2})},
      {"16 bits uncompressed are 5-5-5, top bit ignored",
       {.width = 4, .bpp = 16, .pixels = {0xFF, 0x7F, 0x00, 0x7C, 0x01, 0x00, 0x00, 0x80}},
       MakePicture(4, 1, {W, R, 0x000008, K})},
      {"16 bits with 5-6-5 masks after the header",
       {.width = 3,
        .bpp = 16,
        .compression = 3,
        .masks = {0xF800, 0x07E0, 0x001F},
        .pixels = {0xFF, 0xFF, 0xE0, 0x07, 0x20, 0x00, 0, 0}},
       MakePicture(3, 1, {W, G, 0x000400})},
      {"32 bits with 10-bit masks in a V5 header",
       {.header_size = 124,
        .width = 2,
        .bpp = 32,
        .compression = 3,
        .masks = {0x3FF00000, 0x000FFC00, 0x000003FF, 0xC0000000},
        .pixels = {0xFF, 0x03, 0xF0, 0x3F, 0x00, 0x00, 0x00, 0x20}},
       MakePicture(2, 1, {0xFF00FF, 0x800000})},
      {"32 bits with alpha bit fields: alpha ignored",
       {.width = 1,
        .bpp = 32,
        .compression = 6,
        .masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000},
        .pixels = {0x11, 0x22, 0x33, 0x44}},
       MakePicture(1, 1, {0x112233})},
      {"32 bits uncompressed: blue, green, red, ignored",
       {.width = 1, .bpp = 32, .pixels = {0x30, 0x20, 0x10, 0x99}},
       MakePicture(1, 1, {0x102030})},
      {"24 bits top-down",
       {.width = 1, .height = -2, .pixels = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0}},
       MakePicture(1, 2, {R, G})},
      {"core header: 16-bit sizes, three-byte palette",
       {.header_size = 12,
        .width = 2,
        .height = 2,
        .bpp = 8,
        .palette = {C1, C2, C3},
        .pixels = {0, 1, 0, 0, 2, 0, 0, 0}},
       MakePicture(2, 2,
                   {C3, C1,     // top
                    C1, C2})},  // bottom
      {"OS/2 2.x header of 16 bytes",
       {.header_size = 16, .width = 1, .pixels = {0x30, 0x20, 0x10, 0}},
       MakePicture(1, 1, {0x102030})},
      {"OS/2 2.x header of 64 bytes, 4 bits",
       {.header_size = 64, .width = 2, .bpp = 4, .palette = pal6, .pixels = {0x54, 0, 0, 0}},
       MakePicture(2, 1, {C5, C4})},
      {"V4 header, masks ignored without bit-field compression",
       {.header_size = 108,
        .width = 1,
        .bpp = 32,
        .masks = {0xFF, 0xFF00, 0xFF0000},
        .pixels = {0x30, 0x20, 0x10, 0}},
       MakePicture(1, 1, {0x102030})},
      {"the last row may lack its padding",
       {.width = 1, .height = 2, .pixels = {0, 0, 0xFF, 0, 0, 0xFF, 0}},
       MakePicture(1, 2, {G, R})},
      {"RLE8: runs, an absolute run with its pad, a delta, skipped pixels black",
       {.width = 4,
        .height = 3,
        .bpp = 8,
        .compression = 1,
        .palette = pal6,
        .pixels = {3, 1, 1, 2, 0, 0,  // bottom row: 1 1 1 2
                   0, 3, 2, 1, 2, 0,  // middle row: 2 1 2, padded
                   0, 2, 0, 1,        // delta: up one row
                   1, 3, 0, 1}},      // one 3 at column 3, end of picture
       MakePicture(4, 3,
                   {K, K, K, C3,        // top
                    C2, C1, C2, K,      // middle
                    C1, C1, C1, C2})},  // bottom
      {"RLE4: nibbles in turn, odd absolute run, early end of line",
       {.width = 5,
        .height = 3,
        .bpp = 4,
        .compression = 2,
        .palette = pal6,
        .pixels = {5, 0x12, 0, 0,           // bottom row: 1 2 1 2 1
                   0, 3, 0x34, 0x50, 0, 0,  // middle row: 3 4 5, rest black
                   2, 0x55, 0, 1}},
       MakePicture(5, 3,
                   {C5, C5, K, K, K,        // top
                    C3, C4, C5, K, K,       // middle
                    C1, C2, C1, C2, C1})},  // bottom
      {"RLE8 without an end marker, but every row reached",
       {.width = 1,
        .height = 2,
        .bpp = 8,
        .compression = 1,
        .palette = pal6,
        .pixels = {1, 1, 0, 0, 1, 2, 0, 0}},
       MakePicture(1, 2, {C2, C1})},
  };
  for (const GoodCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string error;
    const auto bytes = MakeBmp(c.spec);
    const auto got = DecodeBmp(bytes, &error);
    ASSERT_TRUE(got) << error;
    EXPECT_EQ(*got, c.want);
    const auto info = ReadBmpInfo(bytes);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->width, c.want.width());
    EXPECT_EQ(info->height, c.want.height());
    EXPECT_EQ(info->bits_per_pixel, c.spec.bpp);
    EXPECT_EQ(info->top_down, c.spec.height < 0);
  }
}

TEST(Bmp, MaskChannelsExpandToExactlyEightBits) {
  // Every value of every mask width from 1 to 16 bits, in 32-bit pixels with the channel in
  // red: each becomes the nearest of 0..255 on the scale where the largest value is 255.
  for (int bits = 1; bits <= 16; ++bits) {
    const std::uint32_t max = (1u << bits) - 1;
    const int count = static_cast<int>(max) + 1;
    BmpSpec spec{.width = count, .bpp = 32, .compression = 3, .masks = {max << 8, 0x80, 0x40}};
    for (std::uint32_t v = 0; v <= max; ++v) {
      const std::uint32_t raw = v << 8;
      for (int i = 0; i < 4; ++i) spec.pixels.push_back(static_cast<std::uint8_t>(raw >> (8 * i)));
    }
    const auto got = DecodeBmp(MakeBmp(spec));
    ASSERT_TRUE(got) << bits;
    for (std::uint32_t v = 0; v <= max; ++v) {
      const int want = static_cast<int>((v * 255.0) / max + 0.5);
      ASSERT_EQ(RedOf(got->at(static_cast<int>(v), 0)), want) << bits << " bits, value " << v;
    }
  }
}

struct BadCase {
  const char* name;
  std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, std::size_t drop) {
  bytes.resize(bytes.size() - drop);
  return bytes;
}

TEST(Bmp, RefusesDamagedFilesWithAReason) {
  const std::vector<Pixel> pal = {K, C1, C2};
  const std::vector<std::uint8_t> rgb1 = {1, 2, 3, 0};
  const auto rle8 = [&](std::vector<std::uint8_t> data, int width = 4, int height = 2) {
    return MakeBmp({.width = width,
                    .height = height,
                    .bpp = 8,
                    .compression = 1,
                    .palette = pal,
                    .pixels = std::move(data)});
  };
  const BadCase cases[] = {
      {"empty", {}},
      {"no signature", {'M', 'B', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0}},
      {"only a file header", {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0}},
      {"cut inside the info header", Cut(MakeBmp({.pixels = rgb1}), 20)},
      {"unknown header size 41", MakeBmp({.header_size = 41, .pixels = rgb1})},
      {"zero width", MakeBmp({.width = 0, .pixels = rgb1})},
      {"negative width", MakeBmp({.width = -1, .pixels = rgb1})},
      {"zero height", MakeBmp({.height = 0, .pixels = rgb1})},
      {"too many pixels", MakeBmp({.width = 100000, .height = 100000, .pixels = rgb1})},
      {"largest width and most negative height",
       MakeBmp({.width = INT_MAX, .height = INT_MIN, .pixels = rgb1})},
      {"core header too many pixels",
       MakeBmp({.header_size = 12, .width = 65535, .height = 65535})},
      {"two planes", MakeBmp({.planes = 2, .pixels = rgb1})},
      {"3 bits per pixel", MakeBmp({.bpp = 3, .palette = pal, .pixels = rgb1})},
      {"64 bits per pixel", MakeBmp({.bpp = 64, .pixels = {1, 2, 3, 4, 5, 6, 7, 8}})},
      {"0 bits per pixel", MakeBmp({.bpp = 0, .pixels = rgb1})},
      {"embedded JPEG", MakeBmp({.compression = 4, .pixels = rgb1})},
      {"embedded PNG", MakeBmp({.compression = 5, .pixels = rgb1})},
      {"unknown compression", MakeBmp({.compression = 7, .pixels = rgb1})},
      {"OS/2 Huffman", MakeBmp({.header_size = 64, .bpp = 1, .compression = 3, .palette = pal})},
      {"RLE8 with 4 bits", MakeBmp({.bpp = 4, .compression = 1, .palette = pal, .pixels = {0, 1}})},
      {"RLE4 with 8 bits", MakeBmp({.bpp = 8, .compression = 2, .palette = pal, .pixels = {0, 1}})},
      {"RLE top-down",
       MakeBmp({.height = -1, .bpp = 8, .compression = 1, .palette = pal, .pixels = {1, 1, 0, 1}})},
      {"bit fields with 24 bits",
       MakeBmp({.bpp = 24, .compression = 3, .masks = {0xFF0000, 0xFF00, 0xFF}, .pixels = rgb1})},
      {"mask not contiguous",
       MakeBmp({.bpp = 32, .compression = 3, .masks = {0xF0F00000, 0xFF00, 0xFF}, .pixels = rgb1})},
      {"masks overlap",
       MakeBmp(
           {.bpp = 32, .compression = 3, .masks = {0xFFFF0000, 0x00FFFF00, 0xFF}, .pixels = rgb1})},
      {"a mask is empty",
       MakeBmp({.bpp = 16, .compression = 3, .masks = {0xF800, 0x07E0, 0}, .pixels = rgb1})},
      {"16-bit mask beyond the pixel",
       MakeBmp({.bpp = 16, .compression = 3, .masks = {0x1F0000, 0x07E0, 0x1F}, .pixels = rgb1})},
      {"file ends inside the masks",
       Cut(MakeBmp({.bpp = 32, .compression = 3, .masks = {0xFF0000, 0xFF00, 0xFF}}), 6)},
      {"pixel offset inside the header", MakeBmp({.pixels = rgb1, .pixel_offset = 20})},
      {"palette missing", MakeBmp({.bpp = 8, .pixels = {0, 0, 0, 0}})},
      {"palette cut by the end of the file",
       MakeBmp({.bpp = 8, .palette = {}, .pixels = {}, .pixel_offset = 54 + 1024})},
      {"pixel offset past the end", MakeBmp({.pixels = rgb1, .pixel_offset = 1000})},
      {"uncompressed data short by one pixel byte",
       MakeBmp({.width = 2, .height = 2, .pixels = {1, 2, 3, 4, 5, 6, 0, 0, 1, 2, 3, 4, 5}})},
      {"RLE data missing", rle8({})},
      {"RLE run past the end of a row", rle8({5, 1, 0, 1})},
      {"RLE run continuing a full row", rle8({4, 1, 1, 1, 0, 1})},
      {"RLE absolute run past the end of a row", rle8({0, 5, 1, 1, 1, 1, 1, 0, 0, 1})},
      {"RLE delta past the right edge", rle8({0, 2, 5, 0, 0, 1})},
      {"RLE delta past the last row", rle8({0, 2, 0, 2, 0, 1})},
      {"RLE end of line past the last row", rle8({0, 0, 0, 0, 0, 0, 1, 1, 0, 1})},
      {"RLE run after the last row", rle8({0, 0, 0, 0, 1, 1, 0, 1})},
      {"RLE data ending inside a delta", rle8({1, 1, 0, 2, 1})},
      {"RLE data ending inside an absolute run", rle8({0, 4, 1, 1})},
      {"RLE data ending before the picture is complete", rle8({4, 1, 0, 0, 1, 1})},
      {"RLE data ending on an odd byte", rle8({4, 1, 0})},
      {"RLE4 run past the end of a row",
       MakeBmp(
           {.width = 3, .bpp = 4, .compression = 2, .palette = pal, .pixels = {4, 0x12, 0, 1}})},
  };
  for (const BadCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string error;
    EXPECT_FALSE(DecodeBmp(c.bytes, &error));
    EXPECT_FALSE(error.empty());
  }
}

TEST(Bmp, InfoIsRefusedForHeadersTheDecoderRefuses) {
  EXPECT_FALSE(ReadBmpInfo({}));
  EXPECT_FALSE(ReadBmpInfo(MakeBmp({.width = 100000, .height = 100000})));
  EXPECT_FALSE(ReadBmpInfo(MakeBmp({.header_size = 66})));
  const auto top_down = ReadBmpInfo(MakeBmp({.width = 7, .height = -5, .bpp = 16}));
  ASSERT_TRUE(top_down);
  EXPECT_EQ(top_down->width, 7);
  EXPECT_EQ(top_down->height, 5);
  EXPECT_EQ(top_down->bits_per_pixel, 16);
  EXPECT_TRUE(top_down->top_down);
}

Bitmap RandomPicture(int width, int height, std::uint32_t seed) {
  std::mt19937 rng(seed);
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) b.set(x, y, rng() & 0xFFFFFF);
  }
  return b;
}

std::uint32_t Le32(const std::vector<std::uint8_t>& d, std::size_t at) {
  return d[at] | (d[at + 1] << 8) | (d[at + 2] << 16) |
         (static_cast<std::uint32_t>(d[at + 3]) << 24);
}

TEST(Bmp, EncodedFilesAreBottomUp24BitAndDecodeExactly) {
  for (int width = 1; width <= 5; ++width) {  // every row padding
    for (int height = 1; height <= 3; ++height) {
      const Bitmap picture =
          RandomPicture(width, height, static_cast<std::uint32_t>(width * 10 + height));
      const auto bytes = EncodeBmp24(picture);
      const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
      ASSERT_EQ(bytes.size(), 54 + stride * static_cast<std::size_t>(height));
      EXPECT_EQ(bytes[0], 'B');
      EXPECT_EQ(bytes[1], 'M');
      EXPECT_EQ(Le32(bytes, 2), bytes.size());
      EXPECT_EQ(Le32(bytes, 10), 54u);
      EXPECT_EQ(Le32(bytes, 14), 40u);
      EXPECT_EQ(Le32(bytes, 18), static_cast<std::uint32_t>(width));
      EXPECT_EQ(Le32(bytes, 22), static_cast<std::uint32_t>(height));  // positive: bottom-up
      EXPECT_EQ(Le32(bytes, 26), 1u | (24u << 16));                    // planes, bits
      EXPECT_EQ(Le32(bytes, 30), 0u);                                  // uncompressed
      EXPECT_EQ(Le32(bytes, 34), stride * static_cast<std::size_t>(height));
      EXPECT_NEAR(Le32(bytes, 38), 3780, 2);  // 96 dots per inch
      EXPECT_NEAR(Le32(bytes, 42), 3780, 2);
      // The first stored pixel is the bottom-left one, blue first.
      const Pixel bottom_left = picture.at(0, height - 1);
      EXPECT_EQ(bytes[54], BlueOf(bottom_left));
      EXPECT_EQ(bytes[56], RedOf(bottom_left));
      const auto back = DecodeBmp(bytes);
      ASSERT_TRUE(back);
      EXPECT_EQ(*back, picture);
    }
  }
}

TEST(Bmp, FilesAreSavedAndLoadedOrRefusedWithAReason) {
  const auto dir = std::filesystem::path(TINTO_BINARY_DIR) / "bmp_test_files";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const Bitmap picture = RandomPicture(33, 17, 7);
  std::string error;
  ASSERT_TRUE(SaveBmp24(dir / "saved.bmp", picture, &error)) << error;
  const auto loaded = LoadBmpFile(dir / "saved.bmp", &error);
  ASSERT_TRUE(loaded) << error;
  EXPECT_EQ(*loaded, picture);

  // Saving replaces an existing file.
  const Bitmap other = RandomPicture(2, 2, 8);
  ASSERT_TRUE(SaveBmp24(dir / "saved.bmp", other, &error)) << error;
  EXPECT_EQ(LoadBmpFile(dir / "saved.bmp"), other);

  error.clear();
  EXPECT_FALSE(SaveBmp24(dir / "no such folder" / "x.bmp", picture, &error));
  EXPECT_FALSE(error.empty());
  error.clear();
  EXPECT_FALSE(SaveBmp24(dir / "empty.bmp", Bitmap(), &error));
  EXPECT_FALSE(error.empty());

  for (const auto& path : {dir / "missing.bmp", dir}) {
    error.clear();
    EXPECT_FALSE(LoadBmpFile(path, &error));
    EXPECT_FALSE(error.empty());
  }
  // A file far larger than any acceptable picture is refused without being read (it is
  // sparse, so making it costs nothing).
  std::filesystem::resize_file(dir / "saved.bmp", std::uintmax_t{8} << 30);
  error.clear();
  EXPECT_FALSE(LoadBmpFile(dir / "saved.bmp", &error));
  EXPECT_FALSE(error.empty());
  std::filesystem::remove_all(dir);
}

// Pictures past a megabyte are read row by row: each loads from its file exactly as its
// bytes decode in memory, also cut short at any point, also with the pixel data starting
// early or late, top-down, masked and indexed.
TEST(Bmp, LargeFilesLoadAsTheirBytesDecode) {
  const auto dir = std::filesystem::path(TINTO_BINARY_DIR) / "bmp_large_files";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  std::mt19937 rng(5);
  struct Case {
    std::uint16_t bpp;
    std::int32_t width, height;
    std::uint32_t compression;
    std::vector<std::uint32_t> masks;
    std::optional<std::uint32_t> pixel_offset;
  };
  const std::vector<Case> cases = {
      {24, 701, 600, 0, {}, std::nullopt},
      {24, 700, -600, 0, {}, std::nullopt},
      {24, 700, 600, 0, {}, 40},  // pixel data said to start inside the headers
      {32, 640, 500, 3, {0xFF0000, 0xFF00, 0xFF}, std::nullopt},
      {16, 1001, 700, 3, {0x7C00, 0x3E0, 0x1F}, std::nullopt},
      {8, 1500, 900, 0, {}, std::nullopt},
      {24, 600, 600, 0, {}, (1u << 20) + 10},  // pixel data past the first megabyte
  };
  for (const Case& c : cases) {
    testing::BmpSpec spec{.width = c.width,
                          .height = c.height,
                          .bpp = c.bpp,
                          .compression = c.compression,
                          .masks = c.masks,
                          .pixel_offset = c.pixel_offset};
    if (c.bpp == 8)
      for (int i = 0; i < 256; ++i) spec.palette.push_back(static_cast<Pixel>(rng() & 0xFFFFFF));
    const std::size_t stride = (static_cast<std::size_t>(c.width) * c.bpp + 31) / 32 * 4;
    spec.pixels.resize(stride * static_cast<std::size_t>(c.height < 0 ? -c.height : c.height));
    for (auto& b : spec.pixels) b = static_cast<std::uint8_t>(rng());
    const std::vector<std::uint8_t> bytes = testing::MakeBmp(spec);
    ASSERT_GT(bytes.size(), std::size_t{1} << 20);
    for (const std::size_t keep : {bytes.size(), bytes.size() - 1, bytes.size() - stride,
                                   bytes.size() / 2, (std::size_t{1} << 20) + 1}) {
      const auto path = dir / "large.bmp";
      std::ofstream(path, std::ios::binary)
          .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(keep));
      std::string file_error, memory_error;
      const auto from_file = LoadBmpFile(path, &file_error);
      const auto in_memory =
          DecodeBmp(std::span<const std::uint8_t>(bytes.data(), keep), &memory_error);
      ASSERT_EQ(from_file.has_value(), in_memory.has_value()) << c.bpp << " " << keep;
      if (from_file) {
        EXPECT_TRUE(*from_file == *in_memory) << c.bpp << " " << keep;
      }
      EXPECT_EQ(file_error, memory_error) << c.bpp << " " << keep;
    }
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tinto::gfx
