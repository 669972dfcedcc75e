// The built-in tournament passwords, the typing problems the password window shows for
// them, and the hints, one of each per unlock stage 0..9. Entry k of the passwords is the
// answer at stage k; entry 9 is the reset password that returns the points to 0.
#pragma once

#include <string_view>

namespace tinto {

inline constexpr int kPasswordEntries = 10;
// A password record is this many characters, the password padded with blanks; the
// password window compares every position.
inline constexpr int kPasswordRecordLength = 65;

// The characters a password can hold; a character's glyph index in the password window is
// its position here (a..z 0..25, "-" 26, "," 27, "." 28, digits 29..38, blank 39, "?" 40,
// "!" 41, "/" 42).
inline constexpr std::string_view kPasswordAlphabet = "abcdefghijklmnopqrstuvwxyz-,.0123456789 ?!/";
inline constexpr int kBlankGlyph = 39;

// The glyph index of a character, -1 for one outside the alphabet.
constexpr int GlyphIndex(char c) {
  std::size_t i = kPasswordAlphabet.find(c);
  return i == std::string_view::npos ? -1 : static_cast<int>(i);
}

// Entry k's record: 65 characters, blank-padded. Empty for k outside 0..9.
std::string_view PasswordRecord(int k);

// Entry k's password without the padding blanks (what "tp" + k keeps in the settings
// file). Empty for k outside 0..9.
std::string_view Password(int k);

// Entry k's typing problem (UTF-8; 24 to 64 bytes in Shift-JIS). Empty outside 0..9.
std::string_view Question(int k);

// Entry k's hint (UTF-8): "＜ヒント＞", then two to four lines, each after CR LF
// (78 to 214 bytes in Shift-JIS). Empty outside 0..9.
std::string_view Hint(int k);

}  // namespace tinto
