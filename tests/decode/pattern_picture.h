#pragma once

#include <cstdint>

// The picture fixtures/make_pattern.py draws; the GIF fixtures hold it.
namespace chatmock::pictures::testing {

inline int PatternIndex(int x, int y) { return (x * x + 3 * y * y + x * y + 7 * x) % 251; }

inline std::uint32_t PatternColour(int index) {
  const std::uint32_t red = (index * 37) % 256;
  const std::uint32_t green = (index * 91) % 256;
  const std::uint32_t blue = (index * 53) % 256;
  return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

}  // namespace chatmock::pictures::testing
