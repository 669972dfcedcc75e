// Converted effects, kept within a budget.
#include "platform/sdl/wave_cache.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

#include "media/file_stamp.h"
#include "media/media_length.h"
#include "platform/sdl/sound_library.h"

namespace tinto::sdl {

namespace {

// Converted samples kept at most (a one-second effect takes 176 kB converted); one
// larger effect is still played, and let go when another is asked for.
constexpr std::uint32_t kBudgetBytes = 512u << 10;
constexpr std::size_t kMostEffects = 8;

}  // namespace

WaveCache::~WaveCache() {
  for (const Entry& e : entries_) mix_.FreeChunk(e.chunk);
}

Mix_Chunk* WaveCache::Get(const std::string& path, const Mix_Chunk* sounding) {
  const std::optional<FileStamp> stamp = StampOf(path);
  if (!stamp) return nullptr;
  const auto kept = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
    return e.path == path && e.stamp == *stamp;
  });
  if (kept != entries_.end()) {
    std::rotate(entries_.begin(), kept, kept + 1);
    return entries_.front().chunk;
  }
  if (!IsPlayableEffect(path)) return nullptr;
  Mix_Chunk* chunk = mix_.LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1);
  if (chunk == nullptr) return nullptr;
  // The mixer keeps the buffer it converted in, several times the samples' size; a chunk
  // that is kept gets one of its own size.
  if (chunk->allocated == 1) {
    if (auto* exact = static_cast<Uint8*>(SDL_malloc(chunk->alen > 0 ? chunk->alen : 1))) {
      std::memcpy(exact, chunk->abuf, chunk->alen);
      SDL_free(chunk->abuf);
      chunk->abuf = exact;
    }
  }
  // What was kept of an earlier state of the file is of no more use.
  for (auto it = entries_.begin(); it != entries_.end();) {
    if (it->path == path && it->chunk != sounding) {
      mix_.FreeChunk(it->chunk);
      it = entries_.erase(it);
    } else {
      ++it;
    }
  }
  entries_.insert(entries_.begin(), Entry{path, *stamp, chunk});
  Trim(chunk, sounding);
  return chunk;
}

// Lets the least recently used effects go, but never `keep` or `sounding`, until the rest
// fit the budget.
void WaveCache::Trim(const Mix_Chunk* keep, const Mix_Chunk* sounding) {
  std::uint64_t bytes = 0;
  for (const Entry& e : entries_) bytes += e.chunk->alen;
  for (auto it = entries_.end();
       it != entries_.begin() && (bytes > kBudgetBytes || entries_.size() > kMostEffects);) {
    --it;
    if (it->chunk == keep || it->chunk == sounding) continue;
    bytes -= it->chunk->alen;
    mix_.FreeChunk(it->chunk);
    it = entries_.erase(it);
  }
}

}  // namespace tinto::sdl
