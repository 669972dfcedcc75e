// The recoloured pictures pinned pixel for pixel: both panels (the screen and both poses in
// the skin) and every part's picker list, for the factory colours and for a colour file with
// scattered variant colours and two indices sharing one key colour. The digests were taken
// from the pictures of the per-index recolouring the program drew before it learnt to
// recolour in one pass; any change to a picture changes its digest.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "colour/colour_file.h"
#include "colour/colour_tables.h"
#include "colour/picker_layout.h"
#include "sim_fixture.h"

namespace tinto::test {
namespace {

using RecolourPictures = SimTest;

// FNV-1a over the pixels of the rectangles, row by row: only where recoloured pixels land,
// so that pictures elsewhere in the skins may change.
std::uint64_t Digest(const gfx::Bitmap& b, const std::vector<gfx::Rect>& rects) {
  std::uint64_t h = 1469598103934665603ull;
  for (const gfx::Rect& r : rects) {
    for (int y = r.top; y < r.bottom(); ++y) {
      for (int x = r.left; x < r.right(); ++x) {
        const gfx::Pixel p = b.at(x, y);
        for (int shift : {0, 8, 16, 24}) h = (h ^ ((p >> shift) & 0xFF)) * 1099511628211ull;
      }
    }
  }
  return h;
}

// Both panels: the icons and the two poses.
std::vector<gfx::Rect> Panels(int left) {
  return {{left + 32, 13, 136, 176}, {left + 32, 209 + 13, 136, 176}};
}

std::vector<gfx::Rect> Swatches() {
  std::vector<gfx::Rect> out;
  for (int e = 0; e < kNamedEntries; ++e) out.push_back(picker_layout::EntryHexagon(e));
  return out;
}

// Variant rows of a fixed pseudo-random walk; the normal row as the factory's, except that
// index 7 takes index 6's key colour, so both indices' pixels are the same pattern pixels.
ColourTable ScatteredColours() {
  ColourTable t{};
  for (std::size_t row = 0; row < 4; ++row) t[row] = DefaultColours[row];
  std::uint32_t seed = 12345;
  for (std::size_t row = 2; row < 4; ++row) {
    for (Colour& c : t[row]) {
      seed = seed * 1103515245u + 12345u;
      c = {static_cast<std::uint8_t>(seed >> 24), static_cast<std::uint8_t>(seed >> 16),
           static_cast<std::uint8_t>(seed >> 8)};
    }
  }
  t[kNormalRow][7] = t[kNormalRow][6];
  return t;
}

constexpr std::array<int, 6> kPartX = {61, 32, 61, 61, 32, 61};
constexpr std::array<int, 6> kPartY = {39, 54, 69, 105, 120, 135};

struct Case {
  const char* name;
  bool scattered;
  // main, BASE0, BASE1, then the picker of parts 0..5 of the 3P panel.
  std::array<std::uint64_t, 9> digests;
};

const Case kCases[] = {
    {"factory colours",
     false,
     {0xdb1044f9af1136cbull, 0xb6a6978cff778e5bull, 0x627d65756fd822a9ull, 0xd52fd2c3b55bd1c5ull,
      0x08e6dd603913b442ull, 0xd41ccfc03a7e5721ull, 0xa79f153e41274035ull, 0x7d2c0808ff9121ebull,
      0xbb867403efb0d3efull}},
    {"scattered colours",
     true,
     {0x9c74ea5a43c9bbccull, 0x8af4456d4351f6a4ull, 0xef936edf80b93b84ull, 0x2198c65607eadf7cull,
      0xcdd9dff5aa7ef7f2ull, 0x5ae17a7ae1050831ull, 0x6906d84a40818ecbull, 0xe2f10ec1766e5273ull,
      0x34ec048863c0390full}},
};

TEST_F(RecolourPictures, PanelsAndPickerListsKeepEveryPixel) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(File(std::string(kColourFileName)));
    if (c.scattered) {
      std::ofstream(File(std::string(kColourFileName)), std::ios::binary)
          << FormatColourFile(ScatteredColours());
    }
    std::string script = "start\nwait 300\nsnap main " + File("main.bmp").string() +
                         "\nskin BASE0 " + File("base0.bmp").string() + "\nskin BASE1 " +
                         File("base1.bmp").string() + "\n";
    for (std::size_t p = 0; p < kPartX.size(); ++p) {
      script += "click main " + std::to_string(kPartX[p] + 15 + 430) + " " +
                std::to_string(kPartY[p] + 209 + 15) + "\nwait 400\nsnap picker " +
                File("p" + std::to_string(p) + ".bmp").string() +
                "\nclick picker 375 116\nwait 400\n";
    }
    const SimResult r = Run(script);
    ASSERT_EQ(r.status, 0) << r.log << r.errors;
    ASSERT_TRUE(r.Events("error").empty()) << r.log;
    std::array<std::uint64_t, 9> got{};
    got[0] = Digest(Picture("main.bmp"), Panels(430));
    got[1] = Digest(Picture("base0.bmp"), Panels(0));
    got[2] = Digest(Picture("base1.bmp"), Panels(0));
    for (std::size_t p = 0; p < 6; ++p)
      got[3 + p] = Digest(Picture("p" + std::to_string(p) + ".bmp"), Swatches());
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got[i], c.digests[i]) << "picture " << i << " (main, BASE0, BASE1, parts 0..5)";
    }
  }
}

}  // namespace
}  // namespace tinto::test
