// skin_gen OUTDIR: draws every skin bitmap of the program and writes them to OUTDIR as
// palette-indexed Windows bitmaps (BASE0.bmp .. BASE7.bmp, VORTEL.bmp, COLPTN.bmp), and
// the two secret wallpapers as JPEG files (WALLB4.jpg, WALLB5.jpg at 640 x 480, WALLS4.jpg,
// WALLS5.jpg at 320 x 240, each small one the big one at half size), which the build then
// embeds as resources; and the program's icon TINTO.ico (16 to 256 pixels) for the Windows
// build. Without a usable Japanese font the captions of the
// help pictures are left out; everything else never depends on what is installed.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/skin/app_icon.h"
#include "tools/skin/bmp_writer.h"
#include "tools/skin/colour_pattern.h"
#include "tools/skin/jpeg_writer.h"
#include "tools/skin/label_font.h"
#include "tools/skin/main_skin.h"
#include "tools/skin/palettes.h"
#include "tools/skin/wallpaper_art.h"
#include "tools/skin/window_skins.h"

namespace {

using tinto::skin::Canvas;
using tinto::skin::Palette;
constexpr int kWallpaperQuality = 90;

struct Output {
  std::string name;
  Canvas canvas;
  Palette palette;
  int bits;
};

int Run(const std::filesystem::path& dir) {
  namespace sk = tinto::skin;
  std::filesystem::create_directories(dir);
  const sk::LabelFont labels("ＭＳ Ｐゴシック", 12);
  if (!labels.available()) {
    std::fprintf(stderr, "skin_gen: no Japanese font found; help captions are left out\n");
  }
  const sk::ColourPattern pattern = sk::DrawColourPattern();
  sk::MainSkins main = sk::DrawMainSkins(pattern);
  sk::IndexedPicture message = sk::DrawMessageSkin(pattern);
  sk::IndexedPicture logo = sk::DrawLogo();
  const Palette main_palette = sk::MainPalette();
  const Palette mono = sk::MonoPalette();
  std::vector<Output> outputs;
  outputs.push_back({"BASE0", std::move(main.base0), main_palette, 4});
  outputs.push_back({"BASE1", std::move(main.base1), main_palette, 4});
  outputs.push_back({"BASE2", std::move(main.base2), main_palette, 4});
  outputs.push_back({"BASE3", std::move(message.canvas), message.palette, 8});
  outputs.push_back({"BASE4", sk::DrawPickerSkin(), main_palette, 4});
  // A help picture whose captions can't be read whole is refused.
  std::vector<std::string> help_faults, picker_help_faults;
  outputs.push_back({"BASE5", sk::DrawMainHelp(labels, &help_faults), mono, 1});
  outputs.push_back({"BASE6", sk::DrawPickerHelp(labels, &picker_help_faults), mono, 1});
  for (const std::string& fault : help_faults)
    std::fprintf(stderr, "skin_gen: help picture: %s\n", fault.c_str());
  for (const std::string& fault : picker_help_faults)
    std::fprintf(stderr, "skin_gen: picker help picture: %s\n", fault.c_str());
  if (!help_faults.empty() || !picker_help_faults.empty()) return 1;
  outputs.push_back({"BASE7", sk::DrawPasswordSkin(), main_palette, 4});
  outputs.push_back({"VORTEL", std::move(logo.canvas), logo.palette, 4});
  outputs.push_back({"COLPTN", pattern.pattern, sk::PatternPalette(), 4});
  for (const Output& o : outputs) {
    const std::filesystem::path file = dir / (o.name + ".bmp");
    if (!sk::WriteFileBytes(file.string(), sk::EncodeIndexedBmp(o.canvas, o.palette, o.bits))) {
      std::fprintf(stderr, "skin_gen: cannot write %s\n", file.string().c_str());
      return 1;
    }
  }
  const std::filesystem::path icon_file = dir / "TINTO.ico";
  if (!sk::WriteFileBytes(icon_file.string(), sk::EncodeAppIcon())) {
    std::fprintf(stderr, "skin_gen: cannot write %s\n", icon_file.string().c_str());
    return 1;
  }
  for (int n = 4; n <= 5; ++n) {
    const tinto::gfx::Bitmap big = sk::DrawWallpaper(pattern, n);
    const std::string number = std::to_string(n);
    const std::filesystem::path big_file = dir / ("WALLB" + number + ".jpg");
    const std::filesystem::path small_file = dir / ("WALLS" + number + ".jpg");
    if (!sk::WriteFileBytes(big_file.string(), sk::EncodeJpeg(big, kWallpaperQuality)) ||
        !sk::WriteFileBytes(small_file.string(),
                            sk::EncodeJpeg(sk::HalfSize(big), kWallpaperQuality))) {
      std::fprintf(stderr, "skin_gen: cannot write the wallpaper %d\n", n);
      return 1;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skin_gen OUTDIR\n");
    return 2;
  }
  try {
    return Run(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skin_gen: %s\n", e.what());
    return 1;
  }
}
