// The demo sound effects: every effect number the program plays, and three extra alarm
// sounds after 10 so that the alarm sound list has something to step through. Each
// effect's length is a multiple of 20 ms, a whole number of samples at 22050 Hz.
#pragma once

#include <array>

namespace tinto::demo {

struct EffectEntry {
  int number;  // the file is "Y_q" + two digits + ".wav"
  int length_ms;
};

inline constexpr std::array<EffectEntry, 27> kDemoEffects = {{
    {0, 60},     // fine adjustment: a tiny tick
    {1, 160},    // opening a film or movie: two blips up
    {2, 40},     // the ordinary press: a short soft click
    {3, 160},    // a reset: two blips down
    {10, 1500},  // alarm: groups of four beeps
    {11, 1200},  // start-up fanfare
    {12, 1500},  // alarm: a little marimba tune
    {13, 1500},  // alarm: a soft rising and falling call
    {15, 1500},  // alarm: a cuckoo
    {20, 160},   // a button set unavailable: a low knock down
    {21, 300},   // close: three bells falling
    {28, 140},   // minimise: a swoop down
    {30, 240},   // toggle on: a chime up
    {31, 240},   // toggle off: a chime down
    {32, 120},   // alarm stopped, files dropped: a pop
    {33, 200},   // pose set: marimba up
    {34, 200},   // pose cleared: marimba down
    {35, 400},   // after a movie: ding-dong
    {36, 360},   // after a movie, movie sound on: a bright arpeggio
    {40, 100},   // countdown reset, wallpaper step: a wood knock
    {50, 260},   // a refusal, music stopped: a buzz
    {51, 220},   // a refusal: two short buzzes
    {61, 180},   // zoom off: a soft step down
    {67, 180},   // zoom on: a soft step up
    {68, 280},   // date on: ringing chime up
    {69, 280},   // date off: ringing chime down
    {71, 720},   // success: a sparkle
}};

constexpr bool LengthsFitSampleRate() {
  for (const EffectEntry& e : kDemoEffects) {
    if (e.length_ms <= 0 || e.length_ms % 20 != 0) return false;
  }
  return true;
}
static_assert(LengthsFitSampleRate());

}  // namespace tinto::demo
