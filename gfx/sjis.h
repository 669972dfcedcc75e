// Conversion between the program's UTF-8 text and the Shift-JIS (Windows code page 932)
// bytes of the files it shares with the host game. Windows writes code page 932, which
// has characters plain Shift-JIS lacks (the wave dash "～", circled and full-width signs),
// so both directions use it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tinto::gfx {

// Nothing when the text is not valid UTF-8 or holds a character code page 932 lacks.
std::optional<std::string> Utf8ToSjis(std::string_view utf8);

// Nothing when the bytes are not valid code page 932.
std::optional<std::string> SjisToUtf8(std::string_view sjis);

}  // namespace tinto::gfx
