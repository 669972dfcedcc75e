// The JPEG decoder on pictures made here with libjpeg's compressor, on damaged copies of
// them, and on known-bad files of other readers.
#include "gfx/jpeg.h"

#include <gtest/gtest.h>
#include <jpeglib.h>

#include <cstdio>
#include <fstream>
#include <random>

#include "bmp_fixture.h"
#include "test_files.h"

namespace tinto::gfx {
namespace {

enum class Kind { kColour, kGrey, kProgressive, kInvertedCmyk };

// A smooth picture: red grows to the right, green downwards, blue along the diagonal.
Bitmap Gradient(int width, int height) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      b.set(x, y,
            MakePixel(x * 255 / (width - 1), y * 255 / (height - 1),
                      (x + y) * 255 / (width + height - 2)));
    }
  }
  return b;
}

int Grey(Pixel p) {
  return (RedOf(p) + GreenOf(p) + BlueOf(p)) / 3;
}

// Compresses the picture with libjpeg. CMYK is written the way Adobe's programs write it:
// inverted, with an Adobe marker; here the key is 255 (no black ink), so the stored
// components are the red, green and blue of the picture.
std::vector<std::uint8_t> EncodeJpeg(const Bitmap& picture, Kind kind, int quality = 95) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(picture.width());
  cinfo.image_height = static_cast<JDIMENSION>(picture.height());
  const int components = kind == Kind::kGrey ? 1 : kind == Kind::kInvertedCmyk ? 4 : 3;
  cinfo.input_components = components;
  cinfo.in_color_space = kind == Kind::kGrey           ? JCS_GRAYSCALE
                         : kind == Kind::kInvertedCmyk ? JCS_CMYK
                                                       : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  if (kind == Kind::kProgressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(picture.width() * components));
  while (cinfo.next_scanline < cinfo.image_height) {
    const int y = static_cast<int>(cinfo.next_scanline);
    for (int x = 0; x < picture.width(); ++x) {
      const Pixel p = picture.at(x, y);
      JSAMPLE* out = row.data() + x * components;
      if (kind == Kind::kGrey) {
        out[0] = static_cast<JSAMPLE>(Grey(p));
        continue;
      }
      out[0] = static_cast<JSAMPLE>(RedOf(p));
      out[1] = static_cast<JSAMPLE>(GreenOf(p));
      out[2] = static_cast<JSAMPLE>(BlueOf(p));
      if (kind == Kind::kInvertedCmyk) out[3] = 255;
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return bytes;
}

int WorstError(const Bitmap& got, const Bitmap& want, bool grey) {
  int worst = 0;
  for (int y = 0; y < want.height(); ++y) {
    for (int x = 0; x < want.width(); ++x) {
      const Pixel g = got.at(x, y);
      const Pixel w = want.at(x, y);
      if (grey) {
        worst = std::max(worst, std::abs(RedOf(g) - Grey(w)));
      } else {
        worst = std::max({worst, std::abs(RedOf(g) - RedOf(w)), std::abs(GreenOf(g) - GreenOf(w)),
                          std::abs(BlueOf(g) - BlueOf(w))});
      }
    }
  }
  return worst;
}

TEST(Jpeg, DecodesColourGreyProgressiveAndCmykPictures) {
  const struct {
    const char* name;
    Kind kind;
    int width, height;
  } cases[] = {
      {"colour", Kind::kColour, 64, 48},
      {"colour, odd size", Kind::kColour, 37, 13},
      {"grey", Kind::kGrey, 33, 17},
      {"progressive", Kind::kProgressive, 64, 48},
      {"inverted CMYK", Kind::kInvertedCmyk, 40, 24},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Bitmap picture = Gradient(c.width, c.height);
    std::string error;
    const auto got = DecodeJpeg(EncodeJpeg(picture, c.kind), &error);
    ASSERT_TRUE(got) << error;
    ASSERT_EQ(got->size(), picture.size());
    EXPECT_LE(WorstError(*got, picture, c.kind == Kind::kGrey), 16);
    if (c.kind == Kind::kGrey) {
      for (const Pixel p : got->pixels()) {
        ASSERT_TRUE(RedOf(p) == GreenOf(p) && GreenOf(p) == BlueOf(p));
      }
    }
    EXPECT_EQ(got->at(0, 0) & 0xFF000000u, 0u);  // nothing above the colour bits
  }
}

// Positions of the size fields of the first start-of-frame marker.
std::size_t FrameHeader(const std::vector<std::uint8_t>& jpeg) {
  for (std::size_t i = 0; i + 9 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) return i;
  }
  ADD_FAILURE() << "no frame header";
  return 0;
}

std::vector<std::uint8_t> WithSize(std::vector<std::uint8_t> jpeg, int width, int height) {
  const std::size_t sof = FrameHeader(jpeg);
  jpeg[sof + 5] = static_cast<std::uint8_t>(height >> 8);
  jpeg[sof + 6] = static_cast<std::uint8_t>(height);
  jpeg[sof + 7] = static_cast<std::uint8_t>(width >> 8);
  jpeg[sof + 8] = static_cast<std::uint8_t>(width);
  return jpeg;
}

TEST(Jpeg, RefusesWhatIsNotAWholePicture) {
  const auto good = EncodeJpeg(Gradient(64, 48), Kind::kColour);
  const auto bmp = testing::MakeBmp({.pixels = {1, 2, 3, 0}});
  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"empty", {}},
      {"one byte", {0xFF}},
      {"start of image only", {0xFF, 0xD8}},
      {"start and end of image", {0xFF, 0xD8, 0xFF, 0xD9}},
      {"a bitmap file", bmp},
      {"absurd size", WithSize(good, 65535, 65535)},
      {"over the pixel limit", WithSize(good, 30000, 30000)},
      {"zero height", WithSize(good, 64, 0)},
      {"zero width", WithSize(good, 0, 48)},
      {"wider than the data", WithSize(good, 4000, 48)},
      {"cut before the end marker", {good.begin(), good.end() - 2}},
      {"trailing half of the data lost",
       {good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string error;
    EXPECT_FALSE(DecodeJpeg(c.bytes, &error));
    EXPECT_FALSE(error.empty());
  }
  std::string error;
  EXPECT_TRUE(DecodeJpeg(good, &error)) << error;
}

// Every strict prefix fails: libjpeg only warns about a file cut short, and fills the rest
// with grey, which the decoder refuses. Each prefix is its own exact allocation, so that
// a read past its end would be caught by the address sanitizer.
TEST(Jpeg, TruncatedFilesFail) {
  for (const Kind kind : {Kind::kColour, Kind::kProgressive}) {
    const auto good = EncodeJpeg(Gradient(48, 32), kind);
    for (std::size_t len = 0; len < good.size(); len += (len < 700 ? 1 : 13)) {
      const std::vector<std::uint8_t> prefix(good.begin(),
                                             good.begin() + static_cast<std::ptrdiff_t>(len));
      std::string error;
      ASSERT_FALSE(DecodeJpeg(prefix, &error)) << len;
      ASSERT_FALSE(error.empty()) << len;
    }
  }
}

TEST(Jpeg, RandomlyDamagedFilesNeverHarm) {
  std::mt19937 rng(1234567);
  int decoded = 0;
  int refused = 0;
  for (const Kind kind : {Kind::kColour, Kind::kGrey, Kind::kProgressive}) {
    const auto original = EncodeJpeg(Gradient(48, 32), kind, 80);
    for (int round = 0; round < 400; ++round) {
      auto bytes = original;
      const int changes = 1 + static_cast<int>(rng() % 3);
      for (int i = 0; i < changes; ++i) {
        bytes[rng() % bytes.size()] = static_cast<std::uint8_t>(rng());
      }
      std::string error;
      const auto got = DecodeJpeg(bytes, &error);
      if (got) {
        ++decoded;
        ASSERT_LE(std::int64_t{got->width()} * got->height(), Bitmap::kMaxPixels);
      } else {
        ++refused;
        ASSERT_FALSE(error.empty());
      }
    }
  }
  // Both outcomes occur, so the damage reaches both the headers and the data.
  EXPECT_GT(decoded, 0);
  EXPECT_GT(refused, 0);
}

TEST(Jpeg, FilesAreLoadedOrRefusedWithAReason) {
  const auto dir = std::filesystem::path(TINTO_BINARY_DIR) / "jpeg_test_files";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const auto bytes = EncodeJpeg(Gradient(32, 24), Kind::kColour);
  {
    std::ofstream out(dir / "wall.jpg", std::ios::binary);
    ASSERT_TRUE(out.is_open());
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  std::string error;
  const auto loaded = LoadJpegFile(dir / "wall.jpg", &error);
  ASSERT_TRUE(loaded) << error;
  EXPECT_EQ(*loaded, *DecodeJpeg(bytes));
  for (const auto& path : {dir / "missing.jpg", dir}) {
    error.clear();
    EXPECT_FALSE(LoadJpegFile(path, &error));
    EXPECT_FALSE(error.empty());
  }
  std::filesystem::resize_file(dir / "wall.jpg", std::uintmax_t{1} << 30);  // sparse
  error.clear();
  EXPECT_FALSE(LoadJpegFile(dir / "wall.jpg", &error));
  EXPECT_FALSE(error.empty());
  std::filesystem::remove_all(dir);
}

TEST(Jpeg, EachUseCapsThePictureSize) {
  // The wallpaper gallery reads nothing above 640 x 480; a progressive picture just over
  // it is refused from its header, one at the cap decodes whole.
  constexpr std::int64_t kWallpaperCap = std::int64_t{640} * 480;
  for (const Kind kind : {Kind::kColour, Kind::kProgressive}) {
    Bitmap over(641, 480, MakePixel(10, 200, 30));
    std::string error;
    EXPECT_FALSE(DecodeJpeg(EncodeJpeg(over, kind), &error, kWallpaperCap));
    EXPECT_EQ(error, "picture too large");
    Bitmap at(640, 480, MakePixel(10, 200, 30));
    const auto got = DecodeJpeg(EncodeJpeg(at, kind), &error, kWallpaperCap);
    ASSERT_TRUE(got) << error;
    EXPECT_EQ(got->size(), (Size{640, 480}));
  }
}

TEST(Jpeg, KnownBadFilesOfOtherReadersNeverHarm) {
  const auto dir = testing::PixbufTestDir();
  if (!std::filesystem::is_directory(dir)) GTEST_SKIP() << "gdk-pixbuf-tests not installed";
  const auto files = testing::FilesIn(dir, {".jpg", ".jpeg"}, true);
  ASSERT_FALSE(files.empty());
  for (const auto& path : files) {
    SCOPED_TRACE(path.string());
    std::string error;
    const auto got = DecodeJpeg(testing::ReadBytes(path), &error);
    const std::string name = path.filename().string();
    if (path.parent_path().filename() == "fail" || name == "premature-end.jpg" ||
        name == "large.jpg" || name == "issue205.jpg") {  // the last two: over the limit
      EXPECT_FALSE(got);
    }
    if (!got) {
      EXPECT_FALSE(error.empty());
    }
  }
}

}  // namespace
}  // namespace tinto::gfx
