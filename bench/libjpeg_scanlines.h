#pragma once
// The reference for JPEG decoding: libjpeg-turbo used the plain way, with
// its default settings and one scanline at a time into an RGB buffer.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace chatmock::bench {

struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // 3 bytes a pixel, top row first
};

std::optional<RgbPicture> DecodeWithLibjpeg(std::span<const std::uint8_t> bytes);

}  // namespace chatmock::bench
