#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "tests/decode/writers/byte_sink.h"

// Writes the DIB part shared by BMP files and icon entries, so tests can
// state a picture as a function of (x, y) and check the decoder against it.
namespace chatmock::pictures::testing {

struct DibPlan {
  int width = 0;
  int height = 0;  // as stored: negative means top row first
  int bits = 24;
  std::uint32_t headerSize = 40;
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;
  std::vector<std::uint32_t> palette;  // 0xRRGGBB, written as B, G, R, 0
  // Top row first. For up to 8 bits: the index; otherwise 0xAARRGGBB (alpha
  // only written at 32 bits).
  std::function<std::uint32_t(int x, int y)> pixel;
};

// Header + palette + rows. `rows` is the number of rows written (the header
// may say otherwise, as icons do).
Bytes MakeDib(const DibPlan& plan, int rows);

// 1-bit rows, each padded to 4 bytes, bottom row first; `bit(x, y)` top row first.
Bytes MakeMaskRows(int width, int height, const std::function<bool(int x, int y)>& bit);

}  // namespace chatmock::pictures::testing
