// The one crossing between the program's UTF-8 text and file-system paths. Every path
// built from a name, and every name read back from a path, goes through these, so that a
// game folder "ゲーム" or a file "壁紙.bmp" is found on every system (a path made from a
// plain std::string reads it in the system's narrow code page on some).
//
// None of them throws. On Windows, where paths are UTF-16, a name the system holds with a
// lone surrogate comes out as that code point's three-byte form and goes back unchanged,
// so such a file can still be opened; bytes that are not UTF-8 become U+FFFD.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tinto {

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

#ifdef _WIN32
// The same conversions for the wide strings of the Windows API.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
#endif

}  // namespace tinto
