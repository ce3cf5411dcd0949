#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

#include "pictures/decode/format_decoders.h"
#include "pictures/decode/picture_size.h"

// libjpeg reports errors by calling error_exit, which must not return. We
// longjmp back instead. Every setjmp below sits in a small function whose
// locals are trivially destructible, and everything that owns memory (the
// decompressor, the pixel buffer, row pointers) lives in the caller's frame,
// so a jump never skips a C++ destructor.
namespace chatmock::pictures {
namespace {

// A progressive file with thousands of tiny scans decodes very slowly; real
// encoders never write more than a few dozen.
constexpr int kMaxJpegScans = 500;
// Enough for the progressive coefficient buffers of the largest allowed
// picture; past it libjpeg fails instead of growing.
constexpr long kJpegWorkingMemoryCap = 1024L * 1024 * 1024;
constexpr int kCmykComponents = 4;
constexpr unsigned kFullIntensity = 255;

struct JpegErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void JumpBack(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<JpegErrorManager*>(cinfo->err)->jump, 1);
}

// These warnings mean the pixels would be partly invented; a harmless
// oddity (an unknown JFIF revision, junk before a marker) is let through.
bool IsFatalWarning(int code) {
  return code != JWRN_JFIF_MAJOR && code != JWRN_EXTRANEOUS_DATA && code != JWRN_ADOBE_XFORM &&
         code != JWRN_BOGUS_ICC;
}

void EmitMessage(j_common_ptr cinfo, int level) {
  const bool isWarning = level < 0;
  if (isWarning && IsFatalWarning(cinfo->err->msg_code)) JumpBack(cinfo);
}

// libjpeg would print to stderr; a damaged picture is an ordinary event here.
void OutputNothing(j_common_ptr) {}

void LimitScans(j_common_ptr cinfo) {
  const auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (decompress->input_scan_number > kMaxJpegScans) JumpBack(cinfo);
}

// Owns the decompressor; it stays put in memory because libjpeg keeps
// pointers to the error and progress managers.
class JpegSession {
 public:
  JpegSession() {
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpBack;
    errors.base.emit_message = EmitMessage;
    errors.base.output_message = OutputNothing;
    progress.progress_monitor = LimitScans;
  }
  ~JpegSession() {
    if (created) jpeg_destroy_decompress(&cinfo);
  }
  JpegSession(const JpegSession&) = delete;
  JpegSession& operator=(const JpegSession&) = delete;

  jpeg_decompress_struct cinfo{};
  JpegErrorManager errors{};
  jpeg_progress_mgr progress{};
  bool created = false;
};

bool ReadHeaderGuarded(JpegSession& session, const std::uint8_t* data, std::size_t size) {
  if (setjmp(session.errors.jump)) return false;
  session.created = true;  // destroying a zeroed, half-made decompressor is safe
  jpeg_create_decompress(&session.cinfo);
  session.cinfo.mem->max_memory_to_use = kJpegWorkingMemoryCap;
  session.cinfo.progress = &session.progress;
  jpeg_mem_src(&session.cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&session.cinfo, TRUE);
  return true;
}

bool StartGuarded(JpegSession& session, J_COLOR_SPACE outputSpace) {
  if (setjmp(session.errors.jump)) return false;
  session.cinfo.out_color_space = outputSpace;
  jpeg_start_decompress(&session.cinfo);
  return true;
}

// libjpeg-turbo's BGRA order is exactly 0xAARRGGBB in a little-endian
// uint32, so the rows are decoded straight into the picture.
bool ReadBgraRowsGuarded(JpegSession& session, JSAMPROW* rows, JDIMENSION height) {
  if (setjmp(session.errors.jump)) return false;
  jpeg_decompress_struct& cinfo = session.cinfo;
  while (cinfo.output_scanline < height) {
    const JDIMENSION done = cinfo.output_scanline;
    if (jpeg_read_scanlines(&cinfo, rows + done, height - done) == 0) return false;
  }
  return true;
}

// Adobe writes CMYK inverted (0 = full ink); other writers store plain ink.
std::uint32_t CmykToRgb(const JSAMPLE* cmyk, bool inverted) {
  auto channel = [&](int i) -> std::uint32_t {
    const unsigned ink = inverted ? cmyk[i] : kFullIntensity - cmyk[i];
    const unsigned black = inverted ? cmyk[3] : kFullIntensity - cmyk[3];
    return (ink * black + kFullIntensity / 2) / kFullIntensity;
  };
  return OpaqueRgb(channel(0), channel(1), channel(2));
}

bool ReadCmykRowsGuarded(JpegSession& session, JSAMPLE* rowBuffer, std::uint32_t* pixels) {
  if (setjmp(session.errors.jump)) return false;
  jpeg_decompress_struct& cinfo = session.cinfo;
  const bool inverted = cinfo.saw_Adobe_marker;
  while (cinfo.output_scanline < cinfo.output_height) {
    std::uint32_t* out = pixels + std::size_t{cinfo.output_scanline} * cinfo.output_width;
    JSAMPROW row = rowBuffer;
    if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) return false;
    for (JDIMENSION x = 0; x < cinfo.output_width; ++x) {
      out[x] = CmykToRgb(rowBuffer + std::size_t{x} * kCmykComponents, inverted);
    }
  }
  return true;
}

bool IsInkColourSpace(J_COLOR_SPACE space) { return space == JCS_CMYK || space == JCS_YCCK; }

bool DecodeInto(JpegSession& session, DecodedPicture& picture, bool ink) {
  jpeg_decompress_struct& cinfo = session.cinfo;
  if (cinfo.output_width != static_cast<JDIMENSION>(picture.width) ||
      cinfo.output_height != static_cast<JDIMENSION>(picture.height)) {
    return false;
  }
  if (ink) {
    if (cinfo.output_components != kCmykComponents) return false;
    std::vector<JSAMPLE> rowBuffer(std::size_t{cinfo.output_width} * kCmykComponents);
    return ReadCmykRowsGuarded(session, rowBuffer.data(), picture.pixels.data());
  }
  std::vector<JSAMPROW> rows(cinfo.output_height);
  for (JDIMENSION y = 0; y < cinfo.output_height; ++y) {
    rows[y] = reinterpret_cast<JSAMPROW>(picture.pixels.data() + std::size_t{y} * picture.width);
  }
  return ReadBgraRowsGuarded(session, rows.data(), cinfo.output_height);
}

}  // namespace

std::optional<DecodedPicture> DecodeJpeg(std::span<const std::uint8_t> bytes) {
  JpegSession session;
  if (!ReadHeaderGuarded(session, bytes.data(), bytes.size())) return std::nullopt;
  jpeg_decompress_struct& cinfo = session.cinfo;
  if (!IsAllowedPictureSize(cinfo.image_width, cinfo.image_height)) return std::nullopt;
  const bool ink = IsInkColourSpace(cinfo.jpeg_color_space);
  // libjpeg turns YCCK into CMYK itself; everything else becomes BGRA.
  if (!StartGuarded(session, ink ? JCS_CMYK : JCS_EXT_BGRA)) return std::nullopt;
  std::optional<DecodedPicture> picture =
      MakePicture(PictureKind::Jpeg, cinfo.output_width, cinfo.output_height);
  if (!picture || !DecodeInto(session, *picture, ink)) return std::nullopt;
  return picture;
}

}  // namespace chatmock::pictures
