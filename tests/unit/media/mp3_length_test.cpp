// Lengths of MPEG audio files: frame streams built header by header (every version and
// layer, padding, garbage, tags, cut frames), Xing/Info, LAME and VBRI headers, and files
// made by lame, whose gapless length must be exactly the source's sample count.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "media/media_length.h"
#include "media_test_files.h"

namespace tinto {
namespace {

using testing::Be;
using testing::Le;

struct FrameKind {
  const char* what;
  std::array<std::uint8_t, 4> header;
  std::uint32_t bytes;    // expected frame length
  std::uint32_t samples;  // per frame
  std::uint32_t rate;
};

// A frame of the kind: its header and silence.
std::string Frame(const FrameKind& kind) {
  std::string frame(kind.bytes, '\0');
  for (int i = 0; i < 4; ++i) frame[i] = static_cast<char>(kind.header[i]);
  return frame;
}

std::string Frames(const FrameKind& kind, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += Frame(kind);
  return out;
}

std::uint32_t ExpectedMs(std::uint64_t samples, std::uint32_t rate) {
  return static_cast<std::uint32_t>(samples * 1000 / rate);
}

// MPEG-1 layer III, 128 kbit/s, 44100 Hz, stereo: 417 bytes, 418 with padding.
const FrameKind kMp3 = {"MPEG-1 layer III", {0xFF, 0xFB, 0x90, 0x00}, 417, 1152, 44100};
const FrameKind kMp3Padded = {"padded", {0xFF, 0xFB, 0x92, 0x00}, 418, 1152, 44100};
const std::uint32_t k40FramesMs = ExpectedMs(std::uint64_t{40} * 1152, 44100);

std::optional<std::uint32_t> Measure(std::string_view bytes, std::string_view name = "song.mp3") {
  return MediaLengthMs(testing::WriteBytes(testing::FreshTestDir(), name, bytes));
}

std::string SyncSafe(std::uint32_t size) {
  std::string out;
  for (int shift = 21; shift >= 0; shift -= 7) out += static_cast<char>((size >> shift) & 0x7F);
  return out;
}

TEST(Mp3Length, WalksFramesOfEveryVersionAndLayer) {
  const FrameKind kinds[] = {
      kMp3,
      {"MPEG-1 layer III with CRC", {0xFF, 0xFA, 0x90, 0x00}, 417, 1152, 44100},
      {"MPEG-1 layer II 192k 48 kHz", {0xFF, 0xFD, 0xA4, 0x00}, 576, 1152, 48000},
      {"MPEG-1 layer I 32k 32 kHz", {0xFF, 0xFF, 0x18, 0x00}, 48, 384, 32000},
      {"MPEG-2 layer III 64k 22050 Hz", {0xFF, 0xF3, 0x80, 0x00}, 208, 576, 22050},
      {"MPEG-2.5 layer III 8k 8 kHz", {0xFF, 0xE3, 0x18, 0x00}, 72, 576, 8000},
      {"MPEG-2 layer II 160k 24 kHz padded", {0xFF, 0xF5, 0xE6, 0x00}, 961, 1152, 24000},
      {"MPEG-2 layer I 256k 16 kHz padded", {0xFF, 0xF7, 0xEA, 0x00}, 772, 384, 16000},
  };
  for (const FrameKind& kind : kinds) {
    EXPECT_EQ(Measure(Frames(kind, 40)), ExpectedMs(std::uint64_t{40} * kind.samples, kind.rate))
        << kind.what;
  }
  std::string mixed;
  for (int i = 0; i < 40; ++i) mixed += Frame(i % 3 ? kMp3 : kMp3Padded);
  EXPECT_EQ(Measure(mixed), k40FramesMs) << "padding on some frames";
  EXPECT_EQ(Measure(Frame(kMp3)), ExpectedMs(1152, 44100)) << "a single frame";
}

TEST(Mp3Length, StepsOverGarbageTagsAndCutFrames) {
  const std::string twenty = Frames(kMp3, 20);
  // Fake frames inside a front tag would count if the tag were not skipped.
  const std::string tag_body = Frames(kMp3, 3) + std::string(100, '\0');
  const std::string id3v2 = "ID3" + std::string("\x03\x00\x00", 3) +
                            SyncSafe(static_cast<std::uint32_t>(tag_body.size())) + tag_body;
  // A frame cut short, followed by tags that are long enough to make it look whole.
  const std::string cut = Frame(kMp3).substr(0, 300);
  const std::string ape_items = std::string(168, 'a');
  const std::string ape = ape_items + "APETAGEX" + Le(2000, 4) + Le(200, 4) + Le(1, 4) + Le(0, 4) +
                          std::string(8, '\0');
  const std::string id3v1 = "TAG" + std::string(125, ' ');
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"garbage with a false sync between frames",
       twenty + "junk \xFF\xFB\x90 not a frame" + std::string(600, 'j') + twenty},
      {"junk before the first frame", std::string(1000, 'j') + twenty + twenty},
      {"an ID3v2 tag holding fake frames", id3v2 + twenty + twenty},
      {"a cut last frame", twenty + twenty + cut},
      {"a cut last frame before an ID3v1 tag", twenty + twenty + cut + id3v1},
      {"a cut last frame before APE and ID3v1 tags", twenty + twenty + cut + ape + id3v1},
  };
  for (const auto& c : cases) EXPECT_EQ(Measure(c.bytes), k40FramesMs) << c.what;
}

// A first frame carrying a Xing or Info header with the given fields (0 flags leave a
// field out) and, when delay is set, LAME's extension.
std::string XingFrame(std::string_view tag, std::optional<std::uint32_t> frames,
                      std::optional<std::uint32_t> bytes, std::optional<std::uint32_t> delay = {},
                      std::uint32_t padding = 0) {
  std::string x = std::string(tag);
  x += Be((frames ? 1 : 0) | (bytes ? 2 : 0) | 4 | 8, 4);
  if (frames) x += Be(*frames, 4);
  if (bytes) x += Be(*bytes, 4);
  x += std::string(100, '\x10') + Be(50, 4);
  if (delay) {
    x += "LAME3.100" + std::string(12, '\0') + Be(*delay << 12 | padding, 3);
  }
  std::string frame = Frame(kMp3);
  frame.replace(4 + 32, x.size(), x);  // after the side information of a stereo frame
  return frame;
}

TEST(Mp3Length, UsesBelievableHeaderFrameCounts) {
  const std::string forty = Frames(kMp3, 40);
  const std::uint32_t size = 417 * 41;
  std::string vbri = Frame(kMp3);
  vbri.replace(36, 18, "VBRI" + Be(1, 2) + Be(1105, 2) + Be(75, 2) + Be(size, 4) + Be(40, 4));
  const struct {
    const char* what;
    std::string bytes;
    std::uint32_t ms;
  } cases[] = {
      {"Xing count", XingFrame("Xing", 40, size) + forty, k40FramesMs},
      {"Xing count, no byte count", XingFrame("Xing", 40, {}) + forty, k40FramesMs},
      {"Xing count believed over the frames present", XingFrame("Xing", 60, size) + forty,
       ExpectedMs(std::uint64_t{60} * 1152, 44100)},
      {"Info without a count: walked, the header frame not counted",
       XingFrame("Info", {}, {}) + forty, k40FramesMs},
      {"a count no file of this size can hold: walked", XingFrame("Xing", 1000000, size) + forty,
       k40FramesMs},
      {"LAME delay and padding taken off", XingFrame("Info", 40, size, 576, 1000) + forty,
       ExpectedMs(40 * 1152 - 1576, 44100)},
      {"a file shorter than its byte count: walked, only the delay taken off",
       XingFrame("Info", 80, 417 * 81, 576, 1000) + forty, ExpectedMs(40 * 1152 - 576, 44100)},
      {"VBRI count", vbri + forty, k40FramesMs},
  };
  for (const auto& c : cases) EXPECT_EQ(Measure(c.bytes), c.ms) << c.what;
}

TEST(Mp3Length, RefusesWhatIsNotMpegAudio) {
  std::string noise(20000, '\0');
  std::uint32_t state = 99;
  for (char& c : noise) c = static_cast<char>((state = state * 1103515245u + 12345u) >> 16);
  const std::string just_a_tag =
      "ID3" + std::string("\x04\x00\x00", 3) + SyncSafe(20) + std::string(20, '\0');
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"text", std::string(3000, 'x')},
      {"zeros", std::string(4096, '\0')},
      {"all bits set", std::string(4096, '\xFF')},
      {"noise", noise},
      {"a tag and nothing else", just_a_tag},
      {"free-format frames", Frames({"free", {0xFF, 0xFB, 0x00, 0x00}, 417, 1152, 44100}, 10)},
      {"a lone frame header far past the search window", std::string(70000, ' ') + Frames(kMp3, 3)},
  };
  for (const auto& c : cases) EXPECT_EQ(Measure(c.bytes), std::nullopt) << c.what;
}

TEST(Mp3Length, SurvivesCorruptedBytes) {
  // Deterministic byte changes all over a file with tags, a LAME header and frames: any
  // answer will do, as long as nothing is read outside the file (the sanitizers watch).
  const std::string whole = "ID3" + std::string("\x03\x00\x00", 3) + SyncSafe(40) +
                            std::string(40, '\0') + XingFrame("Info", 40, 417 * 41, 576, 1000) +
                            Frames(kMp3, 40) + "TAG" + std::string(125, ' ');
  const auto dir = testing::FreshTestDir();
  std::uint32_t state = 3;
  const auto next = [&state] { return (state = state * 1103515245u + 12345u) >> 8; };
  for (int round = 0; round < 1500; ++round) {
    std::string bytes = whole;
    const int changes = 1 + static_cast<int>(next() % 4);
    for (int i = 0; i < changes; ++i) {
      // Most changes land in the headers, where they matter.
      const std::size_t at = next() % 2 ? next() % 600 : next() % bytes.size();
      bytes[at] = static_cast<char>(next());
    }
    (void)MediaLengthMs(testing::WriteBytes(dir, "song.mp3", bytes));
  }
}

// A WAV of the given length made by sox and encoded by lame with the options.
std::optional<std::filesystem::path> LameFile(const std::filesystem::path& dir, std::uint32_t rate,
                                              int channels, std::uint64_t samples,
                                              const std::string& lame_options) {
  const auto wav = dir / "source.wav";
  const auto mp3 = dir / "song.mp3";
  const std::string make = "sox -r " + std::to_string(rate) + " -n -c " + std::to_string(channels) +
                           " -b 16 " + wav.string() + " synth " + std::to_string(samples) +
                           "s sine 300-900 2>/dev/null && lame --quiet " + lame_options + " " +
                           wav.string() + " " + mp3.string();
  if (!testing::RunCommand(make)) return std::nullopt;
  return mp3;
}

bool HaveLame() {
  return testing::HaveProgram("lame") && testing::HaveProgram("sox") &&
         testing::HaveProgram("soxi");
}

TEST(Mp3Length, LameFilesMeasureExactlyTheirSourceSamples) {
  if (!HaveLame()) GTEST_SKIP() << "no lame or sox";
  const auto dir = testing::FreshTestDir();
  const struct {
    std::uint32_t rate;
    int channels;
    std::uint64_t samples;
    const char* options;
  } cases[] = {
      {44100, 1, 54441, ""},
      {44100, 2, 100000, "-V2"},
      {48000, 2, 48001, "-b 320"},
      {32000, 1, 31999, "-V6"},
      {22050, 2, 44100, ""},      // MPEG-2
      {8000, 1, 12345, "-b 32"},  // MPEG-2.5 (at 8 kbit/s a frame has no room for the header)
      {44100, 2, 88200, "--tt Demo --ta Quiro --add-id3v2 --pad-id3v2-size 500"},
      {44100, 1, 1, ""},
  };
  for (const auto& c : cases) {
    const auto mp3 = LameFile(dir, c.rate, c.channels, c.samples, c.options);
    ASSERT_TRUE(mp3) << c.options;
    EXPECT_EQ(MediaLengthMs(*mp3), ExpectedMs(c.samples, c.rate))
        << c.rate << " Hz " << c.channels << " ch " << c.options;
  }
}

TEST(Mp3Length, UntaggedLameFilesAgreeWithSox) {
  if (!HaveLame()) GTEST_SKIP() << "no lame or sox";
  // Without lame's header the frames are walked, and nothing is known of the encoder's
  // delay and padding. sox counts the frames too, but leaves out the first one of some
  // streams: one frame of difference is allowed.
  const auto dir = testing::FreshTestDir();
  const struct {
    std::uint32_t rate;
    int channels;
    const char* options;
    double frame_ms;
  } cases[] = {
      {44100, 2, "-t", 1152 * 1000.0 / 44100},
      {44100, 2, "-t -V4", 1152 * 1000.0 / 44100},
      {44100, 2, "-t --resample 22.05", 576 * 1000.0 / 22050},
      {8000, 1, "", 576 * 1000.0 / 8000},  // no room for lame's header at 8 kbit/s mono
  };
  for (const auto& c : cases) {
    const auto mp3 = LameFile(dir, c.rate, c.channels, 77777, c.options);
    ASSERT_TRUE(mp3) << c.options;
    const auto soxi = testing::RunCommand("soxi -D " + mp3->string());
    ASSERT_TRUE(soxi);
    const auto ms = MediaLengthMs(*mp3);
    ASSERT_TRUE(ms) << c.options;
    EXPECT_NEAR(*ms, std::stod(*soxi) * 1000, c.frame_ms + 1) << c.rate << " Hz " << c.options;
  }
}

TEST(Mp3Length, CutLameFilesNeverMeasureLonger) {
  if (!HaveLame()) GTEST_SKIP() << "no lame or sox";
  const auto dir = testing::FreshTestDir();
  const auto mp3 = LameFile(dir, 44100, 2, 44100, "-V2 --add-id3v2 --tt Cut");
  ASSERT_TRUE(mp3);
  const std::string whole = testing::ReadBytes(*mp3);
  for (std::size_t size = 0; size < whole.size(); size += 61) {
    const auto ms = MediaLengthMs(testing::WriteBytes(dir, "cut.mp3", whole.substr(0, size)));
    if (ms) {
      EXPECT_LE(*ms, 1000u) << "cut at " << size;
    }
  }
}

}  // namespace
}  // namespace tinto
