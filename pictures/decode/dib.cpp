#include "pictures/decode/dib.h"

#include <algorithm>

#include "pictures/decode/picture_size.h"

namespace chatmock::pictures {
namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::size_t kImageSizeAndResolutionBytes = 12;
constexpr std::size_t kPaletteEntryBytes = 4;
constexpr int kBitsPerByte = 8;
constexpr int kRowAlignmentBits = 32;
constexpr int kRowAlignmentBytes = 4;

bool IsSupportedDepth(std::uint16_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

std::uint32_t ReadBgr(ByteReader& row) {
  const std::uint32_t blue = row.U8();
  const std::uint32_t green = row.U8();
  const std::uint32_t red = row.U8();
  return OpaqueRgb(red, green, blue);
}

// One palette lookup a byte: the common case, worth its own loop.
void ReadByteIndexedRow(const ByteReader& row, std::int64_t width, const DibPalette& palette,
                        std::uint32_t* out) {
  const std::span<const std::uint8_t> bytes = row.Rest();
  const std::size_t count = std::min(bytes.size(), static_cast<std::size_t>(width));
  static_assert(kDibPaletteCapacity > 0xFF, "any byte must be a valid palette index");
  for (std::size_t x = 0; x < count; ++x) out[x] = palette[bytes[x]];
}

void ReadIndexedRow(ByteReader& row, int bits, std::int64_t width, const DibPalette& palette,
                    std::uint32_t* out) {
  if (bits == kBitsPerByte && row.Remaining() >= static_cast<std::uint64_t>(width)) {
    ReadByteIndexedRow(row, width, palette, out);
    return;
  }
  const unsigned mask = (1u << bits) - 1;
  const int pixelsPerByte = kBitsPerByte / bits;
  std::int64_t x = 0;
  while (x < width) {
    const unsigned byte = row.U8();
    // The leftmost pixel sits in the most significant bits.
    for (int slot = 0; slot < pixelsPerByte && x < width; ++slot, ++x) {
      const int shift = kBitsPerByte - bits * (slot + 1);
      out[x] = palette[(byte >> shift) & mask];
    }
  }
}

void ReadDirectRow(ByteReader& row, int bits, std::int64_t width, bool keepAlpha,
                   std::uint32_t* out) {
  for (std::int64_t x = 0; x < width; ++x) {
    std::uint32_t pixel = ReadBgr(row);
    if (bits == 32) {
      const std::uint32_t alpha = row.U8();
      if (keepAlpha) pixel = WithAlpha(pixel, alpha);
    }
    out[x] = pixel;
  }
}

}  // namespace

std::optional<DibHeader> ReadDibHeader(ByteReader& reader) {
  const std::size_t start = reader.Position();
  DibHeader header;
  header.headerSize = reader.U32();
  const std::int64_t width = reader.I32();
  const std::int64_t height = reader.I32();
  reader.U16();  // planes: always 1 in practice and of no use here
  header.bitsPerPixel = reader.U16();
  header.compression = reader.U32();
  reader.Skip(kImageSizeAndResolutionBytes);
  header.colorsUsed = reader.U32();
  reader.U32();  // important colours
  if (!reader.Ok() || header.headerSize < kInfoHeaderSize) return std::nullopt;
  // Later header versions only add fields after the first 40 bytes.
  if (!reader.Seek(start + header.headerSize)) return std::nullopt;
  if (header.compression != kUncompressed || !IsSupportedDepth(header.bitsPerPixel)) {
    return std::nullopt;
  }
  header.width = width < 0 ? -width : width;
  header.height = height < 0 ? -height : height;
  header.topDown = height < 0;
  return header;
}

std::size_t DibPaletteEntries(const DibHeader& header) {
  if (header.bitsPerPixel > kBitsPerByte) return 0;
  const std::size_t full = std::size_t{1} << header.bitsPerPixel;
  if (header.colorsUsed == 0 || header.colorsUsed > full) return full;
  return header.colorsUsed;
}

std::optional<DibPalette> ReadDibPalette(ByteReader& reader, const DibHeader& header) {
  DibPalette palette;
  palette.fill(kOpaqueBlack);
  const std::size_t entries = DibPaletteEntries(header);
  ByteReader table = reader.Take(entries * kPaletteEntryBytes);
  for (std::size_t i = 0; i < entries; ++i) {
    palette[i] = ReadBgr(table);
    table.U8();
  }
  if (!table.Ok()) return std::nullopt;
  return palette;
}

std::int64_t DibRowStride(std::int64_t width, int bitsPerPixel) {
  const std::int64_t bits = width * bitsPerPixel;
  return (bits + kRowAlignmentBits - 1) / kRowAlignmentBits * kRowAlignmentBytes;
}

bool ReadDibRows(ByteReader& reader, const DibHeader& header, std::int64_t height,
                 const DibPalette& palette, bool keepAlpha, std::uint32_t* pixels) {
  const std::int64_t stride = DibRowStride(header.width, header.bitsPerPixel);
  if (static_cast<std::uint64_t>(stride * height) > reader.Remaining()) return false;
  const int bits = header.bitsPerPixel;
  for (std::int64_t fileRow = 0; fileRow < height; ++fileRow) {
    const std::int64_t y = header.topDown ? fileRow : height - 1 - fileRow;
    std::uint32_t* out = pixels + y * header.width;
    ByteReader row = reader.Take(static_cast<std::size_t>(stride));
    if (bits <= kBitsPerByte) {
      ReadIndexedRow(row, bits, header.width, palette, out);
    } else {
      ReadDirectRow(row, bits, header.width, keepAlpha, out);
    }
    if (!row.Ok()) return false;
  }
  return true;
}

}  // namespace chatmock::pictures
