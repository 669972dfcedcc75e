// The three small JPEG operations of the wallpaper gallery: pictures from the program's
// own "JPG" resources or from files, and a resource written out as a file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "gfx/bitmap.h"

namespace tinto {

// The largest picture the gallery reads: the host game's big wallpapers are 640 x 480 (it
// shows only the 320 x 240 small ones, stretched to the panel). Anything larger is refused
// before it costs memory.
inline constexpr std::int64_t kMaxWallpaperPixels = std::int64_t{640} * 480;

// The resource of type "JPG" decoded; nothing when it is missing or unreadable.
std::optional<gfx::Bitmap> JpegFromResource(std::string_view name);

// The file decoded; nothing (and no message) on any failure to open or decode it.
std::optional<gfx::Bitmap> JpegFromFile(const std::filesystem::path& path);

// Writes the raw bytes of the resource of type "JPG" to the file, replacing it. The bytes
// go to a temporary file that is renamed over the target, so the host game never finds a
// half-written wallpaper. False with a reason on failure.
bool SaveResourceToFile(std::string_view name, const std::filesystem::path& path,
                        std::string* error);

}  // namespace tinto
