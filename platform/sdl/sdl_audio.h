// Sound effects and music on SDL_mixer.
//
// Effects play on one mixer channel, so a new effect cuts the one sounding. Music is the
// mixer's music stream: MIDI (through FluidSynth and its default General MIDI
// soundfont, see midi_synth.h), MP3 and WAV. Without a sound device everything is silent and
// nothing fails: music files are still measured, so songs last as long as they would sound.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/sdl/midi_synth.h"

struct Mix_Chunk;
struct _Mix_Music;

namespace tinto::sdl {

struct MixerLibrary;
class WaveCache;

class SdlAudio {
 public:
  SdlAudio();  // opens the sound device, if there is one
  ~SdlAudio();
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  bool has_device() const { return open_; }

  // A missing or unreadable file plays nothing and leaves the sounding effect alone.
  void PlayWave(const std::string& path, bool loop);
  // Loads and converts the effect now, so that its playing starts without that work.
  void PrepareWave(const std::string& path);
  void StopWaves();

  // The file's length in milliseconds, or nothing when it cannot be opened or measured.
  std::optional<std::uint32_t> MusicOpen(const std::string& path);
  // Starts the opened file once, without waiting; silently "plays" without a device.
  bool MusicPlay();
  void MusicStop();
  void MusicClose();

 private:
  const MixerLibrary* mix_ = nullptr;  // nullptr: not loaded, and no sound
  bool open_ = false;
  std::unique_ptr<WaveCache> waves_;     // with the device
  const Mix_Chunk* sounding_ = nullptr;  // the effect last handed to the effect channel
  _Mix_Music* music_ = nullptr;
  MidiSynth midi_;         // plays the open file instead of music_ when it is a standard MIDI file
  bool measured_ = false;  // a file is open (measured, and loaded when there is a device)
};

}  // namespace tinto::sdl
