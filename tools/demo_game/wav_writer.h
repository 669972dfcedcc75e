// Encoding synthesized sound as a WAV file: 16-bit PCM, one channel.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace tinto::demo {

// The bytes of a RIFF WAVE file holding samples at sample_rate.
std::string EncodeWav(std::span<const std::int16_t> samples, std::uint32_t sample_rate);

}  // namespace tinto::demo
