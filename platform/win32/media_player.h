// Sound effects through sndPlaySoundW and music through the MCI command strings: the
// sequencer for MIDI, waveaudio for WAV and mpegvideo for MP3, timed in milliseconds.
//
// Neither is handed the file's name as the player's folder spells it: the wave functions
// and the MCI drivers convert names to the system's legacy code page, so a game folder
// named in other characters (or a long path) would play nothing. Effects are read with
// the wide file functions and played from memory; music is opened by the file's short
// (8.3) name where the file system has one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tinto::win32 {

class MediaPlayer {
 public:
  MediaPlayer() = default;
  ~MediaPlayer() { MusicClose(); }
  MediaPlayer(const MediaPlayer&) = delete;
  MediaPlayer& operator=(const MediaPlayer&) = delete;

  // Readies the wave output on a thread of its own: its first use loads the audio drivers,
  // which takes tens of milliseconds (under Wine, with a thread of the sound system
  // contending with the window's showing). The program plays its first effect in the same
  // tick that shows the main window, so the loop starts this while it waits for that tick.
  static void WarmUp();

  // One effect at a time, asynchronous; a missing file plays nothing (no default sound).
  void PlayWave(const std::string& path, bool loop);
  void StopWaves();

  std::optional<std::uint32_t> MusicOpen(const std::string& path);
  bool MusicPlay();
  void MusicStop();
  void MusicClose();

 private:
  enum class State { kClosed, kOpen, kSilent };
  State state_ = State::kClosed;
  // The effect playing now: the wave functions read it from here until it is stopped.
  std::vector<unsigned char> wave_;
  // A copy of the song made for the MCI drivers, removed when the song is closed.
  std::wstring temporary_copy_;
};

}  // namespace tinto::win32
