// UTF-8 text to and from the UTF-16 the Windows API speaks.
#pragma once

#include <string>
#include <string_view>

namespace tinto::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace tinto::win32
