// Finding the installed font files that stand in for the Windows face names the skin
// asks for. The search goes through fontconfig and knows nothing of FreeType.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tinto::gfx {

struct FontFile {
  std::string path;
  int index = 0;  // face index inside the file (collections hold several)
  friend bool operator==(const FontFile&, const FontFile&) = default;
};

// True for the Windows faces whose characters all share one cell width ("ＭＳ ゴシック");
// every other name is taken as proportional ("ＭＳ Ｐゴシック").
bool IsFixedPitchFaceName(std::string_view face_name);

// The font files that may serve face_name, best first and without repeats: fonts of that
// very family, then the IPA Gothic family of the right pitch and the other one, then every
// installed font that covers Japanese (those of the right pitch first). Empty when
// fontconfig cannot be initialised or nothing fits.
std::vector<FontFile> FindFontFiles(std::string_view face_name);

}  // namespace tinto::gfx
