#include "bench/libjpeg_scanlines.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace chatmock::bench {
namespace {

struct ErrorJump {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void JumpOut(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<ErrorJump*>(cinfo->err)->jump, 1);
}

// Owns the decompressor; fixed in memory because libjpeg points back at the
// error manager.
struct Decompressor {
  Decompressor() {
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOut;
    jpeg_create_decompress(&cinfo);
  }
  ~Decompressor() { jpeg_destroy_decompress(&cinfo); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;

  jpeg_decompress_struct cinfo{};
  ErrorJump errors{};
};

// Only trivially destructible locals live in this frame, so the jump skips
// no destructor; the buffer is sized by the caller-owned picture.
bool ScanlineLoop(Decompressor& d, const std::uint8_t* data, std::size_t size, RgbPicture& out) {
  if (setjmp(d.errors.jump)) return false;
  jpeg_mem_src(&d.cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&d.cinfo, TRUE);
  jpeg_start_decompress(&d.cinfo);
  out.width = static_cast<int>(d.cinfo.output_width);
  out.height = static_cast<int>(d.cinfo.output_height);
  if (d.cinfo.output_components != 3) return false;
  out.rgb.resize(std::size_t{d.cinfo.output_width} * d.cinfo.output_height * 3);
  const std::size_t stride = std::size_t{d.cinfo.output_width} * 3;
  while (d.cinfo.output_scanline < d.cinfo.output_height) {
    JSAMPROW row = out.rgb.data() + d.cinfo.output_scanline * stride;
    jpeg_read_scanlines(&d.cinfo, &row, 1);
  }
  jpeg_finish_decompress(&d.cinfo);
  return true;
}

}  // namespace

std::optional<RgbPicture> DecodeWithLibjpeg(std::span<const std::uint8_t> bytes) {
  Decompressor decompressor;
  RgbPicture picture;
  if (!ScanlineLoop(decompressor, bytes.data(), bytes.size(), picture)) return std::nullopt;
  return picture;
}

}  // namespace chatmock::bench
