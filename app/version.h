// The program's version and the command-line option that prints it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tinto {

// The version the build found in the repository, such as "1.0.0" or "1.0.0-12-gabc1234"
// (defined in the build's generated version source, see cmake/version.cmake).
std::string_view ProgramVersion();

// What `--version` prints: the application title and the version, "Quiro EDIT 1.0.0".
std::string VersionLine();

// True when an argument is the option "--version". The program then prints VersionLine
// and ends before it does anything else; every other argument keeps its meaning (a
// music file, or nothing).
bool AsksForVersion(const std::vector<std::string>& arguments);

}  // namespace tinto
