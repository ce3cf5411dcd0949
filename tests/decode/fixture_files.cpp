#include "tests/decode/fixture_files.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace chatmock::pictures::testing {

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::string FixturePath(const std::string& name) {
  return std::string(CHATMOCK_DECODE_FIXTURES) + "/" + name;
}

std::vector<std::uint8_t> ReadFixture(const std::string& name) {
  return ReadFileBytes(FixturePath(name));
}

RgbPicture ParsePpm(const std::vector<std::uint8_t>& bytes) {
  const std::string text(bytes.begin(), bytes.end());
  std::istringstream header(text);
  std::string magic;
  int width = 0;
  int height = 0;
  int maxValue = 0;
  header >> magic >> width >> height >> maxValue;
  if (!header || magic != "P6" || maxValue != 255 || width <= 0 || height <= 0) return {};
  const std::size_t start = static_cast<std::size_t>(header.tellg()) + 1;
  const std::size_t count = static_cast<std::size_t>(width) * height;
  if (bytes.size() < start + count * 3) return {};
  RgbPicture picture{width, height, std::vector<std::uint32_t>(count)};
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* rgb = bytes.data() + start + i * 3;
    picture.pixels[i] = 0xFF000000u | (rgb[0] << 16) | (rgb[1] << 8) | rgb[2];
  }
  return picture;
}

}  // namespace chatmock::pictures::testing
