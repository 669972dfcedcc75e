// The music player.
#include "music/music_player.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/utf8_path.h"
#include "media/media_length.h"
#include "platform/keys.h"
#include "shell/pad.h"

namespace tinto {

namespace {
constexpr int kWhiteRow = 0;
constexpr int kRedRow = 1;

std::string LowerCase(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string BuiltinSongName(int number) {
  return number == 0 ? "Zz.mid" : "Z" + ZeroPad(2, number) + ".mid";
}
}  // namespace

bool IsMusicFile(std::string_view name) {
  const std::string lower = LowerCase(name);
  for (std::string_view ext : {".mid", ".wav", ".mp3"})
    if (lower.size() >= ext.size() &&
        lower.compare(lower.size() - ext.size(), ext.size(), ext) == 0)
      return true;
  return false;
}

bool MusicFileList::Add(const std::string& name) {
  if (!IsMusicFile(name)) return false;
  std::error_code error;
  if (std::filesystem::is_directory(PathFromUtf8(name), error)) return false;
  return by_key_.emplace(LowerCase(name), name).second;
}

std::vector<std::string> MusicFileList::Names() const {
  std::vector<std::string> names;
  names.reserve(by_key_.size());
  for (const auto& [key, real] : by_key_) names.push_back(real);
  return names;
}

void MusicPlayer::CountBuiltinSongs() {
  int count = 0;
  for (int n = 1; n <= kStockSize; ++n)
    if (folder_.Exists(BuiltinSongName(n))) ++count;
  state_.builtin_song_count = count;
}

void MusicPlayer::DrawCurrentNumber() {
  if (state_.stock_mode) {
    canvas_.DrawNumber(kNumberX, kNumberY, state_.stock_number, 2, kRedRow);
  } else {
    canvas_.DrawNumber(kNumberX, kNumberY, state_.song_number, 2, kWhiteRow);
  }
}

void MusicPlayer::Play(const std::string& path, bool stop_effects_first) {
  platform_.sound().MusicClose();
  // Effects and music that is not MIDI would share the sound output; MIDI leaves a
  // sounding effect alone.
  if (stop_effects_first) effects_.StopAll();
  std::uint32_t length = platform_.sound().MusicOpen(path).value_or(kFailedLength);
  if (length == 0) length = kFailedLength;       // a song of no length would never end
  length = std::min(length, kMaxMediaLengthMs);  // the end check compares signed differences
  if (!platform_.sound().MusicPlay()) length = kFailedLength;
  state_.song_length = length;
  state_.song_end_time = platform_.TickCount() + length;
}

void MusicPlayer::PlayBuiltinSong() {
  platform_.SetCursorShape(CursorShape::kBusy);
  canvas_.DrawNumber(kNumberX, kNumberY, state_.song_number, 2, kWhiteRow);
  Play(Utf8FromPath(folder_.Resolve(BuiltinSongName(state_.song_number))), false);
  platform_.SetCursorShape(CursorShape::kNormal);
}

void MusicPlayer::PlayStockSong() {
  platform_.SetCursorShape(CursorShape::kBusy);
  canvas_.DrawNumber(kNumberX, kNumberY, state_.stock_number, 2, kRedRow);
  const std::string& path = state_.stock[static_cast<std::size_t>(state_.stock_number)];
  const std::string lower = LowerCase(path);
  const bool midi = lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".mid") == 0;
  Play(path, !midi);
  platform_.SetCursorShape(CursorShape::kNormal);
}

void MusicPlayer::PlayCurrentSong() {
  state_.stock_mode ? PlayStockSong() : PlayBuiltinSong();
}

void MusicPlayer::StopSong(bool toggle) {
  state_.song_length = 0;
  platform_.sound().MusicStop();
  if (toggle) {
    state_.stock_mode = !state_.stock_mode;
    if (state_.stock_count < 1) state_.stock_mode = false;
    effects_.PlayEffect(50);
  }
  DrawCurrentNumber();
  platform_.sound().MusicClose();
}

void MusicPlayer::NextSong() {
  if (state_.stock_mode) {
    if (++state_.stock_number > state_.stock_count) state_.stock_number = 1;
    PlayStockSong();
  } else {
    if (++state_.song_number > state_.builtin_song_count) state_.song_number = 0;
    PlayBuiltinSong();
  }
}

void MusicPlayer::PreviousSong() {
  if (state_.stock_mode) {
    if (--state_.stock_number < 1) state_.stock_number = state_.stock_count;
    if (state_.stock_number < 1) state_.stock_number = 1;
    PlayStockSong();
  } else {
    if (--state_.song_number < 0) state_.song_number = state_.builtin_song_count;
    PlayBuiltinSong();
  }
}

void MusicPlayer::AddToStock(const std::vector<std::string>& names) {
  const int n = std::min<int>(static_cast<int>(names.size()), kStockSize);
  int d = 0;
  if (state_.stock_count + n > kStockSize) {
    d = state_.stock_count + n - kStockSize;
    for (int i = d + 1; i <= kStockSize; ++i)
      state_.stock[static_cast<std::size_t>(i - d)] =
          std::move(state_.stock[static_cast<std::size_t>(i)]);
  }
  const int first = state_.stock_count + 1 - d;
  for (int i = 0; i < n; ++i) {
    const int slot = first + i;
    state_.stock[static_cast<std::size_t>(slot)] = names[static_cast<std::size_t>(i)];
  }
  state_.stock_number = first;
  state_.stock_count = state_.stock_count + n - d;
  state_.stock_mode = true;
}

bool MusicPlayer::TakeFiles(const MusicFileList& list) {
  if (list.empty()) return false;
  if (platform_.IsKeyDown(vk::kShift) || platform_.IsKeyDown(vk::kMenu)) state_.stock_count = 0;
  AddToStock(list.Names());
  PlayCurrentSong();
  return true;
}

void MusicPlayer::EndOfSongCheck(std::uint32_t now) {
  if (state_.song_length == 0) return;
  // The unsigned difference keeps the end right across the wrap of the tick counter.
  if (static_cast<std::int32_t>(now - state_.song_end_time) < 0) return;
  state_.song_length = 0;
  state_.continuous_play ? NextSong() : PlayCurrentSong();
}

}  // namespace tinto
