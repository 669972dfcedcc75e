// The canonical 44-byte WAV header followed by the samples, all little-endian.
#include "tools/demo_game/wav_writer.h"

namespace tinto::demo {

namespace {

void Put16(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

}  // namespace

std::string EncodeWav(std::span<const std::int16_t> samples, std::uint32_t sample_rate) {
  constexpr std::uint32_t kChannels = 1;
  constexpr std::uint32_t kBytesPerSample = 2;
  const auto data_bytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
  std::string out;
  out.reserve(44 + data_bytes);
  out += "RIFF";
  Put32(out, 36 + data_bytes);
  out += "WAVEfmt ";
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, kChannels);
  Put32(out, sample_rate);
  Put32(out, sample_rate * kChannels * kBytesPerSample);
  Put16(out, kChannels * kBytesPerSample);
  Put16(out, 8 * kBytesPerSample);
  out += "data";
  Put32(out, data_bytes);
  for (const std::int16_t sample : samples) Put16(out, static_cast<std::uint16_t>(sample));
  return out;
}

}  // namespace tinto::demo
