// Bad files and bad places on the simulator: every file the program reads made truncated,
// oversized, empty, garbage or a folder, and the program folder made read-only, full, or
// named with blanks and non-ASCII characters. In every case the program keeps running,
// reports what failed, and leaves the colour file, its settings file and the host game's
// settings file either as they were or completely written.
#include <sys/mount.h>
#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "colour/colour_file.h"
#include "files/ini_file.h"
#include "music_files.h"
#include "sim_fixture.h"
#include "unlock/password_tables.h"

namespace tinto::test {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
void WriteAll(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

std::string At(int x, int y) {
  return std::to_string(x + 430) + " " + std::to_string(y);
}

// The three files whose safety every case checks, as the folder starts.
const std::string kColourFile = [] {
  ColourTable table{};
  for (int r = 0; r < 4; ++r)
    for (int i = 0; i < kColoursPerRow; ++i)
      table[r][i] = {static_cast<std::uint8_t>(10 * r + i), static_cast<std::uint8_t>(i * 15), 200};
  return FormatColourFile(table);
}();
// A player who has every stage (so the picker may save free colours), a key of the
// player's own and another program's section.
const std::string kSettingsFile = [] {
  std::string text = "; kept by hand\r\n[Tinto]\r\ntp=700\r\n";
  for (int k = 0; k < 9; ++k)
    text += "tp" + std::to_string(k) + "=" + std::string(Password(k)) + "\r\n";
  return text + "mine=1\r\n\r\n[Other program]\r\nx = y\r\n";
}();
const std::string kHostSettings = "[Rondelay]\r\nNOMAL=3\r\nHARD_=1\r\nVolume=80\r\n";

// A session that reads and writes everything it can: the colour file loaded and saved,
// a free colour saved from the picker, a built-in song and a dropped one played.
const std::string kSession =
    "start\nwait 200\n"
    "click main " +
    At(29, 92) +
    "\nwait 200\n"  // load 2P
    "click main " +
    At(76, 54) +
    "\nwait 200\n"                                            // picker of part 0
    "click picker 100 212\nclick picker 345 211\nwait 400\n"  // free colour 16, save
    "click picker 398 112\nwait 400\n"                        // OK
    "click main " +
    At(29, 110) +
    "\nwait 200\n"  // save 2P
    "click main " +
    At(318, 267) +
    "\nwait 200\n"  // next built-in song
    "drop DROPPED\nwait 2500\n";

struct Outcome {
  SimResult result;
  bool errors_shown = false;
};

class BadInput : public SimTest {
 protected:
  void Fill(const fs::path& dir) const {
    WriteAll(dir / "Xx.txt", kColourFile);
    WriteAll(dir / "Tinto.ini", kSettingsFile);
    WriteAll(dir / "Rondelay.ini", kHostSettings);
    WriteMidi(dir / "Zz.mid", 1000);
    WriteMidi(dir / "Z01.mid", 1000);
    WriteWav(dir / "Y_q11.wav", 100);
    WriteWav(dir / "song.wav", 1000);
  }

  // Runs the session in dir (the files already there), dropping the named file, and checks
  // what must hold in every case.
  SimResult Session(const fs::path& dir, const std::string& dropped = "song.wav") const {
    const std::map<std::string, std::string> before = Snapshot(dir);
    std::string script = kSession;
    script.replace(script.find("DROPPED"), 7, "\"" + (dir / dropped).string() + "\"");
    SimResult r;
    std::ostringstream log, err;
    r.status = sim::RunScript("folder \"" + dir.string() + "\"\n" + script, RunTinto, log, err, {});
    r.log = log.str();
    r.errors = err.str();
    EXPECT_EQ(r.status, 0) << r.errors;
    EXPECT_TRUE(r.Has("125 show main")) << r.log;
    EXPECT_TRUE(r.Events("exit").empty()) << r.log;  // still running at the end
    EXPECT_GE(r.Events("music-open").size(), 1u) << r.log;
    ExpectSafe(dir, before);
    return r;
  }

  // The three files' bytes; an oversized one by its size alone.
  static std::map<std::string, std::string> Snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const char* name : {"Xx.txt", "Tinto.ini", "Rondelay.ini"}) {
      if (!fs::is_regular_file(dir / name)) continue;
      const std::uintmax_t size = fs::file_size(dir / name);
      files[name] = size > (1u << 20) ? "size " + std::to_string(size) : ReadAll(dir / name);
    }
    return files;
  }

  // Each of the three files is unchanged or completely written, and no temporary file is
  // left behind.
  static void ExpectSafe(const fs::path& dir, const std::map<std::string, std::string>& before) {
    const std::map<std::string, std::string> after = Snapshot(dir);
    for (const auto& [name, old_bytes] : before) {
      SCOPED_TRACE(name);
      ASSERT_TRUE(after.count(name)) << "lost";
      const std::string& now = after.at(name);
      if (now == old_bytes) continue;
      if (name == "Xx.txt") {
        ColourTable table{};
        ASSERT_TRUE(ParseColourFile(now, &table).ok) << now;
        EXPECT_EQ(now, FormatColourFile(table));
      } else if (name == "Tinto.ini") {
        // Only the program's own keys may change; every other line reads as before.
        for (const auto& [section, key] :
             {std::pair{"Tinto", "mine"}, {"Tinto", "tp0"}, {"Other program", "x"}})
          EXPECT_EQ(FindProfileValue(now, section, key), FindProfileValue(old_bytes, section, key))
              << key;
        EXPECT_EQ(now.substr(0, now.find('\n')), old_bytes.substr(0, old_bytes.find('\n'))) << now;
        EXPECT_TRUE(FindProfileValue(now, "Tinto", "fc1").has_value()) << now;
      } else {
        ADD_FAILURE() << "changed:\n" << now;
      }
    }
    for (const auto& entry : fs::directory_iterator(dir))
      EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
  }
};

// What a damaged file holds.
enum class Damage { kTruncated, kOversized, kEmpty, kGarbage, kFolder, kPipe };

void Spoil(const fs::path& file, Damage damage, const std::string& good) {
  fs::remove_all(file);
  switch (damage) {
    case Damage::kTruncated:
      WriteAll(file, good.substr(0, good.size() / 2));
      break;
    case Damage::kOversized:  // beyond any size the program reads: a sparse file, so it is cheap
      WriteAll(file, good);
      fs::resize_file(file, (std::uintmax_t{65} << 20) + 1);
      break;
    case Damage::kEmpty:
      WriteAll(file, "");
      break;
    case Damage::kGarbage: {
      std::string bytes;
      for (int i = 0; i < 3000; ++i) bytes.push_back(static_cast<char>((i * 7919 + 13) % 251));
      WriteAll(file, bytes);
      break;
    }
    case Damage::kFolder:
      fs::create_directory(file);
      WriteAll(file / "inside", "x");
      break;
    case Damage::kPipe:  // a named pipe nobody writes to: opening it to read would wait
      ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0) << file;
      break;
  }
}

struct DamageCase {
  const char* file;
  Damage damage;
  bool error_shown;  // the program reports an error (otherwise it goes on quietly)
  const char* why;
};

TEST_F(BadInput, DamagedFilesAreReportedOrIgnoredAndNothingIsLost) {
  static constexpr std::array<DamageCase, 28> kCases = {{
      {"Xx.txt", Damage::kTruncated, false, "the missing numbers read 0"},
      {"Xx.txt", Damage::kOversized, true, "too large to read: the colours stay"},
      {"Xx.txt", Damage::kEmpty, false, "every number missing: all read 0"},
      {"Xx.txt", Damage::kGarbage, true, "not numbers: the colours stay"},
      {"Xx.txt", Damage::kFolder, true, "cannot be read or replaced"},
      {"Xx.txt", Damage::kPipe, true, "not a file: cannot be read or replaced"},
      {"Tinto.ini", Damage::kTruncated, true, "a free colour cut short is a conversion error"},
      {"Tinto.ini", Damage::kOversized, false, "unreadable: read as empty, so no stage to save in"},
      {"Tinto.ini", Damage::kEmpty, false, "no keys: defaults, the save writes them"},
      {"Tinto.ini", Damage::kGarbage, false, "no keys: defaults, the save adds the section"},
      {"Tinto.ini", Damage::kFolder, false, "read as empty, so no stage to save in"},
      {"Tinto.ini", Damage::kPipe, false, "not a file: read as empty, never waited on"},
      {"Rondelay.ini", Damage::kTruncated, false, "not read by these windows"},
      {"Rondelay.ini", Damage::kOversized, false, "not read by these windows"},
      {"Rondelay.ini", Damage::kEmpty, false, "not read by these windows"},
      {"Rondelay.ini", Damage::kGarbage, false, "not read by these windows"},
      {"Rondelay.ini", Damage::kFolder, false, "not read by these windows"},
      {"Rondelay.ini", Damage::kPipe, false, "not read by these windows, never waited on"},
      {"Z01.mid", Damage::kTruncated, false, "plays what is there"},
      {"Z01.mid", Damage::kOversized, false, "measured by its bytes"},
      {"Z01.mid", Damage::kEmpty, false, "no length: two seconds"},
      {"Z01.mid", Damage::kGarbage, false, "no length: two seconds"},
      {"Z01.mid", Damage::kFolder, false, "cannot be opened: two seconds"},
      {"song.wav", Damage::kTruncated, false, "plays what is there"},
      {"song.wav", Damage::kOversized, false, "measured by its bytes"},
      {"song.wav", Damage::kEmpty, false, "no length: skipped"},
      {"song.wav", Damage::kGarbage, false, "no length: skipped"},
      {"song.wav", Damage::kFolder, false, "cannot be opened: skipped"},
  }};
  for (const DamageCase& c : kCases) {
    SCOPED_TRACE(std::string(c.file) + " " + std::to_string(static_cast<int>(c.damage)) + ": " +
                 c.why);
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    Fill(folder_);
    std::string good = ReadAll(folder_ / c.file);
    if (std::string(c.file) == "Tinto.ini") good = "[Tinto]\r\nfc1=1 1 2 3 4 5 6 7 8 9\r\n" + good;
    Spoil(folder_ / c.file, c.damage, good);
    const SimResult r = Session(folder_);
    EXPECT_EQ(!r.Events("error").empty(), c.error_shown) << r.log;
    for (const std::string& e : r.Events("error"))
      EXPECT_GT(e.size(), 20u) << e;  // says what failed
    if (c.damage == Damage::kFolder) {
      EXPECT_TRUE(fs::is_directory(folder_ / c.file));
    }
    if (c.damage == Damage::kPipe) {
      EXPECT_TRUE(fs::is_fifo(folder_ / c.file));
    }
  }
}

TEST_F(BadInput, FolderNamesWithBlanksAndOtherScripts) {
  for (const char* name : {"with blanks", "ｶﾗｰ 設定 ü", " leading and trailing "}) {
    SCOPED_TRACE(name);
    const fs::path dir = folder_ / name;
    fs::create_directories(dir);
    Fill(dir);
    WriteWav(dir / "日本語 の 曲.wav", 1000);
    const SimResult r = Session(dir, "日本語 の 曲.wav");
    EXPECT_TRUE(r.Events("error").empty()) << r.log;
    EXPECT_FALSE(
        r.Events("music-open \"" + (dir / "日本語 の 曲.wav").string() + "\" 1000").empty())
        << r.log;
    EXPECT_TRUE(FindProfileValue(ReadAll(dir / "Tinto.ini"), "Tinto", "fc1").has_value());  // saved
  }
}

// A small file system mounted for one test; skipped where mounting is not allowed.
class MountedFolder : public BadInput {
 protected:
  bool Mount(const std::string& options) {
    mount_ = folder_ / "mounted";
    fs::create_directories(mount_);
    if (::mount("tmpfs", mount_.c_str(), "tmpfs", 0, options.c_str()) != 0) {
      skip_reason_ = std::string("cannot mount a tmpfs here: ") + std::strerror(errno);
      return false;
    }
    mounted_ = true;
    return true;
  }
  void TearDown() override {
    if (mounted_) ::umount2(mount_.c_str(), MNT_DETACH);
    BadInput::TearDown();
  }
  fs::path mount_;
  bool mounted_ = false;
  std::string skip_reason_;
};

TEST_F(MountedFolder, ReadOnlyProgramFolderReportsEverySave) {
  if (!Mount("size=1m")) GTEST_SKIP() << skip_reason_;
  Fill(mount_);
  ASSERT_EQ(::mount(nullptr, mount_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0)
      << std::strerror(errno);
  const SimResult r = Session(mount_);
  // The colour file's save and the free colour's save both fail, each with its reason.
  EXPECT_EQ(r.Events("error").size(), 2u) << r.log;
}

TEST_F(MountedFolder, FullFileSystemKeepsTheOldFiles) {
  if (!Mount("size=64k")) GTEST_SKIP() << skip_reason_;
  Fill(mount_);
  // Fill the rest, so that no new file can take a byte.
  {
    std::ofstream filler(mount_ / "filler", std::ios::binary);
    const std::string block(4096, 'x');
    for (int i = 0; i < 64 && filler; ++i) filler << block << std::flush;
  }
  const SimResult r = Session(mount_);
  EXPECT_EQ(r.Events("error").size(), 2u) << r.log;
  EXPECT_EQ(ReadAll(mount_ / "Xx.txt"), kColourFile);
  EXPECT_EQ(ReadAll(mount_ / "Tinto.ini"), kSettingsFile);
}

}  // namespace
}  // namespace tinto::test
