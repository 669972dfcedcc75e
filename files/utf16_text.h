// Settings files in UTF-16 (little-endian, with a byte-order mark), as Windows writes them
// when a program asks for Unicode. The settings reader works on 8-bit text, so such a file
// is turned into UTF-8 to be read and changed, and back into UTF-16 to be written. The
// round trip keeps every code unit, even a surrogate without its pair.
#pragma once

#include <string>
#include <string_view>

namespace tinto {

// True when the bytes start with the UTF-16LE byte-order mark FF FE.
bool IsUtf16LeText(std::string_view bytes);

// The text after the byte-order mark as UTF-8 (a lone surrogate in the three-byte form of
// its value; an odd last byte kept as U+00xx of its value).
std::string Utf8FromUtf16Le(std::string_view bytes);

// UTF-8 text as UTF-16LE with the byte-order mark. A byte that starts no valid sequence
// becomes the code unit of its own value.
std::string Utf16LeFromUtf8(std::string_view text);

}  // namespace tinto
