// Strict UTF-8 decoding (see utf8.h).
#include "gfx/utf8.h"

#include <cstdint>

namespace tinto::gfx {

namespace {

bool IsContinuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

}  // namespace

char32_t DecodeUtf8(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  int extra = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1;
    value = lead & 0x1F;
    minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2;
    value = lead & 0x0F;
    minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3;
    value = lead & 0x07;
    minimum = 0x10000;
  } else {
    // A continuation byte without a lead, or a lead byte UTF-8 never uses.
    ++pos;
    return kInvalidCodePoint;
  }
  std::size_t next = pos + 1;
  for (int i = 0; i < extra; ++i, ++next) {
    if (next >= text.size() || !IsContinuation(static_cast<unsigned char>(text[next]))) {
      // Cut off: the bytes read so far form one invalid unit; the byte that broke the
      // sequence starts the next one.
      pos = next;
      return kInvalidCodePoint;
    }
    value = (value << 6) | (static_cast<unsigned char>(text[next]) & 0x3F);
  }
  pos = next;
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return kInvalidCodePoint;
  }
  return value;
}

}  // namespace tinto::gfx
