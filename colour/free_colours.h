// The five free colours of each part (entries 16..20), kept in the settings file
// "Tinto.ini", section "Tinto", under "fc1" (contact lenses) to "fc6" (stockings).
//
// A value is 91 characters: "1", then 45 fields of two characters, for free colour
// f = 0..4, shade s = 0..2, channel red, green, blue in that nesting order, each the level
// right-aligned in two characters (shades the part lacks are written as " 0"). The field
// of (f, s, k) starts at character 2 + 18f + 6s + 2k, counting the first as 1.
#pragma once

#include <string>

#include "colour/colour_model.h"
#include "files/atomic_file.h"
#include "files/program_folder.h"

namespace tinto {

inline constexpr int kFreeColourValueLength = 91;

// The key of part p: "fc1" .. "fc6".
std::string FreeColourKey(int part);

// The value for the part's current free colours.
std::string FormatFreeColours(const PartColours& parts, int part);

// Reads a value into the part's free colours. Each field is a decimal integer (leading
// blanks allowed, optional sign) stored as its low byte; levels above 15 are kept as read.
// Only the first 91 characters count. A value that is too short or has a field that is
// not a number changes nothing and gives the error text.
FileResult ParseFreeColours(std::string_view value, int part, PartColours* parts);

// n = 1..6 reads key "fc" + n into part n - 1; a negative n reads all six keys, "fc1"
// first. A missing key leaves its part's free colours unchanged. A key that fails to read
// leaves that part unchanged and is reported; the other keys are still read (the result
// then lists every failed key, one a line).
FileResult ReadFreeColours(ColourModel& model, const ProgramFolder& folder, int n);

// Writes the free colours of part n - 1 (n = 1..6), or of all six parts for a negative n,
// in one replacement of the settings file that keeps all its other keys and lines.
FileResult WriteFreeColours(const ColourModel& model, const ProgramFolder& folder, int n);

}  // namespace tinto
