#include "tests/widget/picture_bytes.h"

#include <QBuffer>
#include <QPainter>

#include <algorithm>

namespace chatmock::testing_support {
namespace {

constexpr int kBmpHeaderSize = 14 + 40;
constexpr int kGifPaletteEntries = 256;
constexpr int kGifMinCodeSize = 8;
constexpr int kGifClearCode = 1 << kGifMinCodeSize;
constexpr int kGifEndCode = kGifClearCode + 1;
// Codes written between two clear codes: the table never reaches the next
// code width, so every code stays 9 bits wide.
constexpr int kGifCodesPerClear = 250;
constexpr int kGifCodeBits = kGifMinCodeSize + 1;
constexpr int kGifSubBlockMax = 255;

void PutLe16(Bytes& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void PutLe32(Bytes& out, std::uint32_t value) {
  PutLe16(out, value & 0xFFFF);
  PutLe16(out, value >> 16);
}

void PutText(Bytes& out, const char* text) {
  for (; *text != '\0'; ++text) out.push_back(static_cast<std::uint8_t>(*text));
}

Bytes WrittenByQt(const QImage& image, const char* format, int quality) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format, quality);
  return Bytes(data.begin(), data.end());
}

class LsbBitWriter {
 public:
  void Put(int code, int bits) {
    accumulator_ |= static_cast<std::uint32_t>(code) << filled_;
    filled_ += bits;
    while (filled_ >= 8) {
      bytes_.push_back(static_cast<std::uint8_t>(accumulator_ & 0xFF));
      accumulator_ >>= 8;
      filled_ -= 8;
    }
  }
  Bytes Finish() {
    if (filled_ > 0) bytes_.push_back(static_cast<std::uint8_t>(accumulator_ & 0xFF));
    return std::move(bytes_);
  }

 private:
  Bytes bytes_;
  std::uint32_t accumulator_ = 0;
  int filled_ = 0;
};

// Valid LZW without compression: each index is its own code.
Bytes LzwCodes(const std::vector<std::uint8_t>& indices) {
  LsbBitWriter writer;
  int sinceClear = kGifCodesPerClear;
  for (const std::uint8_t index : indices) {
    if (sinceClear == kGifCodesPerClear) {
      writer.Put(kGifClearCode, kGifCodeBits);
      sinceClear = 0;
    }
    writer.Put(index, kGifCodeBits);
    ++sinceClear;
  }
  writer.Put(kGifEndCode, kGifCodeBits);
  return writer.Finish();
}

void PutSubBlocks(Bytes& out, const Bytes& data) {
  for (std::size_t at = 0; at < data.size(); at += kGifSubBlockMax) {
    const std::size_t length = std::min<std::size_t>(kGifSubBlockMax, data.size() - at);
    out.push_back(static_cast<std::uint8_t>(length));
    out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
               data.begin() + static_cast<std::ptrdiff_t>(at + length));
  }
  out.push_back(0);
}

void PutGifFrame(Bytes& out, int width, int height, const GifFrame& frame) {
  // Graphic control: disposal 1 (leave in place), no transparency.
  out.insert(out.end(), {0x21, 0xF9, 0x04, 0x04});
  PutLe16(out, static_cast<unsigned>(frame.delayCentiseconds));
  out.insert(out.end(), {0x00, 0x00});
  // Image descriptor over the whole screen, no local table, not interlaced.
  out.push_back(0x2C);
  PutLe16(out, 0);
  PutLe16(out, 0);
  PutLe16(out, static_cast<unsigned>(width));
  PutLe16(out, static_cast<unsigned>(height));
  out.push_back(0x00);
  out.push_back(kGifMinCodeSize);
  PutSubBlocks(out, LzwCodes(frame.indices));
}

}  // namespace

Bytes BmpBytes(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  const int rowBytes = (image.width() * 3 + 3) / 4 * 4;
  const auto pixelBytes = static_cast<std::uint32_t>(rowBytes * image.height());
  Bytes out;
  PutText(out, "BM");
  PutLe32(out, kBmpHeaderSize + pixelBytes);
  PutLe32(out, 0);
  PutLe32(out, kBmpHeaderSize);
  PutLe32(out, 40);
  PutLe32(out, static_cast<std::uint32_t>(image.width()));
  PutLe32(out, static_cast<std::uint32_t>(image.height()));
  PutLe16(out, 1);
  PutLe16(out, 24);
  PutLe32(out, 0);
  PutLe32(out, pixelBytes);
  PutLe32(out, 2835);
  PutLe32(out, 2835);
  PutLe32(out, 0);
  PutLe32(out, 0);
  for (int y = image.height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      out.insert(out.end(), {static_cast<std::uint8_t>(qBlue(pixel)),
                             static_cast<std::uint8_t>(qGreen(pixel)),
                             static_cast<std::uint8_t>(qRed(pixel))});
    }
    out.resize(out.size() + static_cast<std::size_t>(rowBytes - image.width() * 3), 0);
  }
  return out;
}

Bytes IconBytes(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const int width = image.width(), height = image.height();
  const int maskRowBytes = (width + 31) / 32 * 4;
  const auto imageBytes = static_cast<std::uint32_t>(40 + width * height * 4 + maskRowBytes * height);
  Bytes out;
  PutLe16(out, 0);
  PutLe16(out, 1);  // icon
  PutLe16(out, 1);  // one entry
  out.insert(out.end(), {static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(height), 0, 0});
  PutLe16(out, 1);
  PutLe16(out, 32);
  PutLe32(out, imageBytes);
  PutLe32(out, 6 + 16);
  PutLe32(out, 40);
  PutLe32(out, static_cast<std::uint32_t>(width));
  PutLe32(out, static_cast<std::uint32_t>(height * 2));  // colour image and mask
  PutLe16(out, 1);
  PutLe16(out, 32);
  for (int i = 0; i < 6; ++i) PutLe32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const QRgb pixel = image.pixel(x, y);
      out.insert(out.end(), {static_cast<std::uint8_t>(qBlue(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
                             static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qAlpha(pixel))});
    }
  }
  for (int y = height - 1; y >= 0; --y) {
    Bytes row(static_cast<std::size_t>(maskRowBytes), 0);
    for (int x = 0; x < width; ++x) {
      if (qAlpha(image.pixel(x, y)) == 0) row[static_cast<std::size_t>(x / 8)] |= 0x80 >> (x % 8);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

Bytes JpegBytes(const QImage& image) { return WrittenByQt(image, "JPG", 100); }
Bytes PngBytes(const QImage& image) { return WrittenByQt(image, "PNG", -1); }

Bytes GifBytes(int width, int height, std::span<const QRgb> palette, std::span<const GifFrame> frames) {
  Bytes out;
  PutText(out, "GIF89a");
  PutLe16(out, static_cast<unsigned>(width));
  PutLe16(out, static_cast<unsigned>(height));
  out.insert(out.end(), {0xF7, 0x00, 0x00});  // global table of 256 entries
  for (int i = 0; i < kGifPaletteEntries; ++i) {
    const QRgb colour = i < static_cast<int>(palette.size()) ? palette[static_cast<std::size_t>(i)] : 0;
    out.insert(out.end(), {static_cast<std::uint8_t>(qRed(colour)),
                           static_cast<std::uint8_t>(qGreen(colour)),
                           static_cast<std::uint8_t>(qBlue(colour))});
  }
  // Loop forever.
  out.insert(out.end(), {0x21, 0xFF, 0x0B});
  PutText(out, "NETSCAPE2.0");
  out.insert(out.end(), {0x03, 0x01, 0x00, 0x00, 0x00});
  for (const GifFrame& frame : frames) PutGifFrame(out, width, height, frame);
  out.push_back(0x3B);
  return out;
}

QImage SolidImage(int width, int height, QColor colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

QImage HalvesImage(int width, int height, QColor left, QColor right) {
  QImage image = SolidImage(width, height, left);
  QPainter(&image).fillRect(width / 2, 0, width - width / 2, height, right);
  return image;
}

QImage QuartersImage(int width, int height, QColor topLeft, QColor topRight, QColor bottomLeft,
                     QColor bottomRight) {
  QImage image = SolidImage(width, height, topLeft);
  QPainter painter(&image);
  const int midX = width / 2, midY = height / 2;
  painter.fillRect(midX, 0, width - midX, midY, topRight);
  painter.fillRect(0, midY, midX, height - midY, bottomLeft);
  painter.fillRect(midX, midY, width - midX, height - midY, bottomRight);
  return image;
}

QRgb CoordinateColour(int x, int y) {
  return qRgb(x & 0xFF, y & 0xFF, (((x >> 8) & 0xF) << 4) | ((y >> 8) & 0xF));
}

QImage CoordinateImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.setPixel(x, y, CoordinateColour(x, y));
  }
  return image;
}

}  // namespace chatmock::testing_support
