#include "bench/dib_writer.h"

#include "bench/little_endian.h"

namespace chatmock::bench {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kIconDirectorySize = 6 + 16;
constexpr std::size_t kRowAlignment = 4;
constexpr int kTableEntries = 256;
constexpr int kMostlyTransparent = 128;
constexpr std::int32_t kPixelsPerMetre = 3780;  // 96 dpi

std::uint32_t RowStride(int width, int bits) {
  return static_cast<std::uint32_t>((width * bits + 31) / 32 * 4);
}

void PutInfoHeader(LittleEndianBytes& out, int width, int height, int bits, int colours) {
  out.U32(kInfoHeaderSize);
  out.I32(width);
  out.I32(height);
  out.U16(1);  // planes
  out.U16(static_cast<std::uint32_t>(bits));
  out.U32(0);  // uncompressed
  out.U32(0);  // image size: may be zero when uncompressed
  out.I32(kPixelsPerMetre);
  out.I32(kPixelsPerMetre);
  out.U32(static_cast<std::uint32_t>(colours));
  out.U32(0);
}

void PutTable(LittleEndianBytes& out, const std::vector<Rgb>& table) {
  for (const Rgb& colour : table) {
    out.U8(colour.blue);
    out.U8(colour.green);
    out.U8(colour.red);
    out.U8(0);
  }
}

void PutFileHeader(LittleEndianBytes& out, std::uint32_t fileSize, std::uint32_t dataOffset) {
  out.U8('B');
  out.U8('M');
  out.U32(fileSize);
  out.U32(0);
  out.U32(dataOffset);
}

void PutIconDirectory(LittleEndianBytes& out, int side, int colours, int bits, std::uint32_t size) {
  out.U16(0);
  out.U16(1);  // icon
  out.U16(1);  // one entry
  out.U8(static_cast<std::uint32_t>(side));
  out.U8(static_cast<std::uint32_t>(side));
  out.U8(static_cast<std::uint32_t>(colours < kTableEntries ? colours : 0));
  out.U8(0);
  out.U16(1);
  out.U16(static_cast<std::uint32_t>(bits));
  out.U32(size);
  out.U32(kIconDirectorySize);
}

// Mask bit 1 hides the pixel; rows bottom-up like the colours.
void PutMask(LittleEndianBytes& out, const QImage& image, int alphaLimit) {
  for (int y = image.height() - 1; y >= 0; --y) {
    const std::size_t rowStart = out.Size();
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    std::uint32_t byte = 0;
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(row[x]) < alphaLimit) byte |= 0x80u >> (x % 8);
      if (x % 8 == 7) {
        out.U8(byte);
        byte = 0;
      }
    }
    if (image.width() % 8 != 0) out.U8(byte);
    out.PadFrom(rowStart, kRowAlignment);
  }
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  const std::uint32_t stride = RowStride(image.width(), 24);
  const std::uint32_t dataOffset = kFileHeaderSize + kInfoHeaderSize;
  LittleEndianBytes out;
  PutFileHeader(out, dataOffset + stride * image.height(), dataOffset);
  PutInfoHeader(out, image.width(), image.height(), 24, 0);
  for (int y = image.height() - 1; y >= 0; --y) {
    const std::size_t rowStart = out.Size();
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      out.U8(qBlue(row[x]));
      out.U8(qGreen(row[x]));
      out.U8(qRed(row[x]));
    }
    out.PadFrom(rowStart, kRowAlignment);
  }
  return out.Take();
}

std::vector<std::uint8_t> EncodeBmp8(const IndexedFrame& pixels, const std::vector<Rgb>& table) {
  const std::uint32_t stride = RowStride(pixels.width, 8);
  const auto tableBytes = static_cast<std::uint32_t>(table.size() * 4);
  const std::uint32_t dataOffset = kFileHeaderSize + kInfoHeaderSize + tableBytes;
  LittleEndianBytes out;
  PutFileHeader(out, dataOffset + stride * pixels.height, dataOffset);
  PutInfoHeader(out, pixels.width, pixels.height, 8, static_cast<int>(table.size()));
  PutTable(out, table);
  for (int y = pixels.height - 1; y >= 0; --y) {
    const std::size_t rowStart = out.Size();
    for (int x = 0; x < pixels.width; ++x) {
      out.U8(pixels.indices[static_cast<std::size_t>(y) * pixels.width + x]);
    }
    out.PadFrom(rowStart, kRowAlignment);
  }
  return out.Take();
}

std::vector<std::uint8_t> EncodeIcon32(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const int side = image.width();
  const std::uint32_t size =
      kInfoHeaderSize + (RowStride(side, 32) + RowStride(side, 1)) * static_cast<std::uint32_t>(side);
  LittleEndianBytes out;
  PutIconDirectory(out, side, 0, 32, size);
  PutInfoHeader(out, side, side * 2, 32, 0);
  for (int y = side - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < side; ++x) {
      out.U8(qBlue(row[x]));
      out.U8(qGreen(row[x]));
      out.U8(qRed(row[x]));
      out.U8(qAlpha(row[x]));
    }
  }
  PutMask(out, image, 1);
  return out.Take();
}

std::vector<std::uint8_t> EncodeIcon8(const QImage& source, const ColourCube& cube) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const int side = image.width();
  const IndexedFrame pixels = ReduceToCube(image, cube);
  const std::vector<Rgb> table = CubeColours(cube, kTableEntries);
  const std::uint32_t size = kInfoHeaderSize + kTableEntries * 4 +
                             (RowStride(side, 8) + RowStride(side, 1)) * static_cast<std::uint32_t>(side);
  LittleEndianBytes out;
  PutIconDirectory(out, side, kTableEntries, 8, size);
  PutInfoHeader(out, side, side * 2, 8, kTableEntries);
  PutTable(out, table);
  for (int y = side - 1; y >= 0; --y) {
    const std::size_t rowStart = out.Size();
    for (int x = 0; x < side; ++x) out.U8(pixels.indices[static_cast<std::size_t>(y) * side + x]);
    out.PadFrom(rowStart, kRowAlignment);
  }
  PutMask(out, image, kMostlyTransparent);
  return out.Take();
}

}  // namespace chatmock::bench
