// Helpers of the media tests (see media_test_files.h).
#include "media_test_files.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace tinto::testing {

std::filesystem::path FreshTestDir() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  std::filesystem::path dir = std::filesystem::path(TINTO_BINARY_DIR) / "test-media" / name;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

std::filesystem::path WriteBytes(const std::filesystem::path& dir, std::string_view name,
                                 std::string_view bytes) {
  std::filesystem::path path = dir / name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool HaveProgram(std::string_view name) {
  return RunCommand("command -v " + std::string(name) + " >/dev/null 2>&1").has_value();
}

std::optional<std::string> RunCommand(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  std::string output;
  std::array<char, 256> buffer{};
  std::size_t got = 0;
  while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    output.append(buffer.data(), got);
  if (pclose(pipe) != 0) return std::nullopt;
  return output;
}

std::string Be(std::uint32_t value, int bytes) {
  std::string out;
  for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

std::string Le(std::uint32_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

std::string Vlq(std::uint32_t value) {
  std::string out(1, static_cast<char>(value & 0x7F));
  while ((value >>= 7) != 0) out.insert(out.begin(), static_cast<char>((value & 0x7F) | 0x80));
  return out;
}

std::string Mp3Frames(int count) {
  std::string frame(417, '\0');
  frame.replace(0, 4, "\xFF\xFB\x90\x00", 4);
  std::string out;
  for (int i = 0; i < count; ++i) out += frame;
  return out;
}

}  // namespace tinto::testing
