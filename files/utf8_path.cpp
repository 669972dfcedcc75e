// UTF-8 paths (see utf8_path.h): through char8_t where the native form is narrow, by hand
// where it is UTF-16 (the standard library's converters throw on input they reject).
#include "files/utf8_path.h"

#include <cstdint>

namespace tinto {

#ifdef _WIN32

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code point at text[*pos] and the position after it. Lone surrogates in their
// three-byte form are accepted (see utf8_path.h); an overlong form, a code point past
// U+10FFFF or a cut sequence gives U+FFFD for its first byte.
char32_t DecodeOne(std::string_view text, std::size_t* pos) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(*pos);
  int extra = 0;
  char32_t cp = 0;
  char32_t least = 0;
  if (lead < 0x80) {
    ++*pos;
    return lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, cp = lead & 0x1Fu, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, cp = lead & 0x0Fu, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, cp = lead & 0x07u, least = 0x10000;
  } else {
    ++*pos;
    return kReplacement;
  }
  if (text.size() - *pos <= static_cast<std::size_t>(extra)) {
    ++*pos;
    return kReplacement;
  }
  for (int i = 1; i <= extra; ++i) {
    const std::uint8_t next = byte(*pos + static_cast<std::size_t>(i));
    if ((next & 0xC0u) != 0x80u) {
      ++*pos;
      return kReplacement;
    }
    cp = (cp << 6) | (next & 0x3Fu);
  }
  if (cp < least || cp > 0x10FFFF) {
    ++*pos;
    return kReplacement;
  }
  *pos += static_cast<std::size_t>(extra) + 1;
  return cp;
}

void AppendUtf8(char32_t cp, std::string* out) {
  const auto put = [&](std::uint32_t b) { out->push_back(static_cast<char>(b)); };
  if (cp < 0x80) {
    put(cp);
  } else if (cp < 0x800) {
    put(0xC0u | (cp >> 6));
    put(0x80u | (cp & 0x3Fu));
  } else if (cp < 0x10000) {
    put(0xE0u | (cp >> 12));
    put(0x80u | ((cp >> 6) & 0x3Fu));
    put(0x80u | (cp & 0x3Fu));
  } else {
    put(0xF0u | (cp >> 18));
    put(0x80u | ((cp >> 12) & 0x3Fu));
    put(0x80u | ((cp >> 6) & 0x3Fu));
    put(0x80u | (cp & 0x3Fu));
  }
}

bool IsHighSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

std::wstring WideFromUtf8(std::string_view utf8) {
  std::wstring out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t cp = DecodeOne(utf8, &pos);
    if (cp >= 0x10000) {
      out.push_back(static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    } else {
      out.push_back(static_cast<wchar_t>(cp));
    }
  }
  return out;
}

std::string Utf8FromWide(std::wstring_view wide) {
  std::string out;
  out.reserve(wide.size() * 3);
  for (std::size_t i = 0; i < wide.size(); ++i) {
    char32_t c = static_cast<char16_t>(wide[i]);
    if (IsHighSurrogate(c) && i + 1 < wide.size() &&
        IsLowSurrogate(static_cast<char16_t>(wide[i + 1]))) {
      c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char16_t>(wide[i + 1]) - 0xDC00);
      ++i;
    }
    AppendUtf8(c, &out);
  }
  return out;
}

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(WideFromUtf8(utf8));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  return Utf8FromWide(path.native());
}

#else

// The native form is the bytes themselves: nothing to convert, nothing to reject.
std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

#endif

}  // namespace tinto
