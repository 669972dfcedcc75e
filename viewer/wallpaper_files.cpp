// Wallpaper pictures from resources and files.
#include "viewer/wallpaper_files.h"

#include "files/atomic_file.h"
#include "gfx/jpeg.h"
#include "resources/resources.h"

namespace tinto {

std::optional<gfx::Bitmap> JpegFromResource(std::string_view name) {
  const auto bytes = resources::Find("JPG", name);
  if (bytes.empty()) return std::nullopt;
  return gfx::DecodeJpeg(bytes, nullptr, kMaxWallpaperPixels);
}

std::optional<gfx::Bitmap> JpegFromFile(const std::filesystem::path& path) {
  return gfx::LoadJpegFile(path, nullptr, kMaxWallpaperPixels);
}

bool SaveResourceToFile(std::string_view name, const std::filesystem::path& path,
                        std::string* error) {
  const auto bytes = resources::Find("JPG", name);
  if (bytes.empty()) {
    if (error != nullptr)
      *error = "The wallpaper " + std::string(name) + " is missing from the program.";
    return false;
  }
  return WriteFileAtomically(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()},
                             error);
}

}  // namespace tinto
