// The colour editor's basic types: a colour of three bytes, a part's entry of up to three
// shades of 4-bit levels, and the shapes of the colour tables.
//
// The heroine is drawn with 16 colour indices. Six editable parts (contact lenses,
// lipstick, skin, costume, belt, stockings) own one to three of them each, their shades.
#pragma once

#include <array>
#include <cstdint>

namespace tinto {

inline constexpr int kColoursPerRow = 16;  // colour indices of the heroine
inline constexpr int kColourRows = 5;      // rows of the colour table
inline constexpr int kParts = 6;
inline constexpr int kShades = 3;        // shades a part can have
inline constexpr int kChannels = 3;      // red, green, blue
inline constexpr int kPartEntries = 26;  // presets 0..15, free 16..20, factory 21..25
inline constexpr int kPresetEntries = 16;
inline constexpr int kFirstFreeEntry = 16;
inline constexpr int kFreeColours = 5;
inline constexpr int kFactoryOffset = 5;  // entry e + 5 holds free entry e's factory value
inline constexpr int kNamedEntries = 21;  // entries the picker lists

// Colour rows of the colour table.
inline constexpr int kBackgroundRow = 0;  // the host game's background block
inline constexpr int kNormalRow = 1;      // normal colours, also the pattern's key colours
inline constexpr int kWorkRow = 4;        // the picker's work row
// Variant v (0 = 2P, 1 = 3P) lives in row v + 2.
constexpr int VariantRow(int variant) {
  return variant + 2;
}

struct Colour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

using ColourRow = std::array<Colour, kColoursPerRow>;
using ColourTable = std::array<ColourRow, kColourRows>;

// One shade as three 4-bit levels (red, green, blue), one byte each. Levels read from the
// settings file may exceed 15; they are kept as read.
using Levels = std::array<std::uint8_t, kChannels>;
// One entry of a part: shades 0..2; shades beyond the part's count stay 0.
using PartEntry = std::array<Levels, kShades>;
using PartColours = std::array<std::array<PartEntry, kPartEntries>, kParts>;

// Per variant, the position in the random / random / reset cycle.
using VariantCycle = std::array<int, 2>;

// A level L drawn as the byte L * 17 (modulo 256 for levels above 15).
constexpr std::uint8_t LevelToByte(int level) {
  return static_cast<std::uint8_t>((level * 17) & 0xFF);
}
// A byte read back as a level, truncating: 191 is 11.
constexpr std::uint8_t ByteToLevel(int byte) {
  return static_cast<std::uint8_t>((byte & 0xFF) / 17);
}

}  // namespace tinto
