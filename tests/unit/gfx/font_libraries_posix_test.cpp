// FreeType and fontconfig are loaded by name at the first font. A program that finds
// libraries of those names without their functions (stand-ins built beside the tests,
// which a fresh process's dynamic loader finds first on LD_LIBRARY_PATH) has neither
// library, finds no font file and opens no font, as on a system without fonts.
#include "gfx/font_libraries_posix.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "gfx/font_finder.h"
#include "gfx/text.h"

namespace tinto::gfx {
namespace {

// What the process sees of the fonts, in one line.
std::string FontsSeen() {
  const auto font = Font::Open("ＭＳ Ｐゴシック", 12);
  return std::string("freetype ") + (FreeTypeLibrary::Get() ? "loaded" : "missing") +
         ", fontconfig " + (FontconfigLibrary::Get() ? "loaded" : "missing") + ", " +
         std::to_string(FindFontFiles("ＭＳ ゴシック").size()) + " font files, font " +
         (font ? "opened" : "none");
}

TEST(FontLibraries, LibrariesWithoutTheFunctionsGiveNoFontsAndNoCrash) {
  // Here, with the system's libraries.
  EXPECT_NE(FreeTypeLibrary::Get(), nullptr);
  EXPECT_NE(FontconfigLibrary::Get(), nullptr);
  // In a fresh process of this program (the loader reads LD_LIBRARY_PATH only at start).
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const char* old = std::getenv("LD_LIBRARY_PATH");
  const std::string kept = old ? old : "";
  ASSERT_EQ(setenv("LD_LIBRARY_PATH", TINTO_BINARY_DIR "/tests/font-stand-ins", 1), 0);
  EXPECT_EXIT(
      {
        std::fprintf(stderr, "%s\n", FontsSeen().c_str());
        std::exit(0);
      },
      testing::ExitedWithCode(0),
      "^freetype missing, fontconfig missing, 0 font files, font none\n$");
  if (old) {
    setenv("LD_LIBRARY_PATH", kept.c_str(), 1);
  } else {
    unsetenv("LD_LIBRARY_PATH");
  }
}

}  // namespace
}  // namespace tinto::gfx
