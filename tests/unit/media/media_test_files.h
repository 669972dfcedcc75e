// Helpers of the media tests: a fresh folder per test, files written from bytes, and
// running the command-line audio tools when the machine has them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tinto::testing {

// An empty folder of the running test's own, under the build folder.
std::filesystem::path FreshTestDir();

// Writes bytes to dir / name and returns the path.
std::filesystem::path WriteBytes(const std::filesystem::path& dir, std::string_view name,
                                 std::string_view bytes);

std::string ReadBytes(const std::filesystem::path& path);

// Whether a program is on the search path.
bool HaveProgram(std::string_view name);

// Runs a shell command; its standard output when it exits with status 0.
std::optional<std::string> RunCommand(const std::string& command);

// Big- and little-endian numbers and MIDI variable-length quantities as bytes.
std::string Be(std::uint32_t value, int bytes);
std::string Le(std::uint32_t value, int bytes);
std::string Vlq(std::uint32_t value);

// count MPEG-1 layer III frames of 417 bytes (128 kbit/s, 44100 Hz: 26.1 ms each), silent.
std::string Mp3Frames(int count);

}  // namespace tinto::testing
