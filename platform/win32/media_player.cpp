// Effects and music on the Windows multimedia functions (see media_player.h).
#include "platform/win32/media_player.h"

#include <cwctype>

#include "files/utf8_path.h"
#include "music/media_length.h"
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

bool Mci(const std::wstring& command, std::wstring* answer = nullptr) {
  wchar_t buffer[128] = {};
  const MCIERROR err = mciSendStringW(command.c_str(), buffer, 128, nullptr);
  if (answer != nullptr) *answer = buffer;
  return err == 0;
}

}  // namespace

void MediaPlayer::PlayWave(const std::string& path, bool loop) {
  const std::wstring wide = Widen(path);
  UINT flags = SND_ASYNC | SND_NODEFAULT;
  if (loop) flags |= SND_LOOP;
  sndPlaySoundW(wide.c_str(), flags);
}

void MediaPlayer::StopWaves() {
  sndPlaySoundW(nullptr, 0);
}

std::optional<std::uint32_t> MediaPlayer::MusicOpen(const std::string& path) {
  MusicClose();
  const std::wstring wide = Widen(path);
  const std::optional<std::uint32_t> measured = MediaLengthMs(PathFromUtf8(path));
  if (wide.empty() || wide.find(L'"') != std::wstring::npos) return std::nullopt;
  if (!Mci(L"open \"" + wide + L"\" type " + DeviceTypeOf(wide) + L" alias " + kAlias)) {
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
}

}  // namespace tinto::win32
