// Private-profile style settings files: reading, and writing one key in place.
#include "files/ini_file.h"

#include <cstdint>
#include <system_error>

#include "files/atomic_file.h"
#include "files/utf16_text.h"
#include "files/utf8_path.h"

namespace tinto {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// One line of the file: its content [begin, end) and the start of the next line; the
// line end (LF, CR LF, a CR after the file's last LF, or nothing on a last line) is
// [end, next).
struct Line {
  std::size_t begin, end, next;
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t lf = text.find('\n', pos);
    if (lf == std::string_view::npos) {
      // No LF follows: lines end at CR, as in a file written with CR alone.
      std::size_t cr = text.find('\r', pos);
      if (cr == std::string_view::npos) {
        lines.push_back({pos, text.size(), text.size()});
        break;
      }
      lines.push_back({pos, cr, cr + 1});
      pos = cr + 1;
      continue;
    }
    std::size_t end = (lf > pos && text[lf - 1] == '\r') ? lf - 1 : lf;
    lines.push_back({pos, end, lf + 1});
    pos = lf + 1;
  }
  return lines;
}

enum class Kind { kBlank, kSection, kEntry };

// What one line holds. For an entry, value_begin is where the value starts (after "=" and
// the blanks that follow it; the line's end when the value is empty) and value the
// trimmed value; has_equals tells whether the line has "=" at all.
struct Parsed {
  Kind kind = Kind::kBlank;
  std::string_view name;
  std::string_view value;
  std::size_t value_begin = 0;
  bool has_equals = false;
};

Parsed ParseLine(std::string_view text, const Line& line) {
  std::string_view content = text.substr(line.begin, line.end - line.begin);
  Parsed p;
  std::string_view trimmed = Trim(content);
  if (trimmed.empty()) return p;
  if (trimmed.front() == '[') {
    p.kind = Kind::kSection;
    std::string_view inside = trimmed.substr(1);
    std::size_t close = inside.find(']');
    p.name = Trim(inside.substr(0, close));
    return p;
  }
  p.kind = Kind::kEntry;
  std::size_t eq = content.find('=');
  if (eq == std::string_view::npos) {
    p.name = trimmed;
    p.value_begin = line.end;
    return p;
  }
  p.has_equals = true;
  p.name = Trim(content.substr(0, eq));
  std::size_t v = eq + 1;
  while (v < content.size() && IsBlank(content[v])) ++v;
  p.value_begin = line.begin + v;
  p.value = Trim(content.substr(v));
  return p;
}

// Where the section and key are in the text.
struct Location {
  bool section_found = false;
  std::size_t last_line = 0;  // the section's last non-blank line (its header at least)
  bool key_found = false;
  std::size_t key_line = 0;
  Parsed key;
};

Location Locate(std::string_view text, const std::vector<Line>& lines, std::string_view section,
                std::string_view key) {
  Location at;
  bool inside = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Parsed p = ParseLine(text, lines[i]);
    if (p.kind == Kind::kSection) {
      // Only the first section of the name counts.
      inside = !at.section_found && SameName(p.name, section);
      if (inside) {
        at.section_found = true;
        at.last_line = i;
      }
      continue;
    }
    if (!inside || p.kind == Kind::kBlank) continue;
    at.last_line = i;
    if (!at.key_found && SameName(p.name, key)) {
      at.key_found = true;
      at.key_line = i;
      at.key = p;
    }
  }
  return at;
}

// The line end of new lines: that of the file's first line; CR in a file of CR line ends
// alone, CR LF in a file without line ends.
std::string_view FirstLineEnd(std::string_view text) {
  std::size_t lf = text.find('\n');
  if (lf == std::string_view::npos) {
    return text.find('\r') == std::string_view::npos ? "\r\n" : "\r";
  }
  return (lf > 0 && text[lf - 1] == '\r') ? "\r\n" : "\n";
}

// The line end of lines added at the end of the file. Past the file's last LF, lines end
// at CR; an LF added there would join those lines into one, so CR it is.
std::string_view EndForAppending(std::string_view text) {
  const std::size_t lf = text.rfind('\n');
  const std::size_t tail = lf == std::string_view::npos ? 0 : lf + 1;
  if (text.find('\r', tail) != std::string_view::npos) return "\r";
  return FirstLineEnd(text);
}

std::string StripQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

// The current text of the file: empty when it does not exist; a UTF-16 file as UTF-8,
// with *utf16 set (when given). False (with *error) when it exists but cannot be read, so
// that a write never replaces a file it could not read.
bool CurrentText(const std::filesystem::path& path, std::string* text, std::string* error,
                 bool* utf16 = nullptr) {
  if (utf16) *utf16 = false;
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec))) {
    text->clear();
    return true;
  }
  if (!ReadWholeFile(path, text, error)) return false;
  if (IsUtf16LeText(*text)) {
    *text = Utf8FromUtf16Le(*text);
    if (utf16) *utf16 = true;
  }
  return true;
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
  std::vector<Line> lines = SplitLines(text);
  Location at = Locate(text, lines, section, key);
  if (!at.key_found) return std::nullopt;
  return StripQuotes(at.key.value);
}

bool ValidProfileEntry(std::string_view section, std::string_view key, std::string_view value) {
  auto has_break = [](std::string_view s) {
    return s.find('\n') != std::string_view::npos || s.find('\r') != std::string_view::npos;
  };
  return !section.empty() && Trim(section) == section && !has_break(section) &&
         section.find(']') == std::string_view::npos && !key.empty() && Trim(key) == key &&
         !has_break(key) && key.find('=') == std::string_view::npos && key.front() != '[' &&
         !has_break(value);
}

std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value) {
  std::vector<Line> lines = SplitLines(text);
  Location at = Locate(text, lines, section, key);
  std::string out;
  if (at.key_found) {
    const Line& line = lines[at.key_line];
    std::size_t cut = at.key.has_equals ? at.key.value_begin : line.end;
    // A value that starts with blanks brings its own: the old ones after "=" go, or every
    // save of the same value would add more.
    if (at.key.has_equals && !value.empty() && IsBlank(value.front()))
      while (IsBlank(text[cut - 1])) --cut;
    out.append(text.substr(0, cut));
    if (!at.key.has_equals) out += '=';
    out.append(value);
    out.append(text.substr(line.end));
    return out;
  }
  std::string entry = std::string(key) + "=" + std::string(value);
  if (at.section_found) {
    const Line& anchor = lines[at.last_line];
    if (anchor.next > anchor.end) {
      std::string_view eol = text.substr(anchor.end, anchor.next - anchor.end);
      out.append(text.substr(0, anchor.next));
      out += entry;
      out.append(eol);
      out.append(text.substr(anchor.next));
    } else {  // the section's last line is the file's last, without a line end
      out.append(text);
      out.append(EndForAppending(text));
      out += entry;
    }
    return out;
  }
  std::string_view eol = EndForAppending(text);
  out.append(text);
  // A file ending in CR or LF ends with a line end (a CR at the very end has no LF after
  // it).
  if (!text.empty() && text.back() != '\n' && text.back() != '\r') out.append(eol);
  out += "[";
  out.append(section);
  out += "]";
  out.append(eol);
  out += entry;
  out.append(eol);
  return out;
}

int ParseProfileInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<int>(value);  // two's complement: wraps like the Windows reader
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view default_value) const {
  std::string text;
  if (!CurrentText(path_, &text, nullptr)) return std::string(default_value);
  return FindProfileValue(text, section, key).value_or(std::string(default_value));
}

std::optional<int> ParseStrictInt(std::string_view text) {
  text = Trim(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > std::int64_t{INT32_MAX} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
  return static_cast<int>(value);
}

int IniFile::ReadInt(std::string_view section, std::string_view key, int default_value) const {
  std::string text;
  if (!CurrentText(path_, &text, nullptr)) return default_value;
  std::optional<std::string> value = FindProfileValue(text, section, key);
  if (!value || value->empty()) return default_value;
  return ParseProfileInt(*value);
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value,
                          std::string* error) {
  return WriteStrings(section, {{std::string(key), std::string(value)}}, error);
}

bool IniFile::WriteInt(std::string_view section, std::string_view key, int value,
                       std::string* error) {
  return WriteString(section, key, std::to_string(value), error);
}

bool IniFile::WriteStrings(std::string_view section,
                           const std::vector<std::pair<std::string, std::string>>& entries,
                           std::string* error) {
  for (const auto& [key, value] : entries) {
    if (!ValidProfileEntry(section, key, value)) {
      if (error) {
        *error = "Could not save \"" + Utf8FromPath(path_) + "\": the setting [" +
                 std::string(section) + "] " + key + " cannot be written.";
      }
      return false;
    }
  }
  std::string text;
  bool utf16 = false;
  if (!CurrentText(path_, &text, error, &utf16)) return false;
  for (const auto& [key, value] : entries) text = SetProfileValue(text, section, key, value);
  // A UTF-16 file stays UTF-16 as a whole.
  return WriteFileAtomically(path_, utf16 ? Utf16LeFromUtf8(text) : text, error);
}

}  // namespace tinto
