// The resources of the executable on Windows: FindResourceW by type and name (both
// without regard to case, as the system looks them up), mapped in memory for the program's
// whole run.
#include <windows.h>

#include <string>

#include "resources/resources.h"

namespace tinto::resources {
namespace {

// Type and name as the resource script spells them: letters, digits and '_' (a name
// starting with '#' would be read as a number).
bool ToPlainWide(std::string_view text, std::wstring* wide) {
  if (text.empty()) return false;
  for (char c : text) {
    const bool ok =
        (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    if (!ok) return false;
    wide->push_back(static_cast<wchar_t>(c));
  }
  return true;
}

}  // namespace

std::span<const std::uint8_t> Find(std::string_view type, std::string_view name) {
  std::wstring wide_type, wide_name;
  if (!ToPlainWide(type, &wide_type) || !ToPlainWide(name, &wide_name)) return {};
  HRSRC found = FindResourceW(nullptr, wide_name.c_str(), wide_type.c_str());
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(nullptr, found);
  const DWORD size = SizeofResource(nullptr, found);
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return {};
  return {static_cast<const std::uint8_t*>(bytes), size};
}

}  // namespace tinto::resources
