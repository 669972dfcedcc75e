// The fontconfig search behind Font::Open (see font_finder.h).
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "gfx/font_finder.h"

namespace tinto::gfx {

namespace {

struct ConfigDeleter {
  void operator()(FcConfig* c) const { FcConfigDestroy(c); }
};
struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct FontSetDeleter {
  void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};
struct ObjectSetDeleter {
  void operator()(FcObjectSet* s) const { FcObjectSetDestroy(s); }
};
using ConfigPtr = std::unique_ptr<FcConfig, ConfigDeleter>;
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;
using FontSetPtr = std::unique_ptr<FcFontSet, FontSetDeleter>;
using ObjectSetPtr = std::unique_ptr<FcObjectSet, ObjectSetDeleter>;

const FcChar8* Fc(const char* s) {
  return reinterpret_cast<const FcChar8*>(s);
}

// The fixed-pitch Windows faces, by their Japanese and their Latin names.
constexpr std::array<std::string_view, 4> kFixedPitchNames = {"ＭＳ ゴシック", "MS Gothic",
                                                              "ＭＳ 明朝", "MS Mincho"};

bool IsFixedPitchFont(const FcPattern* font) {
  int spacing = FC_PROPORTIONAL;
  if (FcPatternGetInteger(font, FC_SPACING, 0, &spacing) != FcResultMatch) return false;
  return spacing == FC_MONO || spacing == FC_DUAL || spacing == FC_CHARCELL;
}

bool CoversJapanese(const FcPattern* font) {
  FcLangSet* langs = nullptr;
  if (FcPatternGetLangSet(font, FC_LANG, 0, &langs) != FcResultMatch) return false;
  return FcLangSetHasLang(langs, Fc("ja")) == FcLangEqual;
}

class Collector {
 public:
  void Add(const FcPattern* font) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || file == nullptr) return;
    int index = 0;
    if (FcPatternGetInteger(font, FC_INDEX, 0, &index) != FcResultMatch) index = 0;
    FontFile f{reinterpret_cast<const char*>(file), index};
    if (std::find(files_.begin(), files_.end(), f) == files_.end()) files_.push_back(f);
  }
  std::vector<FontFile> Take() { return std::move(files_); }

 private:
  std::vector<FontFile> files_;
};

// Adds every installed font whose family is exactly `family` (fontconfig compares family
// names ignoring case and blanks), without any substitution.
void AddFamily(FcConfig* config, const std::string& family, Collector& out) {
  PatternPtr pattern(FcPatternCreate());
  if (!pattern) return;
  FcPatternAddString(pattern.get(), FC_FAMILY, Fc(family.c_str()));
  ObjectSetPtr objects(FcObjectSetBuild(FC_FILE, FC_INDEX, static_cast<char*>(nullptr)));
  if (!objects) return;
  FontSetPtr fonts(FcFontList(config, pattern.get(), objects.get()));
  if (!fonts) return;
  for (int i = 0; i < fonts->nfont; ++i) out.Add(fonts->fonts[i]);
}

// Adds the fonts that cover Japanese, in fontconfig's order of preference for the name
// (so that aliases of the system's configuration count), those of the wanted pitch first.
void AddJapanese(FcConfig* config, const std::string& family, bool fixed, Collector& out) {
  PatternPtr pattern(FcPatternCreate());
  if (!pattern) return;
  FcPatternAddString(pattern.get(), FC_FAMILY, Fc(family.c_str()));
  FcPatternAddString(pattern.get(), FC_LANG, Fc("ja"));
  if (fixed) FcPatternAddInteger(pattern.get(), FC_SPACING, FC_DUAL);
  if (!FcConfigSubstitute(config, pattern.get(), FcMatchPattern)) return;
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  FontSetPtr fonts(FcFontSort(config, pattern.get(), FcFalse, nullptr, &result));
  if (!fonts) return;
  for (const bool want_fixed : {fixed, !fixed}) {
    for (int i = 0; i < fonts->nfont; ++i) {
      const FcPattern* font = fonts->fonts[i];
      if (CoversJapanese(font) && IsFixedPitchFont(font) == want_fixed) out.Add(font);
    }
  }
}

// Every candidate for the name, in the order FindFontFiles gives.
std::vector<FontFile> Search(FcConfig* config, const std::string& name) {
  const bool fixed = IsFixedPitchFaceName(name);
  Collector out;
  if (!name.empty()) AddFamily(config, name, out);
  AddFamily(config, fixed ? "IPAGothic" : "IPAPGothic", out);
  AddFamily(config, fixed ? "IPAPGothic" : "IPAGothic", out);
  AddJapanese(config, name, fixed, out);
  return out.Take();
}

}  // namespace

bool IsFixedPitchFaceName(std::string_view face_name) {
  return std::find(kFixedPitchNames.begin(), kFixedPitchNames.end(), face_name) !=
         kFixedPitchNames.end();
}

std::vector<FontFile> FindFontFiles(std::string_view face_name) {
  // The system's configuration is read once (every window's font asks, and reading it
  // takes milliseconds), into a configuration of our own, so that nothing is left in
  // fontconfig's global state; each name's answer is kept too.
  static std::mutex mutex;
  static const ConfigPtr config(FcInitLoadConfigAndFonts());
  static std::map<std::string, std::vector<FontFile>, std::less<>> found;
  const std::lock_guard lock(mutex);
  if (const auto it = found.find(face_name); it != found.end()) return it->second;
  if (!config) return {};
  std::vector<FontFile> files = Search(config.get(), std::string(face_name));
  found.emplace(std::string(face_name), files);
  return files;
}

}  // namespace tinto::gfx
