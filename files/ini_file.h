// Settings files read and written the way Windows reads and writes its private-profile
// (".ini") files, so that the program's own "Tinto.ini" and the host game's settings file
// look to both programs as they would on Windows.
//
// Reading: lines end with LF or CR LF; where no LF follows in the file, at CR (a file of
// CR line ends reads line by line). A line whose first non-blank character is "["
// starts a section; its name runs to the first "]" (or the line's end), without the blanks
// around it. Inside a section every other non-blank line is an entry: the key is the text
// before the first "=" and the value the text after it, both without surrounding blanks
// (a line without "=" is a key with an empty value). Lines before the first section
// belong to no section. Section and key names match without regard to ASCII letter case;
// only the first section of a name counts, and in it the first entry of a key. A value
// enclosed in a matching pair of double or single quotes loses them. There are no comment
// lines as such: a line starting with ";" or "#" is an entry nobody asks for.
//
// Writing one key keeps every other byte of the file. When the key exists, only its value
// changes: the line keeps its indentation, the key as spelt in the file and the blanks
// around "=", and the rest of the line becomes the new value. A new key is put on a new
// line after the section's last non-blank line (so before any blank lines that end the
// section). A new section goes at the end of the file, after a line end when the file
// lacks a final one, with no blank line before it. New lines end like the file's first
// line (CR LF in a new file or one without line ends, CR in a file of CR line ends; CR
// too for a line added past the file's last LF, where an LF would join the CR-ended lines
// before it into one); a new key after a last line
// without a line end leaves the file still without one. Values are bytes, written as
// given, without quotes. The file is replaced through WriteFileAtomically.
//
// A file that starts with the UTF-16LE byte-order mark is read and written as UTF-16 (see
// utf16_text.h); lines end as in any other file, at LF or, past the file's last LF, at CR.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tinto {

// The program's own settings file in the program folder and its one section.
inline constexpr std::string_view kSettingsFileName = "Tinto.ini";
inline constexpr std::string_view kSettingsSection = "Tinto";

// The value of the key in the text of a settings file, nothing when the section or key is
// missing.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// The text with the key set to value, as described above. The names and the value must
// pass ValidProfileEntry.
std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value);

// True when a section, key and value can be written without changing the file's
// structure: non-empty names without blanks around them, no "]" in the section name, no
// "=" in the key, and no line break anywhere.
bool ValidProfileEntry(std::string_view section, std::string_view key, std::string_view value);

// An integer read the way Windows reads one from a settings file: leading blanks skipped,
// an optional sign, then decimal digits up to the first other character ("12abc" is 12,
// a text without digits is 0). Digits beyond the 32-bit range wrap around, as on Windows.
int ParseProfileInt(std::string_view text);

// A value that is a decimal integer and nothing else: blanks around it, an optional sign,
// at least one digit, within the 32-bit range. Nothing for "50x", "" or "2147483648".
std::optional<int> ParseStrictInt(std::string_view text);

class IniFile {
 public:
  explicit IniFile(std::filesystem::path path) : path_(std::move(path)) {}

  const std::filesystem::path& path() const { return path_; }

  // The key's value, or default_value when the file (or its section or key) is missing
  // or cannot be read.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view default_value) const;

  // The key's value as ParseProfileInt reads it; default_value when the file, section or
  // key is missing, or the value is empty.
  int ReadInt(std::string_view section, std::string_view key, int default_value) const;

  // Sets one key (creating the file, section or key as needed). On failure returns false
  // and sets *error; the file is then unchanged.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value,
                   std::string* error);
  bool WriteInt(std::string_view section, std::string_view key, int value, std::string* error);

  // Sets several keys of one section in a single replacement of the file: either all of
  // them are written or none.
  bool WriteStrings(std::string_view section,
                    const std::vector<std::pair<std::string, std::string>>& entries,
                    std::string* error);

 private:
  std::filesystem::path path_;
};

}  // namespace tinto
