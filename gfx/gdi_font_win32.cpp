// Fonts drawn with Windows GDI: the implementation behind Font::Open on Windows. The skin's
// faces ("ＭＳ Ｐゴシック", "ＭＳ ゴシック") are asked for by name with the Shift-JIS
// character set, so that the font mapper gives the closest Japanese face when the named
// one is missing. Text is drawn without smoothing into a scratch DIB, and only its ink is
// copied into the bitmap, in one colour.
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/text.h"
#include "gfx/utf8.h"

namespace tinto::gfx {
namespace {

constexpr int kMaxPixelHeight = 512;

bool IsInvisible(char32_t c) {
  return c == kInvalidCodePoint || c < 0x20 || c == 0x7F;
}

// The visible characters of a UTF-8 line in UTF-16 (controls and malformed bytes dropped).
std::wstring VisibleWide(std::string_view utf8) {
  std::wstring out;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t c = DecodeUtf8(utf8, pos);
    if (IsInvisible(c)) continue;
    if (c >= 0x10000) {
      out.push_back(static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    } else {
      out.push_back(static_cast<wchar_t>(c));
    }
  }
  return out;
}

std::wstring WideFace(std::string_view utf8) {
  std::wstring out;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t c = DecodeUtf8(utf8, pos);
    if (c != kInvalidCodePoint && c < 0x10000) out.push_back(static_cast<wchar_t>(c));
  }
  return out.substr(0, LF_FACESIZE - 1);
}

bool IsFixedPitchName(const std::wstring& face) {
  return face.find(L"ＭＳ ゴシック") != std::wstring::npos ||
         face.find(L"ＭＳ 明朝") != std::wstring::npos;
}

class GdiFont final : public Font {
 public:
  GdiFont(HDC dc, HFONT font) : dc_(dc), font_(font) {
    old_font_ = SelectObject(dc_, font_);
    // The line height of the face's typographic metrics (ascender, descender, line gap),
    // as the font's designers meant lines to be set; the cell height of GDI's text
    // metrics where the face has none.
    TEXTMETRICW tm{};
    GetTextMetricsW(dc_, &tm);
    line_height_ = std::max<int>(1, tm.tmHeight);
    const UINT otm_size = GetOutlineTextMetricsW(dc_, 0, nullptr);
    if (otm_size >= sizeof(OUTLINETEXTMETRICW)) {
      std::vector<std::uint8_t> otm_bytes(otm_size);
      auto* otm = reinterpret_cast<OUTLINETEXTMETRICW*>(otm_bytes.data());
      if (GetOutlineTextMetricsW(dc_, otm_size, otm) != 0) {
        const int typographic =
            otm->otmAscent - otm->otmDescent + static_cast<int>(otm->otmLineGap);
        if (typographic > 0) line_height_ = typographic;
      }
    }
    wchar_t face[LF_FACESIZE] = {};
    const int n = GetTextFaceW(dc_, LF_FACESIZE, face);
    face_.assign(face, n > 0 ? static_cast<std::size_t>(n - 1) : 0);
  }
  ~GdiFont() override {
    SelectObject(dc_, old_font_);
    DeleteObject(font_);
    DeleteDC(dc_);
  }
  GdiFont(const GdiFont&) = delete;
  GdiFont& operator=(const GdiFont&) = delete;

  bool HasKana() const { return Covers(L"あ"); }

  // The face the font mapper chose (for diagnostics).
  std::string FilePath() const override {
    const int size = static_cast<int>(face_.size());
    const int n = WideCharToMultiByte(CP_UTF8, 0, face_.data(), size, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string name(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, face_.data(), size, name.data(), n, nullptr, nullptr);
    return name;
  }
  int LineHeight() const override { return line_height_; }
  int TextWidth(std::string_view utf8) const override { return WidthOf(VisibleWide(utf8)); }
  bool HasGlyphs(std::string_view utf8) const override {
    std::wstring wide;
    for (std::size_t pos = 0; pos < utf8.size();) {
      const char32_t c = DecodeUtf8(utf8, pos);
      if (c == kInvalidCodePoint || c >= 0x10000) return false;
      wide.push_back(static_cast<wchar_t>(c));
    }
    return Covers(wide);
  }
  void DrawLine(Bitmap& dst, Point at, std::string_view utf8, Pixel colour,
                Rect clip) const override {
    const std::wstring text = VisibleWide(utf8);
    if (text.empty()) return;
    const std::int64_t width = WidthOf(text);
    // The part of the line's cell that can show: inside the clip and the bitmap.
    const Rect c =
        Intersect(Intersect(clip, dst.bounds()),
                  Rect{at.x, at.y, static_cast<int>(std::min<std::int64_t>(width, INT_MAX / 2)),
                       line_height_});
    if (c.empty()) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = c.width;
    info.bmiHeader.biHeight = -c.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP scratch = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (scratch == nullptr || bits == nullptr) return;
    HGDIOBJ old_bitmap = SelectObject(dc_, scratch);
    auto* ink = static_cast<std::uint32_t*>(bits);
    std::fill(ink, ink + static_cast<std::size_t>(c.width) * c.height, 0u);
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(255, 255, 255));
    SetTextAlign(dc_, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    TextOutW(dc_, at.x - c.left, at.y - c.top, text.data(), static_cast<int>(text.size()));
    GdiFlush();
    for (int y = 0; y < c.height; ++y) {
      const std::uint32_t* src = ink + static_cast<std::size_t>(y) * c.width;
      Pixel* row = dst.row(c.top + y);
      for (int x = 0; x < c.width; ++x) {
        if ((src[x] & 0xFFFFFF) != 0) row[c.left + x] = colour;
      }
    }
    SelectObject(dc_, old_bitmap);
    DeleteObject(scratch);
  }

 private:
  int WidthOf(const std::wstring& text) const {
    std::int64_t width = 0;
    // GDI measures at most 32767 characters at a time on some systems.
    for (std::size_t start = 0; start < text.size(); start += 8192) {
      const std::size_t n = std::min<std::size_t>(8192, text.size() - start);
      SIZE size{};
      if (GetTextExtentPoint32W(dc_, text.data() + start, static_cast<int>(n), &size)) {
        width += size.cx;
      }
    }
    return static_cast<int>(std::min<std::int64_t>(width, INT_MAX));
  }
  bool Covers(const std::wstring& text) const {
    if (text.empty()) return true;
    std::wstring indices(text.size(), L'\0');
    if (GetGlyphIndicesW(dc_, text.data(), static_cast<int>(text.size()),
                         reinterpret_cast<WORD*>(indices.data()),
                         GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) {
      return false;
    }
    return indices.find(static_cast<wchar_t>(0xFFFF)) == std::wstring::npos;
  }

  HDC dc_;
  HFONT font_;
  HGDIOBJ old_font_ = nullptr;
  std::wstring face_;
  int line_height_ = 1;
};

}  // namespace

std::unique_ptr<Font> Font::Open(std::string_view face_name, int pixel_height) {
  if (pixel_height < 1 || pixel_height > kMaxPixelHeight) return nullptr;
  const std::wstring face = WideFace(face_name);
  LOGFONTW lf{};
  lf.lfHeight = -pixel_height;  // the em height, as the skin's point sizes give it
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lf.lfOutPrecision = OUT_TT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = NONANTIALIASED_QUALITY;
  lf.lfPitchAndFamily = (IsFixedPitchName(face) ? FIXED_PITCH : VARIABLE_PITCH) | FF_MODERN;
  face.copy(lf.lfFaceName, LF_FACESIZE - 1);
  HFONT font = CreateFontIndirectW(&lf);
  if (font == nullptr) return nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) {
    DeleteObject(font);
    return nullptr;
  }
  auto result = std::make_unique<GdiFont>(dc, font);
  if (!result->HasKana()) return nullptr;  // every text of the windows is Japanese
  return result;
}

}  // namespace tinto::gfx
