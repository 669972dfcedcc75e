// The colour editor's constant tables, one row of text per row of the colour data: the
// default colour rows, the parts with their shades and colour indices, and each part's 21
// built-in entries written as hexadecimal levels. The texts are turned into numbers by the
// compiler, which also checks their shape (16 colours a row, 21 entries a part, the
// part's number of shades in every entry).
#pragma once

#include <array>
#include <string_view>

#include "colour/colour_types.h"

namespace tinto {
namespace colour_text {

// Parsing the table texts at compile time. A malformed text is a compile error: the
// throw cannot be evaluated in a constant expression.
consteval int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  throw "not a hexadecimal digit";
}

// "04:08:00 00:00:00 ..." (red:green:blue bytes, index 0 first) to 16 colours.
consteval ColourRow ParseRow(std::string_view text) {
  ColourRow row{};
  std::size_t pos = 0;
  for (int i = 0; i < kColoursPerRow; ++i) {
    std::uint8_t bytes[3] = {};
    for (int k = 0; k < 3; ++k) {
      if (pos + 2 > text.size()) throw "too few colours";
      bytes[k] = static_cast<std::uint8_t>(HexDigit(text[pos]) * 16 + HexDigit(text[pos + 1]));
      pos += 2;
      char separator = k < 2 ? ':' : ' ';
      if (i == kColoursPerRow - 1 && k == 2) break;
      if (text[pos] != separator) throw "bad separator";
      ++pos;
    }
    row[i] = {bytes[0], bytes[1], bytes[2]};
  }
  if (pos != text.size()) throw "too many colours";
  return row;
}

// "857/dac 854/ebb ..." (an entry's shades, three level digits each, separated by "/";
// entries separated by a blank) to 21 entries of exactly `shades` shades.
consteval std::array<PartEntry, kNamedEntries> ParsePart(std::string_view text, int shades) {
  std::array<PartEntry, kNamedEntries> entries{};
  std::size_t pos = 0;
  for (int e = 0; e < kNamedEntries; ++e) {
    for (int s = 0; s < shades; ++s) {
      if (pos + 3 > text.size()) throw "too few entries";
      for (int k = 0; k < kChannels; ++k) {
        entries[e][s][k] = static_cast<std::uint8_t>(HexDigit(text[pos++]));
      }
      bool last = e == kNamedEntries - 1 && s == shades - 1;
      if (last) break;
      if (text[pos] != (s < shades - 1 ? '/' : ' ')) throw "wrong number of shades";
      ++pos;
    }
  }
  if (pos != text.size()) throw "too many entries";
  return entries;
}

}  // namespace colour_text

// Rows 0..3 of the colour table as the program starts them: the host game's background
// block, the normal colours (the key colours of the pattern bitmap), and the two variants.
inline constexpr std::array<ColourRow, 4> DefaultColours = {
    colour_text::ParseRow(
        "04:08:00 00:00:00 cc:cc:cc dd:00:66 22:00:dd 00:00:00 00:00:00 00:00:00 "
        "00:00:00 00:00:00 00:00:00 00:00:00 00:00:00 00:00:00 00:00:00 ff:ff:ff"),
    colour_text::ParseRow(
        "00:00:00 44:33:22 77:77:66 88:55:77 dd:aa:cc 00:aa:00 ee:44:88 ff:77:aa "
        "ff:cc:dd 66:66:55 cc:bb:99 ee:dd:bb ff:ff:dd ee:bb:bb 88:55:44 ff:ff:ff"),
    colour_text::ParseRow(
        "00:00:00 44:33:22 66:55:55 33:33:11 aa:aa:99 00:aa:00 11:11:11 55:55:55 "
        "dd:cc:dd 44:33:33 88:77:66 aa:99:88 ee:cc:bb 77:33:55 77:66:77 ff:ff:ff"),
    colour_text::ParseRow(
        "00:00:00 44:33:22 77:55:44 33:33:77 99:99:ee 00:aa:00 88:55:77 dd:aa:cc "
        "ff:bb:dd 55:44:22 bf:9d:76 d9:bf:99 ff:e9:bf ee:44:88 ff:77:aa ff:ff:ff"),
};

// Shades per part: contact lenses, lipstick, skin, costume, belt, stockings.
inline constexpr std::array<int, kParts> PartShades = {2, 1, 3, 3, 1, 2};

// The colour index each shade of a part drives (-1: the part has no such shade). Indices
// 0, 1, 5 and 15 belong to no part.
inline constexpr std::array<std::array<int, kShades>, kParts> PartColourIndex = {{
    {3, 4, -1},    // contact lenses
    {13, -1, -1},  // lipstick
    {10, 11, 12},  // skin
    {6, 7, 8},     // costume
    {14, -1, -1},  // belt
    {9, 2, -1},    // stockings
}};

// Each part's built-in entries 0..20: presets 0..15, then the factory values of the five
// free colours 16..20. Levels in hexadecimal, red green blue per shade, shade 0 first.
inline constexpr std::array<std::array<PartEntry, kNamedEntries>, kParts> FactoryPartColours = {{
    colour_text::ParsePart("857/dac 854/ebb 331/aa9 337/99e 575/2da 714/f9c 532/fa8 "
                           "543/dd8 879/cbd 240/1a1 36f/5df 639/87f 451/af2 713/e4a "
                           "740/fb4 608/b5e 526/a7c 421/965 660/cc1 226/66d 245/68b",
                           PartShades[0]),
    colour_text::ParsePart("ebb e48 f35 735 f76 c8f bab "
                           "f9d a89 b41 d06 b4a 8d9 e4c "
                           "66e f90 c88 d02 d75 fb4 c41",
                           PartShades[1]),
    colour_text::ParsePart(
        "cb9/edb/ffd 876/a98/ecb cba/edc/ffe b96/cb9/fdb daa/fcc/fde a84/ba7/fda c88/eba/fed "
        "989/bac/fef e86/fb8/fec 432/765/b98 e92/fc4/fea a97/db9/fed bb7/dd9/ffc d78/f9a/ecd "
        "a76/b99/ebb e62/f94/fda ba3/dc5/ff8 a75/c97/fca b99/dbb/edd a9a/cbd/fef da5/fca/fda",
        PartShades[2]),
    colour_text::ParsePart(
        "e48/f7a/fcd 857/dac/fbd ddd/fff/eee 111/555/dcd c25/d58/ecd 00c/04f/dde ed0/ff0/eed "
        "586/1b8/ddd fed/ffd/ffe baa/ecb/fdc fee/ffe/fff fbc/fde/fef 8a7/bca/efd b47/e5c/fcf "
        "50c/74f/ece e50/f90/fec 79e/9be/ddf a3f/b7f/fbf 666/aaa/fff 853/d87/fed 525/658/dcd",
        PartShades[3]),
    colour_text::ParsePart("854 f7a bbb 767 f27 857 632 "
                           "854 edc a99 edd fef 574 58f "
                           "eb0 124 3b8 f72 43e a7e 2c2",
                           PartShades[4]),
    colour_text::ParsePart("665/776 542/754 764/875 433/655 557/778 575/787 876/987 "
                           "877/988 967/a78 630/955 137/458 524/947 472/684 735/957 "
                           "425/748 730/952 444/666 842/b54 445/568 322/544 437/658",
                           PartShades[5]),
}};

// The part colours as the program starts them: the built-in entries, and entries 21..25
// equal to the factory values of free colours 1..5 (entries 16..20).
constexpr PartColours InitialPartColours() {
  PartColours parts{};
  for (int p = 0; p < kParts; ++p) {
    for (int e = 0; e < kNamedEntries; ++e) parts[p][e] = FactoryPartColours[p][e];
    for (int f = 0; f < kFreeColours; ++f) {
      parts[p][kFirstFreeEntry + kFactoryOffset + f] = FactoryPartColours[p][kFirstFreeEntry + f];
    }
  }
  return parts;
}

}  // namespace tinto
