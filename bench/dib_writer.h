#pragma once
// Writes BMP files and single-entry ICO files, the layouts Windows tools
// produce: bottom-up rows padded to four bytes, a 40-byte info header, and
// for icons the doubled height with a 1-bit AND mask after the colours.

#include <QImage>

#include <cstdint>
#include <vector>

#include "bench/indexed_frame.h"

namespace chatmock::bench {

std::vector<std::uint8_t> EncodeBmp24(const QImage& image);
std::vector<std::uint8_t> EncodeBmp8(const IndexedFrame& pixels, const std::vector<Rgb>& table);

// 32 bits with the picture's own alpha, the mask set where alpha is zero.
std::vector<std::uint8_t> EncodeIcon32(const QImage& image);
// A 256-colour icon whose mask hides the pixels that are mostly transparent.
std::vector<std::uint8_t> EncodeIcon8(const QImage& image, const ColourCube& cube);

}  // namespace chatmock::bench
