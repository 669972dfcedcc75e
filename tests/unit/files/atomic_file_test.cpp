// Whole-file writes that either replace the old file completely or leave it untouched.
#include "files/atomic_file.h"

#include <gtest/gtest.h>

#include "tests/unit/temp_folder.h"

namespace tinto {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

TEST(WriteFileAtomically, CreatesAndReplacesFiles) {
  TempFolder dir;
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(dir / "Xx.txt", "first\r\n", &error)) << error;
  EXPECT_EQ(dir.Read("Xx.txt"), "first\r\n");
  // Moved over the existing file (a plain rename over it fails on some systems).
  ASSERT_TRUE(WriteFileAtomically(dir / "Xx.txt", "second", &error)) << error;
  EXPECT_EQ(dir.Read("Xx.txt"), "second");
  EXPECT_EQ(dir.Listing(), "Xx.txt\n");  // no temporary file left behind
}

TEST(WriteFileAtomically, AFailedSaveIsReportedAndLeavesTheOldFileIntact) {
  const bool permissions_stop_writes = testing::PermissionsStopWrites();
  struct Case {
    const char* name;
    void (*prepare)(const TempFolder&);
    const char* target;  // relative to the folder
  };
  const Case cases[] = {
      {"read-only file",
       [](const TempFolder& d) { fs::permissions(d / "Xx.txt", fs::perms::owner_read); }, "Xx.txt"},
      {"target is a folder", [](const TempFolder& d) { fs::create_directory(d / "Tinto.ini"); },
       "Tinto.ini"},
      {"folder missing", [](const TempFolder&) {}, "gone/Xx.txt"},
      {"read-only folder",
       [](const TempFolder& d) {
         fs::permissions(d.path(), fs::perms::owner_read | fs::perms::owner_exec);
       },
       // Root writes into a read-only folder: make the folder unreachable instead.
       permissions_stop_writes ? "Xx.txt" : "Xx.txt/Xx.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder dir;
    dir.Write("Xx.txt", "old colours");
    c.prepare(dir);
    const std::string before = dir.Listing();
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(dir / c.target, "new colours", &error));
    EXPECT_NE(error.find("Could not save"), std::string::npos) << error;
    EXPECT_EQ(dir.Read("Xx.txt"), "old colours");
    EXPECT_EQ(dir.Listing(), before);
  }
}

TEST(ReadWholeFile, ReportsMissingFilesAndFolders) {
  TempFolder dir;
  std::filesystem::create_directory(dir / "folder");
  dir.Write("Xx.txt", std::string("a\0b", 3));
  std::string bytes, error;
  EXPECT_FALSE(ReadWholeFile(dir / "missing", &bytes, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(ReadWholeFile(dir / "folder", &bytes, &error));
  ASSERT_TRUE(ReadWholeFile(dir / "Xx.txt", &bytes, &error));
  EXPECT_EQ(bytes, std::string("a\0b", 3));
}

}  // namespace
}  // namespace tinto
