// Music and effect files made to hurt: absurd sample rates, lengths past 24 days, files of
// gigabytes of zeros and of false frame headers, a million tempo changes. Every probe must
// answer after reading a bounded number of bytes, and lengths must stay below 2^31 ms.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "media/byte_window.h"
#include "media/length_probes.h"
#include "media/media_length.h"
#include "media_test_files.h"

namespace tinto {
namespace {

namespace fs = std::filesystem;
using testing::Be;
using testing::Le;
using testing::Mp3Frames;
using testing::Vlq;

std::string Wav(std::uint32_t rate, std::size_t data_bytes, std::uint32_t tag = 1,
                std::string extra = "") {
  const std::uint32_t align = tag == 1 ? 2 : 256;
  std::string fmt =
      Le(tag, 2) + Le(1, 2) + Le(rate, 4) + Le(rate * align, 4) + Le(align, 2) + Le(16, 2);
  std::string chunks = "fmt " + Le(16, 4) + fmt + extra + "data" +
                       Le(static_cast<std::uint32_t>(data_bytes), 4) +
                       std::string(data_bytes, '\x01');
  return "RIFF" + Le(static_cast<std::uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

std::string MidiHeader(std::uint32_t tracks, std::uint32_t division) {
  return "MThd" + Be(6, 4) + Be(1, 2) + Be(tracks, 2) + Be(division, 2);
}

// A file of the given head followed by zeros up to size bytes, sparse where the file
// system allows it.
fs::path Sparse(const fs::path& dir, const std::string& name, const std::string& head,
                std::uintmax_t size) {
  const fs::path path = testing::WriteBytes(dir, name, head);
  fs::resize_file(path, size);
  return path;
}

TEST(HostileMedia, SampleRatesOutsidePlayersFilesAreRefusedForSongsAndEffects) {
  const auto dir = testing::FreshTestDir();
  struct Case {
    std::uint32_t rate;
    bool accepted;
  };
  for (const Case c :
       {Case{1, false}, Case{8, false}, Case{999, false}, Case{1000, true}, Case{22050, true},
        Case{384000, true}, Case{384001, false}, Case{0xFFFFFFFF, false}}) {
    const auto path = testing::WriteBytes(dir, "Y_q11.wav", Wav(c.rate, 1000));
    EXPECT_EQ(MediaLengthMs(path).has_value(), c.accepted) << c.rate << " Hz";
    EXPECT_EQ(IsPlayableEffect(path), c.accepted) << c.rate << " Hz";
  }
  // A song of 100 kB at 1 Hz (100,000 s, and gigabytes once converted) is no song.
  EXPECT_EQ(MediaLengthMs(testing::WriteBytes(dir, "slow.wav", Wav(1, 100000))), std::nullopt);
  // Effects are WAVs of a bounded size only.
  EXPECT_FALSE(IsPlayableEffect(testing::WriteBytes(dir, "frames.wav", Mp3Frames(20))));
  EXPECT_FALSE(IsPlayableEffect(Sparse(dir, "huge.wav", Wav(22050, 100), kMaxEffectFileBytes + 1)));
  EXPECT_FALSE(IsPlayableEffect(dir / "missing.wav"));
  EXPECT_FALSE(IsPlayableEffect(dir));
}

TEST(HostileMedia, LengthsPast24DaysClampBelow2To31Ms) {
  const auto dir = testing::FreshTestDir();
  // A coded WAV whose fact chunk claims 2^32 - 1 samples at 1 kHz: 49 days.
  const std::string fact = "fact" + Le(4, 4) + Le(0xFFFFFFFF, 4);
  EXPECT_EQ(MediaLengthMs(testing::WriteBytes(dir, "fact.wav", Wav(1000, 512, 2, fact))),
            kMaxMediaLengthMs);
  // One MIDI delta of 0x0FFFFFFF ticks at 48 ticks a quarter: 32 days at 120 beats a minute.
  const std::string track = Vlq(0x0FFFFFFF) + std::string("\xFF\x2F\x00", 3);
  EXPECT_EQ(
      MediaLengthMs(testing::WriteBytes(
          dir, "long.mid",
          MidiHeader(1, 48) + "MTrk" + Be(static_cast<std::uint32_t>(track.size()), 4) + track)),
      kMaxMediaLengthMs);
}

struct Bounded {
  std::optional<std::uint32_t> ms;
  std::uint64_t bytes_read;
};

// Runs the probe for the file's kind on a window and reports how much it read.
Bounded Probe(const fs::path& path) {
  media::ByteWindow bytes(path);
  EXPECT_TRUE(bytes.ok()) << path;
  std::optional<std::uint32_t> ms;
  if (bytes.Matches(0, "MThd")) {
    ms = media::MidiLengthMs(bytes, 0, bytes.size());
  } else if (bytes.Matches(0, "RIFF")) {
    ms = media::RiffLengthMs(bytes);
  } else {
    ms = media::Mp3LengthMs(bytes);
  }
  EXPECT_EQ(ms, MediaLengthMs(path)) << path;
  return {ms, bytes.bytes_read()};
}

TEST(HostileMedia, ProbesOfGigabytesOfJunkReadABoundedNumberOfBytes) {
  const auto dir = testing::FreshTestDir();
  constexpr std::uintmax_t kTwoGigabytes = std::uintmax_t{2} << 30;
  // What one probe may read: its budget and the window that crosses it.
  constexpr std::uint64_t kBound = media::ByteWindow::kReadBudget + 64 * 1024;

  const Bounded riff =
      Probe(Sparse(dir, "zeros.wav", "RIFF" + Le(0xFFFFFFF0, 4) + "WAVE", kTwoGigabytes));
  EXPECT_EQ(riff.ms, std::nullopt);
  EXPECT_LE(riff.bytes_read, std::uint64_t{1} << 20);  // a bounded chunk walk

  const Bounded midi = Probe(Sparse(dir, "tracks.mid", MidiHeader(65535, 96), kTwoGigabytes));
  EXPECT_EQ(midi.ms, std::nullopt);
  EXPECT_LE(midi.bytes_read, std::uint64_t{1} << 20);

  // Three frames and then zeros: the three frames are the song.
  const Bounded mp3 = Probe(Sparse(dir, "three.mp3", Mp3Frames(3), kTwoGigabytes));
  EXPECT_EQ(mp3.ms, 3 * 1152 * 1000 / 44100);
  EXPECT_LE(mp3.bytes_read, kBound);

  // 24 MB of false frame headers: each announces a frame that the next does not follow.
  std::string junk;
  junk.reserve(24u << 20);
  while (junk.size() < (24u << 20)) junk += std::string("\xFF\xFB\x90\x00\x00\xFF\xFB", 7);
  const Bounded fake = Probe(testing::WriteBytes(dir, "fake.mp3", junk));
  EXPECT_EQ(fake.ms, std::nullopt);
  EXPECT_LE(fake.bytes_read, kBound);
}

TEST(HostileMedia, ALongStreamWithoutAFrameCountIsReckonedFromABoundedWalk) {
  // 40 MB of frames (about 40 minutes) is more than the walk takes: the rest is reckoned
  // at the rate found, which for a constant bit rate is exact to a frame.
  const auto dir = testing::FreshTestDir();
  const int frames = 100000;
  const Bounded long_song = Probe(testing::WriteBytes(dir, "long.mp3", Mp3Frames(frames)));
  ASSERT_TRUE(long_song.ms);
  const double expected = frames * 1152 * 1000.0 / 44100;
  EXPECT_NEAR(*long_song.ms, expected, 1152 * 1000.0 / 44100 * 2);
  EXPECT_LE(long_song.bytes_read, media::ByteWindow::kReadBudget + 64 * 1024);
}

TEST(HostileMedia, AMillionTempoChangesAreRefusedWithinBoundedMemory) {
  // Seven bytes an event: a 7 MB file, past what the fuzzer's inputs can reach.
  std::string events;
  events.reserve(7u << 20);
  for (int i = 0; i < 1000000; ++i) events += std::string("\x00\xFF\x51\x03\x07\xA1\x20", 7);
  events += std::string("\x00\xFF\x2F\x00", 4);
  const std::string file =
      MidiHeader(1, 96) + "MTrk" + Be(static_cast<std::uint32_t>(events.size()), 4) + events;
  const Bounded tempos = Probe(testing::WriteBytes(testing::FreshTestDir(), "tempo.mid", file));
  EXPECT_EQ(tempos.ms, std::nullopt);
  // The reader stops at its cap of tempo changes, long before the end of the file.
  EXPECT_LE(tempos.bytes_read, std::uint64_t{1} << 20);
}

TEST(HostileMedia, AFailedSongIsNotReadAgainUntilTheFileChanges) {
  const auto dir = testing::FreshTestDir();
  const std::string bad = Wav(1, 1000);
  const std::string good = Wav(1000, 1000);
  ASSERT_EQ(bad.size(), good.size());
  const fs::path path = testing::WriteBytes(dir, "song.wav", bad);
  EXPECT_EQ(SongLengthMs(path), std::nullopt);
  // The same size and time: taken as the file that failed, without reading it.
  const auto stamp = fs::last_write_time(path);
  testing::WriteBytes(dir, "song.wav", good);
  fs::last_write_time(path, stamp);
  EXPECT_EQ(SongLengthMs(path), std::nullopt);
  // A new modification time: read again.
  fs::last_write_time(path, stamp + std::chrono::seconds(1));
  EXPECT_EQ(SongLengthMs(path), 500u);
  EXPECT_EQ(SongLengthMs(path), 500u);
}

}  // namespace
}  // namespace tinto
