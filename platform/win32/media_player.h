// Sound effects through sndPlaySoundW and music through the MCI command strings: the
// sequencer for MIDI, waveaudio for WAV and mpegvideo for MP3, timed in milliseconds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tinto::win32 {

class MediaPlayer {
 public:
  MediaPlayer() = default;
  ~MediaPlayer() { MusicClose(); }
  MediaPlayer(const MediaPlayer&) = delete;
  MediaPlayer& operator=(const MediaPlayer&) = delete;

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
};

}  // namespace tinto::win32
