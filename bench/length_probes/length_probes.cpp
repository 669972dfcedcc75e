// Times one length probe (the player measures a song on its window's thread) for files
// made to keep a probe busy: gigabytes of zeros behind a RIFF, MIDI or MPEG head, false
// frame headers, a million tempo changes, and a long honest MP3 for comparison. Prints
// one line per file: its name, the milliseconds of the slowest of three runs and the
// length found. Goal: every probe under 200 ms.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "media/media_length.h"

namespace {

namespace fs = std::filesystem;

std::string Le(std::uint32_t v, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += static_cast<char>(v >> (8 * i) & 0xFF);
  return s;
}
std::string Be(std::uint32_t v, int n) {
  std::string s;
  for (int i = n - 1; i >= 0; --i) s += static_cast<char>(v >> (8 * i) & 0xFF);
  return s;
}
std::string Frames(int count) {
  std::string frame(417, '\0');
  frame.replace(0, 4, "\xFF\xFB\x90\x00", 4);
  std::string out;
  for (int i = 0; i < count; ++i) out += frame;
  return out;
}

fs::path Write(const fs::path& dir, const std::string& name, const std::string& head,
               std::uintmax_t size = 0) {
  const fs::path path = dir / name;
  std::ofstream(path, std::ios::binary) << head;
  if (size > head.size()) fs::resize_file(path, size);
  return path;
}

}  // namespace

int main() {
  const fs::path dir =
      fs::temp_directory_path() / ("tinto-bench-probes-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const std::uintmax_t two_gb = std::uintmax_t{2} << 30;
  std::string fake, tempos;
  while (fake.size() < (64u << 20)) fake += std::string("\xFF\xFB\x90\x00\x00\xFF\xFB", 7);
  for (int i = 0; i < 1000000; ++i) tempos += std::string("\x00\xFF\x51\x03\x07\xA1\x20", 7);
  tempos += std::string("\x00\xFF\x2F\x00", 4);
  const fs::path files[] = {
      Write(dir, "zeros.wav", "RIFF" + Le(0xFFFFFFF0, 4) + "WAVE", two_gb),
      Write(dir, "tracks.mid", "MThd" + Be(6, 4) + Be(1, 2) + Be(65535, 2) + Be(96, 2), two_gb),
      Write(dir, "three frames.mp3", Frames(3), two_gb),
      Write(dir, "false headers.mp3", fake),
      Write(dir, "tempos.mid",
            "MThd" + Be(6, 4) + Be(0, 2) + Be(1, 2) + Be(96, 2) + "MTrk" +
                Be(static_cast<std::uint32_t>(tempos.size()), 4) + tempos),
      Write(dir, "long honest.mp3", Frames(200000)),
  };
  for (const fs::path& file : files) {
    double slowest = 0;
    std::optional<std::uint32_t> ms;
    for (int run = 0; run < 3; ++run) {
      const auto start = std::chrono::steady_clock::now();
      ms = tinto::MediaLengthMs(file);
      const std::chrono::duration<double, std::milli> took =
          std::chrono::steady_clock::now() - start;
      slowest = std::max(slowest, took.count());
    }
    std::printf("%-20s %8.1f ms  length %s\n", file.filename().c_str(), slowest,
                ms ? std::to_string(*ms).c_str() : "none");
  }
  fs::remove_all(dir);
  return 0;
}
