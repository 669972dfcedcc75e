// The simulator's script: one command a line, parsed and checked before anything runs.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace tinto::sim {

struct Command {
  int line = 0;      // 1-based line number in the script
  std::string name;  // the command word
  std::vector<std::string> args;
};

struct ScriptError {
  int line = 0;
  std::string message;
};

// Splits a line into blank-separated words; a word in double quotes may hold blanks (and
// \" and \\). Returns nothing on an unterminated quote.
std::optional<std::vector<std::string>> SplitWords(const std::string& line);

// Parses and checks a whole script. Throws ScriptError naming the first bad line.
std::vector<Command> ParseScript(const std::string& text);

// Argument helpers shared by the parser and the interpreter.
bool IsWindowName(const std::string& word);
std::optional<int> ParseInt(const std::string& word);
std::optional<MouseButton> ParseButton(const std::string& word);
// A virtual-key number or a key name (A..Z, 0..9, NUM0..NUM9, F1..F24, SPACE, ENTER, ...).
std::optional<int> ParseKey(const std::string& word);
bool IsModifier(const std::string& word);
ShiftState ParseModifiers(const std::vector<std::string>& words, std::size_t from);
// The files of a drop command: every argument up to the trailing modifiers.
std::vector<std::string> DropFiles(const Command& c);

}  // namespace tinto::sim
