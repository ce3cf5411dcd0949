#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace chatmock::testing {

struct PngHeader {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int bitDepth = 0;
  int colourType = 0;
};

// Reads the IHDR chunk that must follow the PNG signature. A stream that
// is short or starts otherwise yields nothing and *error says why.
std::optional<PngHeader> readPngHeader(std::span<const std::uint8_t> bytes, std::string *error);

}  // namespace chatmock::testing
