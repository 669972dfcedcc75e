// Writing the demo content: each file appears whole or not at all, and a file that already
// holds the right bytes is left untouched, so running the tool again changes nothing.
#pragma once

#include <filesystem>
#include <string_view>

namespace tinto::demo {

// Makes path hold exactly bytes: written to a temporary file beside it and renamed over
// it. Returns false (and leaves no temporary file) when that fails.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tinto::demo
