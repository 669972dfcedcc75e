// UTF-8 and UTF-16 conversion through the system's own code page functions.
#include "platform/win32/wide.h"

#include "platform/win32/win32.h"

namespace tinto::win32 {

std::wstring Widen(std::string_view utf8) {
  if (utf8.empty() || utf8.size() > 0x7FFFFFFF) return {};
  const int size = static_cast<int>(utf8.size());
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  if (n <= 0) return {};
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), n);
  return out;
}

std::string Narrow(std::wstring_view wide) {
  if (wide.empty() || wide.size() > 0x7FFFFFFF) return {};
  const int size = static_cast<int>(wide.size());
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace tinto::win32
