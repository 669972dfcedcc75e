// FluidSynth behind the mixer's music hook.
#include "platform/sdl/midi_synth.h"

#include "platform/sdl/sound_library.h"

namespace tinto::sdl {

namespace {

// The mixer's own MIDI music sets the synthesizer's gain from its music volume, 1.2 at
// full volume (FluidSynth's own default is a quiet 0.2): songs keep the loudness they had.
constexpr double kGain = 1.2;
// Voices sounding at once; a note beyond them takes the quietest voice's place.
constexpr int kPolyphony = 64;

}  // namespace

MidiSynth::~MidiSynth() {
  Close();
}

bool MidiSynth::Open(const MixerLibrary& mix, const std::string& path) {
  Close();
  mix_ = &mix;
  fluid_ = SynthLibrary::Get();
  if (fluid_ == nullptr) return false;
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  // The song is written straight into the mixer's buffer: 16-bit stereo only.
  if (mix_->QuerySpec(&frequency, &format, &channels) == 0 || format != AUDIO_S16SYS ||
      channels != 2)
    return false;
  settings_ = fluid_->new_settings();
  if (settings_ == nullptr) return false;
  fluid_->settings_setnum(settings_, "synth.sample-rate", frequency);
  fluid_->settings_setnum(settings_, "synth.gain", kGain);
  fluid_->settings_setint(settings_, "synth.polyphony", kPolyphony);
  fluid_->settings_setint(settings_, "synth.dynamic-sample-loading", 1);
  synth_ = fluid_->new_synth(settings_);
  if (synth_ == nullptr) {
    Close();
    return false;
  }
  mix_->EachSoundFont(LoadSoundfont, this);
  if (fluid_->synth_sfcount(synth_) == 0) {
    // No soundfont named anywhere: FluidSynth's default General MIDI font.
    char* fallback = nullptr;
    if (fluid_->settings_dupstr(settings_, "synth.default-soundfont", &fallback) == FLUID_OK &&
        fallback != nullptr) {
      LoadSoundfont(fallback, this);
      fluid_->free(fallback);
    }
  }
  path_ = path;
  if (fluid_->synth_sfcount(synth_) == 0 || !NewPlayer()) {
    Close();
    return false;
  }
  return true;
}

int MidiSynth::LoadSoundfont(const char* path, void* self) {
  const auto* midi = static_cast<MidiSynth*>(self);
  return midi->fluid_->synth_sfload(midi->synth_, path, 1) != FLUID_FAILED ? 1 : 0;
}

bool MidiSynth::NewPlayer() {
  if (player_ != nullptr) fluid_->delete_player(player_);
  player_ = fluid_->new_player(synth_);
  return player_ != nullptr && fluid_->player_add(player_, path_.c_str()) == FLUID_OK;
}

bool MidiSynth::Play() {
  if (synth_ == nullptr) return false;
  Stop();
  // The player reads the song again from its start; it is driven by the samples the
  // synthesizer writes, so it keeps time with the sound.
  if (!NewPlayer() || fluid_->player_play(player_) != FLUID_OK) return false;
  mix_->HookMusic(Mix, this);
  hooked_ = true;
  return true;
}

void MidiSynth::Stop() {
  if (hooked_) {
    // Returns once the mixer has left the hook: the player is ours again.
    mix_->HookMusic(nullptr, nullptr);
    hooked_ = false;
  }
  if (player_ != nullptr) fluid_->player_stop(player_);
  if (synth_ != nullptr) fluid_->synth_system_reset(synth_);
}

void MidiSynth::Close() {
  Stop();
  if (player_ != nullptr) fluid_->delete_player(player_);
  if (synth_ != nullptr) fluid_->delete_synth(synth_);
  if (settings_ != nullptr) fluid_->delete_settings(settings_);
  player_ = nullptr;
  synth_ = nullptr;
  settings_ = nullptr;
}

void MidiSynth::Mix(void* self, unsigned char* stream, int length) {
  const auto* midi = static_cast<MidiSynth*>(self);
  midi->fluid_->synth_write_s16(midi->synth_, length / 4, stream, 0, 2, stream, 1, 2);
}

}  // namespace tinto::sdl
