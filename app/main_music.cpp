// The main window's music player: its four buttons below the clock (note, previous, next,
// continuous play), music files dropped on the window and music files named on the
// command line.
#include <filesystem>
#include <system_error>

#include "app/TintoMainU.h"
#include "app/application.h"
#include "app/main_hotspots.h"
#include "app/main_press.h"
#include "files/utf8_path.h"

namespace tinto {

namespace {
constexpr int kDroppedEffect = 32;
}  // namespace

void TTintoMainFM::DoMusicHotspot(const MainHotspot& hotspot, MainPress& press) {
  using A = MainAction;
  MusicState& music = app_.music();
  switch (hotspot.action) {
    case A::kMusicPlayStop:
      // During a song the note button stops it and changes between the built-in songs
      // and the stock; otherwise it plays the current song.
      press.Report(music.Playing());
      if (music.Playing()) {
        music_player_.StopSong(true);
      } else {
        music_player_.PlayCurrentSong();
      }
      return;
    case A::kSongPrevious:
      music_player_.PreviousSong();
      return;
    case A::kSongNext:
      music_player_.NextSong();
      return;
    case A::kContinuousPlay:
      music.continuous_play = !music.continuous_play;
      press.Report(music.continuous_play);
      return;
    default:
      return;
  }
}

void TTintoMainFM::FormDropFiles(const std::vector<std::string>& paths) {
  MusicFileList list;
  for (const std::string& path : paths) list.Add(path);
  if (music_player_.TakeFiles(list)) app_.PlayEffect(kDroppedEffect);
}

void TTintoMainFM::TakeCommandLineMusic() {
  // A relative name means the folder the program was started from; the stock keeps full
  // paths. Nothing is opened yet: a missing file fails only when it is played.
  MusicFileList list;
  for (const std::string& arg : platform_.Arguments()) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(PathFromUtf8(arg), error);
    list.Add(error ? arg : Utf8FromPath(full.lexically_normal()));
  }
  music_player_.TakeFiles(list);
}

}  // namespace tinto
