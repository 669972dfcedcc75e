// Whole-file reads and writes for the picture files, with a size limit checked before
// anything is read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tinto::gfx {

// The bytes of a regular file of at most max_bytes bytes. Anything else (a missing file, a
// folder or device, a larger file, a read error) gives nothing and, when error is given,
// a short reason.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& path,
                                                       std::uint64_t max_bytes, std::string* error);

// Writes the bytes to the file, replacing it. False (with a reason) on any failure.
bool WriteFileBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                    std::string* error);

}  // namespace tinto::gfx
