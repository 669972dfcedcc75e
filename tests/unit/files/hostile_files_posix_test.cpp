// The program's files when the folder is hostile or the program dies mid-save: named pipes
// in place of settings files, a folder that refuses new files, temporary files a killed run
// left, settings files in UTF-16, and kills at every step of a save.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <random>
#include <string>
#include <thread>

#include "files/atomic_file.h"
#include "files/atomic_replace.h"
#include "files/ini_file.h"
#include "tests/unit/temp_folder.h"

namespace tinto {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::string Utf16(std::u16string_view text) {
  std::string out = "\xFF\xFE";
  for (char16_t c : text)
    out += std::string{static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  return out;
}

TEST(HostileFiles, ANamedPipeInPlaceOfASettingsFileIsNeverWaitedOn) {
  // No writer ever opens these pipes: a blocking open would wait for ever (the test's
  // own time limit ends it then).
  TempFolder dir;
  for (const char* name : {"Tinto.ini", "Rondelay.ini", "Xx.txt"})
    ASSERT_EQ(::mkfifo((dir / name).c_str(), 0644), 0) << name;
  IniFile ini(dir / "Tinto.ini");
  EXPECT_EQ(ini.ReadInt("Tinto", "tp", 7), 7);
  std::string error;
  EXPECT_FALSE(ini.WriteInt("Tinto", "tp", 5, &error));
  EXPECT_NE(error.find("not an ordinary file"), std::string::npos) << error;
  std::string bytes;
  EXPECT_FALSE(ReadWholeFile(dir / "Xx.txt", &bytes, &error));
  EXPECT_TRUE(fs::is_fifo(dir / "Rondelay.ini"));  // left as it was
}

// Runs body in a child process as a user whom permission bits stop (root's child becomes
// nobody); the child's exit status is what body returns.
template <typename Body>
int AsOrdinaryUser(Body body) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(77);
    ::_exit(body());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

TEST(HostileFiles, AWritableFileInAFolderThatRefusesNewFilesIsOverwrittenInPlace) {
  TempFolder dir;
  dir.Write("Tinto.ini", "[Tinto]\r\ntp=120\r\n[Other]\r\nx=1\r\n");
  dir.Write("Locked.ini", "[Tinto]\r\ntp=120\r\n");
  fs::permissions(dir / "Tinto.ini", fs::perms(0666));
  fs::permissions(dir / "Locked.ini", fs::perms(0444));
  fs::permissions(dir.path(), fs::perms(0555));
  // Each step's number is the exit status when it fails.
  const int failed_step = AsOrdinaryUser([&] {
    std::string error;
    if (!IniFile(dir / "Tinto.ini").WriteInt("Tinto", "tp", 150, &error)) return 1;
    // A new file, or a read-only one, still cannot be saved there, and says so.
    if (IniFile(dir / "New.ini").WriteInt("Tinto", "tp", 150, &error)) return 2;
    if (error.find("Permission denied") == std::string::npos) return 3;
    if (IniFile(dir / "Locked.ini").WriteInt("Tinto", "tp", 150, &error)) return 4;
    return 0;
  });
  if (failed_step == 77) GTEST_SKIP() << "no user to test as";
  EXPECT_EQ(failed_step, 0);
  EXPECT_EQ(dir.Read("Tinto.ini"), "[Tinto]\r\ntp=150\r\n[Other]\r\nx=1\r\n");
  EXPECT_EQ(dir.Read("Locked.ini"), "[Tinto]\r\ntp=120\r\n");
  fs::permissions(dir.path(), fs::perms::owner_all);
  EXPECT_EQ(dir.Listing(), "Locked.ini\nTinto.ini\n");
}

TEST(HostileFiles, TemporaryFilesOfGoneProcessesAreRemovedAndOthersKept) {
  // The id of a process that has ended.
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ASSERT_GT(child, 0);
  ASSERT_EQ(::waitpid(child, nullptr, 0), child);
  const auto gone = static_cast<std::uint32_t>(child);
  const auto alive = static_cast<std::uint32_t>(::getpid());

  TempFolder dir;
  dir.Write(TemporaryFileName("Xx.txt", gone, 1), "half");
  dir.Write(TemporaryFileName("Tinto.ini", gone, 12), "half");
  dir.Write(TemporaryFileName("Xx.txt", alive, 2), "being written");
  for (const char* other :
       {".Xx.txt.tmp", ".Xx.txt.tmpabc-1", "Xx.txt.tmp1-1", ".notes.tmp5-x", "Xx.txt"})
    dir.Write(other, "not ours");
  EXPECT_EQ(RemoveStaleTemporaryFiles(dir.path()), 2);
  EXPECT_EQ(dir.Listing(), ".Xx.txt.tmp\n.Xx.txt.tmp" + std::to_string(alive) +
                               "-2\n.Xx.txt.tmpabc-1\n.notes.tmp5-x\nXx.txt\nXx.txt.tmp1-1\n");
  EXPECT_EQ(TemporaryFileOwner(TemporaryFileName("Tinto.ini", 4242, 7)), 4242u);
}

TEST(HostileFiles, AUtf16SettingsFileStaysUtf16AndKeepsEveryOtherCharacter) {
  TempFolder dir;
  // Japanese text, a character outside the basic plane and a lone surrogate elsewhere in
  // the file all come back as they were.
  const std::u16string before =
      u"; ゲーム設定 \U0001F3B5\r\n[Rondelay]\r\nName=ゆか\xD800\r\nNOMAL=5\r\nHARD_=2\r\n";
  dir.Write("Rondelay.ini", Utf16(before));
  IniFile ini(dir / "Rondelay.ini");
  EXPECT_EQ(ini.ReadInt("Rondelay", "NOMAL", 0), 5);
  EXPECT_EQ(ini.ReadString("Rondelay", "Name", ""), "ゆか\xED\xA0\x80");
  std::string error;
  ASSERT_TRUE(ini.WriteInt("Rondelay", "NOMAL", 7, &error)) << error;
  ASSERT_TRUE(ini.WriteInt("Rondelay", "Extra", 1, &error)) << error;
  EXPECT_EQ(dir.Read("Rondelay.ini"),
            Utf16(u"; ゲーム設定 \U0001F3B5\r\n[Rondelay]\r\nName=ゆか\xD800\r\nNOMAL=7\r\nHARD_=2"
                  u"\r\nExtra=1\r\n"));
}

// ---- kills during saves

int kill_at_call = 0;
int calls_seen = 0;

void KillAtChosenCall(const char* /*call*/) {
  if (++calls_seen == kill_at_call) ::raise(SIGKILL);
}

// Runs the save in a child process that dies before its file-system call number
// kill_at (1 = the first); true when the child was killed (false: the save finished).
template <typename Save>
bool SaveKilledAt(int kill_at, Save save) {
  const pid_t child = ::fork();
  if (child == 0) {
    kill_at_call = kill_at;
    calls_seen = 0;
    SetFileCallHook(KillAtChosenCall);
    ::_exit(save() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

TEST(KillDuringSave, AKillBeforeAnyFileCallOfASaveLeavesTheOldOrTheNewFileWhole) {
  const std::string old_text = "[Tinto]\r\ntp=120\r\n" + std::string(20000, ';') + "\r\n";
  const std::string old_colours(4096, 'o');
  const std::string new_colours(5000, 'n');
  struct Target {
    const char* name;
    std::string before;
    std::function<bool(const fs::path&)> save;
    std::string after;
  };
  const Target targets[] = {
      {"Tinto.ini", old_text,
       [](const fs::path& p) { return IniFile(p).WriteInt("Tinto", "tp", 150, nullptr); },
       "[Tinto]\r\ntp=150\r\n" + std::string(20000, ';') + "\r\n"},
      {"Xx.txt", old_colours,
       [&](const fs::path& p) { return WriteFileAtomically(p, new_colours, nullptr); },
       new_colours},
  };
  int kills = 0;
  for (const Target& t : targets) {
    bool finished = false;
    for (int n = 1; !finished; ++n) {
      ASSERT_LT(n, 100) << t.name << ": a save of more than 100 file calls";
      TempFolder dir;
      dir.Write(t.name, t.before);
      const fs::path path = dir / t.name;
      finished = !SaveKilledAt(n, [&] { return t.save(path); });
      kills += finished ? 0 : 1;
      const std::string now = dir.Read(t.name);
      EXPECT_TRUE(now == t.before || now == t.after)
          << t.name << " killed before call " << n << ": " << now.size() << " bytes";
      if (finished) {
        EXPECT_EQ(now, t.after) << t.name;
      }
      // The next start clears what the killed save left.
      RemoveStaleTemporaryFiles(dir.path());
      EXPECT_EQ(dir.Listing(), std::string(t.name) + "\n") << t.name << " call " << n;
    }
  }
  EXPECT_GE(kills, 10);  // each save has several steps to be killed at
}

TEST(KillDuringSave, RandomKillsOfASaveLoopNeverLeaveAPartialFile) {
  TempFolder dir;
  const std::string a = "[Tinto]\r\ntp=1\r\n" + std::string(30000, 'a') + "\r\n";
  const std::string b = "[Tinto]\r\ntp=2\r\n" + std::string(70000, 'b') + "\r\n";
  dir.Write("Tinto.ini", a);
  std::mt19937 random(17);
  for (int round = 0; round < 200; ++round) {
    const pid_t child = ::fork();
    if (child == 0) {
      for (int i = 0;; ++i) WriteFileAtomically(dir / "Tinto.ini", i % 2 ? a : b, nullptr);
    }
    ASSERT_GT(child, 0);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const std::string now = dir.Read("Tinto.ini");
    ASSERT_TRUE(now == a || now == b) << "round " << round << ": " << now.size() << " bytes";
  }
  RemoveStaleTemporaryFiles(dir.path());
  EXPECT_EQ(dir.Listing(), "Tinto.ini\n");
}

}  // namespace
}  // namespace tinto
