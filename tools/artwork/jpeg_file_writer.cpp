#include "tools/artwork/jpeg_file_writer.h"

#include <jpeglib.h>

#include <QSaveFile>
#include <csetjmp>
#include <cstdio>

namespace chatmock {
namespace {

constexpr int kColourComponents = 3;
constexpr int kLumaSampling = 2;  // 4:2:0 keeps full-resolution luma only
constexpr int kChromaSampling = 1;
constexpr UINT8 kJfifMajor = 1;
constexpr UINT8 kJfifMinor = 1;
constexpr UINT8 kDensityDotsPerInch = 1;
constexpr std::size_t kOutputChunk = 16 * 1024;

// libjpeg reports fatal errors through error_exit, which must not return;
// it jumps back to the setjmp in compressRows with the message saved.
struct ErrorHandler {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void onFatalError(j_common_ptr info) {
  auto *handler = reinterpret_cast<ErrorHandler *>(info->err);
  (*info->err->format_message)(info, handler->message);
  std::longjmp(handler->jump, 1);
}

void onWarning(j_common_ptr, int) {}

// Collects the compressed bytes in a vector the caller owns, so no
// malloc'd buffer can leak when compression fails half way.
struct VectorDestination {
  jpeg_destination_mgr base;
  std::vector<std::uint8_t> *bytes;
};

void growDestination(VectorDestination *dest, std::size_t used) {
  dest->bytes->resize(used + kOutputChunk);
  dest->base.next_output_byte = dest->bytes->data() + used;
  dest->base.free_in_buffer = kOutputChunk;
}

void startDestination(j_compress_ptr info) {
  auto *dest = reinterpret_cast<VectorDestination *>(info->dest);
  dest->bytes->clear();
  growDestination(dest, 0);
}

boolean emptyDestination(j_compress_ptr info) {
  auto *dest = reinterpret_cast<VectorDestination *>(info->dest);
  // libjpeg asks for more room only when the whole buffer is full.
  growDestination(dest, dest->bytes->size());
  return TRUE;
}

void finishDestination(j_compress_ptr info) {
  auto *dest = reinterpret_cast<VectorDestination *>(info->dest);
  dest->bytes->resize(dest->bytes->size() - dest->base.free_in_buffer);
}

// Owns the libjpeg compressor for its whole life.
class Compressor {
 public:
  Compressor(std::vector<std::uint8_t> *bytes) {
    info_.err = jpeg_std_error(&errors_.base);
    errors_.base.error_exit = onFatalError;
    errors_.base.emit_message = onWarning;
    errors_.message[0] = '\0';
    destination_.base.init_destination = startDestination;
    destination_.base.empty_output_buffer = emptyDestination;
    destination_.base.term_destination = finishDestination;
    destination_.bytes = bytes;
  }
  ~Compressor() {
    if (created_) jpeg_destroy_compress(&info_);
  }
  Compressor(const Compressor &) = delete;
  Compressor &operator=(const Compressor &) = delete;

  jpeg_compress_struct *info() { return &info_; }
  ErrorHandler *errors() { return &errors_; }
  jpeg_destination_mgr *destination() { return &destination_.base; }
  void markCreated() { created_ = true; }

 private:
  jpeg_compress_struct info_{};
  ErrorHandler errors_{};
  VectorDestination destination_{};
  bool created_ = false;
};

void applySettings(jpeg_compress_struct *info, const JpegSettings &settings) {
  jpeg_set_defaults(info);
  jpeg_set_colorspace(info, JCS_YCbCr);
  jpeg_set_quality(info, settings.quality, TRUE);
  info->optimize_coding = FALSE;
  info->dct_method = JDCT_ISLOW;
  info->write_JFIF_header = TRUE;
  info->JFIF_major_version = kJfifMajor;
  info->JFIF_minor_version = kJfifMinor;
  info->density_unit = kDensityDotsPerInch;
  info->X_density = static_cast<UINT16>(settings.dotsPerInch);
  info->Y_density = static_cast<UINT16>(settings.dotsPerInch);
  info->comp_info[0].h_samp_factor = kLumaSampling;
  info->comp_info[0].v_samp_factor = kLumaSampling;
  for (int c = 1; c < kColourComponents; ++c) {
    info->comp_info[c].h_samp_factor = kChromaSampling;
    info->comp_info[c].v_samp_factor = kChromaSampling;
  }
}

// Only trivially destructible locals live between setjmp and the last
// libjpeg call, so the jump back skips no destructor.
bool compressRows(Compressor &compressor, const QImage &rgb, const JpegSettings &settings) {
  jpeg_compress_struct *info = compressor.info();
  if (setjmp(compressor.errors()->jump) != 0) return false;
  jpeg_create_compress(info);
  compressor.markCreated();
  info->dest = compressor.destination();
  info->image_width = static_cast<JDIMENSION>(rgb.width());
  info->image_height = static_cast<JDIMENSION>(rgb.height());
  info->input_components = kColourComponents;
  info->in_color_space = JCS_RGB;
  applySettings(info, settings);
  jpeg_start_compress(info, TRUE);
  while (info->next_scanline < info->image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info->next_scanline)));
    jpeg_write_scanlines(info, &row, 1);
  }
  jpeg_finish_compress(info);
  return true;
}

}  // namespace

std::vector<std::uint8_t> encodeBaselineJpeg(const QImage &image, const JpegSettings &settings,
                                             std::string *error) {
  std::vector<std::uint8_t> bytes;
  if (image.isNull()) {
    if (error) *error = "empty image";
    return bytes;
  }
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  Compressor compressor(&bytes);
  if (!compressRows(compressor, rgb, settings)) {
    if (error) *error = compressor.errors()->message;
    bytes.clear();
  }
  return bytes;
}

bool writeBaselineJpeg(const QImage &image, const QString &path, const JpegSettings &settings,
                       std::string *error) {
  const std::vector<std::uint8_t> bytes = encodeBaselineJpeg(image, settings, error);
  if (bytes.empty()) return false;
  QSaveFile file(path);
  const bool written =
      file.open(QIODevice::WriteOnly) &&
      file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<qint64>(bytes.size())) ==
          static_cast<qint64>(bytes.size()) &&
      file.commit();
  if (!written && error) *error = file.errorString().toStdString();
  return written;
}

}  // namespace chatmock
