#include "app/version.h"

#include <algorithm>

#include "app/application.h"

namespace tinto {

std::string VersionLine() {
  return std::string(kApplicationTitle) + " " + std::string(ProgramVersion());
}

bool AsksForVersion(const std::vector<std::string>& arguments) {
  return std::ranges::find(arguments, "--version") != arguments.end();
}

}  // namespace tinto
