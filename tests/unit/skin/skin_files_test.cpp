// The embedded skin bitmaps: each exists with its exact size, colour depth and format,
// and the palettes the program relies on.
#include <gtest/gtest.h>

#include <algorithm>

#include "gfx/bmp.h"
#include "resources/resources.h"
#include "skin_image.h"

namespace tinto::skin_test {
namespace {

struct Expected {
  const char* name;
  int width;
  int height;
  int bits;
};

constexpr Expected kSkins[] = {
    {"BASE0", 414, 410, 4},  {"BASE1", 414, 410, 4}, {"BASE2", 414, 410, 4},
    {"BASE3", 447, 162, 8},  {"BASE4", 580, 285, 4}, {"BASE5", 414, 410, 1},
    {"BASE6", 580, 285, 1},  {"BASE7", 780, 57, 4},  {"VORTEL", 127, 145, 4},
    {"COLPTN", 243, 189, 4},
};

TEST(SkinFiles, EverySkinHasItsSizeDepthAndFullPalette) {
  for (const Expected& e : kSkins) {
    SCOPED_TRACE(e.name);
    const SkinImage img = LoadSkin(e.name);
    EXPECT_EQ(img.width, e.width);
    EXPECT_EQ(img.height, e.height);
    EXPECT_EQ(img.bits, e.bits);
    EXPECT_TRUE(img.bottom_up);
    EXPECT_EQ(img.compression, 0u);  // BI_RGB
    EXPECT_EQ(img.palette.size(), std::size_t{1} << e.bits);
  }
}

// The program reads the skins with its own decoder: it must see the same pictures.
TEST(SkinFiles, ProgramDecoderReadsEverySkinPixelForPixel) {
  for (const Expected& e : kSkins) {
    SCOPED_TRACE(e.name);
    const SkinImage img = LoadSkin(e.name);
    std::string error;
    const std::optional<gfx::Bitmap> decoded =
        gfx::DecodeBmp(resources::Find("BMP", e.name), &error);
    ASSERT_TRUE(decoded.has_value()) << error;
    ASSERT_EQ(decoded->width(), img.width);
    ASSERT_EQ(decoded->height(), img.height);
    int differing = 0;
    for (int y = 0; y < img.height; ++y) {
      for (int x = 0; x < img.width; ++x) differing += decoded->at(x, y) != img.colour(x, y);
    }
    EXPECT_EQ(differing, 0);
  }
}

TEST(SkinFiles, MainSkinsShareOnePaletteWithWhiteAndRed) {
  const SkinImage base0 = LoadSkin("BASE0");
  EXPECT_EQ(LoadSkin("BASE1").palette, base0.palette);
  EXPECT_EQ(LoadSkin("BASE2").palette, base0.palette);
  const auto& p = base0.palette;
  EXPECT_NE(std::find(p.begin(), p.end(), 0xFFFFFFu), p.end());
  EXPECT_TRUE(std::any_of(p.begin(), p.end(), [](std::uint32_t c) {
    return (c >> 16) >= 0xC0 && ((c >> 8) & 0xFF) < 0x60 && (c & 0xFF) < 0x60;
  }));
}

TEST(SkinFiles, HelpPicturesAreBlackAndWhite) {
  for (const char* name : {"BASE5", "BASE6"}) {
    SCOPED_TRACE(name);
    std::vector<std::uint32_t> p = LoadSkin(name).palette;
    std::sort(p.begin(), p.end());
    EXPECT_EQ(p, (std::vector<std::uint32_t>{0x000000, 0xFFFFFF}));
  }
}

// The recolouring finds each colour index of the pattern by its colour in the normal
// colour row, so the pattern's palette must be exactly that row.
TEST(SkinFiles, PatternPaletteIsTheNormalColourRow) {
  EXPECT_EQ(LoadSkin("COLPTN").palette,
            (std::vector<std::uint32_t>{0x000000, 0x443322, 0x777766, 0x885577, 0xDDAACC, 0x00AA00,
                                        0xEE4488, 0xFF77AA, 0xFFCCDD, 0x666655, 0xCCBB99, 0xEEDDBB,
                                        0xFFFFDD, 0xEEBBBB, 0x885544, 0xFFFFFF}));
}

TEST(SkinFiles, ResourcesAreFoundByTypeAndNameInAnyCase) {
  EXPECT_EQ(resources::Find("bmp", "base3").data(), resources::Find("BMP", "BASE3").data());
  EXPECT_TRUE(resources::Find("JPG", "BASE3").empty());
  EXPECT_TRUE(resources::Find("BMP", "BASE").empty());
  EXPECT_TRUE(resources::Find("BMP", "BASE33").empty());
}

// The viewer's placeholder plays the logo's five rows forth and back: each row is a
// picture on black, and each differs from the one before.
TEST(SkinFiles, LogoRowsAreFiveFramesOfAnAnimation) {
  const SkinImage logo = LoadSkin("VORTEL");
  ASSERT_EQ(logo.height, 145);
  for (int r = 0; r < 5; ++r) {
    SCOPED_TRACE(r);
    int lit = 0;
    int changed = 0;
    for (int y = 29 * r; y < 29 * r + 29; ++y) {
      for (int x = 0; x < logo.width; ++x) {
        lit += logo.colour(x, y) != 0;
        if (r > 0) changed += logo.colour(x, y) != logo.colour(x, y - 29);
      }
    }
    EXPECT_EQ(logo.colour(0, 29 * r), 0u);
    EXPECT_GT(lit, 300);
    if (r > 0) {
      EXPECT_GT(changed, 10);
    }
  }
}

}  // namespace
}  // namespace tinto::skin_test
