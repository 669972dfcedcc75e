// Settings files read and written like the Windows private-profile functions: reading
// rules, integer parsing, and writes that keep every other byte of the file.
#include "files/ini_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <vector>

#include "tests/unit/temp_folder.h"

namespace tinto {
namespace {

using testing::TempFolder;

TEST(IniRead, FindsValuesTheWayWindowsDoes) {
  struct Case {
    const char* name;
    const char* text;
    const char* key;
    std::optional<std::string> value;
  };
  const Case cases[] = {
      {"plain", "[Tinto]\r\ntp=150\r\n", "tp", "150"},
      {"LF line ends", "[Tinto]\ntp=150\n", "tp", "150"},
      {"no final line end", "[Tinto]\r\ntp=150", "tp", "150"},
      {"any letter case", "[TINTO]\r\nTp=150\r\n", "tP", "150"},
      {"blanks around names and values", "  [ Tinto ]  \r\n\t tp \t=  150 \t\r\n", "tp", "150"},
      {"blanks inside a value stay", "[Tinto]\r\ntp=a  b\r\n", "tp", "a  b"},
      {"quotes are dropped", "[Tinto]\r\ntp=\" 150 \"\r\n", "tp", " 150 "},
      {"unmatched quote stays", "[Tinto]\r\ntp=\"150\r\n", "tp", "\"150"},
      {"value holding =", "[Tinto]\r\ntp=a=b\r\n", "tp", "a=b"},
      {"empty value", "[Tinto]\r\ntp=\r\n", "tp", ""},
      {"key without =", "[Tinto]\r\ntp\r\n", "tp", ""},
      {"first key wins", "[Tinto]\r\ntp=1\r\ntp=2\r\n", "tp", "1"},
      {"first section wins", "[Tinto]\r\nfc1=x\r\n[Tinto]\r\ntp=2\r\n", "tp", std::nullopt},
      {"other section", "[Rondelay]\r\ntp=1\r\n[Tinto]\r\nfc1=x\r\n", "tp", std::nullopt},
      {"before any section", "tp=1\r\n[Tinto]\r\n", "tp", std::nullopt},
      {"comment lines", "[Tinto]\r\n;tp=1\r\n# tp=2\r\ntp=3\r\n", "tp", "3"},
      {"no such section", "[Other]\r\ntp=1\r\n", "tp", std::nullopt},
      {"empty file", "", "tp", std::nullopt},
      {"section without ]", "[Tinto\r\ntp=4\r\n", "tp", "4"},
      // Where no LF follows, a line ends at CR.
      {"CR line ends", "[Tinto]\rfc1=x\rtp=2\r", "tp", "2"},
      {"CR line ends after the last LF", "[Tinto]\r\nfc1=x\rtp=2\r", "tp", "2"},
      {"a CR before an LF stays in the line", "[Tinto]\r\ntp=2\rfc1=x\r\n", "tp", "2\rfc1=x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindProfileValue(c.text, "Tinto", c.key), c.value) << c.name;
  }
}

TEST(IniRead, ReadsIntegersLikeGetPrivateProfileInt) {
  struct Case {
    const char* text;
    int value;
  };
  for (const Case& c :
       {Case{"12abc", 12}, Case{"abc", 0}, Case{"  -7", -7}, Case{"+5", 5}, Case{"-", 0},
        Case{"007", 7}, Case{"1 2", 1}, Case{"\t3x", 3}, Case{"2147483647", INT_MAX},
        Case{"2147483648", INT_MIN}, Case{"4294967296", 0}, Case{"0x10", 0}}) {
    EXPECT_EQ(ParseProfileInt(c.text), c.value) << c.text;
  }
}

TEST(IniFile, ReadsDefaultsForWhatIsMissing) {
  TempFolder dir;
  IniFile missing(dir / "Tinto.ini");
  EXPECT_EQ(missing.ReadInt("Tinto", "tp", 42), 42);
  EXPECT_EQ(missing.ReadString("Tinto", "tp0", "none"), "none");

  dir.Write("Tinto.ini", "[Tinto]\r\ntp=abc\r\nempty=\r\nfc1=1 2 3\r\n");
  IniFile ini(dir / "Tinto.ini");
  EXPECT_EQ(ini.ReadInt("Tinto", "tp", 42), 0);  // present without digits: 0, not the default
  EXPECT_EQ(ini.ReadInt("Tinto", "empty", 42), 42);
  EXPECT_EQ(ini.ReadInt("Tinto", "gone", 42), 42);
  EXPECT_EQ(ini.ReadInt("Other", "tp", 42), 42);
  EXPECT_EQ(ini.ReadString("Tinto", "fc1", "x"), "1 2 3");

  std::filesystem::create_directory(dir / "Folder.ini");  // unreadable: defaults
  EXPECT_EQ(IniFile(dir / "Folder.ini").ReadInt("Tinto", "tp", 7), 7);
}

TEST(IniFile, WritingOneKeyKeepsEveryOtherByte) {
  struct Case {
    const char* name;
    const char* before;
    const char* key;
    const char* value;
    const char* after;
  };
  const Case cases[] = {
      {"value replaced among comments and other sections (CR LF)",
       "; settings\r\n\r\n[Rondelay]\r\ntp=9\r\n# note\r\n[Tinto]\r\nfc1=1\r\ntp=120\r\n\r\n"
       "[Last]\r\nx=1\r\n",
       "tp", "150",
       "; settings\r\n\r\n[Rondelay]\r\ntp=9\r\n# note\r\n[Tinto]\r\nfc1=1\r\ntp=150\r\n\r\n"
       "[Last]\r\nx=1\r\n"},
      {"value replaced (LF)", "[Tinto]\nfc1=1\ntp=120\n[Last]\n", "tp", "150",
       "[Tinto]\nfc1=1\ntp=150\n[Last]\n"},
      {"no final line end kept", "[Tinto]\r\ntp=120", "tp", "150", "[Tinto]\r\ntp=150"},
      {"blanks around = kept, old trailing blanks dropped", "[Tinto]\r\n  TP  =  120  \r\n", "tp",
       "150", "[Tinto]\r\n  TP  =  150\r\n"},
      {"key in another case keeps its spelling", "[TINTO]\r\nTp=1\r\n", "tp", "150",
       "[TINTO]\r\nTp=150\r\n"},
      {"first of duplicate keys", "[Tinto]\r\ntp=1\r\ntp=2\r\n", "tp", "150",
       "[Tinto]\r\ntp=150\r\ntp=2\r\n"},
      {"empty value", "[Tinto]\r\ntp=\r\nx=1\r\n", "tp", "150", "[Tinto]\r\ntp=150\r\nx=1\r\n"},
      {"key without =", "[Tinto]\r\ntp\r\n", "tp", "150", "[Tinto]\r\ntp=150\r\n"},
      {"new key after the last entry, before blank lines",
       "[Tinto]\r\nfc1=1\r\n\r\n\r\n[Last]\r\nx=1\r\n", "tp", "50",
       "[Tinto]\r\nfc1=1\r\ntp=50\r\n\r\n\r\n[Last]\r\nx=1\r\n"},
      {"new key in an LF file", "[Tinto]\nfc1=1\n", "tp", "50", "[Tinto]\nfc1=1\ntp=50\n"},
      {"new key after a last line without line end", "[Tinto]\r\nfc1=1", "tp", "50",
       "[Tinto]\r\nfc1=1\r\ntp=50"},
      {"new key in an empty section", "[Tinto]\r\n[Last]\r\n", "tp", "50",
       "[Tinto]\r\ntp=50\r\n[Last]\r\n"},
      {"new key goes to the first of duplicate sections", "[Tinto]\r\na=1\r\n[Tinto]\r\ntp=2\r\n",
       "tp", "50", "[Tinto]\r\na=1\r\ntp=50\r\n[Tinto]\r\ntp=2\r\n"},
      {"new section at the end", "[Rondelay]\r\nNOMAL=3\r\n", "tp", "50",
       "[Rondelay]\r\nNOMAL=3\r\n[Tinto]\r\ntp=50\r\n"},
      {"new section after a last line without line end", "[Rondelay]\r\nNOMAL=3", "tp", "50",
       "[Rondelay]\r\nNOMAL=3\r\n[Tinto]\r\ntp=50\r\n"},
      {"new section in an LF file", "[Rondelay]\nNOMAL=3", "tp", "50",
       "[Rondelay]\nNOMAL=3\n[Tinto]\ntp=50\n"},
      {"value replaced in a file of CR line ends", "[Tinto]\rNOMAL=2\rtp=0\r", "tp", "3",
       "[Tinto]\rNOMAL=2\rtp=3\r"},
      {"new key in a file of CR line ends", "[Tinto]\rfc1=1\r", "tp", "50",
       "[Tinto]\rfc1=1\rtp=50\r"},
      {"new section after CR line ends past the last LF", "[A]\r\nx=1\ry=2\r", "tp", "50",
       "[A]\r\nx=1\ry=2\r[Tinto]\rtp=50\r"},
      {"new section after trailing blank lines", "; only a comment\r\n\r\n", "tp", "50",
       "; only a comment\r\n\r\n[Tinto]\r\ntp=50\r\n"},
  };
  for (const Case& c : cases) {
    TempFolder dir;
    dir.Write("Tinto.ini", c.before);
    IniFile ini(dir / "Tinto.ini");
    std::string error;
    ASSERT_TRUE(ini.WriteString("Tinto", c.key, c.value, &error)) << c.name << ": " << error;
    EXPECT_EQ(dir.Read("Tinto.ini"), c.after) << c.name;
    EXPECT_EQ(ini.ReadString("Tinto", c.key, "?"), c.value) << c.name;
  }
}

TEST(IniFile, AValueWithLeadingBlanksWrittenTwiceChangesNothing) {
  // Its own blanks replace those after "=", so a second save of it does not add more.
  TempFolder dir;
  dir.Write("Tinto.ini", "[Tinto]\r\ntp = 120\r\n");
  IniFile ini(dir / "Tinto.ini");
  std::string error;
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(ini.WriteString("Tinto", "tp", "  150", &error)) << error;
    EXPECT_EQ(dir.Read("Tinto.ini"), "[Tinto]\r\ntp =  150\r\n");
  }
}

TEST(IniFile, AWriteNeverChangesHowAnotherLineReads) {
  // Files with lines that end in CR alone (those past the file's last LF): the line ends
  // the writer adds must not join them into one.
  struct Case {
    const char* name;
    std::string before;
    std::vector<std::pair<std::string, std::optional<std::string>>> others;  // key: value read
  };
  const Case cases[] = {
      {"section header ending in CR", "x\n[Tinto\r", {{"x", std::nullopt}}},
      {"value ending in CR", "[Tinto]\nfoo=bar\r", {{"foo", "bar"}}},
      {"value ending in CR, CR LF file", "[Tinto]\r\nfoo=bar\r", {{"foo", "bar"}}},
      {"CR line ends only", "[Tinto]\rfoo=bar\rbaz=1\r", {{"foo", "bar"}, {"baz", "1"}}},
      {"other section ending in CR", "[Other]\r\na=1\r", {}},
      {"lone CR inside a line", "[Tinto]\r\nfoo=b\rar\r\n", {{"foo", "b\rar"}}},
      {"only a CR", "\r", {}},
  };
  for (const Case& c : cases) {
    for (const char* key : {"Key", "foo"}) {
      TempFolder dir;
      dir.Write("Tinto.ini", c.before);
      IniFile ini(dir / "Tinto.ini");
      std::string error;
      ASSERT_TRUE(ini.WriteString("Tinto", key, "v1", &error)) << c.name << ": " << error;
      EXPECT_EQ(ini.ReadString("Tinto", key, "?"), "v1") << c.name << " " << key;
      const std::string after = dir.Read("Tinto.ini");
      for (const auto& [other, value] : c.others) {
        if (other == key) continue;
        EXPECT_EQ(FindProfileValue(after, "Tinto", other), value) << c.name << " " << key;
      }
      EXPECT_EQ(FindProfileValue(after, "Other", "a"), FindProfileValue(c.before, "Other", "a"))
          << c.name;
      // Writing again finds the key where the first write put it.
      ASSERT_TRUE(ini.WriteString("Tinto", key, "v2", &error)) << c.name;
      EXPECT_EQ(ini.ReadString("Tinto", key, "?"), "v2") << c.name << " " << key;
    }
  }
}

TEST(IniRead, StrictIntegersAcceptOnlyAPlainNumber) {
  struct Case {
    const char* text;
    std::optional<int> value;
  };
  for (const Case& c :
       {Case{"50", 50}, Case{" -7 ", -7}, Case{"+5", 5}, Case{"2147483647", INT_MAX},
        Case{"-2147483648", INT_MIN}, Case{"50x", std::nullopt}, Case{"100abc", std::nullopt},
        Case{"4294967346", std::nullopt}, Case{"2147483648", std::nullopt},
        Case{"99999999999999999999999", std::nullopt}, Case{"", std::nullopt},
        Case{"-", std::nullopt}, Case{"1 2", std::nullopt}, Case{"0x10", std::nullopt}}) {
    EXPECT_EQ(ParseStrictInt(c.text), c.value) << c.text;
  }
}

TEST(IniFile, CreatesAMissingFileWithCrLf) {
  TempFolder dir;
  IniFile ini(dir / "Tinto.ini");
  std::string error;
  ASSERT_TRUE(ini.WriteInt("Tinto", "tp", 50, &error)) << error;
  ASSERT_TRUE(ini.WriteStrings("Tinto", {{"tp0", "abc"}, {"tp", "100"}}, &error)) << error;
  EXPECT_EQ(dir.Read("Tinto.ini"), "[Tinto]\r\ntp=100\r\ntp0=abc\r\n");
}

TEST(IniFile, RefusesWritesThatWouldDamageTheFile) {
  TempFolder dir;
  const std::string original = "[Tinto]\r\ntp=1\r\n";
  dir.Write("Tinto.ini", original);
  IniFile ini(dir / "Tinto.ini");
  std::string error;
  EXPECT_FALSE(ini.WriteString("Tinto", "a=b", "1", &error));
  EXPECT_FALSE(ini.WriteString("Tinto", "tp", "1\r\n[Evil]", &error));
  EXPECT_FALSE(ini.WriteString("Ti]nto", "tp", "1", &error));
  EXPECT_FALSE(ini.WriteString("Tinto", " tp", "1", &error));
  EXPECT_FALSE(ini.WriteStrings("Tinto", {{"tp", "2"}, {"", "3"}}, &error));  // none written
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(dir.Read("Tinto.ini"), original);

  std::filesystem::permissions(dir / "Tinto.ini", std::filesystem::perms::owner_read);
  error.clear();
  EXPECT_FALSE(ini.WriteString("Tinto", "tp", "2", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(dir.Read("Tinto.ini"), original);
}

}  // namespace
}  // namespace tinto
