// The soak's input: a fixed tour of every window, then a seeded random stream of clicks, keys,
// drags, wheel turns, drops and waits over every window, written as a simulator script. Clicks on
// the main window pick a row of its hotspot table (so every button in the table takes part), a
// point inside its box; clicks on the other windows aim at their buttons more often than not, and
// at any point of their client area otherwise. Closing and
// minimising are left out, since either ends the input for the rest of the run. A
// `memory` line is written at the end of the settle period, then every fortieth of the
// run (at least every minute), and at the end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tinto::test {

struct SoakPlan {
  std::uint64_t seed = 1;
  std::uint64_t minutes = 20;           // fake time the stream covers
  std::uint64_t settle_minutes = 5;     // when the first memory reading is taken
  std::vector<std::string> drop_files;  // files the stream drops (any may be bad)
};

std::string SoakScript(const SoakPlan& plan);

}  // namespace tinto::test
