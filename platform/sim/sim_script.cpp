// Parsing and checking the simulator's script.
#include "platform/sim/sim_script.h"

#include <charconv>
#include <map>
#include <sstream>

#include "resources/skin_slots.h"

namespace tinto::sim {

std::optional<std::vector<std::string>> SplitWords(const std::string& line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    if (i >= line.size()) break;
    std::string word;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        const char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) {
          word += line[i++];
        } else {
          word += c;
        }
      }
      if (!closed) return std::nullopt;
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
        word += line[i++];
    }
    words.push_back(std::move(word));
  }
  return words;
}

bool IsWindowName(const std::string& w) {
  return w == "main" || w == "message" || w == "picker" || w == "password" || w == "manual";
}

std::optional<int> ParseInt(const std::string& w) {
  int value = 0;
  const char* end = w.data() + w.size();
  auto [ptr, ec] = std::from_chars(w.data(), end, value);
  if (ec != std::errc() || ptr != end || w.empty()) return std::nullopt;
  return value;
}

std::optional<MouseButton> ParseButton(const std::string& w) {
  if (w == "left") return MouseButton::kLeft;
  if (w == "right") return MouseButton::kRight;
  if (w == "middle") return MouseButton::kMiddle;
  return std::nullopt;
}

bool IsModifier(const std::string& w) {
  return w == "shift" || w == "ctrl" || w == "alt";
}

ShiftState ParseModifiers(const std::vector<std::string>& words, std::size_t from) {
  ShiftState s;
  for (std::size_t i = from; i < words.size(); ++i) {
    if (words[i] == "shift") s.shift = true;
    if (words[i] == "ctrl") s.ctrl = true;
    if (words[i] == "alt") s.alt = true;
  }
  return s;
}

std::optional<int> ParseKey(const std::string& w) {
  // A single character is always a name: "0".."9" are the digit keys (48..57), so a
  // virtual-key number needs at least two digits ("08" is Backspace).
  if (w.size() == 1) {
    if ((w[0] >= 'A' && w[0] <= 'Z') || (w[0] >= '0' && w[0] <= '9')) return w[0];
    return std::nullopt;
  }
  if (auto n = ParseInt(w)) {
    if (*n >= 1 && *n <= 254) return n;
    return std::nullopt;
  }
  if (w.size() == 4 && w.rfind("NUM", 0) == 0 && w[3] >= '0' && w[3] <= '9')
    return 96 + (w[3] - '0');
  if (w.size() >= 2 && w[0] == 'F') {
    if (auto n = ParseInt(w.substr(1)); n && *n >= 1 && *n <= 24) return 111 + *n;
  }
  static const std::map<std::string, int> kNames = {
      {"SPACE", 32},    {"ENTER", 13},  {"ESC", 27},    {"BACKSPACE", 8}, {"HOME", 36},
      {"DELETE", 46},   {"COMMA", 188}, {"MINUS", 189}, {"PERIOD", 190},  {"SLASH", 191},
      {"UP", 38},       {"DOWN", 40},   {"LEFT", 37},   {"RIGHT", 39},    {"PAGEUP", 33},
      {"PAGEDOWN", 34}, {"END", 35},    {"TAB", 9},     {"SHIFT", 16},    {"CTRL", 17},
      {"ALT", 18}};
  if (auto it = kNames.find(w); it != kNames.end()) return it->second;
  return std::nullopt;
}

std::vector<std::string> DropFiles(const Command& c) {
  std::size_t end = c.args.size();
  while (end > 0 && IsModifier(c.args[end - 1])) --end;
  return {c.args.begin(), c.args.begin() + static_cast<std::ptrdiff_t>(end)};
}

namespace {

void Fail(int line, const std::string& message) {
  throw ScriptError{line, message};
}

void NeedCount(const Command& c, std::size_t min, std::size_t max) {
  if (c.args.size() < min || c.args.size() > max)
    Fail(c.line, "wrong number of arguments for " + c.name);
}

void NeedInt(const Command& c, std::size_t i) {
  if (!ParseInt(c.args[i])) Fail(c.line, "not a number: " + c.args[i]);
}

void NeedWindow(const Command& c) {
  if (!IsWindowName(c.args[0])) Fail(c.line, "unknown window: " + c.args[0]);
}

void NeedModifiers(const Command& c, std::size_t from) {
  for (std::size_t i = from; i < c.args.size(); ++i)
    if (!IsModifier(c.args[i])) Fail(c.line, "unknown modifier: " + c.args[i]);
}

bool ValidDateTime(const std::string& date, const std::string& time) {
  int y, mo, d, h, mi, s;
  char c1, c2, c3, c4;
  std::istringstream ds(date), ts(time);
  if (!(ds >> y >> c1 >> mo >> c2 >> d) || c1 != '-' || c2 != '-' || !ds.eof()) return false;
  if (!(ts >> h >> c3 >> mi >> c4 >> s) || c3 != ':' || c4 != ':' || !ts.eof()) return false;
  return y >= 1601 && y <= 9999 && mo >= 1 && mo <= 12 && d >= 1 && d <= 31 && h >= 0 && h <= 23 &&
         mi >= 0 && mi <= 59 && s >= 0 && s <= 59;
}

void Check(const Command& c) {
  const std::string& n = c.name;
  if (n == "folder" || n == "hostgame") {
    NeedCount(c, 1, 1);
  } else if (n == "seed" || n == "tickcount") {
    NeedCount(c, 1, 1);
    if (n == "tickcount") {
      std::uint64_t v = 0;
      auto [p, ec] = std::from_chars(c.args[0].data(), c.args[0].data() + c.args[0].size(), v);
      if (ec != std::errc() || p != c.args[0].data() + c.args[0].size() || v > 0xFFFFFFFFull)
        Fail(c.line, "not a tick count: " + c.args[0]);
    } else {
      std::int64_t v = 0;
      auto [p, ec] = std::from_chars(c.args[0].data(), c.args[0].data() + c.args[0].size(), v);
      if (ec != std::errc() || p != c.args[0].data() + c.args[0].size())
        Fail(c.line, "not a number: " + c.args[0]);
    }
  } else if (n == "now") {
    NeedCount(c, 2, 2);
    if (!ValidDateTime(c.args[0], c.args[1]))
      Fail(c.line, "not a date and time: " + c.args[0] + " " + c.args[1]);
  } else if (n == "screen") {
    NeedCount(c, 2, 2);
    NeedInt(c, 0);
    NeedInt(c, 1);
  } else if (n == "running") {
    NeedCount(c, 1, 1);
    if (c.args[0] != "normal" && c.args[0] != "minimised")
      Fail(c.line, "running normal or running minimised");
  } else if (n == "args") {
  } else if (n == "start" || n == "quit" || n == "memory") {
    NeedCount(c, 0, 0);
  } else if (n == "wait") {
    NeedCount(c, 1, 1);
    NeedInt(c, 0);
    if (*ParseInt(c.args[0]) < 0) Fail(c.line, "negative wait");
  } else if (n == "click" || n == "down" || n == "up") {
    if (c.args.size() < 3) Fail(c.line, "wrong number of arguments for " + n);
    NeedWindow(c);
    NeedInt(c, 1);
    NeedInt(c, 2);
    std::size_t mods = 3;
    if (c.args.size() > 3 && ParseButton(c.args[3])) mods = 4;
    NeedModifiers(c, mods);
  } else if (n == "move") {
    if (c.args.size() < 3) Fail(c.line, "wrong number of arguments for move");
    NeedWindow(c);
    NeedInt(c, 1);
    NeedInt(c, 2);
    NeedModifiers(c, 3);
  } else if (n == "key" || n == "keydown" || n == "keyup") {
    if (c.args.size() < 2) Fail(c.line, "wrong number of arguments for " + n);
    NeedWindow(c);
    if (!ParseKey(c.args[1])) Fail(c.line, "unknown key: " + c.args[1]);
    NeedModifiers(c, 2);
  } else if (n == "wheel") {
    NeedCount(c, 2, 2);
    NeedWindow(c);
    NeedInt(c, 1);
  } else if (n == "dblclick") {
    NeedCount(c, 3, 3);
    NeedWindow(c);
    NeedInt(c, 1);
    NeedInt(c, 2);
  } else if (n == "drop") {
    if (DropFiles(c).empty()) Fail(c.line, "drop needs at least one file");
  } else if (n == "snap" || n == "buffer") {
    NeedCount(c, 2, 2);
    NeedWindow(c);
  } else if (n == "skin") {
    NeedCount(c, 2, 2);
    bool known = false;
    for (const SkinSlotInfo& slot : kSkinSlots) known = known || c.args[0] == slot.name;
    if (!known) Fail(c.line, "unknown skin bitmap: " + c.args[0]);
  } else {
    Fail(c.line, "unknown command: " + n);
  }
}

bool IsSetUp(const std::string& n) {
  return n == "folder" || n == "seed" || n == "now" || n == "tickcount" || n == "screen" ||
         n == "hostgame" || n == "running" || n == "args";
}

}  // namespace

std::vector<Command> ParseScript(const std::string& text) {
  std::vector<Command> commands;
  std::istringstream in(text);
  std::string line;
  int number = 0;
  bool started = false;
  bool has_folder = false;
  while (std::getline(in, line)) {
    ++number;
    auto words = SplitWords(line);
    if (!words) Fail(number, "unterminated quote");
    if (words->empty() || (*words)[0][0] == '#') continue;
    Command c{number, (*words)[0], {words->begin() + 1, words->end()}};
    Check(c);
    if (IsSetUp(c.name) && started) Fail(number, c.name + " must come before start");
    if (!IsSetUp(c.name) && c.name != "start" && c.name != "quit" && !started)
      Fail(number, c.name + " must come after start");
    if (c.name == "start") {
      if (started) Fail(number, "a second start");
      if (!has_folder) Fail(number, "start without a folder");
      started = true;
    }
    if (c.name == "folder") has_folder = true;
    commands.push_back(std::move(c));
  }
  return commands;
}

}  // namespace tinto::sim
