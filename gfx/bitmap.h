// In-memory bitmaps and the block transfers the skinned windows are drawn with.
//
// Every bitmap holds 32-bit pixels 0x00RRGGBB. Copies between bitmaps are exact. The
// raster operations are the two the windows use: a plain copy and the OR copy. A mask is
// a one-bit picture (0 or 1 per pixel) made from a colour bitmap by a key colour and
// expanded back to colour with a text colour (for 0) and a background colour (for 1).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "gfx/geometry.h"

namespace tinto::gfx {

using Pixel = std::uint32_t;  // 0x00RRGGBB

constexpr Pixel MakePixel(int r, int g, int b) {
  return (static_cast<Pixel>(r & 0xFF) << 16) | (static_cast<Pixel>(g & 0xFF) << 8) |
         static_cast<Pixel>(b & 0xFF);
}
constexpr int RedOf(Pixel p) {
  return static_cast<int>((p >> 16) & 0xFF);
}
constexpr int GreenOf(Pixel p) {
  return static_cast<int>((p >> 8) & 0xFF);
}
constexpr int BlueOf(Pixel p) {
  return static_cast<int>(p & 0xFF);
}

// A colour as the Windows graphics interface writes it: red + green * 256 + blue * 65536.
using ColorRef = std::uint32_t;
constexpr Pixel PixelFromColorRef(ColorRef c) {
  return MakePixel(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                   static_cast<int>((c >> 16) & 0xFF));
}
constexpr ColorRef ColorRefFromPixel(Pixel p) {
  return static_cast<ColorRef>(RedOf(p)) | (static_cast<ColorRef>(GreenOf(p)) << 8) |
         (static_cast<ColorRef>(BlueOf(p)) << 16);
}

enum class RasterOp {
  kCopy,  // destination := source
  kOr,    // destination := destination OR source
};

class Bitmap {
 public:
  // Pictures larger than this many pixels are refused by the decoders (about 1 GiB).
  static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;

  Bitmap() = default;
  Bitmap(int width, int height, Pixel fill = 0);

  int width() const { return width_; }
  int height() const { return height_; }
  Size size() const { return {width_, height_}; }
  Rect bounds() const { return {0, 0, width_, height_}; }
  bool empty() const { return width_ == 0 || height_ == 0; }

  Pixel at(int x, int y) const { return pixels_[Index(x, y)]; }
  void set(int x, int y, Pixel p) { pixels_[Index(x, y)] = p; }
  Pixel* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const Pixel* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const std::vector<Pixel>& pixels() const { return pixels_; }

  friend bool operator==(const Bitmap&, const Bitmap&) = default;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel> pixels_;
};

// A one-bit picture: each pixel 0 or 1.
class Mask {
 public:
  Mask() = default;
  Mask(int width, int height) : width_(width), height_(height), bits_(Count(width, height), 0) {}
  int width() const { return width_; }
  int height() const { return height_; }
  bool at(int x, int y) const { return bits_[Index(x, y)] != 0; }
  void set(int x, int y, bool on) { bits_[Index(x, y)] = on ? 1 : 0; }
  // Row y's values, one byte of 0 or 1 for each pixel.
  const std::uint8_t* row(int y) const { return bits_.data() + Index(0, y); }

 private:
  static std::size_t Count(int w, int h) {
    return static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
  }
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> bits_;
};

// Copies src_rect of src to dst at dst_at. Parts that fall outside either bitmap are
// skipped and leave the destination unchanged.
void Blit(Bitmap& dst, Point dst_at, const Bitmap& src, Rect src_rect,
          RasterOp op = RasterOp::kCopy);

// Copies src_rect of src into dst_rect of dst, scaled by pixel replication (each
// destination pixel takes the source pixel its centre maps to).
void StretchBlit(Bitmap& dst, Rect dst_rect, const Bitmap& src, Rect src_rect,
                 RasterOp op = RasterOp::kCopy);

void Fill(Bitmap& dst, Rect rect, Pixel colour);

// Colour to one bit: the pixels of src_rect equal to key become 1, all others 0. The mask
// has the size of src and is 0 outside src_rect.
Mask MaskFromKey(const Bitmap& src, Rect src_rect, Pixel key);

// One bit to colour: mask pixels of src_rect become bk_colour where 1 and text_colour
// where 0, written to dst at dst_at with the raster operation.
void ExpandMask(Bitmap& dst, Point dst_at, const Mask& mask, Rect src_rect, Pixel text_colour,
                Pixel bk_colour, RasterOp op);

// The two above in one pass, for the usual pair: where a pixel of src_rect equals key,
// colour is ORed onto dst at the same place relative to dst_at; elsewhere dst is left as
// it is (an OR with black). The same result as MaskFromKey then ExpandMask with black,
// colour and kOr, without the mask.
void OrKeyColour(Bitmap& dst, Point dst_at, const Bitmap& src, Rect src_rect, Pixel key,
                 Pixel colour);

// A key colour and the colour ORed where it is found.
struct KeyPaint {
  Pixel key = 0;
  Pixel paint = 0;
};

// OrKeyColour for several keys in one pass: each pixel of src_rect ORs onto dst the paint
// of every entry whose key it equals (the same result as one OrKeyColour per entry). Made
// for a palette's worth of keys: beyond 16 it falls back to one pass per key.
void OrKeyColours(Bitmap& dst, Point dst_at, const Bitmap& src, Rect src_rect,
                  std::span<const KeyPaint> keys);

// The runs of key-coloured pixels in a region of a picture, found once, so that the region
// can be ORed onto destinations again and again in different paints without reading its
// pixels: Or with paints p is OrKeyColours with keys[i] paired with p[i]. Made for one
// small region drawn many times (a list of the same icon in different colours).
class KeyRuns {
 public:
  KeyRuns() = default;
  KeyRuns(const Bitmap& src, Rect src_rect, std::span<const Pixel> keys);

  // paints holds one paint for each key, in the keys' order.
  void Or(Bitmap& dst, Point dst_at, std::span<const Pixel> paints) const;

 private:
  // A row's run of one key colour.
  struct Run {
    int x = 0;
    int length = 0;
    std::uint32_t colour = 0;  // which distinct key colour
  };
  Point offset_;  // the region's clipped top left, relative to src_rect's
  Size size_;     // the size of the clipped region
  std::vector<std::uint32_t> colour_of_key_;  // each key's distinct colour
  std::uint32_t colours_ = 0;                 // how many distinct key colours
  std::vector<Run> runs_;                     // row by row, left to right
  std::vector<std::size_t> row_ends_;         // where each row's runs end in runs_
};

}  // namespace tinto::gfx
