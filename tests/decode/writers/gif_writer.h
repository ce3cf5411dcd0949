#pragma once

#include <optional>
#include <span>

#include "tests/decode/writers/byte_sink.h"

namespace chatmock::pictures::testing {

struct GifControl {
  int delayCs = 0;
  int disposal = 0;
  int transparentIndex = -1;  // -1: flag not set
};

struct GifFramePlan {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> indices;   // top row first
  std::vector<std::uint32_t> localTable;  // 0xRRGGBB; empty: none
  bool interlaced = false;
  std::optional<GifControl> control;
};

struct GifPlan {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> globalTable;  // empty: none
  std::vector<GifFramePlan> frames;
  bool clearWhenFull = true;  // false: keep coding at 12 bits with a full table
  bool trailer = true;
};

// A real LZW coder with code-size growth, so decoding is tested against
// codes a decoder cannot predict from the pixels alone.
Bytes EncodeGifLzw(std::span<const std::uint8_t> indices, int minCodeSize, bool clearWhenFull);

Bytes MakeGif(const GifPlan& plan);

}  // namespace chatmock::pictures::testing
