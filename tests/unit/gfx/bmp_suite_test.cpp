// The BMP reader on the BMP Suite's files, on known-bad files of other projects, and on
// truncated and randomly damaged copies of good files.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "bmp_fixture.h"
#include "gfx/bmp.h"
#include "test_files.h"

namespace tinto::gfx {
namespace {

using testing::FilesIn;
using testing::ReadBytes;
using testing::SharedDir;

std::filesystem::path SuiteDir() {
  return SharedDir() / "testdata" / "bmpsuite";
}

Bitmap DecodeSuiteFile(const std::string& name) {
  std::string error;
  auto b = DecodeBmp(ReadBytes(SuiteDir() / name), &error);
  EXPECT_TRUE(b) << name << ": " << error;
  return b ? std::move(*b) : Bitmap();
}

int MaxChannelDifference(const Bitmap& a, const Bitmap& b) {
  int worst = 0;
  for (std::size_t i = 0; i < a.pixels().size(); ++i) {
    const Pixel p = a.pixels()[i];
    const Pixel q = b.pixels()[i];
    worst = std::max({worst, std::abs(RedOf(p) - RedOf(q)), std::abs(GreenOf(p) - GreenOf(q)),
                      std::abs(BlueOf(p) - BlueOf(q))});
  }
  return worst;
}

Bitmap Crop(const Bitmap& src, int width, int height) {
  Bitmap out(width, height);
  Blit(out, {0, 0}, src, {0, 0, width, height});
  return out;
}

// The good files are one picture (a "BMP" lettering over colour gradients) in many
// encodings; those of one palette or depth must decode to the same pixels.
TEST(BmpSuite, GoodFilesDecodeToTheSamePicture) {
  TINTO_SKIP_WITHOUT_SHARED(SuiteDir());
  ASSERT_TRUE(std::filesystem::is_directory(SuiteDir() / "g")) << SuiteDir();
  std::map<std::string, Bitmap> g;
  for (const auto& path : FilesIn(SuiteDir() / "g", {".bmp"})) {
    g[path.filename().string()] = DecodeSuiteFile("g/" + path.filename().string());
  }
  ASSERT_EQ(g.size(), 27u);

  const Bitmap& rgb = g["rgb24.bmp"];
  ASSERT_EQ(rgb.size(), (Size{127, 64}));
  // Orientation: the red gradient starts at the top left, the grey one ends lower right.
  EXPECT_EQ(rgb.at(0, 0), 0xFF0000u);
  EXPECT_EQ(rgb.at(0, 63), 0x000000u);
  for (const char* same : {"rgb24pal.bmp", "rgb32.bmp", "rgb32bf.bmp", "rgb32bfdef.bmp"}) {
    EXPECT_EQ(g[same], rgb) << same;
  }
  // Five or six bits a channel: within half a step of the true colour.
  for (const char* close : {"rgb16.bmp", "rgb16bfdef.bmp", "rgb16-565.bmp", "rgb16-565pal.bmp"}) {
    ASSERT_EQ(g[close].size(), rgb.size()) << close;
    EXPECT_LE(MaxChannelDifference(g[close], rgb), 4) << close;
  }
  const Bitmap& pal8 = g["pal8.bmp"];
  for (const char* same : {"pal8-0.bmp", "pal8os2.bmp", "pal8rle.bmp", "pal8topdown.bmp",
                           "pal8v4.bmp", "pal8v5.bmp"}) {
    EXPECT_EQ(g[same], pal8) << same;
  }
  // Narrower pictures (other row paddings) are the top-left part of the same picture.
  for (const auto& [name, w, h] :
       {std::tuple{"pal8w124.bmp", 124, 61}, std::tuple{"pal8w125.bmp", 125, 62},
        std::tuple{"pal8w126.bmp", 126, 63}}) {
    EXPECT_EQ(g[name], Crop(pal8, w, h)) << name;
  }
  EXPECT_EQ(g["pal8nonsquare.bmp"].size(), (Size{127, 32}));
  EXPECT_EQ(g["pal4rle.bmp"], g["pal4.bmp"]);
  // Two colours: black and white in either palette order, or two other colours in the
  // same places.
  EXPECT_EQ(g["pal1wb.bmp"], g["pal1.bmp"]);
  const Bitmap& bg = g["pal1bg.bmp"];
  ASSERT_EQ(bg.size(), g["pal1.bmp"].size());
  const Pixel white_becomes = bg.at(0, 0);
  for (std::size_t i = 0; i < bg.pixels().size(); ++i) {
    ASSERT_EQ(bg.pixels()[i] == white_becomes, g["pal1.bmp"].pixels()[i] == 0xFFFFFF) << i;
  }
  for (const char* grey : {"pal4gs.bmp", "pal8gs.bmp"}) {
    for (const Pixel p : g[grey].pixels()) {
      ASSERT_TRUE(RedOf(p) == GreenOf(p) && GreenOf(p) == BlueOf(p)) << grey;
    }
  }

  const auto info = ReadBmpInfo(ReadBytes(SuiteDir() / "g" / "pal8topdown.bmp"));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->width, 127);
  EXPECT_EQ(info->height, 64);
  EXPECT_EQ(info->bits_per_pixel, 8);
  EXPECT_TRUE(info->top_down);
}

// Bad files are refused, except those whose fault lies in fields a reader has no need
// of (the file and image sizes, the resolution, an oversized colour count, indexes beyond
// the palette): those decode to their good counterparts or harmlessly.
TEST(BmpSuite, BadFilesAreRefusedOrDecodedHarmlessly) {
  TINTO_SKIP_WITHOUT_SHARED(SuiteDir());
  const std::map<std::string, std::string> same_as = {
      {"badbitssize.bmp", "g/pal1.bmp"},    {"baddens1.bmp", "g/pal1.bmp"},
      {"baddens2.bmp", "g/pal1.bmp"},       {"badfilesize.bmp", "g/pal1.bmp"},
      {"badpalettesize.bmp", "g/pal8.bmp"},
  };
  const auto files = FilesIn(SuiteDir() / "b", {".bmp"});
  ASSERT_FALSE(files.empty());
  for (const auto& path : files) {
    const std::string name = path.filename().string();
    SCOPED_TRACE(name);
    std::string error;
    const auto got = DecodeBmp(ReadBytes(path), &error);
    if (const auto it = same_as.find(name); it != same_as.end()) {
      ASSERT_TRUE(got) << error;
      EXPECT_EQ(*got, DecodeSuiteFile(it->second));
    } else if (name == "pal8badindex.bmp") {
      ASSERT_TRUE(got) << error;
      EXPECT_EQ(got->size(), (Size{127, 64}));
    } else {
      EXPECT_FALSE(got);
      EXPECT_FALSE(error.empty());
    }
  }
}

TEST(BmpSuite, QuestionableAndForeignFilesNeverHarm) {
  TINTO_SKIP_WITHOUT_SHARED(SuiteDir());
  for (const char* folder : {"q", "x"}) {
    const auto files = FilesIn(SuiteDir() / folder, {".bmp"});
    ASSERT_FALSE(files.empty()) << folder;
    for (const auto& path : files) {
      SCOPED_TRACE(path.filename().string());
      std::string error;
      const auto got = DecodeBmp(ReadBytes(path), &error);
      if (got) {
        EXPECT_EQ(got->size(), (Size{127, 64}));
      } else {
        EXPECT_FALSE(error.empty());
      }
    }
  }
}

TEST(BmpSuite, KnownBadFilesOfOtherReadersNeverHarm) {
  const auto dir = testing::PixbufTestDir();
  if (!std::filesystem::is_directory(dir)) GTEST_SKIP() << "gdk-pixbuf-tests not installed";
  const auto files = FilesIn(dir, {".bmp"}, true);
  ASSERT_FALSE(files.empty());
  for (const auto& path : files) {
    SCOPED_TRACE(path.string());
    std::string error;
    const auto got = DecodeBmp(ReadBytes(path), &error);
    if (path.parent_path().filename() == "fail") {
      EXPECT_FALSE(got);
    }
    if (!got) {
      EXPECT_FALSE(error.empty());
    }
  }
}

// Every prefix of a file either fails or, when only row padding or the end marker is
// missing, gives the whole picture. Each prefix is its own exact allocation, so that a
// read past its end is caught by the address sanitizer.
TEST(BmpSuite, TruncatedFilesFailOrDecodeWhole) {
  TINTO_SKIP_WITHOUT_SHARED(SuiteDir());
  for (const char* name : {"g/pal1.bmp", "g/pal4rle.bmp", "g/pal8rle.bmp", "g/pal8os2.bmp",
                           "g/rgb16-565.bmp", "g/rgb32bf.bmp", "g/pal8v5.bmp", "g/rgb24.bmp"}) {
    SCOPED_TRACE(name);
    const auto bytes = ReadBytes(SuiteDir() / name);
    const auto whole = DecodeBmp(bytes);
    ASSERT_TRUE(whole);
    // Every length through the headers and palette, then a sample of the pixel data.
    for (std::size_t len = 0; len < bytes.size(); len += (len < 1200 ? 1 : 37)) {
      const std::vector<std::uint8_t> prefix(bytes.begin(),
                                             bytes.begin() + static_cast<std::ptrdiff_t>(len));
      std::string error;
      const auto got = DecodeBmp(prefix, &error);
      if (got) {
        ASSERT_EQ(*got, *whole) << len;
        ASSERT_GE(len, bytes.size() - 3) << "only padding or the end marker may be missing";
      } else {
        ASSERT_FALSE(error.empty()) << len;
      }
    }
  }
}

TEST(BmpSuite, RandomlyDamagedFilesNeverHarm) {
  TINTO_SKIP_WITHOUT_SHARED(SuiteDir());
  std::mt19937 rng(20240611);
  for (const char* name : {"g/pal4rle.bmp", "g/pal8rle.bmp", "g/pal8v5.bmp", "g/rgb16-565.bmp",
                           "g/pal1.bmp", "g/pal8os2.bmp"}) {
    SCOPED_TRACE(name);
    const auto original = ReadBytes(SuiteDir() / name);
    for (int round = 0; round < 300; ++round) {
      auto bytes = original;
      const int changes = 1 + static_cast<int>(rng() % 4);
      for (int i = 0; i < changes; ++i) {
        // Mostly the headers and palette, where a change matters most; sometimes the data.
        const std::size_t limit =
            (rng() % 2 == 0) ? std::min<std::size_t>(bytes.size(), 128) : bytes.size();
        bytes[rng() % limit] = static_cast<std::uint8_t>(rng());
      }
      std::string error;
      const auto got = DecodeBmp(bytes, &error);
      if (got) {
        ASSERT_LE(std::int64_t{got->width()} * got->height(), Bitmap::kMaxPixels);
      } else {
        ASSERT_FALSE(error.empty());
      }
    }
  }
}

}  // namespace
}  // namespace tinto::gfx
