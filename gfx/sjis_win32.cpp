// Shift-JIS conversion through Windows' own code page 932 tables.
#include <windows.h>

#include "gfx/sjis.h"

namespace tinto::gfx {
namespace {

constexpr UINT kCodePage932 = 932;

std::optional<std::wstring> ToWide(UINT code_page, std::string_view in) {
  if (in.empty()) return std::wstring();
  if (in.size() > 0x7FFFFFFF) return std::nullopt;
  const int size = static_cast<int>(in.size());
  const int n = MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, in.data(), size, nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  if (MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, in.data(), size, out.data(), n) != n) {
    return std::nullopt;
  }
  return out;
}

// Code page 932 has no strict mode: a character it lacks comes back as the default
// character, which the used-default flag reports.
std::optional<std::string> FromWide(UINT code_page, const std::wstring& in) {
  if (in.empty()) return std::string();
  const int size = static_cast<int>(in.size());
  const bool utf8 = code_page == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL used_default = FALSE;
  BOOL* used_default_out = utf8 ? nullptr : &used_default;
  const int n =
      WideCharToMultiByte(code_page, flags, in.data(), size, nullptr, 0, nullptr, used_default_out);
  if (n <= 0 || used_default) return std::nullopt;
  std::string out(static_cast<std::size_t>(n), '\0');
  if (WideCharToMultiByte(code_page, flags, in.data(), size, out.data(), n, nullptr,
                          used_default_out) != n ||
      used_default) {
    return std::nullopt;
  }
  return out;
}

std::optional<std::string> Convert(UINT to, UINT from, std::string_view in) {
  const std::optional<std::wstring> wide = ToWide(from, in);
  if (!wide) return std::nullopt;
  return FromWide(to, *wide);
}

}  // namespace

std::optional<std::string> Utf8ToSjis(std::string_view utf8) {
  return Convert(kCodePage932, CP_UTF8, utf8);
}

std::optional<std::string> SjisToUtf8(std::string_view sjis) {
  return Convert(CP_UTF8, kCodePage932, sjis);
}

}  // namespace tinto::gfx
