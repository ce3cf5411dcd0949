#pragma once

#include <cstdint>
#include <span>

#include "pictures/decode/byte_reader.h"

namespace chatmock::pictures {

// Decodes GIF LZW data held in sub-blocks (`blocks` starts at the first
// sub-block size byte) into `out`. Stops at the end code, at the end of the
// data, at an impossible code, or when `out` is full; pixels it never
// reaches keep whatever `out` held. Returns how many pixels it wrote.
std::size_t DecodeGifLzw(ByteReader blocks, int minCodeSize, std::span<std::uint8_t> out);

}  // namespace chatmock::pictures
