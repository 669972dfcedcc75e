// The program folder: the host game's folder, where the program finds every file it reads
// and writes. Files there are found without regard to letter case, as on Windows, because
// the host game and its players name them freely ("Y_E101.BMP" for "Y_e101.bmp").
#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace tinto {

class ProgramFolder {
 public:
  explicit ProgramFolder(std::filesystem::path folder);

  const std::filesystem::path& path() const { return folder_; }

  // The real path of the named file (or sub-path, "/"-separated): the exact name when it
  // exists, else an entry whose name matches without regard to ASCII letter case (the
  // first in byte order when several do), else folder / name as given. So a write of an
  // existing file goes to its real name, and a new file gets the name as given.
  std::filesystem::path Resolve(std::string_view name) const;

  // True when the named file exists as a regular file (following symbolic links).
  bool Exists(std::string_view name) const;

  // Drops the remembered folder listings (the next lookup reads the folder again).
  void Forget() const { listings_.clear(); }

 private:
  // A folder's entries by ASCII-lower-cased name. A listing serves while the folder's
  // modification time is unchanged, and never longer than kListingLife, so that a folder
  // on a file system with a coarse clock is read again soon.
  struct Listing {
    std::filesystem::file_time_type modified;
    std::chrono::steady_clock::time_point read_at;
    std::map<std::string, std::string> by_lower_name;
    std::set<std::string> names;  // every real name
  };
  static constexpr std::chrono::milliseconds kListingLife{2000};

  std::filesystem::path ResolveIn(const std::filesystem::path& dir, const std::string& name) const;
  const Listing* ListingOf(const std::filesystem::path& dir) const;

  std::filesystem::path folder_;
  mutable std::map<std::filesystem::path, Listing> listings_;
};

}  // namespace tinto
