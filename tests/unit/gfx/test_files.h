// Locating and reading the shared test files from the unit tests of gfx.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tinto::gfx::testing {

// The shared folder: TINTO_SHARED_DIR under ctest, else beside the source tree.
inline std::filesystem::path SharedDir() {
  if (const char* dir = std::getenv("TINTO_SHARED_DIR"); dir != nullptr && *dir != '\0') {
    return dir;
  }
  return std::filesystem::path(TINTO_SOURCE_DIR) / ".." / "shared";
}

// Skips the running test, naming the folder it looked for, when a corpus of the shared
// test files is absent (a fresh clone has no shared folder beside it).
#define TINTO_SKIP_WITHOUT_SHARED(dir)     \
  if (!std::filesystem::is_directory(dir)) \
  GTEST_SKIP() << "shared test files not found: looked in " << (dir).string()

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The files of a folder with the given extensions (lower case, with the dot), sorted;
// searched recursively when asked.
inline std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& dir,
                                                  std::vector<std::string> extensions,
                                                  bool recursive = false) {
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  const auto consider = [&](const std::filesystem::directory_entry& e) {
    if (!e.is_regular_file()) return;
    std::string ext = e.path().extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const std::string& want : extensions) {
      if (ext == want) files.push_back(e.path());
    }
  };
  if (recursive) {
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir, ec)) consider(e);
  } else {
    for (const auto& e : std::filesystem::directory_iterator(dir, ec)) consider(e);
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Known-bad pictures shipped by Debian's gdk-pixbuf-tests package, when installed.
inline std::filesystem::path PixbufTestDir() {
  return "/usr/libexec/installed-tests/gdk-pixbuf";
}

}  // namespace tinto::gfx::testing
