// Finding the host game's files without regard to letter case.
#include "files/program_folder.h"

#include <gtest/gtest.h>

#include "tests/unit/temp_folder.h"

namespace tinto {
namespace {

using testing::TempFolder;

TEST(ProgramFolder, FindsFilesWithoutRegardToLetterCase) {
  TempFolder dir;
  dir.Write("Y_E101.BMP", "movie");
  std::filesystem::create_directory(dir / "Sub");
  dir.Write("Sub/Song.MID", "song");
  ProgramFolder folder(dir.path());

  EXPECT_EQ(folder.Resolve("Y_e101.bmp"), dir / "Y_E101.BMP");
  EXPECT_TRUE(folder.Exists("y_e101.bmp"));
  EXPECT_EQ(folder.Resolve("sub/song.mid"), dir / "Sub/Song.MID");
  EXPECT_TRUE(folder.Exists("SUB/SONG.MID"));
}

TEST(ProgramFolder, GivesTheNameAsGivenForMissingFilesAndFindsThemOnceMade) {
  TempFolder dir;
  std::filesystem::create_directory(dir / "Z01.mid");  // a folder is not a file
  ProgramFolder folder(dir.path());

  EXPECT_EQ(folder.Resolve("Tinto.ini"), dir / "Tinto.ini");
  EXPECT_FALSE(folder.Exists("Tinto.ini"));
  EXPECT_FALSE(folder.Exists("z01.mid"));

  // A file the host game writes after a lookup is found by the next one.
  dir.Write("TINTO.INI", "[Tinto]");
  EXPECT_TRUE(folder.Exists("Tinto.ini"));
  EXPECT_EQ(folder.Resolve("Tinto.ini"), dir / "TINTO.INI");
}

TEST(ProgramFolder, AMissingFolderHasNoFiles) {
  TempFolder dir;
  ProgramFolder folder(dir / "gone");
  EXPECT_FALSE(folder.Exists("Xx.txt"));
  EXPECT_EQ(folder.Resolve("Xx.txt"), dir / "gone" / "Xx.txt");
}

}  // namespace
}  // namespace tinto
