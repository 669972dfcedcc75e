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

}  // namespace
}  // namespace tinto
