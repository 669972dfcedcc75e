// The soak: a long seeded random stream over every window, run on the simulator. The
// program must not end, crash or trip a sanitizer, and its heap must not grow between
// the reading after the settle period and the one at the end. `make test` runs 20
// minutes of fake time; `make soak` sets TINTO_SOAK_MINUTES=1440 (24 hours).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <streambuf>

#include "sim_fixture.h"
#include "soak_stream.h"
#include "tests/unit/demo_game_tool.h"

namespace tinto::test {
namespace {

// Keeps what the soak judges from a log too long to hold: a count of each event (by its
// name and, for window events, its window), the memory readings and the first lines of
// ending or error events.
class SoakLog : public std::streambuf {
 public:
  // Room held from the start, so that the soak's own bookkeeping does not show as growth.
  SoakLog() {
    memory.reserve(4096);
    line_.reserve(4096);
  }

  std::map<std::string, long> counts;
  std::vector<std::pair<std::uint64_t, std::uint64_t>> memory;  // heap bytes, RSS kB
  std::vector<std::string> endings;

 protected:
  int overflow(int c) override {
    if (c == traits_type::eof()) return 0;
    if (c == '\n') {
      Take();
      line_.clear();
    } else {
      line_.push_back(static_cast<char>(c));
    }
    return c;
  }

 private:
  void Take() {
    std::istringstream in(line_);
    std::string time, event, arg;
    in >> time >> event;
    if (event == "show" || event == "hide" || event == "modal" || event == "result" ||
        event == "region") {
      in >> arg;
      event += " " + arg;
    }
    ++counts[event];
    if (event == "memory") {
      std::uint64_t heap = 0, rss = 0;
      in >> heap >> rss;
      memory.emplace_back(heap, rss);
    }
    if ((event == "exit" || event == "error") && endings.size() < 20) endings.push_back(line_);
  }

  std::string line_;
};

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

// Room for the allocator's own bookkeeping; a leak of one small block a minute passes
// it within a day.
constexpr std::uint64_t kGrowthAllowance = 64 * 1024;

using Soak = SimTest;

TEST_F(Soak, MemoryCommandLogsTheHeapAndTheResidentSet) {
  const SimResult r = Run("start\nmemory\nwait 10\nmemory\n");
  ASSERT_EQ(r.status, 0) << r.errors;
  const auto readings = r.Events("memory ");
  ASSERT_EQ(readings.size(), 2u) << r.log;
  unsigned long long time = 0, heap = 0, rss = 0;
  ASSERT_EQ(std::sscanf(readings[1].c_str(), "%llu memory %llu %llu", &time, &heap, &rss), 3)
      << readings[1];
  EXPECT_EQ(time, 10u);
  EXPECT_GT(heap, 0u);
  EXPECT_GT(rss, 0u);
  EXPECT_EQ(Run("start\nmemory now\n").status, 2);
}

TEST_F(Soak, RandomStreamOverEveryWindowKeepsRunningWithoutGrowing) {
  ASSERT_TRUE(std::filesystem::exists(kDemoGameTool)) << "build the demo_game target first";
  const std::filesystem::path music = File("drop music");
  ASSERT_EQ(RunDemoGameTool("\"" + folder_.string() + "\" \"" + music.string() + "\""), 0);

  SoakPlan plan;
  plan.seed = EnvNumber("TINTO_SOAK_SEED", 10);
  plan.minutes = EnvNumber("TINTO_SOAK_MINUTES", 20);
  plan.settle_minutes = std::min<std::uint64_t>(60, plan.minutes / 4);
  // The folder's own music and sounds, and files that are not what they claim.
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_))
    if (entry.is_regular_file()) plan.drop_files.push_back(entry.path().string());
  std::ofstream(File("garbage song.mid")) << "not a song";
  std::ofstream(File("empty.wav"));
  plan.drop_files.push_back(File("garbage song.mid").string());
  plan.drop_files.push_back(File("empty.wav").string());
  plan.drop_files.push_back(File("missing.mp3").string());
  plan.drop_files.push_back(folder_.string());

  const std::string script = "folder " + folder_.string() + "\n" + SoakScript(plan);
  // TINTO_SOAK_SCRIPT=FILE keeps the stream, to run it again with tinto-sim.
  if (const char* keep = std::getenv("TINTO_SOAK_SCRIPT"); keep != nullptr && *keep != '\0')
    std::ofstream(keep) << script;

  SoakLog sink;
  std::ostream log(&sink);
  std::ostringstream err;
  const int status = sim::RunScript(script, RunTinto, log, err, {});
  ASSERT_EQ(status, 0) << err.str();

  std::string summary;
  for (const auto& [event, count] : sink.counts)
    summary += event + ": " + std::to_string(count) + "\n";
  for (const std::string& line : sink.endings) summary += line + "\n";
  EXPECT_EQ(sink.counts.count("exit"), 0u) << summary;
  // Every window was open at some time during the run.
  for (const char* window : {"message", "picker", "password", "manual"})
    EXPECT_GT(sink.counts[std::string("show ") + window], 0) << window << "\n" << summary;

  // Readings come with whatever windows are open at the time, so the judge is the
  // lowest reading (the heap with the fewest windows open) of the last quarter of the
  // readings against that of the first quarter.
  ASSERT_GE(sink.memory.size(), 4u) << summary;
  const std::size_t quarter = sink.memory.size() / 4;
  auto lowest = [&](std::size_t from, std::size_t to) {
    std::uint64_t low = UINT64_MAX;
    for (std::size_t i = from; i < to; ++i) low = std::min(low, sink.memory[i].first);
    return low;
  };
  const std::uint64_t early = lowest(0, quarter);
  const std::uint64_t late = lowest(sink.memory.size() - quarter, sink.memory.size());
  std::printf(
      "soak: %llu minutes of fake time, seed %llu, %zu readings; heap at the end of the settle "
      "period "
      "%llu bytes, at the end %llu bytes (lowest early %llu, late %llu); RSS %llu kB -> %llu kB\n",
      static_cast<unsigned long long>(plan.minutes), static_cast<unsigned long long>(plan.seed),
      sink.memory.size(), static_cast<unsigned long long>(sink.memory.front().first),
      static_cast<unsigned long long>(sink.memory.back().first),
      static_cast<unsigned long long>(early), static_cast<unsigned long long>(late),
      static_cast<unsigned long long>(sink.memory.front().second),
      static_cast<unsigned long long>(sink.memory.back().second));
  std::printf("heap readings:");
  for (const auto& reading : sink.memory)
    std::printf(" %llu", static_cast<unsigned long long>(reading.first));
  std::printf("\n%s", summary.c_str());
  EXPECT_LE(late, early + kGrowthAllowance) << summary;
}

}  // namespace
}  // namespace tinto::test
