// SDL_mixer and FluidSynth, loaded when the sound device is first opened instead of with
// the program: together with the libraries they pull in (sound servers, codecs, GLib)
// they cost several milliseconds of every start, before the first window could show. The
// device opens once the windows exist, while the main window waits for its first tick.
// Without the libraries the program runs silent, as without a sound device.
#pragma once

#include <SDL_mixer.h>
#include <fluidsynth.h>

namespace tinto::sdl {

// The functions of SDL_mixer the program uses.
struct MixerLibrary {
  decltype(&::Mix_Init) Init = nullptr;
  decltype(&::Mix_Quit) Quit = nullptr;
  decltype(&::Mix_OpenAudio) OpenAudio = nullptr;
  decltype(&::Mix_CloseAudio) CloseAudio = nullptr;
  decltype(&::Mix_QuerySpec) QuerySpec = nullptr;
  decltype(&::Mix_LoadWAV_RW) LoadWAV_RW = nullptr;
  decltype(&::Mix_FreeChunk) FreeChunk = nullptr;
  decltype(&::Mix_PlayChannelTimed) PlayChannelTimed = nullptr;
  decltype(&::Mix_HaltChannel) HaltChannel = nullptr;
  decltype(&::Mix_LoadMUS) LoadMUS = nullptr;
  decltype(&::Mix_FreeMusic) FreeMusic = nullptr;
  decltype(&::Mix_PlayMusic) PlayMusic = nullptr;
  decltype(&::Mix_HaltMusic) HaltMusic = nullptr;
  decltype(&::Mix_HookMusic) HookMusic = nullptr;
  decltype(&::Mix_EachSoundFont) EachSoundFont = nullptr;

  // Loaded once and kept to the end; nullptr when the library or a function is missing.
  static const MixerLibrary* Get();
};

// The functions of FluidSynth the MIDI synthesizer uses.
struct SynthLibrary {
  decltype(&::new_fluid_settings) new_settings = nullptr;
  decltype(&::delete_fluid_settings) delete_settings = nullptr;
  decltype(&::fluid_settings_setnum) settings_setnum = nullptr;
  decltype(&::fluid_settings_setint) settings_setint = nullptr;
  decltype(&::fluid_settings_dupstr) settings_dupstr = nullptr;
  decltype(&::fluid_free) free = nullptr;
  decltype(&::new_fluid_synth) new_synth = nullptr;
  decltype(&::delete_fluid_synth) delete_synth = nullptr;
  decltype(&::fluid_synth_sfload) synth_sfload = nullptr;
  decltype(&::fluid_synth_sfcount) synth_sfcount = nullptr;
  decltype(&::fluid_synth_system_reset) synth_system_reset = nullptr;
  decltype(&::fluid_synth_write_s16) synth_write_s16 = nullptr;
  decltype(&::new_fluid_player) new_player = nullptr;
  decltype(&::delete_fluid_player) delete_player = nullptr;
  decltype(&::fluid_player_add) player_add = nullptr;
  decltype(&::fluid_player_play) player_play = nullptr;
  decltype(&::fluid_player_stop) player_stop = nullptr;

  // As MixerLibrary::Get.
  static const SynthLibrary* Get();
};

}  // namespace tinto::sdl
