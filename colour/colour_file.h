// The colour file "Xx.txt" in the program folder, shared with the host game: rows 0..3 of
// the colour table (the background block, the normal colours, the 2P and 3P variants).
//
// Shift-JIS text with CR LF line ends, four blocks of a header line and four data lines,
// then "//end" without a line end. Data line i of a block holds colours 4i .. 4i + 3 of the
// row: two blanks, then per colour two blanks and red, green, blue each right-aligned in
// four characters (58 characters a line).
#pragma once

#include <string>
#include <string_view>

#include "colour/colour_model.h"
#include "files/atomic_file.h"
#include "files/program_folder.h"

namespace tinto {

inline constexpr std::string_view kColourFileName = "Xx.txt";

// The whole file for rows 0..3 of the table, in Shift-JIS. Empty only if the headers
// could not be converted (they always can).
std::string FormatColourFile(const ColourTable& table);

// Reads rows 0..3 from the file's bytes the way the host game's format is read: each
// block's header line is skipped unread; then four times twelve decimal integers, each
// after any white space including line ends, stored as red, green, blue of the next four
// colours, and the rest of the line of the twelfth is skipped. A number is stored as its
// low byte (300 is 44); numbers missing at the end of the file read 0; anything after the
// fourth block is not read. A token that is not a decimal integer is an error: then the
// table is left exactly as it was (nothing is half-loaded), and the result says where.
FileResult ParseColourFile(std::string_view bytes, ColourTable* table);

// Loads rows 0..3 of the model's table from "Xx.txt"; when the file does not exist, the
// default colours instead. On an error the colours stay as they were.
FileResult LoadColourFile(ColourModel& model, const ProgramFolder& folder);

// Writes rows 0..3 to "Xx.txt" (its real name when it exists under another letter case).
// The file is replaced whole or, on an error, left as it was.
FileResult SaveColourFile(const ColourModel& model, const ProgramFolder& folder);

}  // namespace tinto
