// JPEG decoding with libjpeg (see jpeg.h).
//
// libjpeg reports errors through a callback that must not return; its default one calls
// exit(). Here the callbacks jump back with longjmp to the decoding function, which keeps
// only plain C data (no object with a destructor) between its setjmp and any libjpeg call,
// so that the jump skips no destructor. Decoding runs in two such functions: the first
// reads the header and the size, the caller then allocates the picture, and the second
// decodes the rows straight into it.
#include "gfx/jpeg.h"

#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdio>  // jpeglib.h needs FILE
#include <new>

#include "gfx/file_bytes.h"

namespace tinto::gfx {

namespace {

// A progressive file may hold any number of scans; corrupt ones can hold thousands, each
// costing a pass over the picture.
constexpr int kMaxScans = 500;
// Memory libjpeg may take for whole-picture buffers (progressive pictures need six bytes a
// pixel of colour); more makes it fail instead of allocating.
constexpr long kMaxJpegMemory = 1L << 30;

struct ErrorManager {
  jpeg_error_mgr pub;  // first, so that the library's pointer to it is a pointer to this
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpOut(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  std::longjmp(err->jump, 1);
}

[[noreturn]] void OnError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  JumpOut(cinfo);
}

// Level -1 is a warning about damaged data: treated as an error. Higher levels are traces.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level < 0) OnError(cinfo);
}

void OnOutputMessage(j_common_ptr) {}

void OnProgress(j_common_ptr cinfo) {
  if (!cinfo->is_decompressor) return;
  const auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (d->input_scan_number > kMaxScans) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::snprintf(err->message, sizeof err->message, "too many scans");
    JumpOut(cinfo);
  }
}

enum class Layout { kGrey, kRgb, kCmyk, kInvertedCmyk };

// Converts one decoded row into the picture's row.
void ConvertRow(const JSAMPLE* row, int width, Layout layout, Pixel* out) noexcept {
  for (int x = 0; x < width; ++x) {
    switch (layout) {
      case Layout::kGrey:
        out[x] = MakePixel(row[x], row[x], row[x]);
        break;
      case Layout::kRgb: {
        const JSAMPLE* p = row + std::ptrdiff_t{3} * x;
        out[x] = MakePixel(p[0], p[1], p[2]);
        break;
      }
      case Layout::kCmyk:
      case Layout::kInvertedCmyk: {
        // Adobe's files store the inks inverted (255 is no ink); others store them plainly.
        const JSAMPLE* p = row + std::ptrdiff_t{4} * x;
        const bool inverted = layout == Layout::kInvertedCmyk;
        const int k = inverted ? p[3] : 255 - p[3];
        const auto channel = [&](int ink) { return (inverted ? ink : 255 - ink) * k / 255; };
        out[x] = MakePixel(channel(p[0]), channel(p[1]), channel(p[2]));
        break;
      }
    }
  }
}

// The decoder's state between its two phases: plain C data only.
struct Decoder {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  jpeg_progress_mgr progress;
  Layout layout;
  int width;
  int height;
};

// Phase one: reads the header and settles the output's size. Returns false with the
// message set on any failure (the decoder is then destroyed).
bool ReadHeader(Decoder* d, const std::uint8_t* data, std::size_t size, std::int64_t max_pixels) {
  jpeg_decompress_struct& cinfo = d->cinfo;
  cinfo.err = jpeg_std_error(&d->err.pub);
  d->err.pub.error_exit = OnError;
  d->err.pub.emit_message = OnMessage;
  d->err.pub.output_message = OnOutputMessage;
  d->err.message[0] = '\0';
  d->progress.progress_monitor = OnProgress;
  if (setjmp(d->err.jump) != 0) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  cinfo.progress = &d->progress;
  // Whole-picture buffers of a progressive file take about six bytes a pixel; the limit
  // follows the largest picture this use accepts.
  cinfo.mem->max_memory_to_use =
      static_cast<long>(std::min<std::int64_t>(kMaxJpegMemory, max_pixels * 8 + (4 << 20)));
  if (size > static_cast<std::size_t>(~0UL)) size = static_cast<std::size_t>(~0UL);
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) {
    std::snprintf(d->err.message, sizeof d->err.message, "no picture in the file");
    JumpOut(reinterpret_cast<j_common_ptr>(&cinfo));
  }
  if (static_cast<std::int64_t>(cinfo.image_width) * cinfo.image_height > max_pixels) {
    std::snprintf(d->err.message, sizeof d->err.message, "picture too large");
    JumpOut(reinterpret_cast<j_common_ptr>(&cinfo));
  }
  d->layout = Layout::kRgb;
  switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
      cinfo.out_color_space = JCS_GRAYSCALE;
      d->layout = Layout::kGrey;
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      cinfo.out_color_space = JCS_CMYK;
      d->layout = cinfo.saw_Adobe_marker ? Layout::kInvertedCmyk : Layout::kCmyk;
      break;
    default:
      cinfo.out_color_space = JCS_RGB;  // libjpeg refuses what it cannot convert
      break;
  }
  jpeg_calc_output_dimensions(&cinfo);
  d->width = static_cast<int>(cinfo.output_width);
  d->height = static_cast<int>(cinfo.output_height);
  if (d->width <= 0 || d->height <= 0 ||
      static_cast<std::int64_t>(d->width) * d->height > max_pixels) {
    std::snprintf(d->err.message, sizeof d->err.message, "bad picture size");
    JumpOut(reinterpret_cast<j_common_ptr>(&cinfo));
  }
  return true;
}

// Phase two: decodes every row straight into the picture's pixels (width x height, set
// up by phase one) and destroys the decoder. Returns false with the message set on any
// failure.
bool DecodeRows(Decoder* d, Pixel* pixels) {
  jpeg_decompress_struct& cinfo = d->cinfo;
  if (setjmp(d->err.jump) != 0) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_start_decompress(&cinfo);
  if (static_cast<int>(cinfo.output_width) != d->width ||
      static_cast<int>(cinfo.output_height) != d->height) {
    std::snprintf(d->err.message, sizeof d->err.message, "bad picture size");
    JumpOut(reinterpret_cast<j_common_ptr>(&cinfo));
  }
  JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(
      reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
      cinfo.output_width * static_cast<JDIMENSION>(cinfo.output_components), 1);
  while (cinfo.output_scanline < cinfo.output_height) {
    const std::size_t y = cinfo.output_scanline;
    if (jpeg_read_scanlines(&cinfo, row, 1) != 1) {
      std::snprintf(d->err.message, sizeof d->err.message, "decoding stalled");
      JumpOut(reinterpret_cast<j_common_ptr>(&cinfo));
    }
    ConvertRow(row[0], d->width, d->layout, pixels + y * static_cast<std::size_t>(d->width));
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace

std::optional<Bitmap> DecodeJpeg(std::span<const std::uint8_t> data, std::string* error,
                                 std::int64_t max_pixels) {
  max_pixels = std::clamp<std::int64_t>(max_pixels, 0, Bitmap::kMaxPixels);
  Decoder decoder;
  const auto fail = [&]() -> std::optional<Bitmap> {
    if (error != nullptr)
      *error = decoder.err.message[0] != '\0' ? decoder.err.message : "not a readable JPEG";
    return std::nullopt;
  };
  if (!ReadHeader(&decoder, data.data(), data.size(), max_pixels)) return fail();
  // The picture is allocated once, at the size the header gives (within the cap), and the
  // rows are decoded straight into it.
  Bitmap out;
  try {
    out = Bitmap(decoder.width, decoder.height);
  } catch (const std::bad_alloc&) {
    jpeg_destroy_decompress(&decoder.cinfo);
    std::snprintf(decoder.err.message, sizeof decoder.err.message, "out of memory");
    return fail();
  }
  if (!DecodeRows(&decoder, out.row(0))) return fail();
  return out;
}

std::optional<Bitmap> LoadJpegFile(const std::filesystem::path& path, std::string* error,
                                   std::int64_t max_pixels) {
  // A JPEG rarely takes more than a few bytes a pixel; the file may be as large as the
  // uncompressed picture, never more.
  const std::uint64_t max_file_bytes = std::min<std::uint64_t>(
      std::uint64_t{256} << 20,
      static_cast<std::uint64_t>(std::clamp<std::int64_t>(max_pixels, 0, Bitmap::kMaxPixels)) * 4 +
          (1u << 20));
  const auto bytes = ReadFileBytes(path, max_file_bytes, error);
  if (!bytes) return std::nullopt;
  return DecodeJpeg(*bytes, error, max_pixels);
}

}  // namespace tinto::gfx
