// A marker for start-up measurements: when TINTO_FIRST_PAINT_FILE names a file, the
// moment the first pixels reach a shown window is written to it once, as nanoseconds of
// the real-time clock since 1970, so that a script can take it from the moment it started
// us. Every backend writes it the same way (under Wine the clock is the host's).
#pragma once

namespace tinto {

// Writes the marker the first time it is called (and only when asked for).
void MarkFirstPaint();

}  // namespace tinto
