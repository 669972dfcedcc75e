// Effects and music on the Windows multimedia functions (see media_player.h).
#include "platform/win32/media_player.h"

#include <cstdio>
#include <cstdlib>
#include <cwctype>
#include <filesystem>
#include <fstream>

#include "files/utf8_path.h"
#include "media/media_length.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32.h"

namespace tinto::win32 {
namespace {

constexpr const wchar_t* kAlias = L"tinto_music";

// The MCI device type for a music file, by its extension.
const wchar_t* DeviceTypeOf(const std::wstring& path) {
  const std::size_t dot = path.rfind(L'.');
  std::wstring ext = dot == std::wstring::npos ? L"" : path.substr(dot + 1);
  for (wchar_t& c : ext) c = static_cast<wchar_t>(std::towlower(c));
  if (ext == L"mid" || ext == L"midi" || ext == L"rmi") return L"sequencer";
  if (ext == L"wav") return L"waveaudio";
  return L"mpegvideo";
}

// TINTO_MEDIA_LOG names a file that gets one line for every wave and MCI call with its
// result, so that a test can tell sound that really opened from a silent fallback.
// The name is read wide: the narrow environment is in the legacy code page.
void LogCall(const std::string& what, bool ok) {
  const wchar_t* log = _wgetenv(L"TINTO_MEDIA_LOG");
  if (log == nullptr || *log == L'\0') return;
  std::ofstream out(std::filesystem::path(log), std::ios::app | std::ios::binary);
  out << (ok ? "ok " : "fail ") << what << "\n";
}

bool Mci(const std::wstring& command, std::wstring* answer = nullptr) {
  wchar_t buffer[128] = {};
  const MCIERROR err = mciSendStringW(command.c_str(), buffer, 128, nullptr);
  if (answer != nullptr) *answer = buffer;
  LogCall("mci " + Narrow(command.substr(0, command.find(L' '))), err == 0);
  return err == 0;
}

// The file's short name where the volume keeps 8.3 names (the MCI drivers take names in
// the legacy code page only); otherwise the long name as it is.
std::wstring MciName(const std::wstring& path) {
  const DWORD need = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (need == 0) return path;
  std::wstring shorter(need, L'\0');
  const DWORD got = GetShortPathNameW(path.c_str(), shorter.data(), need);
  if (got == 0 || got >= need) return path;
  shorter.resize(got);
  return shorter;
}

// A copy of the song under the system's temporary folder with a plain ASCII name, for a
// volume without short names: the MCI drivers then open a name they can spell.
std::wstring TemporaryCopy(const std::wstring& path) {
  wchar_t folder[MAX_PATH + 1] = {};
  const DWORD n = GetTempPathW(MAX_PATH + 1, folder);
  if (n == 0 || n > MAX_PATH) return {};
  const std::size_t dot = path.rfind(L'.');
  const std::wstring ext = dot == std::wstring::npos ? L"" : path.substr(dot);
  const std::wstring copy =
      std::wstring(folder) + L"tinto-song-" + std::to_wstring(GetCurrentProcessId()) + ext;
  if (!CopyFileW(path.c_str(), copy.c_str(), FALSE)) return {};
  return copy;
}

// True when the legacy code page spells the name exactly.
bool LegacyCodePageSpells(const std::wstring& name) {
  BOOL lossy = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.c_str(),
                                    static_cast<int>(name.size()), nullptr, 0, nullptr, &lossy);
  return n > 0 && !lossy;
}

// A whole effect file read with the wide file functions; effects are small (the cap
// keeps a huge file named like one from being read).
constexpr std::uintmax_t kMaxEffectBytes = 16u << 20;

std::vector<unsigned char> ReadEffect(const std::string& path) {
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  if (!in) return {};
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size <= 0 || static_cast<std::uintmax_t>(size) > kMaxEffectBytes) return {};
  in.seekg(0);
  std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
  if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) return {};
  return bytes;
}

DWORD WINAPI ReadyWaveOutput(LPVOID /*unused*/) {
  waveOutGetNumDevs();
  return 0;
}

}  // namespace

void MediaPlayer::WarmUp() {
  static bool started = false;
  if (started) return;
  started = true;
  if (HANDLE thread = CreateThread(nullptr, 0, &ReadyWaveOutput, nullptr, 0, nullptr);
      thread != nullptr)
    CloseHandle(thread);
}

void MediaPlayer::PlayWave(const std::string& path, bool loop) {
  // The old effect stops before its bytes go: a new play cuts it anyway.
  StopWaves();
  if (IsPlayableEffect(PathFromUtf8(path))) wave_ = ReadEffect(path);
  if (wave_.empty()) return;  // a missing effect is silent
  UINT flags = SND_ASYNC | SND_NODEFAULT | SND_MEMORY;
  if (loop) flags |= SND_LOOP;
  const bool ok = sndPlaySoundW(reinterpret_cast<LPCWSTR>(wave_.data()), flags) != FALSE;
  LogCall("wave", ok);
}

void MediaPlayer::StopWaves() {
  sndPlaySoundW(nullptr, 0);
  wave_.clear();
}

std::optional<std::uint32_t> MediaPlayer::MusicOpen(const std::string& path) {
  MusicClose();
  const std::wstring wide = Widen(path);
  const std::optional<std::uint32_t> measured = SongLengthMs(PathFromUtf8(path));
  if (wide.empty() || wide.find(L'"') != std::wstring::npos) return std::nullopt;
  const std::wstring open_tail =
      std::wstring(L"\" type ") + DeviceTypeOf(wide) + L" alias " + kAlias;
  std::wstring name = MciName(wide);
  bool opened = Mci(L"open \"" + name + open_tail);
  if (!opened && (!LegacyCodePageSpells(name) || name.size() >= MAX_PATH / 2)) {
    temporary_copy_ = TemporaryCopy(wide);
    if (!temporary_copy_.empty()) opened = Mci(L"open \"" + MciName(temporary_copy_) + open_tail);
  }
  if (!opened) {
    // No device for it (no sound card): a file the program can measure runs its length
    // in silence.
    if (measured) state_ = State::kSilent;
    return measured;
  }
  state_ = State::kOpen;
  Mci(std::wstring(L"set ") + kAlias + L" time format milliseconds");
  std::wstring length;
  if (Mci(std::wstring(L"status ") + kAlias + L" length", &length) && !length.empty()) {
    wchar_t* end = nullptr;
    const unsigned long ms = std::wcstoul(length.c_str(), &end, 10);
    if (end != nullptr && *end == L'\0' && ms > 0) return static_cast<std::uint32_t>(ms);
  }
  // A device that cannot tell the length: measured from the file itself.
  if (!measured) MusicClose();
  return measured;
}

bool MediaPlayer::MusicPlay() {
  if (state_ == State::kSilent) return true;
  return state_ == State::kOpen && Mci(std::wstring(L"play ") + kAlias + L" from 0");
}

void MediaPlayer::MusicStop() {
  if (state_ == State::kOpen) Mci(std::wstring(L"stop ") + kAlias);
}

void MediaPlayer::MusicClose() {
  if (state_ == State::kOpen) Mci(std::wstring(L"close ") + kAlias);
  state_ = State::kClosed;
  if (!temporary_copy_.empty()) {
    DeleteFileW(temporary_copy_.c_str());
    temporary_copy_.clear();
  }
}

}  // namespace tinto::win32
