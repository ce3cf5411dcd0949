#pragma once

#include "tests/decode/writers/byte_sink.h"

namespace chatmock::pictures::testing {

struct IconEntryPlan {
  std::uint8_t widthByte = 0;
  std::uint8_t heightByte = 0;
  std::uint8_t colourByte = 0;
  Bytes image;  // a DIB with mask, or PNG bytes
};

// type 1: icon, 2: cursor. Images follow the directory in entry order.
Bytes MakeIconFile(unsigned type, const std::vector<IconEntryPlan>& entries);

}  // namespace chatmock::pictures::testing
