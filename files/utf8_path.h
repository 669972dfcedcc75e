// The one crossing between the program's UTF-8 text and file-system paths. Every path
// built from a name, and every name read back from a path, goes through these, so that a
// game folder "ゲーム" or a file "壁紙.bmp" is found on every system (a path made from a
// plain std::string reads it in the system's narrow code page on some).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tinto {

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

}  // namespace tinto
