// A temporary folder for the file tests, removed with everything in it afterwards, and a
// probe for whether permission bits stop writes here (they do not for root).
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <string_view>

namespace tinto::testing {

class TempFolder {
 public:
  TempFolder() {
    // A new folder of a random name (create_directory reports whether it was new).
    std::random_device random;
    do {
      path_ = std::filesystem::temp_directory_path() /
              ("tinto-data-" + std::to_string(random()) + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
  }
  ~TempFolder() {
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ec)) {
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ec);
    }
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

  void Write(std::string_view name, std::string_view bytes) const {
    std::ofstream out(path_ / name, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  std::string Read(std::string_view name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // The names in the folder, sorted, one per line.
  std::string Listing() const {
    std::string names;
    std::set<std::string> sorted;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      sorted.insert(entry.path().filename().string());
    }
    for (const auto& name : sorted) names += name + "\n";
    return names;
  }

 private:
  std::filesystem::path path_;
};

// True when a folder without write permission refuses new files for this user (false when
// running as root, where permission bits do not stop writes).
inline bool PermissionsStopWrites() {
  TempFolder folder;
  std::filesystem::permissions(
      folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  std::ofstream probe(folder / "probe");
  bool stopped = !probe.is_open();
  probe.close();
  return stopped;
}

}  // namespace tinto::testing
