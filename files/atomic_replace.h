// The platform's part of reading and safely replacing the program's files: a read that
// opens nothing but a regular file (never blocking on a pipe or device), a new file beside
// the target flushed to the disk and moved over the target in one step, and the clean-up
// of temporary files that a killed run left. One implementation per platform
// (atomic_replace_posix.cpp, atomic_replace_win32.cpp); the checks before it are shared
// (atomic_file.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tinto {

// How a read of a whole regular file ended.
enum class ReadStatus { kOk, kMissing, kNotRegular, kTooLarge, kFailed };

// Reads the whole file when it is a regular file of at most max_bytes. The file is opened
// without waiting (a named pipe or device in its place is refused, not waited on). On a
// failure other than kOk, *reason says why when it applies.
ReadStatus ReadRegularFile(const std::filesystem::path& path, std::size_t max_bytes,
                           std::string* bytes, std::string* reason);

// Writes `bytes` to a new temporary file in the target's folder, flushes it to the disk and
// moves it over `target`, which need not exist. The new file gets `keep_perms` when given
// (the old file's permissions). When no temporary file can be made in the folder (a folder
// the user may not write to) and the target exists, the target is overwritten in place
// and flushed instead. On failure returns false with a short reason, removes the
// temporary file and leaves the target as it was.
bool ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes,
                         std::optional<std::filesystem::perms> keep_perms, std::string* reason);

// The temporary files of a save are named "." + the file's name + ".tmp" + the writing
// process's id + "-" + a counter. The id of the process that made the file of this name,
// nothing for any other name.
std::optional<std::uint32_t> TemporaryFileOwner(std::string_view name);
std::string TemporaryFileName(std::string_view target_name, std::uint32_t pid, unsigned counter);

// Removes the temporary files in the folder whose process has gone (a save killed part
// way); the files of running processes stay. Returns how many were removed.
int RemoveStaleTemporaryFiles(const std::filesystem::path& folder);

// True while a process of that id runs.
bool ProcessIsRunning(std::uint32_t pid);

// For the tests of interrupted saves: called before each file-system call that a save
// makes, with the call's name. Null (the default) calls nothing.
using FileCallHook = void (*)(const char* call);
void SetFileCallHook(FileCallHook hook);
void BeforeFileCall(const char* call);

}  // namespace tinto
