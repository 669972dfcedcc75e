// MediaLengthMs as the music player calls it: the kind of file comes from its content,
// and anything that is not a readable music file gives nothing.
#include "media/media_length.h"

#include <gtest/gtest.h>

#include <string>

#include "media_test_files.h"

namespace tinto {
namespace {

using testing::Be;
using testing::Le;
using testing::Mp3Frames;

const std::string kWav1500Ms = "RIFF" + Le(36 + 3000, 4) + "WAVEfmt " + Le(16, 4) + Le(1, 2) +
                               Le(1, 2) + Le(1000, 4) + Le(2000, 4) + Le(2, 2) + Le(16, 2) +
                               "data" + Le(3000, 4) + std::string(3000, '\x02');
const std::string kMidi2000Ms = "MThd" + Be(6, 4) + Be(0, 2) + Be(1, 2) + Be(480, 2) + "MTrk" +
                                Be(5, 4) + std::string("\x8F\x00\xFF\x2F\x00", 5);

TEST(MediaLength, TellsTheKindFromTheContentNotTheName) {
  const auto dir = testing::FreshTestDir();
  EXPECT_EQ(MediaLengthMs(testing::WriteBytes(dir, "a.mp3", kWav1500Ms)), 1500u);
  EXPECT_EQ(MediaLengthMs(testing::WriteBytes(dir, "b.wav", kMidi2000Ms)), 2000u);
  EXPECT_EQ(MediaLengthMs(testing::WriteBytes(dir, "c.mid", Mp3Frames(50))),
            50 * 1152 * 1000 / 44100);
  EXPECT_EQ(MediaLengthMs(testing::WriteBytes(dir, "D.MID", kMidi2000Ms)), 2000u);
}

TEST(MediaLength, GivesNothingForWhatCannotBeMeasured) {
  const auto dir = testing::FreshTestDir();
  EXPECT_EQ(MediaLengthMs(dir / "missing.mid"), std::nullopt);
  EXPECT_EQ(MediaLengthMs(dir), std::nullopt) << "a folder";
  EXPECT_EQ(MediaLengthMs(testing::WriteBytes(dir, "empty.wav", "")), std::nullopt);
  EXPECT_EQ(MediaLengthMs(testing::WriteBytes(dir, "notes.mid", "just some text, no music\n")),
            std::nullopt);
  // A MIDI or WAV signature with nothing behind it is not taken for MPEG audio.
  EXPECT_EQ(MediaLengthMs(testing::WriteBytes(dir, "head.mid", "MThd" + Mp3Frames(5))),
            std::nullopt);
  EXPECT_EQ(MediaLengthMs(testing::WriteBytes(
                dir, "head.wav", std::string("RIFF\x10\0\0\0WAVE", 12) + Mp3Frames(5))),
            std::nullopt);
}

}  // namespace
}  // namespace tinto
