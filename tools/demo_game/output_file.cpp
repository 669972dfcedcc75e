// Whole-or-nothing, write-only-when-changed file output (see output_file.h).
#include "tools/demo_game/output_file.h"

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>

namespace tinto::demo {

namespace {

bool HoldsAlready(const std::filesystem::path& path, std::string_view bytes) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  if (std::filesystem::file_size(path, error) != bytes.size() || error) return false;
  std::ifstream in(path, std::ios::binary);
  const std::string old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return old == bytes;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  if (HoldsAlready(path, bytes)) return true;
  // A name of its own for every write, so two runs into the same folder do not meet.
  std::random_device random;
  std::filesystem::path temp = path;
  temp += ".part" + std::to_string(random());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temp, path, error);
  if (error) {
    std::filesystem::remove(temp, error);
    return false;
  }
  return true;
}

}  // namespace tinto::demo
