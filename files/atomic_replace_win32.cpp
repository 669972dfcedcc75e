// Safe replacement of a file's content on Windows: write, FlushFileBuffers, then
// MoveFileExW with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH (a plain rename
// over an existing file fails there).
#include <windows.h>

#include <string>

#include "files/atomic_replace.h"

namespace tinto {
namespace fs = std::filesystem;
namespace {

std::string Describe(DWORD err) {
  wchar_t* text = nullptr;
  DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, err, MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&text), 0,
      nullptr);
  std::wstring wide(text != nullptr ? text : L"", n);
  if (text != nullptr) LocalFree(text);
  while (!wide.empty() && (wide.back() == L'\r' || wide.back() == L'\n' || wide.back() == L'.')) {
    wide.pop_back();
  }
  if (wide.empty()) return "error " + std::to_string(err);
  return fs::path(wide).string();
}

bool Fail(std::string* reason, DWORD err) {
  if (reason) *reason = Describe(err);
  return false;
}

// Creates a new, unique temporary file beside the target.
HANDLE CreateTemporary(const fs::path& dir, const fs::path& target, fs::path* temp) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temp = dir / (L"." + target.filename().wstring() + L".tmp" +
                   std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter));
    HANDLE file = CreateFileW(temp->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  SetLastError(ERROR_FILE_EXISTS);
  return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

bool ReplaceFileContents(const fs::path& target, std::string_view bytes,
                         std::optional<fs::perms> /*keep_perms*/, std::string* reason) {
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = L".";
  fs::path temp;
  HANDLE file = CreateTemporary(dir, target, &temp);
  if (file == INVALID_HANDLE_VALUE) return Fail(reason, GetLastError());

  DWORD err = 0;
  if (!WriteAll(file, bytes)) err = GetLastError();
  if (err == 0 && !FlushFileBuffers(file)) err = GetLastError();
  if (!CloseHandle(file) && err == 0) err = GetLastError();
  if (err == 0 && !MoveFileExW(temp.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    err = GetLastError();
  }
  if (err != 0) {
    DeleteFileW(temp.c_str());
    return Fail(reason, err);
  }
  return true;
}

}  // namespace tinto
