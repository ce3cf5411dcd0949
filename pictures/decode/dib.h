#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "pictures/decode/byte_reader.h"

// The device-independent bitmap layout that BMP files and icon entries share:
// an info header, a palette, then rows padded to four bytes, bottom row first
// unless the height is negative.
namespace chatmock::pictures {

inline constexpr std::size_t kDibPaletteCapacity = 256;

// Entries past what the file supplies stay opaque black, so any 8-bit index
// is a safe lookup.
using DibPalette = std::array<std::uint32_t, kDibPaletteCapacity>;

struct DibHeader {
  std::uint32_t headerSize = 0;
  std::int64_t width = 0;   // absolute value
  std::int64_t height = 0;  // absolute value
  bool topDown = false;     // the header gave a negative height
  std::uint16_t bitsPerPixel = 0;
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;
};

// Reads the whole header (the first 40 bytes are understood, the rest of a
// larger header is skipped). Rejects short headers and anything but
// uncompressed 1, 4, 8, 24 or 32 bits per pixel.
std::optional<DibHeader> ReadDibHeader(ByteReader& reader);

// How many palette entries the header asks for: the colour count, or
// 2^bits when it is 0. A count above 2^bits is clamped to 2^bits, since the
// extra entries could never be indexed. 0 for 24 and 32 bits.
std::size_t DibPaletteEntries(const DibHeader& header);

// Reads DibPaletteEntries() entries of B, G, R, unused.
std::optional<DibPalette> ReadDibPalette(ByteReader& reader, const DibHeader& header);

std::int64_t DibRowStride(std::int64_t width, int bitsPerPixel);

// Decodes `height` rows (each `DibRowStride` bytes) into `pixels`, top row
// first in the output. With `keepAlpha` a 32-bit pixel keeps its fourth byte
// as alpha; otherwise every pixel is opaque. False when the rows run out.
bool ReadDibRows(ByteReader& reader, const DibHeader& header, std::int64_t height,
                 const DibPalette& palette, bool keepAlpha, std::uint32_t* pixels);

}  // namespace chatmock::pictures
