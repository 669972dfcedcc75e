// Every seed and every reproducer of a past finding under fuzz/corpus/<target>/ goes
// through its target's entry, as the fuzzer would feed it: a crash, sanitizer report or
// broken property there fails this test.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "fuzz/fuzz_entries.h"

namespace tinto::fuzz {

// Lets test listings (and ctest) show a target by its name rather than its bytes.
void PrintTo(const Target& target, std::ostream* out) {
  *out << target.name;
}

namespace {

class CorpusReplay : public ::testing::TestWithParam<Target> {};

TEST_P(CorpusReplay, EveryInputPasses) {
  const std::filesystem::path folder =
      std::filesystem::path(TINTO_SOURCE_DIR) / "fuzz" / "corpus" / std::string(GetParam().name);
  ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  ASSERT_FALSE(files.empty()) << "no seeds in " << folder;
  for (const auto& file : files) {
    SCOPED_TRACE(file.string());
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    ASSERT_TRUE(in.eof() || in.good());
    GetParam().entry(bytes);
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay, ::testing::ValuesIn(kTargets),
                         [](const auto& target) { return std::string(target.param.name); });

}  // namespace
}  // namespace tinto::fuzz
