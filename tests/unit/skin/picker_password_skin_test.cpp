// The colour picker's and the password window's skins: the images the windows copy lie
// outside the windows' shapes (never seen in place), the places the windows OR icons onto
// are black, pressed looks differ from the normal ones, and the glyph strips hold one
// distinct picture per character and digit. The picker's help picture lies inside its
// window's shape.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "colour/picker_layout.h"
#include "gfx/region.h"
#include "skin_image.h"
#include "unlock/password_layout.h"

namespace tinto::skin_test {
namespace {

namespace pk = picker_layout;
namespace pw = password_layout;

std::vector<std::uint8_t> Cells(const SkinImage& img, gfx::Rect r) {
  std::vector<std::uint8_t> out;
  for (int y = r.top; y < r.bottom(); ++y)
    for (int x = r.left; x < r.right(); ++x) out.push_back(img.at(x, y));
  return out;
}

bool Outside(const gfx::Region& shape, gfx::Rect r) {
  for (int y = r.top; y < r.bottom(); ++y)
    for (int x = r.left; x < r.right(); ++x)
      if (shape.Contains(x, y)) return false;
  return true;
}

TEST(PickerSkin, CopiedImagesLieOutsideTheWindowsShape) {
  gfx::Region shape = gfx::Region::FromPolygon(pk::kDetailCell);
  shape.Union(gfx::Region::FromPolygon(pk::kListCell));
  const gfx::Rect stored[] = {
      {pk::kCaptionSource.x, pk::kCaptionSource.y, pk::kCaptionSize.width,
       6 * 5 + pk::kCaptionSize.height},
      {pk::kVariantNumberSource.x, pk::kVariantNumberSource.y, 10, 15},
      {pk::kArrowSource.x, pk::kArrowSource.y - 11, 8, 29},
      {pk::kMarkerFrames.x, pk::kMarkerFrames.y, 79, 7},
      {pk::kHexBandSource.x, pk::kHexColumnSource.y, 52, 21},
      {pk::kMinusX, pk::kButtonEnabledY, 90, 21},
      {pk::kOkPressed.x, pk::kOkPressed.y, 29, 23},
      {pk::kCancelPressed.x, pk::kCancelPressed.y, 11, 9},
      {pk::kTakeColourPressed.x, pk::kTakeColourPressed.y, 21, 32},
      {pk::kFreeButtonsAvailable.x, pk::kFreeButtonsAvailable.y, 110, 33},
  };
  for (const gfx::Rect& r : stored) {
    EXPECT_TRUE(Outside(shape, r)) << r.left << "," << r.top;
  }
}

// The help picture is seen through the window's shape: its captions lie wholly inside it,
// and only the cells' outlines may touch the shape's edge from outside.
TEST(PickerSkin, HelpPictureLiesInsideTheWindowsShape) {
  gfx::Region shape = gfx::Region::FromPolygon(pk::kDetailCell);
  shape.Union(gfx::Region::FromPolygon(pk::kListCell));
  const SkinImage help = LoadSkin("BASE6");
  const std::uint8_t paper = help.at(0, 0);
  const auto near_shape = [&shape](int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (shape.Contains(x + dx, y + dy)) return true;
    return false;
  };
  int inked_inside = 0;
  std::vector<std::string> lost;
  for (int y = 0; y < pk::kHeight; ++y) {
    for (int x = 0; x < pk::kWidth; ++x) {
      if (help.at(x, y) == paper) continue;
      if (shape.Contains(x, y))
        ++inked_inside;
      else if (!near_shape(x, y))
        lost.push_back(std::to_string(x) + "," + std::to_string(y));
    }
  }
  EXPECT_GT(inked_inside, 5000);  // outlines and captions
  EXPECT_TRUE(lost.empty()) << lost.size() << " pixels unseen, the first at " << lost.front();
}

TEST(PickerSkin, IconPlacesAreBlackAndLooksDiffer) {
  const SkinImage skin = LoadSkin("BASE4");
  ASSERT_EQ(skin.width, pk::kWidth);
  // The open hexagon's centre and the detail are black, so that ORed icons keep their colours.
  for (const gfx::Rect r :
       {gfx::Rect{pk::kHexColumnSource.x + 2, pk::kHexColumnSource.y + 3, 16, 15},
        gfx::Rect{pk::kDetail.left + 8, pk::kDetail.top + 4, 36, 34}}) {
    for (std::uint8_t c : Cells(skin, r)) EXPECT_EQ(skin.palette[c], 0u);
  }
  for (int e = 0; e < pk::kEntries; ++e) {
    for (std::uint8_t c : Cells(skin, pk::EntryName(e)))
      ASSERT_EQ(skin.palette[c], 0u) << "name bar " << e;
  }
  auto differ = [&](gfx::Rect a, gfx::Point b) {
    return Cells(skin, a) != Cells(skin, {b.x, b.y, a.width, a.height});
  };
  EXPECT_TRUE(differ(pk::kOk, pk::kOkPressed));
  EXPECT_TRUE(differ(pk::kCancelImage, pk::kCancelPressed));
  EXPECT_TRUE(differ(pk::kTakeColour, pk::kTakeColourPressed));
  EXPECT_TRUE(differ(pk::kTakeColour, pk::kTakeColourDisabled));
  EXPECT_TRUE(differ(pk::kLoad, pk::kLoadPressed));
  EXPECT_TRUE(differ(pk::kSave, pk::kSavePressed));
  EXPECT_TRUE(differ(pk::kCycle, pk::kCyclePressed));
  EXPECT_TRUE(differ({pk::kFreeButtonsAvailable.x, pk::kFreeButtonsAvailable.y, 32, 33},
                     pk::kFreeButtonsBlank));
  std::set<std::vector<std::uint8_t>> frames, captions;
  for (int f = 0; f < pk::kMarkerFrameCount; ++f) {
    frames.insert(Cells(skin, {pk::kMarkerFrames.x + 10 * f, pk::kMarkerFrames.y, 9, 7}));
  }
  for (int p = 0; p < 6; ++p) {
    captions.insert(Cells(skin, {pk::kCaptionSource.x, pk::kCaptionSource.y + 6 * p, 57, 5}));
  }
  EXPECT_EQ(frames.size(), 8u);
  EXPECT_EQ(captions.size(), 6u);
}

TEST(PasswordSkin, GlyphsAreDistinctAndTheBlankMatchesTheTypingBand) {
  const SkinImage skin = LoadSkin("BASE7");
  ASSERT_EQ(skin.width, pw::kWidth);
  std::set<std::vector<std::uint8_t>> letters, digits;
  for (int g = 0; g < pw::kLetterGlyphs; ++g) {
    letters.insert(
        Cells(skin, {pw::kLetterStrip.x + pw::kLetterPitch * g, pw::kLetterStrip.y, 9, 5}));
  }
  for (int d = 0; d < 10; ++d)
    digits.insert(Cells(skin, {pw::kDigitStrip.x + pw::kDigitPitch * d, pw::kDigitStrip.y, 7, 5}));
  EXPECT_EQ(letters.size(), 43u);
  EXPECT_EQ(digits.size(), 10u);
  // An empty typing place looks like the blank glyph, so erasing leaves no trace.
  const std::vector<std::uint8_t> blank =
      Cells(skin, {pw::kLetterStrip.x + pw::kLetterPitch * 39, pw::kLetterStrip.y, 9, 5});
  for (int i = 0; i < pw::kTypedLength; ++i) {
    ASSERT_EQ(Cells(skin, {pw::kTyped.x + pw::kLetterPitch * i, pw::kTyped.y, 9, 5}), blank) << i;
  }
  EXPECT_NE(Cells(skin, pw::kCheck),
            Cells(skin, {pw::kCheckPressed.x, pw::kCheckPressed.y, 62, 9}));
  EXPECT_NE(Cells(skin, pw::kClose),
            Cells(skin, {pw::kClosePressed.x, pw::kClosePressed.y, 23, 13}));
}

}  // namespace
}  // namespace tinto::skin_test
