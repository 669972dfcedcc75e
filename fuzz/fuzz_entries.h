// The fuzz targets: one plain entry function per reader of outside bytes. libFuzzer calls
// them from fuzz_main.cpp, and the corpus replay test calls the same functions with every
// file kept under fuzz/corpus/<name>/, so each finding stays a test.
//
// An entry returns normally for any input it is given. A broken property (a value written
// that does not read back, a picture that does not survive a round trip) is reported
// through Broken, which aborts; crashes, leaks and undefined behaviour are left to the
// sanitizers.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace tinto::fuzz {

using Bytes = std::span<const std::uint8_t>;
using Entry = void (*)(Bytes);

void ColourFileEntry(Bytes data);  // "Xx.txt" read, written and read again
void IniReadEntry(Bytes data);     // every key of a settings file looked up
void IniRewriteEntry(Bytes data);  // first line "section<TAB>key<TAB>value", then the file
void BmpEntry(Bytes data);         // a bitmap decoded, written and decoded again
void JpegEntry(Bytes data);        // a wallpaper decoded
void MidiLengthEntry(Bytes data);  // a Standard MIDI File measured
void Mp3LengthEntry(Bytes data);   // an MPEG audio file measured
void WavLengthEntry(Bytes data);   // a RIFF file (WAVE or RMID) measured
void SimScriptEntry(Bytes data);   // a simulator script parsed

struct Target {
  std::string_view name;  // also the corpus folder's name
  Entry entry;
};

inline constexpr std::array<Target, 9> kTargets = {{
    {"colour_file", ColourFileEntry},
    {"ini_read", IniReadEntry},
    {"ini_rewrite", IniRewriteEntry},
    {"bmp", BmpEntry},
    {"jpeg", JpegEntry},
    {"midi_length", MidiLengthEntry},
    {"mp3_length", Mp3LengthEntry},
    {"wav_length", WavLengthEntry},
    {"sim_script", SimScriptEntry},
}};

// Reports a broken property and aborts.
[[noreturn]] void Broken(std::string_view target, std::string_view what);

}  // namespace tinto::fuzz
