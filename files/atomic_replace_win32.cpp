// Reading and safe replacement of a file's content on Windows: a read that takes only
// disk files; write, FlushFileBuffers, then MoveFileExW with MOVEFILE_REPLACE_EXISTING |
// MOVEFILE_WRITE_THROUGH (a plain rename over an existing file fails there).
#include <windows.h>

#include <algorithm>
#include <string>

#include "files/atomic_replace.h"
#include "files/utf8_path.h"

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
  return Utf8FromWide(wide);
}

bool Fail(std::string* reason, DWORD err) {
  if (reason) *reason = Describe(err);
  return false;
}

// Creates a new, unique temporary file beside the target.
HANDLE CreateTemporary(const fs::path& dir, const fs::path& target, fs::path* temp) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = TemporaryFileName("", GetCurrentProcessId(), ++counter);
    // "." + the target's own name (kept wide) + ".tmpPID-N".
    *temp = dir / (L"." + target.filename().wstring() + WideFromUtf8(name.substr(1)));
    BeforeFileCall("CreateFileW");
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
    BeforeFileCall("WriteFile");
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// No new file may be made in the folder, but the file itself may be writable: it is then
// rewritten where it is, flushed. Not atomic, but the only way to save there at all.
bool OverwriteInPlace(const fs::path& target, std::string_view bytes, std::string* reason) {
  BeforeFileCall("CreateFileW");
  HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Fail(reason, GetLastError());
  DWORD err = 0;
  if (GetFileType(file) != FILE_TYPE_DISK) err = ERROR_INVALID_FUNCTION;
  if (err == 0 && !WriteAll(file, bytes)) err = GetLastError();
  BeforeFileCall("FlushFileBuffers");
  BeforeFileCall("FlushFileBuffers");
  if (err == 0 && !FlushFileBuffers(file)) err = GetLastError();
  if (!CloseHandle(file) && err == 0) err = GetLastError();
  return err == 0 || Fail(reason, err);
}

}  // namespace

ReadStatus ReadRegularFile(const fs::path& path, std::size_t max_bytes, std::string* bytes,
                           std::string* reason) {
  // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open; a pipe or device is refused
  // by its type before anything is read.
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD err = GetLastError();
    if (reason) *reason = Describe(err);
    return err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND ? ReadStatus::kMissing
                                                                      : ReadStatus::kFailed;
  }
  ReadStatus status = ReadStatus::kOk;
  LARGE_INTEGER size{};
  if (GetFileType(file) != FILE_TYPE_DISK) {
    status = ReadStatus::kNotRegular;
  } else if (!GetFileSizeEx(file, &size)) {
    status = ReadStatus::kFailed;
  } else if (static_cast<unsigned long long>(size.QuadPart) > max_bytes) {
    status = ReadStatus::kTooLarge;
  }
  std::string data;
  if (status == ReadStatus::kOk) {
    data.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t got = 0;
    while (got < data.size()) {
      DWORD n = 0;
      const DWORD want = static_cast<DWORD>(std::min<std::size_t>(data.size() - got, 1u << 30));
      if (!ReadFile(file, data.data() + got, want, &n, nullptr) || n == 0) break;
      got += n;
    }
    data.resize(got);
  }
  CloseHandle(file);
  if (status == ReadStatus::kOk) *bytes = std::move(data);
  return status;
}

bool ProcessIsRunning(std::uint32_t pid) {
  if (pid == 0) return false;
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (process == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
  DWORD code = 0;
  const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
  CloseHandle(process);
  return running;
}

bool ReplaceFileContents(const fs::path& target, std::string_view bytes,
                         std::optional<fs::perms> keep_perms, std::string* reason) {
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = L".";
  fs::path temp;
  HANDLE file = CreateTemporary(dir, target, &temp);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD err = GetLastError();
    if (err == ERROR_ACCESS_DENIED && keep_perms) return OverwriteInPlace(target, bytes, reason);
    return Fail(reason, err);
  }

  DWORD err = 0;
  if (!WriteAll(file, bytes)) err = GetLastError();
  BeforeFileCall("FlushFileBuffers");
  if (err == 0 && !FlushFileBuffers(file)) err = GetLastError();
  if (!CloseHandle(file) && err == 0) err = GetLastError();
  BeforeFileCall("MoveFileExW");
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
