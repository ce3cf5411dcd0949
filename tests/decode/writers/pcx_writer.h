#pragma once

#include <optional>

#include "tests/decode/writers/byte_sink.h"

namespace chatmock::pictures::testing {

struct PcxPlan {
  unsigned version = 5;
  unsigned bitsPerPixel = 8;
  unsigned planes = 1;
  unsigned xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  unsigned bytesPerLine = 0;
  std::vector<Bytes> rows;  // decoded scan lines, bytesPerLine each
  std::optional<std::vector<std::uint32_t>> palette;  // 256 x 0xRRGGBB after the marker 12
};

// Run-length codes the rows; a byte above 192 always goes out as a run so
// that it cannot be taken for a run marker.
Bytes EncodePcxRuns(const Bytes& decoded);
Bytes MakePcx(const PcxPlan& plan);

}  // namespace chatmock::pictures::testing
