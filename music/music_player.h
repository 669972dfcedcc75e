// The music player: the host game's built-in songs and the stock of up to sixteen music
// files (MIDI, MP3, WAV) dropped on the main window or named on the command line. It plays
// one file at a time through the platform's music service and draws the current number
// below the note button, white for a built-in song and red for a stock entry. The end of a
// song is found by the main tick from the song's length.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "files/program_folder.h"
#include "music/music_state.h"
#include "platform/platform.h"
#include "shell/main_canvas.h"
#include "shell/sound_effects.h"

namespace tinto {

// True when the name, lower-cased, ends in exactly ".mid", ".wav" or ".mp3".
bool IsMusicFile(std::string_view name);

// Music file names sorted by their lower-cased full path, each path once. The lower-cased
// form only orders and matches the names; every name keeps its real spelling, by which the
// file is opened.
class MusicFileList {
 public:
  // Adds a name that IsMusicFile accepts and that is not a folder; false otherwise or when
  // the same path (in lower case) is already listed.
  bool Add(const std::string& name);
  bool empty() const { return by_key_.empty(); }
  std::size_t size() const { return by_key_.size(); }
  // The real names in sorted order.
  std::vector<std::string> Names() const;

 private:
  std::map<std::string, std::string> by_key_;  // lower-cased path -> real name
};

class MusicPlayer {
 public:
  MusicPlayer(Platform& platform, const ProgramFolder& folder, MusicState& state,
              SoundEffects& effects, MainCanvas& canvas)
      : platform_(platform), folder_(folder), state_(state), effects_(effects), canvas_(canvas) {}

  // Start-up: how many of "Z01.mid".."Z16.mid" the program folder holds (gaps included).
  void CountBuiltinSongs();

  // Start the current song: a built-in song, a stock entry, or whichever the mode says.
  void PlayBuiltinSong();
  void PlayStockSong();
  void PlayCurrentSong();
  // Stops and closes the song; with toggle it also changes between the built-in songs and
  // the stock (to the stock only when it holds something) and plays effect 50.
  void StopSong(bool toggle);
  // Move the number of the current mode, wrapping around, and play.
  void NextSong();
  void PreviousSong();
  // Puts up to sixteen sorted names into the stock; when they do not fit, the oldest
  // entries leave. The first new name becomes current and the player goes to stock mode.
  void AddToStock(const std::vector<std::string>& names);
  // Files dropped or named on the command line: when any is a music file, the stock takes
  // them (emptied first while Shift or Alt is held) and the current song starts. False
  // when none qualified: then nothing happens at all.
  bool TakeFiles(const MusicFileList& list);
  // Every main tick: when the song's length has passed, the same song starts again, or
  // the next one with continuous play.
  void EndOfSongCheck(std::uint32_t now);

  static constexpr int kNumberX = 299;
  static constexpr int kNumberY = 268;
  // Length of a file that cannot be opened, measured or played: the end-of-song rule then
  // tries again after two seconds.
  static constexpr std::uint32_t kFailedLength = 2000;

 private:
  void DrawCurrentNumber();
  void Play(const std::string& path, bool stop_effects_first);

  Platform& platform_;
  const ProgramFolder& folder_;
  MusicState& state_;
  SoundEffects& effects_;
  MainCanvas& canvas_;
};

}  // namespace tinto
