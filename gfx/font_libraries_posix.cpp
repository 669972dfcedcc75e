// Loading the font libraries by name.
#include "gfx/font_libraries_posix.h"

#include <optional>

#include "gfx/library_loader_posix.h"

namespace tinto::gfx {

namespace {

std::optional<FreeTypeLibrary> LoadFreeType() {
  FreeTypeLibrary ft;
  LibraryLoader r("libfreetype.so.6");
  r(ft.Init_FreeType, "FT_Init_FreeType");
  r(ft.Done_FreeType, "FT_Done_FreeType");
  r(ft.Open_Face, "FT_Open_Face");
  r(ft.Done_Face, "FT_Done_Face");
  r(ft.Select_Charmap, "FT_Select_Charmap");
  r(ft.Set_Pixel_Sizes, "FT_Set_Pixel_Sizes");
  r(ft.Get_Char_Index, "FT_Get_Char_Index");
  r(ft.Load_Glyph, "FT_Load_Glyph");
  r(ft.Render_Glyph, "FT_Render_Glyph");
  if (!r.Done()) return std::nullopt;
  return ft;
}

std::optional<FontconfigLibrary> LoadFontconfig() {
  FontconfigLibrary fc;
  LibraryLoader r("libfontconfig.so.1");
  r(fc.InitLoadConfigAndFonts, "FcInitLoadConfigAndFonts");
  r(fc.ConfigDestroy, "FcConfigDestroy");
  r(fc.ConfigSubstitute, "FcConfigSubstitute");
  r(fc.DefaultSubstitute, "FcDefaultSubstitute");
  r(fc.PatternCreate, "FcPatternCreate");
  r(fc.PatternDestroy, "FcPatternDestroy");
  r(fc.PatternAddString, "FcPatternAddString");
  r(fc.PatternAddInteger, "FcPatternAddInteger");
  r(fc.PatternGetString, "FcPatternGetString");
  r(fc.PatternGetInteger, "FcPatternGetInteger");
  r(fc.PatternGetLangSet, "FcPatternGetLangSet");
  r(fc.LangSetHasLang, "FcLangSetHasLang");
  r(fc.ObjectSetBuild, "FcObjectSetBuild");
  r(fc.ObjectSetDestroy, "FcObjectSetDestroy");
  r(fc.FontList, "FcFontList");
  r(fc.FontSort, "FcFontSort");
  r(fc.FontSetDestroy, "FcFontSetDestroy");
  if (!r.Done()) return std::nullopt;
  return fc;
}

}  // namespace

const FreeTypeLibrary* FreeTypeLibrary::Get() {
  return LoadOnce<FreeTypeLibrary, LoadFreeType>();
}

const FontconfigLibrary* FontconfigLibrary::Get() {
  return LoadOnce<FontconfigLibrary, LoadFontconfig>();
}

}  // namespace tinto::gfx
