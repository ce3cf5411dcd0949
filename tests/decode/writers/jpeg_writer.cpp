#include "tests/decode/writers/jpeg_writer.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <jpeglib.h>

namespace chatmock::pictures::testing {
namespace {

struct Compressor {
  Compressor() {
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
  }
  ~Compressor() { jpeg_destroy_compress(&cinfo); }
  Compressor(const Compressor&) = delete;
  Compressor& operator=(const Compressor&) = delete;

  jpeg_error_mgr errors{};
  jpeg_compress_struct cinfo{};
};

struct MallocFree {
  void operator()(unsigned char* p) const { std::free(p); }
};

}  // namespace

Bytes EncodeJpeg(int width, int height, JpegLayout layout,
                 const std::function<std::uint8_t(int x, int y, int component)>& sample) {
  Compressor compressor;
  jpeg_compress_struct& cinfo = compressor.cinfo;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  const bool cmyk = layout == JpegLayout::CmykAdobe || layout == JpegLayout::CmykPlain;
  cinfo.input_components = layout == JpegLayout::Grey ? 1 : cmyk ? 4 : 3;
  cinfo.in_color_space = layout == JpegLayout::Grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  if (layout == JpegLayout::CmykPlain) cinfo.write_Adobe_marker = FALSE;
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * cinfo.input_components);
  while (cinfo.next_scanline < cinfo.image_height) {
    const int y = static_cast<int>(cinfo.next_scanline);
    for (int x = 0; x < width; ++x) {
      for (int c = 0; c < cinfo.input_components; ++c) {
        row[static_cast<std::size_t>(x) * cinfo.input_components + c] = sample(x, y, c);
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  const std::unique_ptr<unsigned char, MallocFree> owned(buffer);
  return Bytes(buffer, buffer + size);
}

}  // namespace chatmock::pictures::testing
