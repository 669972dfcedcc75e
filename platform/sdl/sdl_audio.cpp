// The mixer: one effect channel and the music stream.
#include "platform/sdl/sdl_audio.h"

#include <SDL.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "media/media_length.h"
#include "platform/sdl/sound_library.h"
#include "platform/sdl/wave_cache.h"

namespace tinto::sdl {

namespace {
constexpr int kEffectChannel = 0;

// A standard MIDI file begins with its header chunk.
bool IsStandardMidiFile(const std::string& path) {
  char magic[4] = {};
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  const bool midi = std::fread(magic, 1, 4, file) == 4 && std::memcmp(magic, "MThd", 4) == 0;
  std::fclose(file);
  return midi;
}
}  // namespace

SdlAudio::SdlAudio() {
  // The desktop sound servers, and the sound card directly only where there is one (ALSA
  // fills the terminal with complaints otherwise). A driver the user chose wins: the
  // environment variable overrides the hint.
  SDL_SetHint(SDL_HINT_AUDIODRIVER,
              access("/dev/snd", F_OK) == 0 ? "pulseaudio,pipewire,alsa" : "pulseaudio,pipewire");
  mix_ = MixerLibrary::Get();
  if (mix_ == nullptr || SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  mix_->Init(MIX_INIT_MID | MIX_INIT_MP3);
  if (mix_->OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    mix_->Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  open_ = true;
  waves_ = std::make_unique<WaveCache>(*mix_);
}

SdlAudio::~SdlAudio() {
  MusicClose();
  if (!open_) return;
  mix_->HaltChannel(-1);
  waves_.reset();
  mix_->CloseAudio();
  mix_->Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudio::PlayWave(const std::string& path, bool loop) {
  if (!open_) return;
  Mix_Chunk* chunk = waves_->Get(path, sounding_);
  if (chunk == nullptr) return;
  mix_->HaltChannel(kEffectChannel);
  sounding_ = chunk;
  mix_->PlayChannelTimed(kEffectChannel, chunk, loop ? -1 : 0, -1);
}

void SdlAudio::PrepareWave(const std::string& path) {
  if (open_) waves_->Get(path, sounding_);
}

void SdlAudio::StopWaves() {
  if (open_) mix_->HaltChannel(kEffectChannel);
}

std::optional<std::uint32_t> SdlAudio::MusicOpen(const std::string& path) {
  MusicClose();
  const std::optional<std::uint32_t> length = SongLengthMs(path);
  if (!length) return std::nullopt;
  if (open_ && !(IsStandardMidiFile(path) && midi_.Open(*mix_, path))) {
    music_ = mix_->LoadMUS(path.c_str());
    if (music_ == nullptr) return std::nullopt;
  }
  measured_ = true;
  return length;
}

bool SdlAudio::MusicPlay() {
  if (!measured_) return false;
  if (!open_) return true;  // no device: the song runs its length in silence
  if (midi_.is_open()) return midi_.Play();
  return mix_->PlayMusic(music_, 1) == 0;
}

void SdlAudio::MusicStop() {
  midi_.Stop();
  if (open_) mix_->HaltMusic();
}

void SdlAudio::MusicClose() {
  midi_.Close();
  if (music_ != nullptr) {
    mix_->HaltMusic();
    mix_->FreeMusic(music_);
    music_ = nullptr;
  }
  measured_ = false;
}

}  // namespace tinto::sdl
