// The fontconfig search behind Font::Open (see font_finder.h).
#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "gfx/font_finder.h"
#include "gfx/font_libraries_posix.h"

namespace tinto::gfx {

namespace {

// fontconfig's objects, each freed by the library's own function.
using ConfigPtr = std::unique_ptr<FcConfig, decltype(&::FcConfigDestroy)>;
using PatternPtr = std::unique_ptr<FcPattern, decltype(&::FcPatternDestroy)>;
using FontSetPtr = std::unique_ptr<FcFontSet, decltype(&::FcFontSetDestroy)>;
using ObjectSetPtr = std::unique_ptr<FcObjectSet, decltype(&::FcObjectSetDestroy)>;

const FcChar8* Fc(const char* s) {
  return reinterpret_cast<const FcChar8*>(s);
}

// The fixed-pitch Windows faces, by their Japanese and their Latin names.
constexpr std::array<std::string_view, 4> kFixedPitchNames = {"ＭＳ ゴシック", "MS Gothic",
                                                              "ＭＳ 明朝", "MS Mincho"};

// One search for the candidates of a name, in the order FindFontFiles gives.
class Search {
 public:
  Search(const FontconfigLibrary& fc, FcConfig* config) : fc_(fc), config_(config) {}

  std::vector<FontFile> Run(const std::string& name) {
    const bool fixed = IsFixedPitchFaceName(name);
    if (!name.empty()) AddFamily(name);
    AddFamily(fixed ? "IPAGothic" : "IPAPGothic");
    AddFamily(fixed ? "IPAPGothic" : "IPAGothic");
    AddJapanese(name, fixed);
    return std::move(files_);
  }

 private:
  bool IsFixedPitchFont(const FcPattern* font) const {
    int spacing = FC_PROPORTIONAL;
    if (fc_.PatternGetInteger(font, FC_SPACING, 0, &spacing) != FcResultMatch) return false;
    return spacing == FC_MONO || spacing == FC_DUAL || spacing == FC_CHARCELL;
  }

  bool CoversJapanese(const FcPattern* font) const {
    FcLangSet* langs = nullptr;
    if (fc_.PatternGetLangSet(font, FC_LANG, 0, &langs) != FcResultMatch) return false;
    return fc_.LangSetHasLang(langs, Fc("ja")) == FcLangEqual;
  }

  void Add(const FcPattern* font) {
    FcChar8* file = nullptr;
    if (fc_.PatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || file == nullptr) {
      return;
    }
    int index = 0;
    if (fc_.PatternGetInteger(font, FC_INDEX, 0, &index) != FcResultMatch) index = 0;
    FontFile f{reinterpret_cast<const char*>(file), index};
    if (std::find(files_.begin(), files_.end(), f) == files_.end()) files_.push_back(f);
  }

  PatternPtr FamilyPattern(const std::string& family) const {
    PatternPtr pattern(fc_.PatternCreate(), fc_.PatternDestroy);
    if (pattern) fc_.PatternAddString(pattern.get(), FC_FAMILY, Fc(family.c_str()));
    return pattern;
  }

  // Adds every installed font whose family is exactly `family` (fontconfig compares
  // family names ignoring case and blanks), without any substitution.
  void AddFamily(const std::string& family) {
    const PatternPtr pattern = FamilyPattern(family);
    if (!pattern) return;
    const ObjectSetPtr objects(fc_.ObjectSetBuild(FC_FILE, FC_INDEX, static_cast<char*>(nullptr)),
                               fc_.ObjectSetDestroy);
    if (!objects) return;
    const FontSetPtr fonts(fc_.FontList(config_, pattern.get(), objects.get()), fc_.FontSetDestroy);
    if (!fonts) return;
    for (int i = 0; i < fonts->nfont; ++i) Add(fonts->fonts[i]);
  }

  // Adds the fonts that cover Japanese, in fontconfig's order of preference for the name
  // (so that aliases of the system's configuration count), those of the wanted pitch
  // first.
  void AddJapanese(const std::string& family, bool fixed) {
    const PatternPtr pattern = FamilyPattern(family);
    if (!pattern) return;
    fc_.PatternAddString(pattern.get(), FC_LANG, Fc("ja"));
    if (fixed) fc_.PatternAddInteger(pattern.get(), FC_SPACING, FC_DUAL);
    if (!fc_.ConfigSubstitute(config_, pattern.get(), FcMatchPattern)) return;
    fc_.DefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    const FontSetPtr fonts(fc_.FontSort(config_, pattern.get(), FcFalse, nullptr, &result),
                           fc_.FontSetDestroy);
    if (!fonts) return;
    for (const bool want_fixed : {fixed, !fixed}) {
      for (int i = 0; i < fonts->nfont; ++i) {
        const FcPattern* font = fonts->fonts[i];
        if (CoversJapanese(font) && IsFixedPitchFont(font) == want_fixed) Add(font);
      }
    }
  }

  const FontconfigLibrary& fc_;
  FcConfig* config_;
  std::vector<FontFile> files_;
};

}  // namespace

bool IsFixedPitchFaceName(std::string_view face_name) {
  return std::find(kFixedPitchNames.begin(), kFixedPitchNames.end(), face_name) !=
         kFixedPitchNames.end();
}

std::vector<FontFile> FindFontFiles(std::string_view face_name) {
  // The system's configuration is read once (every window's font asks, and reading it
  // takes milliseconds), into a configuration of our own, so that nothing is left in
  // fontconfig's global state; each name's answer is kept too. fontconfig itself is
  // loaded at the first search, and without it nothing is found.
  const FontconfigLibrary* fc = FontconfigLibrary::Get();
  if (fc == nullptr) return {};
  static std::mutex mutex;
  static const ConfigPtr config(fc->InitLoadConfigAndFonts(), fc->ConfigDestroy);
  static std::map<std::string, std::vector<FontFile>, std::less<>> found;
  const std::lock_guard lock(mutex);
  if (const auto it = found.find(face_name); it != found.end()) return it->second;
  if (!config) return {};
  std::vector<FontFile> files = Search(*fc, config.get()).Run(std::string(face_name));
  found.emplace(std::string(face_name), files);
  return files;
}

}  // namespace tinto::gfx
