// The player's unlock points, the unlock stage they give, and the number of colours the
// colour picker offers per part; kept in the settings file "Tinto.ini" as "tp" with the
// accepted passwords "tp0".."tp8" as proof, so that editing "tp" alone unlocks nothing.
#pragma once

#include "files/atomic_file.h"
#include "files/program_folder.h"

namespace tinto {

inline constexpr int kPointsMaximum = 700;

// The stage of a points value: 0 to 49 is stage 0, then 50, 100, 150, 200, 250, 300, 400,
// 500 and 700 start stages 1 to 9. Below 0 counts as stage 0.
int UnlockStageOf(int points);

class Points {
 public:
  int points() const { return points_; }
  void set_points(int points) { points_ = points; }

  // 0..9, from the points.
  int UnlockStage() const { return UnlockStageOf(points_); }
  // 12 + the stage: 12..21 entries offered per part.
  int ColoursPerPart() const { return 12 + UnlockStage(); }

  // After a correct password: the points become the threshold of the next stage (from a
  // value between thresholds as well: 120 becomes 150), and 0 after stage 9.
  void AdvancePoints();

  // Writes "tp" = points and, from stage 1 on, "tp" + (stage - 1) = the password just
  // accepted, in one replacement of the settings file (both or neither are written; every
  // other key and line stays). After the reset password only "tp" = 0 is written.
  FileResult SavePoints(const ProgramFolder& folder) const;

  // Reads "tp" (0 when the file, section or key is missing, or the value is not a plain
  // integer in the 32-bit range: "50x" and "4294967346" are 0) and proves it: every password
  // below its stage must be stored exactly ("tp0".."tp" + (stage - 1), same bytes, case
  // counting), or the points become 0. A negative "tp", which only an edited file can
  // hold, also counts as 0. Nothing is written back and nothing is reported: a file that
  // fails the proof simply starts the player at 0.
  void LoadPoints(const ProgramFolder& folder);

 private:
  int points_ = 0;
};

}  // namespace tinto
