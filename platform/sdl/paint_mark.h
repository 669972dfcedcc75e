// A marker for start-up measurements: when TINTO_FIRST_PAINT_FILE names a file, the
// moment the first pixels reach a shown window is written to it once, as nanoseconds of
// the real-time clock, so that a script can take it from the moment it started us.
#pragma once

namespace tinto::sdl {

// Writes the marker the first time it is called (and only when asked for).
void MarkFirstPaint();

}  // namespace tinto::sdl
