// Fuzz entries for the text files: the colour file, settings files and simulator scripts.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "colour/colour_file.h"
#include "files/ini_file.h"
#include "fuzz/fuzz_entries.h"
#include "platform/sim/sim_script.h"

namespace tinto::fuzz {

namespace {

std::string_view AsText(Bytes data) {
  return {reinterpret_cast<const char*>(data.data()), data.size()};
}

// A table whose every channel differs, so that a half-applied read shows.
ColourTable MarkedTable() {
  ColourTable table{};
  int n = 0;
  for (auto& row : table)
    for (auto& colour : row) {
      colour = {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n + 1),
                static_cast<std::uint8_t>(n + 2)};
      n += 3;
    }
  return table;
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The (section, key) pairs a settings file names, in a rough reading of its lines: enough
// to ask the real reader about each of them. At most a few hundred, to keep runs fast.
std::vector<std::pair<std::string, std::string>> NamedKeys(std::string_view text) {
  std::vector<std::pair<std::string, std::string>> keys;
  std::vector<std::string> sections;  // only the first section of a name counts
  std::string section;
  bool in_section = false;
  while (!text.empty() && keys.size() < 256 && sections.size() < 256) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    line = TrimBlanks(line);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.empty()) continue;
    if (line.front() == '[') {
      const std::string_view name = line.substr(1, line.find(']') - 1);
      section = std::string(TrimBlanks(name));
      in_section = true;
      for (const std::string& seen : sections)
        if (SameName(seen, section)) in_section = false;
      sections.push_back(section);
      continue;
    }
    if (!in_section || section.empty()) continue;
    const std::string_view key = TrimBlanks(line.substr(0, line.find('=')));
    if (!key.empty()) keys.emplace_back(section, std::string(key));
  }
  return keys;
}

}  // namespace

void Broken(std::string_view target, std::string_view what) {
  std::fprintf(stderr, "fuzz target %.*s: %.*s\n", static_cast<int>(target.size()), target.data(),
               static_cast<int>(what.size()), what.data());
  std::abort();
}

void ColourFileEntry(Bytes data) {
  const ColourTable before = MarkedTable();
  ColourTable table = before;
  const FileResult read = ParseColourFile(AsText(data), &table);
  if (!read.ok) {
    if (table != before) Broken("colour_file", "a refused file changed the colours");
    if (read.error.empty()) Broken("colour_file", "a refused file gave no reason");
    return;
  }
  // Rows 0..3 as read are written and read back exactly; row 4 is not in the file.
  if (table[kWorkRow] != before[kWorkRow]) Broken("colour_file", "the work row was read");
  const std::string written = FormatColourFile(table);
  ColourTable again = MarkedTable();
  if (!ParseColourFile(written, &again).ok || again != table)
    Broken("colour_file", "the written file does not read back");
  if (FormatColourFile(again) != written) Broken("colour_file", "a second write differs");
}

void IniReadEntry(Bytes data) {
  const std::string_view text = AsText(data);
  for (const auto& [section, key] : NamedKeys(text)) {
    const std::optional<std::string> value = FindProfileValue(text, section, key);
    if (!value) Broken("ini_read", "a key the file names is not found");
    if (value->find('\n') != std::string::npos) Broken("ini_read", "a value holds a line break");
    if (const std::optional<int> strict = ParseStrictInt(*value);
        strict && ParseProfileInt(*value) != *strict)
      Broken("ini_read", "the two integer readings differ");
  }
  ParseProfileInt(text);
  ParseStrictInt(text);
}

void IniRewriteEntry(Bytes data) {
  const std::string_view input = AsText(data);
  const std::size_t header_end = input.find('\n');
  if (header_end == std::string_view::npos) return;
  const std::string_view header = input.substr(0, header_end);
  const std::string_view text = input.substr(header_end + 1);
  const std::size_t tab1 = header.find('\t');
  const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : header.find('\t', tab1 + 1);
  if (tab2 == std::string_view::npos) return;
  const std::string_view section = header.substr(0, tab1);
  const std::string_view key = header.substr(tab1 + 1, tab2 - tab1 - 1);
  const std::string_view value = header.substr(tab2 + 1);
  if (!ValidProfileEntry(section, key, value)) return;

  const std::string written = SetProfileValue(text, section, key, value);
  // The key reads back as the same value would from a file of that one line.
  const std::string alone =
      "[" + std::string(section) + "]\n" + std::string(key) + "=" + std::string(value) + "\n";
  if (FindProfileValue(written, section, key) != FindProfileValue(alone, section, key))
    Broken("ini_rewrite", "the key written does not read back");
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                      value.back() == value.front();
  const bool plain = !quoted && value.find_first_not_of(" \t") == 0 &&
                     value.find_last_not_of(" \t") == value.size() - 1;
  if (plain && FindProfileValue(written, section, key) != std::string(value))
    Broken("ini_rewrite", "a plain value does not read back as written");
  for (const auto& [other_section, other_key] : NamedKeys(text)) {
    if (SameName(other_section, section) && SameName(other_key, key)) continue;
    if (FindProfileValue(written, other_section, other_key) !=
        FindProfileValue(text, other_section, other_key))
      Broken("ini_rewrite", "another key changed");
  }
  if (SetProfileValue(written, section, key, value) != written)
    Broken("ini_rewrite", "a second identical write changed the file");
}

void SimScriptEntry(Bytes data) {
  const std::string text(AsText(data));
  try {
    const std::vector<sim::Command> commands = sim::ParseScript(text);
    for (const sim::Command& c : commands)
      if (c.line < 1) Broken("sim_script", "a command without a line");
  } catch (const sim::ScriptError& e) {
    if (e.line < 1 || e.message.empty()) Broken("sim_script", "an error without a line or reason");
  }
}

}  // namespace tinto::fuzz
