#include "bench/qt_readers.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

namespace chatmock::bench {
namespace {

// No copy: the reader works on the caller's bytes, as fromData does.
QByteArray Borrowed(std::span<const std::uint8_t> bytes) {
  return QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                 static_cast<qsizetype>(bytes.size()));
}

}  // namespace

QImage QtFirstImage(std::span<const std::uint8_t> bytes, const char* format) {
  return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), format)
      .convertToFormat(QImage::Format_ARGB32);
}

int QtEveryFrame(std::span<const std::uint8_t> bytes, const char* format,
                 const std::function<void(const QImage&)>& shown) {
  QByteArray data = Borrowed(bytes);
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  int frames = 0;
  QImage frame;
  while (reader.read(&frame)) {
    shown(frame.convertToFormat(QImage::Format_ARGB32));
    ++frames;
    if (!reader.canRead()) break;
  }
  return frames;
}

}  // namespace chatmock::bench
