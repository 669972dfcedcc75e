// The platform's part of a safe whole-file write: a new file beside the target, flushed to
// the disk and moved over the target in one step. One implementation per platform
// (atomic_replace_posix.cpp, atomic_replace_win32.cpp); the checks before it are shared
// (atomic_file.cpp).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tinto {

// Writes `bytes` to a new temporary file in the target's folder, flushes it to the disk and
// moves it over `target`, which need not exist. The new file gets `keep_perms` when given
// (the old file's permissions). On failure returns false with a short reason, removes the
// temporary file and leaves the target as it was.
bool ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes,
                         std::optional<std::filesystem::perms> keep_perms, std::string* reason);

}  // namespace tinto
