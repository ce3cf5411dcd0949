#include "tools/decode-picture/ppm_file.h"

#include <fstream>
#include <vector>

namespace chatmock::tools {
namespace {

constexpr unsigned kFull = 255;

std::uint8_t BlendOnWhite(std::uint32_t channel, std::uint32_t alpha) {
  return static_cast<std::uint8_t>((channel * alpha + kFull * (kFull - alpha) + kFull / 2) / kFull);
}

}  // namespace

bool WritePpmOnWhite(const std::string& path, int width, int height,
                     std::span<const std::uint32_t> pixels) {
  std::vector<std::uint8_t> rgb;
  rgb.reserve(pixels.size() * 3);
  for (std::uint32_t pixel : pixels) {
    const std::uint32_t alpha = pixel >> 24;
    rgb.push_back(BlendOnWhite((pixel >> 16) & 0xFF, alpha));
    rgb.push_back(BlendOnWhite((pixel >> 8) & 0xFF, alpha));
    rgb.push_back(BlendOnWhite(pixel & 0xFF, alpha));
  }
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << width << ' ' << height << "\n255\n";
  out.write(reinterpret_cast<const char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
  return static_cast<bool>(out);
}

}  // namespace chatmock::tools
