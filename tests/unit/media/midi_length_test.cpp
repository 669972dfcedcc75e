// Lengths of Standard MIDI Files written byte by byte: tempo maps across tracks, running
// status, system exclusive and meta events, time-code divisions, and damaged files.
#include <gtest/gtest.h>

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
using testing::Vlq;

std::string B(std::initializer_list<int> values) {
  std::string out;
  for (const int v : values) out += static_cast<char>(v);
  return out;
}

std::string Chunk(std::string_view id, std::string_view body) {
  return std::string(id) + Be(static_cast<std::uint32_t>(body.size()), 4) + std::string(body);
}

std::string Header(int format, int tracks, int division) {
  return Chunk("MThd", Be(format, 2) + Be(tracks, 2) + Be(division, 2));
}

std::string Tempo(std::uint32_t micros) {
  return B({0xFF, 0x51, 0x03}) + Be(micros, 3);
}
const std::string kEnd = B({0xFF, 0x2F, 0x00});

// Format 0, 96 ticks a quarter: a note at 120 bpm, then the tempo doubles at tick 96 and
// a second note runs to tick 288; the track ends at 384. 500 ms + 3 quarters of 250 ms.
const std::string kTempoChangeTrack =
    Vlq(0) + Tempo(500000) + Vlq(0) + B({0x90, 0x3C, 0x64}) + Vlq(96) + B({0x3C, 0x00}) + Vlq(0) +
    Tempo(250000) + Vlq(0) + B({0x90, 0x3E, 0x64}) + Vlq(192) + B({0x3E, 0x00}) + Vlq(96) + kEnd;
const std::string kTempoChangeFile = Header(0, 1, 96) + Chunk("MTrk", kTempoChangeTrack);

// Format 1, 480 ticks a quarter: the tempo map is spread over a conductor track (0.6 s a
// quarter from the start) and a third track (0.3 s from tick 480); the music track ends at
// tick 1440. 600 ms + 2 quarters of 300 ms.
const std::string kFormat1File =
    Header(1, 3, 480) + Chunk("MTrk", Vlq(0) + Tempo(600000) + Vlq(0) + kEnd) +
    Chunk("MTrk", Vlq(0) + B({0xC0, 0x05}) + Vlq(0) + B({0x90, 60, 100}) + Vlq(960) +
                      B({0x80, 60, 0x40}) + Vlq(480) + kEnd) +
    Chunk("MTrk", Vlq(480) + Tempo(300000) + Vlq(0) + kEnd);

std::optional<std::uint32_t> Measure(std::string_view bytes, std::string_view name = "song.mid") {
  return MediaLengthMs(testing::WriteBytes(testing::FreshTestDir(), name, bytes));
}

struct MidiCase {
  const char* what;
  std::string bytes;
  std::optional<std::uint32_t> ms;
};

TEST(MidiLength, MeasuresTheTempoMapAndTicks) {
  const std::string sysex_track =
      Vlq(0) + B({0xF0}) + Vlq(200) + std::string(199, '\x11') + B({0xF7}) +  // two-byte length
      Vlq(240) + B({0xF7}) + Vlq(3) + B({0x01, 0x02, 0xF7}) +                 // escape
      Vlq(240) + B({0xFF, 0x01}) + Vlq(130) + std::string(130, 'a') +         // long text
      Vlq(480) + B({0x90, 60, 100}) + Vlq(480) + B({0x80, 60, 0}) + Vlq(0) + kEnd;
  const std::vector<MidiCase> cases = {
      {"tempo change mid-song", kTempoChangeFile, 1250},
      {"tempo changes in several tracks of format 1", kFormat1File, 1200},
      {"no tempo event: 120 bpm",
       Header(0, 1, 480) + Chunk("MTrk", Vlq(0) + B({0x90, 60, 100}) + Vlq(1920) +
                                             B({0x80, 60, 0}) + Vlq(0) + kEnd),
       2000},
      {"no end of track: the last event counts",
       Header(0, 1, 480) + Chunk("MTrk", Vlq(0) + B({0x90, 60, 100}) + Vlq(960) + B({0x80, 60, 0})),
       1000},
      {"end of track later than the last note",
       Header(0, 1, 480) + Chunk("MTrk", Vlq(0) + B({0x90, 60, 100}) + Vlq(480) + B({0x80, 60, 0}) +
                                             Vlq(4320) + kEnd),
       5000},
      {"running status kept across a meta event",
       Header(0, 1, 96) + Chunk("MTrk", Vlq(0) + B({0x90, 0x3C, 0x64}) + Vlq(96) + B({0x3C, 0x00}) +
                                            Vlq(0) + Tempo(250000) + Vlq(0) + B({0x3E, 0x64}) +
                                            Vlq(192) + B({0x3E, 0x00}) + Vlq(96) + kEnd),
       1250},
      {"system exclusive and meta events with long lengths",
       Header(0, 1, 480) + Chunk("MTrk", sysex_track), 1500},
      {"25 frames x 40 ticks a second", Header(0, 1, 0xE728) + Chunk("MTrk", Vlq(2500) + kEnd),
       2500},
      {"24 frames x 10 ticks a second", Header(0, 1, 0xE80A) + Chunk("MTrk", Vlq(240) + kEnd),
       1000},
      {"30 frames x 4 ticks, rounded down", Header(0, 1, 0xE204) + Chunk("MTrk", Vlq(119) + kEnd),
       991},
      {"30 drop-frame is 29.97 a second", Header(0, 1, 0xE364) + Chunk("MTrk", Vlq(3000) + kEnd),
       1001},
      {"time-code division ignores tempo events",
       Header(0, 1, 0xE728) + Chunk("MTrk", Vlq(0) + Tempo(100000) + Vlq(1000) + kEnd), 1000},
      {"a RIFF MIDI file",
       "RIFF" + Le(static_cast<std::uint32_t>(4 + 8 + kTempoChangeFile.size()), 4) + "RMID" +
           "data" + Le(static_cast<std::uint32_t>(kTempoChangeFile.size()), 4) + kTempoChangeFile,
       1250},
  };
  for (const MidiCase& c : cases) EXPECT_EQ(Measure(c.bytes), c.ms) << c.what;
}

TEST(MidiLength, CopesWithOddChunks) {
  const std::string track = Chunk("MTrk", kTempoChangeTrack);
  const std::vector<MidiCase> cases = {
      {"track length far past the end of the file",
       Header(0, 1, 96) + "MTrk" + Be(0x7FFFFFFF, 4) + kTempoChangeTrack, 1250},
      {"unknown chunk before the track", Header(0, 1, 96) + Chunk("XFIH", "12345") + track, 1250},
      {"longer header", Chunk("MThd", Be(0, 2) + Be(1, 2) + Be(96, 2) + "xx") + track, 1250},
      {"fewer tracks than announced", Header(1, 4, 96) + track, 1250},
      {"tracks beyond the announced count are not played",
       Header(0, 1, 96) + track + Chunk("MTrk", Vlq(100000) + kEnd), 1250},
      {"header length past the end",
       "MThd" + Be(0xFFFFFF00, 4) + Be(0, 2) + Be(1, 2) + Be(96, 2) + track, std::nullopt},
      {"format 2 is not measured", Header(2, 1, 96) + track, std::nullopt},
      {"division 0", Header(0, 1, 0) + track, std::nullopt},
      {"unknown frame rate", Header(0, 1, 0xE928) + track, std::nullopt},
      {"no track at all", Header(0, 1, 96), std::nullopt},
      {"header cut short", "MThd" + Be(6, 4) + Be(0, 2), std::nullopt},
      {"data byte with no status to run on",
       Header(0, 1, 96) +
           Chunk("MTrk", Vlq(96) + Tempo(500000) + Vlq(96) + B({0x3C, 0x40}) + Vlq(96) + kEnd),
       500},
      {"a system common message ends the track",
       Header(0, 1, 96) +
           Chunk("MTrk", Vlq(96) + B({0x90, 60, 100}) + Vlq(96) + B({0xF1, 0x00}) + Vlq(96) + kEnd),
       500},
      {"a variable-length quantity of five bytes ends the track",
       Header(0, 1, 96) +
           Chunk("MTrk", Vlq(96) + B({0x90, 60, 100}) + B({0x81, 0x80, 0x80, 0x80, 0x00}) + kEnd),
       500},
  };
  for (const MidiCase& c : cases) EXPECT_EQ(Measure(c.bytes), c.ms) << c.what;
}

TEST(MidiLength, TruncatedFilesMeasureUpToTheLastWholeEvent) {
  // Bytes cut from the end of kTempoChangeFile: the end of track (4 bytes) leaves the
  // second note's end at tick 288; two more cut into that event, leaving tick 96.
  EXPECT_EQ(Measure(kTempoChangeFile.substr(0, kTempoChangeFile.size() - 4)), 1000u);
  EXPECT_EQ(Measure(kTempoChangeFile.substr(0, kTempoChangeFile.size() - 6)), 500u);
  for (std::size_t size = 0; size < kFormat1File.size(); ++size) {
    const auto ms = Measure(kFormat1File.substr(0, size));
    // At most all of it at 0.6 s a quarter.
    if (ms) {
      EXPECT_LE(*ms, 1800u) << "cut at " << size;
    }
  }
}

TEST(MidiLength, HugeTimesClampInsteadOfWrapping) {
  // One tick a quarter at 2^23 microseconds, and 2^14 deltas of 2^27 ticks: 2^64 tick
  // microseconds, which 64 bits would wrap to nothing.
  std::string events = Vlq(0) + Tempo(0x800000);
  for (int i = 0; i < (1 << 14); ++i) events += Vlq(1u << 27) + B({0xFF, 0x01, 0x00});
  EXPECT_EQ(Measure(Header(0, 1, 1) + Chunk("MTrk", events + Vlq(0) + kEnd)), kMaxMediaLengthMs);
}

TEST(MidiLength, SurvivesCorruptedBytes) {
  // Deterministic byte changes all over a valid file: any answer will do, as long as
  // nothing is read outside the file (the sanitizers watch that).
  std::uint32_t state = 7;
  const auto next = [&state] { return (state = state * 1103515245u + 12345u) >> 8; };
  const auto dir = testing::FreshTestDir();
  for (int round = 0; round < 1500; ++round) {
    std::string bytes = round % 2 ? kFormat1File : kTempoChangeFile;
    const int changes = 1 + static_cast<int>(next() % 4);
    for (int i = 0; i < changes; ++i) bytes[next() % bytes.size()] = static_cast<char>(next());
    (void)MediaLengthMs(testing::WriteBytes(dir, "song.mid", bytes));
  }
}

}  // namespace
}  // namespace tinto
