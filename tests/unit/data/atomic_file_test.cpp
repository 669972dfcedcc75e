// Whole-file writes that either replace the old file completely or leave it untouched.
#include "files/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "temp_folder.h"

namespace tinto {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

TEST(WriteFileAtomically, CreatesAndReplacesFilesKeepingTheirPermissions) {
  TempFolder dir;
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(dir / "Xx.txt", "first\r\n", &error)) << error;
  EXPECT_EQ(dir.Read("Xx.txt"), "first\r\n");

  fs::permissions(dir / "Xx.txt",
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(WriteFileAtomically(dir / "Xx.txt", "second", &error)) << error;
  EXPECT_EQ(dir.Read("Xx.txt"), "second");
  EXPECT_EQ(fs::status(dir / "Xx.txt").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(dir.Listing(), "Xx.txt\n");  // no temporary file left behind
}

TEST(WriteFileAtomically, ReplacesTheTargetOfASymbolicLink) {
  TempFolder dir;
  dir.Write("real.ini", "old");
  fs::create_symlink("real.ini", dir / "Tinto.ini");
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(dir / "Tinto.ini", "new", &error)) << error;
  EXPECT_TRUE(fs::is_symlink(dir / "Tinto.ini"));
  EXPECT_EQ(dir.Read("real.ini"), "new");
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

TEST(WriteFileAtomically, AWriteThatRunsOutOfSpaceLeavesTheOldFileIntact) {
  // A file-size limit makes the write fail part way, as a full disk does.
  TempFolder dir;
  dir.Write("Xx.txt", "old colours");
  rlimit old_limit{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  auto old_handler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = old_limit;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

  std::string error;
  bool written = WriteFileAtomically(dir / "Xx.txt", std::string(100000, 'x'), &error);

  setrlimit(RLIMIT_FSIZE, &old_limit);
  signal(SIGXFSZ, old_handler);
  EXPECT_FALSE(written);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(dir.Read("Xx.txt"), "old colours");
  EXPECT_EQ(dir.Listing(), "Xx.txt\n");
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
