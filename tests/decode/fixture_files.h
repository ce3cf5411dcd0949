#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace chatmock::pictures::testing {

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
std::vector<std::uint8_t> ReadFixture(const std::string& name);
std::string FixturePath(const std::string& name);

struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xFFRRGGBB
};

// Binary PPM (P6, maxval 255), as ImageMagick and decode-picture write it.
// Empty picture when the bytes are not such a file.
RgbPicture ParsePpm(const std::vector<std::uint8_t>& bytes);

}  // namespace chatmock::pictures::testing
