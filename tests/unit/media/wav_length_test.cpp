// Lengths of WAV files: the format and data chunks found by a safe chunk walk, PCM and
// coded formats, files cut short, and WAVs made by sox checked against sox's own count.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "media/media_length.h"
#include "media_test_files.h"

namespace tinto {
namespace {

using testing::Le;

std::string Chunk(std::string_view id, std::string_view body) {
  std::string out =
      std::string(id) + Le(static_cast<std::uint32_t>(body.size()), 4) + std::string(body);
  if (body.size() % 2) out += '\0';
  return out;
}

std::string Riff(std::string_view chunks) {
  return "RIFF" + Le(static_cast<std::uint32_t>(4 + chunks.size()), 4) + "WAVE" +
         std::string(chunks);
}

struct Format {
  std::uint32_t tag = 1;
  std::uint32_t channels = 1;
  std::uint32_t rate = 22050;
  std::uint32_t bits = 16;
  std::uint32_t block_align = 0;  // 0: channels * bits / 8
  std::uint32_t byte_rate = 0;    // 0: rate * block align
};

std::string Fmt(const Format& f) {
  const std::uint32_t align = f.block_align ? f.block_align : f.channels * f.bits / 8;
  const std::uint32_t byte_rate = f.byte_rate ? f.byte_rate : f.rate * align;
  return Chunk("fmt ", Le(f.tag, 2) + Le(f.channels, 2) + Le(f.rate, 4) + Le(byte_rate, 4) +
                           Le(align, 2) + Le(f.bits, 2));
}

std::string Data(std::size_t bytes) {
  return Chunk("data", std::string(bytes, '\x01'));
}

std::optional<std::uint32_t> Measure(std::string_view bytes, std::string_view name = "sound.wav") {
  return MediaLengthMs(testing::WriteBytes(testing::FreshTestDir(), name, bytes));
}

struct WavCase {
  const char* what;
  std::string bytes;
  std::optional<std::uint32_t> ms;
};

TEST(WavLength, MeasuresDataOverSampleRateAndBlockAlign) {
  const std::string extensible_fmt = Chunk(
      "fmt ", Le(0xFFFE, 2) + Le(2, 2) + Le(48000, 4) + Le(48000 * 6, 4) + Le(6, 2) + Le(24, 2) +
                  Le(22, 2) + Le(24, 2) + Le(3, 4) + Le(1, 2) + std::string(14, '\x07'));
  const std::vector<WavCase> cases = {
      {"22050 Hz mono 16-bit", Riff(Fmt({}) + Data(std::size_t{22050} * 2)), 1000},
      {"44100 Hz stereo 16-bit, rounded down",
       Riff(Fmt({.channels = 2, .rate = 44100}) + Data(4 * 44100 * 3 / 2 + 4)), 1500},
      {"8000 Hz mono 8-bit", Riff(Fmt({.rate = 8000, .bits = 8}) + Data(12345)), 1543},
      {"a partial block at the end does not play",
       Riff(Fmt({.channels = 2, .rate = 1000}) + Data(4 * 999 + 3)), 999},
      {"32-bit float",
       Riff(Fmt({.tag = 3, .channels = 2, .rate = 32000, .bits = 32}) +
            Data(std::size_t{8} * 16000)),
       500},
      {"extensible 24-bit stereo with a longer format chunk",
       Riff(extensible_fmt + Data(std::size_t{6} * 12000)), 250},
      {"wrong byte rate is not used for PCM",
       Riff(Fmt({.rate = 1000, .byte_rate = 7}) + Data(2000)), 1000},
      {"chunks of odd size before and between",
       Riff(Chunk("LIST", "abcde") + Fmt({.rate = 1000}) + Chunk("junk", "x") + Data(3000)), 1500},
      {"data before the format", Riff(Data(4000) + Fmt({.rate = 1000})), 2000},
      {"IMA ADPCM: the fact chunk's sample count",
       Riff(Fmt({.tag = 0x11, .rate = 8000, .bits = 4, .block_align = 256, .byte_rate = 4055}) +
            Chunk("fact", Le(20000, 4)) + Data(std::size_t{5} * 256)),
       2500},
      {"coded format without fact: the byte rate",
       Riff(Fmt({.tag = 0x55,
                 .channels = 2,
                 .rate = 44100,
                 .bits = 0,
                 .block_align = 1,
                 .byte_rate = 16000}) +
            Data(24000)),
       1500},
      {"empty data", Riff(Fmt({}) + Data(0)), 0},
      {"no data chunk", Riff(Fmt({})), std::nullopt},
      {"no format chunk", Riff(Data(100)), std::nullopt},
      {"format chunk too short", Riff(Chunk("fmt ", Le(1, 2) + Le(1, 2) + Le(8000, 4)) + Data(100)),
       std::nullopt},
      {"sample rate 0", Riff(Fmt({.rate = 0, .byte_rate = 2}) + Data(100)), std::nullopt},
      {"block align 0", Riff(Fmt({.bits = 0}) + Data(100)), std::nullopt},
      {"a RIFF file of another kind",
       "RIFF" + Le(4 + 8 + 16 + 8 + 100, 4) + "AVI " + Fmt({}) + Data(100), std::nullopt},
  };
  for (const WavCase& c : cases) EXPECT_EQ(Measure(c.bytes), c.ms) << c.what;
}

TEST(WavLength, DataPastTheEndCountsWhatIsThere) {
  const std::string head = Riff(Fmt({.rate = 1000}));
  // Sizes far past the end: a file cut short, and a streaming writer's placeholder.
  for (const std::uint32_t size : {100000u, 0xFFFFFFFFu}) {
    const std::string bytes = head + "data" + Le(size, 4) + std::string(3000, '\x01');
    EXPECT_EQ(Measure(bytes), 1500u) << size;
  }
  // A chunk before the data whose size runs past the end hides the data: nothing to play.
  EXPECT_EQ(Measure(head + "LIST" + Le(0xFFFFFFF0, 4) + Data(3000)), std::nullopt);
}

TEST(WavLength, TruncatedFilesNeverMeasureLonger) {
  const std::string whole = Riff(Chunk("LIST", "abc") + Fmt({.rate = 1000}) + Data(3000));
  const auto dir = testing::FreshTestDir();
  for (std::size_t size = 0; size < whole.size(); size += size < 80 ? 1 : 97) {
    const auto ms = MediaLengthMs(testing::WriteBytes(dir, "cut.wav", whole.substr(0, size)));
    if (ms) {
      EXPECT_LE(*ms, 1500u) << "cut at " << size;
    }
  }
}

TEST(WavLength, AgreesWithSox) {
  if (!testing::HaveProgram("sox") || !testing::HaveProgram("soxi")) GTEST_SKIP() << "no sox";
  const auto dir = testing::FreshTestDir();
  struct SoxCase {
    const char* options;
    std::uint32_t rate;
    std::uint64_t samples;
  };
  const SoxCase cases[] = {
      {"-c 2 -b 16", 44100, 54441},
      {"-c 1 -b 24", 48000, 70001},  // sox writes the extensible form for 24 bits
      {"-c 1 -b 8", 8000, 12345},
      {"-c 2 -e floating-point -b 32", 32000, 33333},
  };
  for (const SoxCase& c : cases) {
    const auto path = dir / "sox.wav";
    const std::string make = "sox -r " + std::to_string(c.rate) + " -n " + c.options + " " +
                             path.string() + " synth " + std::to_string(c.samples) + "s sine 440";
    ASSERT_TRUE(testing::RunCommand(make + " 2>/dev/null")) << make;
    const auto soxi = testing::RunCommand("soxi -D " + path.string());
    ASSERT_TRUE(soxi);
    const auto ms = MediaLengthMs(path);
    ASSERT_TRUE(ms) << c.options;
    EXPECT_EQ(*ms, c.samples * 1000 / c.rate) << c.options;
    EXPECT_NEAR(*ms, std::stod(*soxi) * 1000, 1.0) << c.options;
  }
}

}  // namespace
}  // namespace tinto
