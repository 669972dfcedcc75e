// The names of the saves' temporary files, the clean-up of those a killed run left, and
// the hook the tests of interrupted saves use.
#include <charconv>
#include <system_error>

#include "files/atomic_replace.h"
#include "files/utf8_path.h"

namespace tinto {
namespace {

constexpr std::string_view kTempMark = ".tmp";

FileCallHook file_call_hook = nullptr;

}  // namespace

std::string TemporaryFileName(std::string_view target_name, std::uint32_t pid, unsigned counter) {
  return "." + std::string(target_name) + std::string(kTempMark) + std::to_string(pid) + "-" +
         std::to_string(counter);
}

std::optional<std::uint32_t> TemporaryFileOwner(std::string_view name) {
  if (name.size() < 2 || name.front() != '.') return std::nullopt;
  const std::size_t mark = name.rfind(kTempMark);
  if (mark == std::string_view::npos || mark < 2) return std::nullopt;
  std::string_view rest = name.substr(mark + kTempMark.size());
  const std::size_t dash = rest.find('-');
  if (dash == std::string_view::npos || dash == 0 || dash + 1 == rest.size()) return std::nullopt;
  const auto all_digits = [](std::string_view s) {
    return s.find_first_not_of("0123456789") == std::string_view::npos;
  };
  if (!all_digits(rest.substr(0, dash)) || !all_digits(rest.substr(dash + 1))) return std::nullopt;
  std::uint32_t pid = 0;
  const auto [end, ec] = std::from_chars(rest.data(), rest.data() + dash, pid);
  if (ec != std::errc() || end != rest.data() + dash) return std::nullopt;
  return pid;
}

int RemoveStaleTemporaryFiles(const std::filesystem::path& folder) {
  int removed = 0;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    // Names in UTF-8: a name outside the system's code page must not stop the clean-up.
    const auto pid = TemporaryFileOwner(Utf8FromPath(it->path().filename()));
    if (!pid || ProcessIsRunning(*pid)) continue;
    std::error_code type_error;
    if (!it->is_regular_file(type_error)) continue;
    std::error_code remove_error;
    if (std::filesystem::remove(it->path(), remove_error)) ++removed;
  }
  return removed;
}

void SetFileCallHook(FileCallHook hook) {
  file_call_hook = hook;
}

void BeforeFileCall(const char* call) {
  if (file_call_hook != nullptr) file_call_hook(call);
}

}  // namespace tinto
