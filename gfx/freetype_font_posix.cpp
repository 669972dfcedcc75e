// FreeType fonts rendered one bit deep, with a cache of the glyphs drawn so far.
//
// Glyphs are hinted and rendered in FreeType's monochrome mode: a pixel is either ink or
// nothing, as the Windows text output the skins were drawn for does without smoothing.
// Each font owns its own FreeType library instance, so fonts share no state. FreeType
// itself is loaded at the first font (see font_libraries_posix.h).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "gfx/font_libraries_posix.h"
#include "gfx/freetype_font.h"
#include "gfx/utf8.h"

namespace tinto::gfx {

namespace {

using LibraryPtr = std::unique_ptr<FT_LibraryRec_, decltype(&::FT_Done_FreeType)>;
using FacePtr = std::unique_ptr<FT_FaceRec_, decltype(&::FT_Done_Face)>;

// A font file read piece by piece as FreeType asks, instead of mapped whole into memory:
// the system's Japanese fonts are several megabytes, and a mapping keeps in memory every
// page around each glyph ever touched. FreeType keeps what it needs of the tables itself.
// The stream closes its file and frees itself when the face is done.
unsigned long ReadFontFile(FT_Stream stream, unsigned long offset, unsigned char* buffer,
                           unsigned long count) {
  const int fd = static_cast<int>(stream->descriptor.value);
  // A count of 0 asks only whether the offset can be reached: 0 means it can.
  if (count == 0) return offset <= stream->size ? 0 : 1;
  unsigned long done = 0;
  while (done < count) {
    const ssize_t got = pread(fd, buffer + done, count - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<unsigned long>(got);
  }
  return done;
}

void CloseFontFile(FT_Stream stream) {
  close(static_cast<int>(stream->descriptor.value));
  delete stream;
}

// Opens face `index` of the file at `path` on such a stream.
FT_Error OpenFaceFromFile(const FreeTypeLibrary& ft, FT_Library library, const std::string& path,
                          int index, FT_Face* face) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return FT_Err_Cannot_Open_Resource;
  struct stat st {};
  if (fstat(fd, &st) != 0 || st.st_size <= 0 || st.st_size > LONG_MAX) {
    close(fd);
    return FT_Err_Cannot_Open_Resource;
  }
  auto* stream = new FT_StreamRec{};
  stream->size = static_cast<unsigned long>(st.st_size);
  stream->descriptor.value = fd;
  stream->read = ReadFontFile;
  stream->close = CloseFontFile;
  FT_Open_Args args{};
  args.flags = FT_OPEN_STREAM;
  args.stream = stream;
  // FreeType closes the stream itself when the open fails, as when the face is done.
  return ft.Open_Face(library, &args, index, face);
}

// One rendered glyph: its ink as one byte per pixel (0 or 1), placed relative to the pen
// position on the baseline.
struct Glyph {
  int left = 0;  // from the pen to the first column
  int top = 0;   // from the baseline up to the first row
  int width = 0;
  int height = 0;
  int advance = 0;  // pen movement in pixels, never negative
  std::vector<std::uint8_t> ink;
};

// Characters that take no room and draw nothing: controls and malformed UTF-8.
bool IsInvisible(char32_t c) {
  return c == kInvalidCodePoint || c < 0x20 || c == 0x7F;
}

int RoundPixels(FT_Pos value) {
  return static_cast<int>((value + 32) >> 6);
}

Glyph CopyBitmap(const FT_GlyphSlot slot) {
  Glyph g;
  g.advance = std::max(0, RoundPixels(slot->advance.x));
  const FT_Bitmap& bm = slot->bitmap;
  const bool mono = bm.pixel_mode == FT_PIXEL_MODE_MONO;
  const bool gray = bm.pixel_mode == FT_PIXEL_MODE_GRAY;
  if ((!mono && !gray) || bm.buffer == nullptr || bm.width == 0 || bm.rows == 0) return g;
  g.left = slot->bitmap_left;
  g.top = slot->bitmap_top;
  g.width = static_cast<int>(bm.width);
  g.height = static_cast<int>(bm.rows);
  g.ink.assign(static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.height), 0);
  const int stride = bm.pitch < 0 ? -bm.pitch : bm.pitch;
  for (int y = 0; y < g.height; ++y) {
    // A negative pitch means the rows are stored bottom-up.
    const int stored = bm.pitch < 0 ? g.height - 1 - y : y;
    const unsigned char* src = bm.buffer + static_cast<std::ptrdiff_t>(stored) * stride;
    std::uint8_t* dst = g.ink.data() + static_cast<std::size_t>(y) * g.width;
    for (int x = 0; x < g.width; ++x) {
      dst[x] = mono ? ((src[x >> 3] >> (7 - (x & 7))) & 1)
                    : (src[x] >= (bm.num_grays > 1 ? bm.num_grays / 2 : 128) ? 1 : 0);
    }
  }
  return g;
}

class FreeTypeFont final : public Font {
 public:
  FreeTypeFont(const FreeTypeLibrary& ft, LibraryPtr library, FacePtr face, std::string path)
      : ft_(ft), library_(std::move(library)), face_(std::move(face)), path_(std::move(path)) {
    const FT_Size_Metrics& m = face_->size->metrics;
    ascent_ = RoundPixels(m.ascender);
    line_height_ = std::max(1, RoundPixels(m.height));
  }

  std::string FilePath() const override { return path_; }
  int LineHeight() const override { return line_height_; }

  int TextWidth(std::string_view utf8) const override {
    std::int64_t width = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
      const char32_t c = DecodeUtf8(utf8, pos);
      if (!IsInvisible(c)) width += GlyphFor(c).advance;
    }
    return static_cast<int>(std::min<std::int64_t>(width, INT_MAX));
  }

  bool HasGlyphs(std::string_view utf8) const override {
    for (std::size_t pos = 0; pos < utf8.size();) {
      const char32_t c = DecodeUtf8(utf8, pos);
      if (c == kInvalidCodePoint || ft_.Get_Char_Index(face_.get(), c) == 0) return false;
    }
    return true;
  }

  void DrawLine(Bitmap& dst, Point at, std::string_view utf8, Pixel colour,
                Rect clip) const override {
    const Rect c = Intersect(clip, dst.bounds());
    if (c.empty()) return;
    std::int64_t pen = at.x;
    const std::int64_t baseline = std::int64_t{at.y} + ascent_;
    for (std::size_t pos = 0; pos < utf8.size() && pen < c.right();) {
      const char32_t ch = DecodeUtf8(utf8, pos);
      if (IsInvisible(ch)) continue;
      const Glyph& g = GlyphFor(ch);
      Paint(dst, c, pen + g.left, baseline - g.top, g, colour);
      pen += g.advance;
    }
  }

 private:
  static void Paint(Bitmap& dst, const Rect& clip, std::int64_t x0, std::int64_t y0, const Glyph& g,
                    Pixel colour) {
    const std::int64_t ys = std::max<std::int64_t>(y0, clip.top);
    const std::int64_t ye = std::min<std::int64_t>(y0 + g.height, clip.bottom());
    const std::int64_t xs = std::max<std::int64_t>(x0, clip.left);
    const std::int64_t xe = std::min<std::int64_t>(x0 + g.width, clip.right());
    for (std::int64_t y = ys; y < ye; ++y) {
      const std::uint8_t* ink = g.ink.data() + (y - y0) * g.width;
      Pixel* row = dst.row(static_cast<int>(y));
      for (std::int64_t x = xs; x < xe; ++x) {
        if (ink[x - x0]) row[x] = colour;
      }
    }
  }

  const Glyph& GlyphFor(char32_t c) const {
    const auto found = cache_.find(c);
    if (found != cache_.end()) return found->second;
    Glyph g;
    FT_Face face = face_.get();
    const FT_UInt index = ft_.Get_Char_Index(face, c);  // 0, the missing-glyph box, if absent
    if (ft_.Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) == 0 &&
        (face->glyph->format == FT_GLYPH_FORMAT_BITMAP ||
         ft_.Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) == 0)) {
      g = CopyBitmap(face->glyph);
    }
    return cache_.emplace(c, std::move(g)).first->second;
  }

  const FreeTypeLibrary& ft_;
  LibraryPtr library_;  // declared before the face: destroyed after it
  FacePtr face_;
  std::string path_;
  int ascent_ = 0;
  int line_height_ = 1;
  mutable std::unordered_map<char32_t, Glyph> cache_;
};

}  // namespace

std::unique_ptr<Font> OpenFreeTypeFont(const FontFile& file, int pixel_height) {
  if (pixel_height < 1 || pixel_height > kMaxFontPixelHeight) return nullptr;
  const FreeTypeLibrary* ft = FreeTypeLibrary::Get();
  if (ft == nullptr) return nullptr;
  FT_Library raw_library = nullptr;
  if (ft->Init_FreeType(&raw_library) != 0) return nullptr;
  LibraryPtr library(raw_library, ft->Done_FreeType);
  FT_Face raw_face = nullptr;
  if (OpenFaceFromFile(*ft, library.get(), file.path, file.index, &raw_face) != 0) return nullptr;
  FacePtr face(raw_face, ft->Done_Face);
  if (ft->Select_Charmap(face.get(), FT_ENCODING_UNICODE) != 0) return nullptr;
  if (!FT_IS_SCALABLE(face.get())) return nullptr;
  if (ft->Set_Pixel_Sizes(face.get(), 0, static_cast<FT_UInt>(pixel_height)) != 0) return nullptr;
  if (ft->Get_Char_Index(face.get(), U'あ') == 0) return nullptr;
  return std::make_unique<FreeTypeFont>(*ft, std::move(library), std::move(face), file.path);
}

std::unique_ptr<Font> Font::Open(std::string_view face_name, int pixel_height) {
  if (pixel_height < 1 || pixel_height > kMaxFontPixelHeight) return nullptr;
  // Without FreeType no file could be opened: the search is not worth making.
  if (FreeTypeLibrary::Get() == nullptr) return nullptr;
  for (const FontFile& file : FindFontFiles(face_name)) {
    if (auto font = OpenFreeTypeFont(file, pixel_height)) return font;
  }
  return nullptr;
}

}  // namespace tinto::gfx
