// UTF-16LE settings text to UTF-8 and back (see utf16_text.h).
#include "files/utf16_text.h"

#include <cstdint>

namespace tinto {
namespace {

void AppendUtf8(std::uint32_t c, std::string* out) {
  if (c < 0x80) {
    *out += static_cast<char>(c);
  } else if (c < 0x800) {
    *out += static_cast<char>(0xC0 | (c >> 6));
    *out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    *out += static_cast<char>(0xE0 | (c >> 12));
    *out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    *out += static_cast<char>(0xF0 | (c >> 18));
    *out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    *out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void AppendUnit(std::uint32_t unit, std::string* out) {
  *out += static_cast<char>(unit & 0xFF);
  *out += static_cast<char>(unit >> 8);
}

bool IsHigh(std::uint32_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLow(std::uint32_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

// The code point of the UTF-8 sequence at text[i] and its length; 0 when none starts there.
std::size_t DecodeUtf8(std::string_view text, std::size_t i, std::uint32_t* c) {
  const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
  const std::uint8_t b = byte(i);
  std::size_t n = 0;
  std::uint32_t value = 0, min = 0;
  if (b < 0x80) {
    *c = b;
    return 1;
  } else if ((b & 0xE0) == 0xC0) {
    n = 2, value = b & 0x1F, min = 0x80;
  } else if ((b & 0xF0) == 0xE0) {
    n = 3, value = b & 0x0F, min = 0x800;
  } else if ((b & 0xF8) == 0xF0) {
    n = 4, value = b & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + n > text.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    value = value << 6 | (byte(i + k) & 0x3F);
  }
  if (value < min || value > 0x10FFFF) return 0;
  *c = value;
  return n;
}

}  // namespace

bool IsUtf16LeText(std::string_view bytes) {
  return bytes.size() >= 2 && static_cast<std::uint8_t>(bytes[0]) == 0xFF &&
         static_cast<std::uint8_t>(bytes[1]) == 0xFE;
}

std::string Utf8FromUtf16Le(std::string_view bytes) {
  std::string out;
  const auto unit = [&](std::size_t i) {
    return std::uint32_t{static_cast<std::uint8_t>(bytes[i])} |
           std::uint32_t{static_cast<std::uint8_t>(bytes[i + 1])} << 8;
  };
  std::size_t i = IsUtf16LeText(bytes) ? 2 : 0;
  for (; i + 1 < bytes.size(); i += 2) {
    const std::uint32_t u = unit(i);
    if (IsHigh(u) && i + 3 < bytes.size() && IsLow(unit(i + 2))) {
      AppendUtf8(0x10000 + ((u - 0xD800) << 10) + (unit(i + 2) - 0xDC00), &out);
      i += 2;
    } else {
      AppendUtf8(u, &out);
    }
  }
  if (i < bytes.size()) AppendUtf8(static_cast<std::uint8_t>(bytes[i]), &out);
  return out;
}

std::string Utf16LeFromUtf8(std::string_view text) {
  std::string out = "\xFF\xFE";
  for (std::size_t i = 0; i < text.size();) {
    std::uint32_t c = 0;
    std::size_t n = DecodeUtf8(text, i, &c);
    if (n == 0) {
      c = static_cast<std::uint8_t>(text[i]);
      n = 1;
    }
    i += n;
    if (c >= 0x10000) {
      AppendUnit(0xD800 + ((c - 0x10000) >> 10), &out);
      AppendUnit(0xDC00 + ((c - 0x10000) & 0x3FF), &out);
    } else {
      AppendUnit(c, &out);
    }
  }
  return out;
}

}  // namespace tinto
