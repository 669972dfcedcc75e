// Japanese folder and file names: UTF-8 names become paths and come back unchanged, and
// the program folder finds, reads and replaces such files (a path made from a plain
// narrow string would read the name in the system's code page on some systems).
#include "files/utf8_path.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/atomic_file.h"
#include "files/program_folder.h"
#include "tests/unit/temp_folder.h"

namespace tinto {
namespace {

using testing::TempFolder;

TEST(Utf8Path, JapaneseNamesRoundTripAndAreFoundWithoutRegardToCase) {
  TempFolder dir;
  const std::filesystem::path game = dir.path() / PathFromUtf8("ゲーム");
  std::filesystem::create_directory(game);
  EXPECT_EQ(Utf8FromPath(game.filename()), "ゲーム");

  std::string error;
  ASSERT_TRUE(WriteFileAtomically(game / PathFromUtf8("壁紙.BMP"), "picture", &error)) << error;
  ASSERT_TRUE(WriteFileAtomically(game / PathFromUtf8("壁紙.BMP"), "picture 2", &error)) << error;

  ProgramFolder folder(PathFromUtf8(Utf8FromPath(game)));
  EXPECT_TRUE(folder.Exists("壁紙.bmp"));
  EXPECT_EQ(Utf8FromPath(folder.Resolve("壁紙.bmp").filename()), "壁紙.BMP");
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(folder.Resolve("壁紙.bmp"), &bytes, &error)) << error;
  EXPECT_EQ(bytes, "picture 2");
  // The names on the disk are the Japanese ones.
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(game))
    names.push_back(Utf8FromPath(entry.path().filename()));
  EXPECT_EQ(names, std::vector<std::string>{"壁紙.BMP"});
}

// Names the program did not make: bytes that are not UTF-8 (a name given in a legacy code
// page) and, on Windows, a file name with a lone surrogate. No conversion throws, and a
// name read from the system goes back to the same path.
TEST(Utf8Path, NamesThatAreNotUtf8NeverThrow) {
  for (const std::string bad : {"\x83\x51\x81\x5b\x83\x80.wav", "\xff", "a\xe3\x82", "\xc0\xaf",
                                "\xf4\x90\x80\x80", "\xed\xa0\x80"}) {
    std::filesystem::path path;
    ASSERT_NO_THROW(path = PathFromUtf8(bad)) << ::testing::PrintToString(bad);
    std::string back;
    ASSERT_NO_THROW(back = Utf8FromPath(path)) << ::testing::PrintToString(bad);
#ifndef _WIN32
    EXPECT_EQ(back, bad);  // the native name is the bytes
#endif
  }
#ifdef _WIN32
  EXPECT_EQ(Utf8FromPath(PathFromUtf8("a\xe3\x82")), "a\uFFFD\uFFFD");  // a cut sequence
  EXPECT_EQ(Utf8FromPath(PathFromUtf8("\xc0\xaf")), "\uFFFD\uFFFD");    // overlong
  EXPECT_EQ(PathFromUtf8("\xf0\x9f\x8e\xb5").native(), std::wstring(L"\xD83C\xDFB5"));
  for (const std::wstring& system_name :
       {std::wstring(L"\xD800.wav"), std::wstring{L'a', 0xDFFF, L'b'},
        std::wstring(L"\xDC00\xD800"), std::wstring(L"\xD83C\xDFB5")}) {
    std::string utf8;
    ASSERT_NO_THROW(utf8 = Utf8FromPath(std::filesystem::path(system_name)));
    EXPECT_EQ(PathFromUtf8(utf8).native(), system_name);
  }
  EXPECT_EQ(Utf8FromPath(std::filesystem::path(L"\xD83C\xDFB5")), "\xf0\x9f\x8e\xb5");
#endif
}

}  // namespace
}  // namespace tinto
