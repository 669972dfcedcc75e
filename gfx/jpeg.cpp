// JPEG decoding with libjpeg (see jpeg.h).
//
// libjpeg reports errors through a callback that must not return; its default one calls
// exit(). Here the callbacks jump back with longjmp to RunDecoder, a function that keeps
// only plain C data (no object with a destructor) between its setjmp and any libjpeg call,
// so that the jump skips no destructor. The decoded rows are handed to helper functions
// that return before libjpeg runs again, and that catch their own allocation failures.
#include "gfx/jpeg.h"

#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdio>  // jpeglib.h needs FILE
#include <new>
#include <vector>

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

// Appends one decoded row to the picture; false when memory runs out. The picture grows
// with the rows that really decode, so a corrupt header claiming a huge size costs nothing.
bool AppendRow(std::vector<Pixel>* pixels, const JSAMPLE* row, int width, Layout layout) noexcept {
  try {
    for (int x = 0; x < width; ++x) {
      switch (layout) {
        case Layout::kGrey:
          pixels->push_back(MakePixel(row[x], row[x], row[x]));
          break;
        case Layout::kRgb: {
          const JSAMPLE* p = row + std::ptrdiff_t{3} * x;
          pixels->push_back(MakePixel(p[0], p[1], p[2]));
          break;
        }
        case Layout::kCmyk:
        case Layout::kInvertedCmyk: {
          // Adobe's files store the inks inverted (255 is no ink); others store them plainly.
          const JSAMPLE* p = row + std::ptrdiff_t{4} * x;
          const bool inverted = layout == Layout::kInvertedCmyk;
          const int k = inverted ? p[3] : 255 - p[3];
          const auto channel = [&](int ink) { return (inverted ? ink : 255 - ink) * k / 255; };
          pixels->push_back(MakePixel(channel(p[0]), channel(p[1]), channel(p[2])));
          break;
        }
      }
    }
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

struct Decoded {
  int width = 0;
  int height = 0;
};

// The libjpeg part of the decoding. Returns false with message set on any failure.
bool RunDecoder(const std::uint8_t* data, std::size_t size, std::vector<Pixel>* pixels,
                Decoded* out, char* message, std::size_t message_size) {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  jpeg_progress_mgr progress;
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = OnError;
  err.pub.emit_message = OnMessage;
  err.pub.output_message = OnOutputMessage;
  err.message[0] = '\0';
  progress.progress_monitor = OnProgress;

  if (setjmp(err.jump) != 0) {
    std::snprintf(message, message_size, "%s", err.message);
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  cinfo.progress = &progress;
  cinfo.mem->max_memory_to_use = kMaxJpegMemory;
  if (size > static_cast<std::size_t>(~0UL)) size = static_cast<std::size_t>(~0UL);
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) {
    std::snprintf(err.message, sizeof err.message, "no picture in the file");
    JumpOut(reinterpret_cast<j_common_ptr>(&cinfo));
  }
  if (static_cast<std::int64_t>(cinfo.image_width) * cinfo.image_height > Bitmap::kMaxPixels) {
    std::snprintf(err.message, sizeof err.message, "picture too large");
    JumpOut(reinterpret_cast<j_common_ptr>(&cinfo));
  }
  Layout layout = Layout::kRgb;
  switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
      cinfo.out_color_space = JCS_GRAYSCALE;
      layout = Layout::kGrey;
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      cinfo.out_color_space = JCS_CMYK;
      layout = cinfo.saw_Adobe_marker ? Layout::kInvertedCmyk : Layout::kCmyk;
      break;
    default:
      cinfo.out_color_space = JCS_RGB;  // libjpeg refuses what it cannot convert
      break;
  }
  jpeg_start_decompress(&cinfo);
  const int width = static_cast<int>(cinfo.output_width);
  const int height = static_cast<int>(cinfo.output_height);
  if (width <= 0 || height <= 0 || static_cast<std::int64_t>(width) * height > Bitmap::kMaxPixels) {
    std::snprintf(err.message, sizeof err.message, "bad picture size");
    JumpOut(reinterpret_cast<j_common_ptr>(&cinfo));
  }
  JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(
      reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
      cinfo.output_width * static_cast<JDIMENSION>(cinfo.output_components), 1);
  while (cinfo.output_scanline < cinfo.output_height) {
    if (jpeg_read_scanlines(&cinfo, row, 1) != 1) {
      std::snprintf(err.message, sizeof err.message, "decoding stalled");
      JumpOut(reinterpret_cast<j_common_ptr>(&cinfo));
    }
    if (!AppendRow(pixels, row[0], width, layout)) {
      std::snprintf(err.message, sizeof err.message, "out of memory");
      JumpOut(reinterpret_cast<j_common_ptr>(&cinfo));
    }
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  out->width = width;
  out->height = height;
  return true;
}

}  // namespace

std::optional<Bitmap> DecodeJpeg(std::span<const std::uint8_t> data, std::string* error) {
  std::vector<Pixel> pixels;
  Decoded size;
  char message[JMSG_LENGTH_MAX] = {};
  if (!RunDecoder(data.data(), data.size(), &pixels, &size, message, sizeof message)) {
    if (error != nullptr) *error = message[0] != '\0' ? message : "not a readable JPEG";
    return std::nullopt;
  }
  Bitmap out(size.width, size.height);
  for (int y = 0; y < size.height; ++y) {
    const Pixel* src =
        pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(size.width);
    std::copy(src, src + size.width, out.row(y));
  }
  return out;
}

std::optional<Bitmap> LoadJpegFile(const std::filesystem::path& path, std::string* error) {
  constexpr std::uint64_t kMaxFileBytes = std::uint64_t{256} << 20;
  const auto bytes = ReadFileBytes(path, kMaxFileBytes, error);
  if (!bytes) return std::nullopt;
  return DecodeJpeg(*bytes, error);
}

}  // namespace tinto::gfx
