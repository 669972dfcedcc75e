// The simulator's key names: a single character is a name, a number has two digits or more.
#include "platform/sim/sim_script.h"

#include <gtest/gtest.h>

namespace tinto::sim {
namespace {

TEST(SimKeys, SingleCharactersAreNamesAndNumbersNeedTwoDigits) {
  const struct {
    const char* word;
    std::optional<int> vk;
  } cases[] = {
      {"0", 48},
      {"1", 49},
      {"9", 57},
      {"A", 65},
      {"Z", 90},
      {"08", 8},
      {"13", 13},
      {"112", 112},
      {"NUM0", 96},
      {"F1", 112},
      {"F24", 135},
      {"SPACE", 32},
      {"a", std::nullopt},
      {"!", std::nullopt},
      {"00", std::nullopt},
      {"255", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseKey(c.word), c.vk) << c.word;
}

}  // namespace
}  // namespace tinto::sim
