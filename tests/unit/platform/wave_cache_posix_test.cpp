// Effects kept converted by the desktop backend, on SDL's silent audio driver.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "platform/sdl/sound_library.h"
#include "platform/sdl/wave_cache.h"
#include "tests/unit/temp_folder.h"

namespace tinto::sdl {
namespace {

// A mono 16-bit PCM WAVE of `samples` samples at 22050 Hz.
void WriteWave(const std::string& path, std::uint32_t samples) {
  auto le = [](std::ofstream& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  std::ofstream out(path, std::ios::binary);
  out << "RIFF";
  le(out, 36 + samples * 2, 4);
  out << "WAVEfmt ";
  le(out, 16, 4);
  le(out, 1, 2);
  le(out, 1, 2);
  le(out, 22050, 4);
  le(out, 44100, 4);
  le(out, 2, 2);
  le(out, 16, 2);
  out << "data";
  le(out, samples * 2, 4);
  for (std::uint32_t i = 0; i < samples; ++i) le(out, (i * 37) & 0x3FFF, 2);
}

class WaveCacheTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    mix_ = MixerLibrary::Get();
    if (mix_ == nullptr) GTEST_SKIP() << "SDL_mixer is not installed";
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(mix_->OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024), 0) << SDL_GetError();
  }
  void TearDown() override {
    if (mix_ == nullptr) return;
    mix_->CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  std::string Path(const std::string& name) const { return (folder_.path() / name).string(); }

  const MixerLibrary* mix_ = nullptr;
  testing::TempFolder folder_;
};

TEST_F(WaveCacheTest, KeepsAnEffectUntilItsFileChangesAndRefusesWhatIsNoEffect) {
  WaveCache cache(*mix_);
  WriteWave(Path("Y_q01.wav"), 4410);
  Mix_Chunk* first = cache.Get(Path("Y_q01.wav"), nullptr);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(cache.Get(Path("Y_q01.wav"), first), first);

  WriteWave(Path("Y_q01.wav"), 8820);  // another length: another file
  Mix_Chunk* second = cache.Get(Path("Y_q01.wav"), first);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_GT(second->alen, first->alen);

  std::ofstream(Path("notes.wav")) << "not a wave";
  EXPECT_EQ(cache.Get(Path("notes.wav"), nullptr), nullptr);
  EXPECT_EQ(cache.Get(Path("missing.wav"), nullptr), nullptr);
}

TEST_F(WaveCacheTest, StaysWithinItsBudgetButNeverLetsTheSoundingEffectGo) {
  WaveCache cache(*mix_);
  // Two seconds each, about 350 kB once converted: far more than the budget in all.
  const std::uint32_t samples = 2 * 22050;
  WriteWave(Path("sounding.wav"), samples);
  Mix_Chunk* sounding = cache.Get(Path("sounding.wav"), nullptr);
  ASSERT_NE(sounding, nullptr);
  const std::vector<std::uint8_t> before(sounding->abuf, sounding->abuf + sounding->alen);
  for (int i = 0; i < 40; ++i) {
    const std::string path = Path("other" + std::to_string(i) + ".wav");
    WriteWave(path, samples);
    ASSERT_NE(cache.Get(path, sounding), nullptr);
  }
  // Still the same, untouched samples (a freed chunk would be reported by the sanitizer).
  EXPECT_EQ(std::vector<std::uint8_t>(sounding->abuf, sounding->abuf + sounding->alen), before);
  EXPECT_EQ(cache.Get(Path("sounding.wav"), nullptr), sounding);
}

}  // namespace
}  // namespace tinto::sdl
