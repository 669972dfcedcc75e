// MIDI songs on the mixer's music stream, through FluidSynth with settings of our own:
// the soundfont's samples are read only for the instruments a song selects (a General
// MIDI font holds several megabytes of them, most never played), and 64 voices sound at
// once, as many as the common wavetable synthesizers of the host game's days offered.
#pragma once

#include <string>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;

namespace tinto::sdl {

struct MixerLibrary;
struct SynthLibrary;

class MidiSynth {
 public:
  MidiSynth() = default;
  MidiSynth(const MidiSynth&) = delete;
  MidiSynth& operator=(const MidiSynth&) = delete;
  ~MidiSynth();

  // Makes the synthesizer for the mixer's output and loads the soundfont the mixer would
  // use (its own setting, the SDL_SOUNDFONTS variable, or FluidSynth's default), then
  // readies the song. False, with nothing held, when FluidSynth, the soundfont or the
  // song cannot be loaded.
  bool Open(const MixerLibrary& mix, const std::string& path);
  // Starts the song from its beginning on the music stream, in place of the mixer's own
  // music.
  bool Play();
  // Silences the song and gives the music stream back to the mixer.
  void Stop();
  void Close();
  bool is_open() const { return synth_ != nullptr; }

 private:
  static void Mix(void* self, unsigned char* stream, int length);
  // Adds the soundfont at path to the synthesizer: 1 when it loaded, else 0.
  static int LoadSoundfont(const char* path, void* self);
  bool NewPlayer();

  const MixerLibrary* mix_ = nullptr;
  const SynthLibrary* fluid_ = nullptr;
  _fluid_hashtable_t* settings_ = nullptr;
  _fluid_synth_t* synth_ = nullptr;
  _fluid_player_t* player_ = nullptr;
  std::string path_;
  bool hooked_ = false;
};

}  // namespace tinto::sdl
