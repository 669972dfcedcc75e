// A strict UTF-8 decoder for the text the windows draw: every byte sequence that is not
// well-formed UTF-8 (stray continuation bytes, overlong forms, surrogates, code points
// beyond U+10FFFF, sequences cut off by the end of the text) decodes as one invalid unit,
// and decoding never reads past the end of the text.
#pragma once

#include <cstddef>
#include <string_view>

namespace tinto::gfx {

// The value DecodeUtf8 returns for a malformed sequence.
inline constexpr char32_t kInvalidCodePoint = 0xFFFFFFFF;

// Decodes the character starting at text[pos] and advances pos past it. A malformed
// sequence advances pos by at least one byte and returns kInvalidCodePoint. pos must be
// below text.size().
char32_t DecodeUtf8(std::string_view text, std::size_t& pos);

}  // namespace tinto::gfx
