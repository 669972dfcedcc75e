// Whole-file writes on POSIX systems: permissions kept, symbolic links followed, a full
// disk met part way.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "files/atomic_file.h"
#include "tests/unit/temp_folder.h"

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

}  // namespace
}  // namespace tinto
