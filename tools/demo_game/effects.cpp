// Recipes of the demo sound effects. Presses are short clicks and blips, toggles are
// two-note figures that rise when something goes on and fall when it goes off, refusals
// buzz, and the alarm sounds are 1.5 s figures that repeat cleanly when looped.
#include "tools/demo_game/effects.h"

#include <cstdio>

#include "tools/demo_game/effect_list.h"
#include "tools/demo_game/output_file.h"
#include "tools/demo_game/synth.h"
#include "tools/demo_game/wav_writer.h"

namespace tinto::demo {

namespace {

// MIDI key numbers of the notes used below.
enum Key {
  kD4 = 62,
  kG4 = 67,
  kC5 = 72,
  kE5 = 76,
  kG5 = 79,
  kA5 = 81,
  kB5 = 83,
  kC6 = 84,
  kCs6 = 85,
  kD6 = 86,
  kE6 = 88,
  kG6 = 91,
  kA6 = 93,
  kC7 = 96,
  kE7 = 100,
  kG7 = 103,
};

// Two notes one after the other, the second ringing longer.
void TwoNotes(Sound& s, int first, int second, double gap_ms, double length_ms, Timbre timbre,
              double decay_ms) {
  s.Add({.start_ms = 0,
         .length_ms = gap_ms,
         .hz = KeyHz(first),
         .timbre = timbre,
         .decay_ms = decay_ms});
  s.Add({.start_ms = gap_ms,
         .length_ms = length_ms - gap_ms,
         .hz = KeyHz(second),
         .timbre = timbre,
         .decay_ms = decay_ms * 1.5});
}

// Notes at a steady pace, each ringing on under the next.
void Arpeggio(Sound& s, std::initializer_list<int> keys, double start_ms, double step_ms,
              double ring_ms, Timbre timbre, double decay_ms, double level = 1.0) {
  double at = start_ms;
  for (const int key : keys) {
    s.Add({.start_ms = at,
           .length_ms = ring_ms,
           .hz = KeyHz(key),
           .level = level,
           .timbre = timbre,
           .decay_ms = decay_ms});
    at += step_ms;
  }
}

// The clear alarm: two groups of four bright beeps per 1.5 s.
void AlarmBeeps(Sound& s) {
  for (const double group : {0.0, 750.0}) {
    for (int i = 0; i < 4; ++i) {
      const double at = group + i * 130;
      s.Add(
          {.start_ms = at, .length_ms = 90, .hz = 1760, .timbre = Timbre::kSquare, .attack_ms = 2});
      s.Add({.start_ms = at,
             .length_ms = 90,
             .hz = 880,
             .level = 0.5,
             .timbre = Timbre::kSine,
             .attack_ms = 2});
    }
  }
}

void AlarmTune(Sound& s) {
  Arpeggio(s, {kC6, kE6, kG6, kE6, kC6, kE6, kG6, kC7}, 0, 180, 260, Timbre::kMarimba, 90);
  Arpeggio(s, {kC5, kG5}, 0, 720, 700, Timbre::kSine, 250, 0.4);
}

void AlarmCall(Sound& s) {
  for (const double at : {0.0, 720.0}) {
    s.Add({.start_ms = at,
           .length_ms = 340,
           .hz = 660,
           .end_hz = 990,
           .timbre = Timbre::kSine,
           .attack_ms = 20});
    s.Add({.start_ms = at + 340,
           .length_ms = 340,
           .hz = 990,
           .end_hz = 660,
           .timbre = Timbre::kSine});
    s.Add({.start_ms = at,
           .length_ms = 680,
           .hz = 1320,
           .end_hz = 1320,
           .level = 0.15,
           .timbre = Timbre::kBell,
           .decay_ms = 200});
  }
}

void AlarmCuckoo(Sound& s) {
  for (const double at : {0.0, 500.0, 1000.0}) {
    s.Add({.start_ms = at,
           .length_ms = 160,
           .hz = KeyHz(kB5),
           .timbre = Timbre::kSine,
           .attack_ms = 10,
           .decay_ms = 300});
    s.Add({.start_ms = at + 180,
           .length_ms = 260,
           .hz = KeyHz(kG5),
           .timbre = Timbre::kSine,
           .attack_ms = 10,
           .decay_ms = 300});
  }
}

void Fanfare(Sound& s) {
  Arpeggio(s, {kC5, kE5, kG5}, 0, 140, 150, Timbre::kBrass, 0, 0.8);
  for (const int key : {kC5, kE5, kG5, kC6}) {
    s.Add({.start_ms = 420,
           .length_ms = 780,
           .hz = KeyHz(key),
           .level = key == kC6 ? 1.0 : 0.5,
           .timbre = Timbre::kBrass,
           .attack_ms = 15,
           .decay_ms = 500});
  }
  s.Add({.start_ms = 420,
         .length_ms = 600,
         .hz = KeyHz(kG7),
         .level = 0.15,
         .timbre = Timbre::kBell,
         .decay_ms = 150});
}

void Sparkle(Sound& s) {
  Arpeggio(s, {kC6, kE6, kG6, kC7, kE7}, 0, 60, 400, Timbre::kBell, 120);
  Arpeggio(s, {kG7, kE7, kG7}, 320, 90, 300, Timbre::kSine, 80, 0.35);
}

void Buzz(Sound& s, double at, double length_ms, double hz) {
  s.Add(
      {.start_ms = at, .length_ms = length_ms, .hz = hz, .timbre = Timbre::kBuzz, .attack_ms = 5});
  s.Add({.start_ms = at,
         .length_ms = length_ms,
         .hz = hz * 1.06,
         .level = 0.6,
         .timbre = Timbre::kBuzz,
         .attack_ms = 5});
}

// The effect's notes, and how loud its loudest sample is.
double Compose(int number, Sound& s) {
  switch (number) {
    case 0:
      s.Add({.length_ms = 50,
             .hz = KeyHz(kC7),
             .timbre = Timbre::kMarimba,
             .attack_ms = 1,
             .decay_ms = 12});
      return 0.35;
    case 1:
      TwoNotes(s, kG5, kD6, 60, 160, Timbre::kMarimba, 40);
      return 0.5;
    case 2:
      s.Noise(0, 12, 0.6, 2.5);
      s.Add({.length_ms = 36, .hz = 1500, .timbre = Timbre::kSine, .attack_ms = 1, .decay_ms = 6});
      return 0.3;
    case 3:
      TwoNotes(s, kD6, kG5, 60, 160, Timbre::kBell, 40);
      return 0.5;
    case 10:
      AlarmBeeps(s);
      return 0.8;
    case 11:
      Fanfare(s);
      return 0.7;
    case 12:
      AlarmTune(s);
      return 0.7;
    case 13:
      AlarmCall(s);
      return 0.7;
    case 15:
      AlarmCuckoo(s);
      return 0.7;
    case 20:
      TwoNotes(s, kG4, kD4, 60, 160, Timbre::kMarimba, 35);
      return 0.55;
    case 21:
      Arpeggio(s, {kG6, kE6, kC6}, 0, 80, 140, Timbre::kBell, 60);
      return 0.5;
    case 28:
      s.Add({.length_ms = 140, .hz = 1200, .end_hz = 500, .timbre = Timbre::kSine, .decay_ms = 80});
      return 0.5;
    case 30:
      TwoNotes(s, kC6, kG6, 90, 240, Timbre::kBell, 70);
      return 0.5;
    case 31:
      TwoNotes(s, kG6, kC6, 90, 240, Timbre::kBell, 70);
      return 0.5;
    case 32:
      s.Add({.length_ms = 120,
             .hz = 300,
             .end_hz = 1000,
             .timbre = Timbre::kSine,
             .attack_ms = 2,
             .decay_ms = 40});
      return 0.55;
    case 33:
      TwoNotes(s, kE5, kA5, 80, 200, Timbre::kMarimba, 50);
      return 0.5;
    case 34:
      TwoNotes(s, kA5, kE5, 80, 200, Timbre::kMarimba, 50);
      return 0.5;
    case 35:
      TwoNotes(s, kE6, kC6, 200, 400, Timbre::kBell, 120);
      return 0.55;
    case 36:
      Arpeggio(s, {kA5, kCs6, kE6, kA6}, 0, 70, 150, Timbre::kSine, 60);
      return 0.5;
    case 40:
      s.Noise(0, 10, 0.5, 2);
      s.Add({.length_ms = 90,
             .hz = 1000,
             .timbre = Timbre::kMarimba,
             .attack_ms = 1,
             .decay_ms = 15});
      return 0.5;
    case 50:
      Buzz(s, 0, 260, 110);
      return 0.5;
    case 51:
      Buzz(s, 0, 90, 150);
      Buzz(s, 120, 90, 150);
      return 0.45;
    case 61:
      TwoNotes(s, kD6, kA5, 70, 180, Timbre::kSquare, 40);
      return 0.4;
    case 67:
      TwoNotes(s, kA5, kD6, 70, 180, Timbre::kSquare, 40);
      return 0.4;
    case 68:
      TwoNotes(s, kG5, kD6, 100, 280, Timbre::kBell, 110);
      return 0.5;
    case 69:
      TwoNotes(s, kD6, kG5, 100, 280, Timbre::kBell, 110);
      return 0.5;
    case 71:
      Sparkle(s);
      return 0.6;
    default:
      return 0;
  }
}

}  // namespace

std::vector<std::int16_t> RenderEffect(int number) {
  for (const EffectEntry& entry : kDemoEffects) {
    if (entry.number != number) continue;
    Sound sound(entry.length_ms);
    const double peak = Compose(number, sound);
    return sound.Render(peak);
  }
  return {};
}

bool WriteEffects(const std::filesystem::path& folder) {
  for (const EffectEntry& entry : kDemoEffects) {
    char name[16];
    std::snprintf(name, sizeof name, "Y_q%02d.wav", entry.number);
    const std::vector<std::int16_t> samples = RenderEffect(entry.number);
    if (!WriteFileAtomically(folder / name, EncodeWav(samples, kEffectSampleRate))) return false;
  }
  return true;
}

}  // namespace tinto::demo
