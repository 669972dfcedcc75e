// Case-insensitive file lookup in the program folder.
#include "files/program_folder.h"

#include <system_error>

#include "files/utf8_path.h"

namespace tinto {
namespace fs = std::filesystem;
namespace {

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

}  // namespace

ProgramFolder::ProgramFolder(fs::path folder) : folder_(std::move(folder)) {}

fs::path ProgramFolder::Resolve(std::string_view name) const {
  fs::path result = folder_;
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t slash = name.find('/', start);
    if (slash == std::string_view::npos) slash = name.size();
    std::string part(name.substr(start, slash - start));
    start = slash + 1;
    if (part.empty() || part == ".") continue;
    result = part == ".." ? result / PathFromUtf8("..") : ResolveIn(result, part);
  }
  return result;
}

bool ProgramFolder::Exists(std::string_view name) const {
  std::error_code ec;
  return fs::is_regular_file(Resolve(name), ec);
}

fs::path ProgramFolder::ResolveIn(const fs::path& dir, const std::string& name) const {
  fs::path exact = dir / PathFromUtf8(name);
  std::error_code ec;
  if (fs::exists(fs::symlink_status(exact, ec))) {
    // A file system that ignores case finds the file by any spelling: the listing tells
    // whether this is its real name (read again when the file is newer than the listing).
    const Listing* listing = ListingOf(dir);
    if (listing != nullptr && !listing->names.contains(name)) {
      listings_.erase(dir);
      listing = ListingOf(dir);
    }
    if (listing == nullptr || listing->names.contains(name)) return exact;
  }
  if (const Listing* listing = ListingOf(dir)) {
    auto it = listing->by_lower_name.find(AsciiLower(name));
    if (it != listing->by_lower_name.end()) return dir / PathFromUtf8(it->second);
  }
  return exact;
}

const ProgramFolder::Listing* ProgramFolder::ListingOf(const fs::path& dir) const {
  std::error_code ec;
  fs::file_time_type modified = fs::last_write_time(dir, ec);
  if (ec) {
    listings_.erase(dir);
    return nullptr;  // no such folder: nothing to match
  }
  auto now = std::chrono::steady_clock::now();
  auto it = listings_.find(dir);
  if (it != listings_.end() && it->second.modified == modified &&
      now - it->second.read_at < kListingLife) {
    return &it->second;
  }

  Listing listing{modified, now, {}};
  for (fs::directory_iterator entries(dir, ec), end; !ec && entries != end; entries.increment(ec)) {
    std::string real = Utf8FromPath(entries->path().filename());
    listing.names.insert(real);
    auto [slot, inserted] = listing.by_lower_name.emplace(AsciiLower(real), real);
    if (!inserted && real < slot->second) slot->second = real;
  }
  return &(listings_[dir] = std::move(listing));
}

}  // namespace tinto
