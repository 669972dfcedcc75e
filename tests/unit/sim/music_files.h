// Small music files of exact lengths for the simulator tests: silent WAV files and MIDI
// files holding a single note.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace tinto::test {

inline std::string LittleEndian(std::uint32_t v, int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  return s;
}

// A silent WAV, 8000 Hz mono 8-bit, of ms milliseconds.
inline void WriteWav(const std::filesystem::path& path, std::uint32_t ms) {
  const std::uint32_t data = ms * 8;
  std::ofstream out(path, std::ios::binary);
  out << "RIFF" << LittleEndian(36 + data, 4) << "WAVEfmt " << LittleEndian(16, 4)
      << LittleEndian(1, 2) << LittleEndian(1, 2) << LittleEndian(8000, 4) << LittleEndian(8000, 4)
      << LittleEndian(1, 2) << LittleEndian(8, 2) << "data" << LittleEndian(data, 4)
      << std::string(data, '\x80');
}

// A one-track MIDI file at 120 beats a minute (480 ticks a beat), one note lasting ms.
inline void WriteMidi(const std::filesystem::path& path, std::uint32_t ms) {
  const std::uint32_t ticks = ms * 480 / 500;
  std::string vlq;
  for (int shift = 21; shift > 0; shift -= 7)
    if (ticks >> shift) vlq.push_back(static_cast<char>(0x80 | ((ticks >> shift) & 0x7F)));
  vlq.push_back(static_cast<char>(ticks & 0x7F));
  const std::string track =
      std::string("\x00\x90\x3C\x64", 4) + vlq + std::string("\x80\x3C\x00\x00\xFF\x2F\x00", 7);
  auto be = [](std::uint32_t v, int bytes) {
    std::string s;
    for (int i = bytes - 1; i >= 0; --i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    return s;
  };
  std::ofstream out(path, std::ios::binary);
  out << "MThd" << be(6, 4) << be(0, 2) << be(1, 2) << be(480, 2) << "MTrk"
      << be(static_cast<std::uint32_t>(track.size()), 4) << track;
}

}  // namespace tinto::test
