// FluidSynth behind the mixer's music hook.
#include "platform/sdl/midi_synth.h"

#include <SDL_mixer.h>
#include <fluidsynth.h>

namespace tinto::sdl {

namespace {

// The mixer's own MIDI music sets the synthesizer's gain from its music volume, 1.2 at
// full volume (FluidSynth's own default is a quiet 0.2): songs keep the loudness they had.
constexpr double kGain = 1.2;
// Voices sounding at once; a note beyond them takes the quietest voice's place.
constexpr int kPolyphony = 64;

int LoadSoundfont(const char* path, void* synth) {
  return fluid_synth_sfload(static_cast<fluid_synth_t*>(synth), path, 1) != FLUID_FAILED ? 1 : 0;
}

}  // namespace

MidiSynth::~MidiSynth() {
  Close();
}

bool MidiSynth::Open(const std::string& path) {
  Close();
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  // The song is written straight into the mixer's buffer: 16-bit stereo only.
  if (Mix_QuerySpec(&frequency, &format, &channels) == 0 || format != AUDIO_S16SYS || channels != 2)
    return false;
  settings_ = new_fluid_settings();
  if (settings_ == nullptr) return false;
  fluid_settings_setnum(settings_, "synth.sample-rate", frequency);
  fluid_settings_setnum(settings_, "synth.gain", kGain);
  fluid_settings_setint(settings_, "synth.polyphony", kPolyphony);
  fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
  synth_ = new_fluid_synth(settings_);
  if (synth_ == nullptr) {
    Close();
    return false;
  }
  Mix_EachSoundFont(LoadSoundfont, synth_);
  if (fluid_synth_sfcount(synth_) == 0) {
    // No soundfont named anywhere: FluidSynth's default General MIDI font.
    char* fallback = nullptr;
    if (fluid_settings_dupstr(settings_, "synth.default-soundfont", &fallback) == FLUID_OK &&
        fallback != nullptr) {
      LoadSoundfont(fallback, synth_);
      fluid_free(fallback);
    }
  }
  path_ = path;
  if (fluid_synth_sfcount(synth_) == 0 || !NewPlayer()) {
    Close();
    return false;
  }
  return true;
}

bool MidiSynth::NewPlayer() {
  if (player_ != nullptr) delete_fluid_player(player_);
  player_ = new_fluid_player(synth_);
  return player_ != nullptr && fluid_player_add(player_, path_.c_str()) == FLUID_OK;
}

bool MidiSynth::Play() {
  if (synth_ == nullptr) return false;
  Stop();
  // The player reads the song again from its start; it is driven by the samples the
  // synthesizer writes, so it keeps time with the sound.
  if (!NewPlayer() || fluid_player_play(player_) != FLUID_OK) return false;
  Mix_HookMusic(Mix, this);
  hooked_ = true;
  return true;
}

void MidiSynth::Stop() {
  if (hooked_) {
    // Returns once the mixer has left the hook: the player is ours again.
    Mix_HookMusic(nullptr, nullptr);
    hooked_ = false;
  }
  if (player_ != nullptr) fluid_player_stop(player_);
  if (synth_ != nullptr) fluid_synth_system_reset(synth_);
}

void MidiSynth::Close() {
  Stop();
  if (player_ != nullptr) delete_fluid_player(player_);
  if (synth_ != nullptr) delete_fluid_synth(synth_);
  if (settings_ != nullptr) delete_fluid_settings(settings_);
  player_ = nullptr;
  synth_ = nullptr;
  settings_ = nullptr;
}

void MidiSynth::Mix(void* self, unsigned char* stream, int length) {
  auto* synth = static_cast<MidiSynth*>(self)->synth_;
  fluid_synth_write_s16(synth, length / 4, stream, 0, 2, stream, 1, 2);
}

}  // namespace tinto::sdl
