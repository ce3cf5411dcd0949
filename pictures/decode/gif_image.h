#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "pictures/decode/gif_file.h"

namespace chatmock::pictures {

inline constexpr std::size_t kGifPaletteCapacity = 256;

// Indices past the file's table are opaque black; an image without any
// table is shown as a grey ramp (index i -> grey i).
using GifPalette = std::array<std::uint32_t, kGifPaletteCapacity>;
GifPalette ReadGifPalette(std::span<const std::uint8_t> bytes, const GifImage& image);

// Decodes the top `rows` rows of one image's colour indices into `indices`
// (width*rows, top row first, interlacing undone); rows that would fall off
// the canvas need not be decoded. Pixels the data never reaches are index 0.
// `scratch` is reused between calls to spare allocations.
void DecodeGifIndices(std::span<const std::uint8_t> bytes, const GifImage& image, int rows,
                      std::vector<std::uint8_t>& indices, std::vector<std::uint8_t>& scratch);

}  // namespace chatmock::pictures
