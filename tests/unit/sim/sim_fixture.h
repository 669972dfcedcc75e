// Runs simulator scripts in a fresh program folder and reads their logs and pictures.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/tinto.h"
#include "gfx/bitmap.h"
#include "gfx/bmp.h"
#include "platform/sim/sim_run.h"

namespace tinto::test {

struct SimResult {
  int status = 0;
  std::string log;
  std::string errors;

  bool Has(const std::string& line) const {
    std::istringstream in(log);
    std::string l;
    while (std::getline(in, l))
      if (l == line) return true;
    return false;
  }
  // Lines whose event (after the time) starts with the given text.
  std::vector<std::string> Events(const std::string& prefix) const {
    std::vector<std::string> out;
    std::istringstream in(log);
    std::string l;
    while (std::getline(in, l)) {
      const auto space = l.find(' ');
      if (space != std::string::npos && l.compare(space + 1, prefix.size(), prefix) == 0)
        out.push_back(l);
    }
    return out;
  }
};

class SimTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              ("tinto-sim-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
               std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    // Files made read-only by a test are made writable again: Windows removes no
    // read-only file.
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_, ec))
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(folder_, ec);
  }

  std::filesystem::path File(const std::string& name) const { return folder_ / name; }

  // Takes away the file's write permission (a read-only file on Windows).
  void MakeReadOnly(const std::string& name) const {
    std::filesystem::permissions(File(name),
                                 std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
  }

  // Runs a script; "folder" is set to the test's folder first.
  SimResult Run(const std::string& body, bool every_tick = false) const {
    SimResult r;
    std::ostringstream log, err;
    r.status = sim::RunScript("folder " + folder_.string() + "\n" + body, RunTinto, log, err,
                              {.every_tick = every_tick});
    r.log = log.str();
    r.errors = err.str();
    return r;
  }

  gfx::Bitmap Picture(const std::string& name) const {
    auto bitmap = gfx::LoadBmpFile(File(name));
    EXPECT_TRUE(bitmap.has_value()) << name;
    return bitmap ? *bitmap : gfx::Bitmap();
  }

  std::filesystem::path folder_;
};

}  // namespace tinto::test
