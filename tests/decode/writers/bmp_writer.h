#pragma once

#include <optional>

#include "tests/decode/writers/dib_writer.h"

namespace chatmock::pictures::testing {

struct BmpPlan {
  DibPlan dib;
  std::uint32_t gapBeforeRows = 0;            // junk bytes between palette and rows
  std::optional<std::uint32_t> dataOffset;  // overrides the honest offset
};

Bytes MakeBmp(const BmpPlan& plan);

}  // namespace chatmock::pictures::testing
