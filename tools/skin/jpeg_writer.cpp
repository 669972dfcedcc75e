// JPEG encoding with libjpeg into memory. The pictures are the tool's own, so libjpeg's
// default error handling (which ends the tool with a message) is enough here.
#include "tools/skin/jpeg_writer.h"

#include <cstdlib>
// clang-format off
#include <cstdio>  // before jpeglib.h, which needs FILE
#include <jpeglib.h>
// clang-format on

namespace tinto::skin {

std::vector<std::uint8_t> EncodeJpeg(const gfx::Bitmap& picture, int quality) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(picture.width());
  cinfo.image_height = static_cast<JDIMENSION>(picture.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(picture.width()) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    const gfx::Pixel* in = picture.row(static_cast<int>(cinfo.next_scanline));
    for (int x = 0; x < picture.width(); ++x) {
      row[static_cast<std::size_t>(x) * 3] = static_cast<JSAMPLE>(gfx::RedOf(in[x]));
      row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<JSAMPLE>(gfx::GreenOf(in[x]));
      row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<JSAMPLE>(gfx::BlueOf(in[x]));
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<std::uint8_t> out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

}  // namespace tinto::skin
