// FreeType and fontconfig, loaded by name when the first font is opened instead of with
// the program: with the libraries they pull in (libpng, zlib, brotli) they cost about
// half a millisecond of every start, before `main`. The first font is opened while the
// main window waits for its first tick. Without a library (or with one that lacks a
// function) no font is found, and the windows draw no text, as on a system without fonts.
#pragma once

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace tinto::gfx {

// The functions of FreeType the fonts use.
struct FreeTypeLibrary {
  decltype(&::FT_Init_FreeType) Init_FreeType = nullptr;
  decltype(&::FT_Done_FreeType) Done_FreeType = nullptr;
  decltype(&::FT_Open_Face) Open_Face = nullptr;
  decltype(&::FT_Done_Face) Done_Face = nullptr;
  decltype(&::FT_Select_Charmap) Select_Charmap = nullptr;
  decltype(&::FT_Set_Pixel_Sizes) Set_Pixel_Sizes = nullptr;
  decltype(&::FT_Get_Char_Index) Get_Char_Index = nullptr;
  decltype(&::FT_Load_Glyph) Load_Glyph = nullptr;
  decltype(&::FT_Render_Glyph) Render_Glyph = nullptr;

  // Loaded once and kept to the end; nullptr when the library or a function is missing.
  static const FreeTypeLibrary* Get();
};

// The functions of fontconfig the font search uses.
struct FontconfigLibrary {
  decltype(&::FcInitLoadConfigAndFonts) InitLoadConfigAndFonts = nullptr;
  decltype(&::FcConfigDestroy) ConfigDestroy = nullptr;
  decltype(&::FcConfigSubstitute) ConfigSubstitute = nullptr;
  decltype(&::FcDefaultSubstitute) DefaultSubstitute = nullptr;
  decltype(&::FcPatternCreate) PatternCreate = nullptr;
  decltype(&::FcPatternDestroy) PatternDestroy = nullptr;
  decltype(&::FcPatternAddString) PatternAddString = nullptr;
  decltype(&::FcPatternAddInteger) PatternAddInteger = nullptr;
  decltype(&::FcPatternGetString) PatternGetString = nullptr;
  decltype(&::FcPatternGetInteger) PatternGetInteger = nullptr;
  decltype(&::FcPatternGetLangSet) PatternGetLangSet = nullptr;
  decltype(&::FcLangSetHasLang) LangSetHasLang = nullptr;
  decltype(&::FcObjectSetBuild) ObjectSetBuild = nullptr;
  decltype(&::FcObjectSetDestroy) ObjectSetDestroy = nullptr;
  decltype(&::FcFontList) FontList = nullptr;
  decltype(&::FcFontSort) FontSort = nullptr;
  decltype(&::FcFontSetDestroy) FontSetDestroy = nullptr;

  // As FreeTypeLibrary::Get.
  static const FontconfigLibrary* Get();
};

}  // namespace tinto::gfx
