// A small 8-bit paletted BMP: an odd width, so every row carries padding.

#include <cstdint>

#include "tests/reliability/little_endian.h"
#include "tests/reliability/picture_samples.h"

namespace chatmock::reliability {
namespace {

constexpr int kWidth = 37, kHeight = 23;
constexpr unsigned kFileHeaderBytes = 14, kInfoHeaderBytes = 40;
constexpr unsigned kPaletteEntries = 8, kPaletteEntryBytes = 4;
constexpr unsigned kBitsPerPixel = 8;
constexpr std::uint32_t kPixelsPerMetre = 2835;
constexpr std::uint32_t kPalette[kPaletteEntries] = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                                     0xFFFF00, 0x00FFFF, 0xFF00FF, 0xFFFFFF};

unsigned RowBytes() { return (kWidth + 3) / 4 * 4; }

}  // namespace

PictureBytes PalettedBmp() {
  const unsigned pixelOffset = kFileHeaderBytes + kInfoHeaderBytes + kPaletteEntries * kPaletteEntryBytes;
  const unsigned pixelBytes = RowBytes() * kHeight;
  PictureBytes out = {'B', 'M'};
  PutDword(out, pixelOffset + pixelBytes);
  PutDword(out, 0);
  PutDword(out, pixelOffset);
  PutDword(out, kInfoHeaderBytes);
  PutDword(out, kWidth);
  PutDword(out, kHeight);  // positive: bottom row first
  PutWord(out, 1);
  PutWord(out, kBitsPerPixel);
  PutDword(out, 0);  // no compression
  PutDword(out, pixelBytes);
  PutDword(out, kPixelsPerMetre);
  PutDword(out, kPixelsPerMetre);
  PutDword(out, kPaletteEntries);
  PutDword(out, 0);
  for (const std::uint32_t colour : kPalette) {
    PutByte(out, colour);
    PutByte(out, colour >> 8);
    PutByte(out, colour >> 16);
    PutByte(out, 0);
  }
  for (int row = kHeight - 1; row >= 0; --row) {
    for (int x = 0; x < kWidth; ++x) PutByte(out, static_cast<unsigned>(x + 2 * row) % kPaletteEntries);
    for (unsigned pad = kWidth; pad < RowBytes(); ++pad) PutByte(out, 0);
  }
  return out;
}

}  // namespace chatmock::reliability
