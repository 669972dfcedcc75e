// The keys that type a character in the password window and the glyph each one types
// (the glyph index in the password alphabet).
#pragma once

#include "platform/keys.h"
#include "unlock/password_tables.h"

namespace tinto {

// The glyph typed by a key with or without Shift; -1 for a key that types nothing. Letters
// type the lower-case glyph with or without Shift; Shift matters only for "1" ("!") and
// the slash key ("?").
constexpr int TypedGlyph(int key, bool shift) {
  if (key >= vk::kA && key <= vk::kA + 25) return key - vk::kA;
  if (key == vk::k0 + 1 && shift) return GlyphIndex('!');
  if (key >= vk::k0 && key <= vk::k0 + 9) return GlyphIndex('0') + key - vk::k0;
  if (key >= vk::kNumpad0 && key <= vk::kNumpad0 + 9) return GlyphIndex('0') + key - vk::kNumpad0;
  switch (key) {
    case vk::kOemComma:
      return GlyphIndex(',');
    case vk::kOemMinus:
      return GlyphIndex('-');
    case vk::kOemPeriod:
      return GlyphIndex('.');
    case vk::kOemSlash:
      return shift ? GlyphIndex('?') : GlyphIndex('/');
    default:
      return -1;
  }
}

static_assert(TypedGlyph(vk::kA, true) == 0 && TypedGlyph(vk::kA + 25, false) == 25);
static_assert(TypedGlyph(vk::k0, false) == 29 && TypedGlyph(vk::k0 + 1, false) == 30);
static_assert(TypedGlyph(vk::k0 + 1, true) == 41 && TypedGlyph(vk::k0 + 9, true) == 38);
static_assert(TypedGlyph(vk::kNumpad0 + 9, false) == 38);
static_assert(TypedGlyph(vk::kOemComma, false) == 27 && TypedGlyph(vk::kOemMinus, false) == 26);
static_assert(TypedGlyph(vk::kOemPeriod, false) == 28);
static_assert(TypedGlyph(vk::kOemSlash, false) == 42 && TypedGlyph(vk::kOemSlash, true) == 40);
static_assert(TypedGlyph(vk::kSpace, false) == -1);

}  // namespace tinto
