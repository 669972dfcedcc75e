// Points, unlock stages and their keys in the settings file.
#include "unlock/points.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "files/ini_file.h"
#include "unlock/password_tables.h"

namespace tinto {
namespace {

// The first points of stages 1..9.
constexpr std::array<int, 9> kThresholds = {50, 100, 150, 200, 250, 300, 400, 500, 700};

std::string PasswordKey(int k) {
  return "tp" + std::to_string(k);
}

}  // namespace

int UnlockStageOf(int points) {
  int stage = 0;
  while (stage < static_cast<int>(kThresholds.size()) && points >= kThresholds[stage]) ++stage;
  return stage;
}

void Points::AdvancePoints() {
  const int stage = UnlockStage();
  points_ = stage < static_cast<int>(kThresholds.size()) ? kThresholds[stage] : 0;
}

FileResult Points::SavePoints(const ProgramFolder& folder) const {
  const int stage = UnlockStage();
  std::vector<std::pair<std::string, std::string>> entries;
  entries.emplace_back("tp", std::to_string(points_));
  if (stage >= 1) entries.emplace_back(PasswordKey(stage - 1), std::string(Password(stage - 1)));
  IniFile ini(folder.Resolve(kSettingsFileName));
  std::string error;
  if (!ini.WriteStrings(kSettingsSection, entries, &error)) return FileResult::Fail(error);
  return FileResult::Ok();
}

void Points::LoadPoints(const ProgramFolder& folder) {
  IniFile ini(folder.Resolve(kSettingsFileName));
  // Only a plain integer counts; anything else ("50x", past the 32-bit range) is 0.
  points_ = ParseStrictInt(ini.ReadString(kSettingsSection, "tp", "0")).value_or(0);
  if (points_ < 0) points_ = 0;
  const int stage = UnlockStage();
  for (int k = 0; k < stage; ++k) {
    if (ini.ReadString(kSettingsSection, PasswordKey(k), "") != Password(k)) points_ = 0;
  }
}

}  // namespace tinto
