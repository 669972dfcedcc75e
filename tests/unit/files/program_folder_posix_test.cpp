// Finding files without regard to case on a file system that tells case apart, where a
// folder may hold several spellings of one name.
#include <gtest/gtest.h>

#include "files/program_folder.h"
#include "tests/unit/temp_folder.h"

namespace tinto {
namespace {

using testing::TempFolder;

TEST(ProgramFolder, TheExactNameComesFirstThenTheFirstMatchInByteOrder) {
  TempFolder dir;
  dir.Write("Xx.txt", "exact");
  dir.Write("XX.TXT", "other");
  ProgramFolder folder(dir.path());
  EXPECT_EQ(folder.Resolve("Xx.txt"), dir / "Xx.txt");
  EXPECT_EQ(folder.Resolve("xX.txt"), dir / "XX.TXT");
}

}  // namespace
}  // namespace tinto
