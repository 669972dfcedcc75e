// Loading the sound libraries by name.
#include "platform/sdl/sound_library.h"

#include <optional>

#include "gfx/library_loader_posix.h"

namespace tinto::sdl {

namespace {

using gfx::LibraryLoader;

std::optional<MixerLibrary> LoadMixer() {
  MixerLibrary m;
  LibraryLoader r("libSDL2_mixer-2.0.so.0");
  r(m.Init, "Mix_Init");
  r(m.Quit, "Mix_Quit");
  r(m.OpenAudio, "Mix_OpenAudio");
  r(m.CloseAudio, "Mix_CloseAudio");
  r(m.QuerySpec, "Mix_QuerySpec");
  r(m.LoadWAV_RW, "Mix_LoadWAV_RW");
  r(m.FreeChunk, "Mix_FreeChunk");
  r(m.PlayChannelTimed, "Mix_PlayChannelTimed");
  r(m.HaltChannel, "Mix_HaltChannel");
  r(m.LoadMUS, "Mix_LoadMUS");
  r(m.FreeMusic, "Mix_FreeMusic");
  r(m.PlayMusic, "Mix_PlayMusic");
  r(m.HaltMusic, "Mix_HaltMusic");
  r(m.HookMusic, "Mix_HookMusic");
  r(m.EachSoundFont, "Mix_EachSoundFont");
  if (!r.Done()) return std::nullopt;
  return m;
}

std::optional<SynthLibrary> LoadSynth() {
  SynthLibrary f;
  LibraryLoader r("libfluidsynth.so.3");
  r(f.new_settings, "new_fluid_settings");
  r(f.delete_settings, "delete_fluid_settings");
  r(f.settings_setnum, "fluid_settings_setnum");
  r(f.settings_setint, "fluid_settings_setint");
  r(f.settings_dupstr, "fluid_settings_dupstr");
  r(f.free, "fluid_free");
  r(f.new_synth, "new_fluid_synth");
  r(f.delete_synth, "delete_fluid_synth");
  r(f.synth_sfload, "fluid_synth_sfload");
  r(f.synth_sfcount, "fluid_synth_sfcount");
  r(f.synth_system_reset, "fluid_synth_system_reset");
  r(f.synth_write_s16, "fluid_synth_write_s16");
  r(f.new_player, "new_fluid_player");
  r(f.delete_player, "delete_fluid_player");
  r(f.player_add, "fluid_player_add");
  r(f.player_play, "fluid_player_play");
  r(f.player_stop, "fluid_player_stop");
  if (!r.Done()) return std::nullopt;
  return f;
}

}  // namespace

const MixerLibrary* MixerLibrary::Get() {
  return gfx::LoadOnce<MixerLibrary, LoadMixer>();
}

const SynthLibrary* SynthLibrary::Get() {
  return gfx::LoadOnce<SynthLibrary, LoadSynth>();
}

}  // namespace tinto::sdl
