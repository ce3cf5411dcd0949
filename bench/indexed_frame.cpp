#include "bench/indexed_frame.h"

#include <algorithm>

namespace chatmock::bench {
namespace {

constexpr int kBayerSide = 4;
constexpr std::array<int, kBayerSide * kBayerSide> kBayer = {0, 8,  2,  10, 12, 4,  14, 6,
                                                             3, 11, 1,  9,  15, 7,  13, 5};
constexpr int kFullIntensity = 255;

std::uint8_t LevelValue(int level, int levels) {
  return static_cast<std::uint8_t>(level * kFullIntensity / (levels - 1));
}

// The threshold spreads over one quantisation step, so flat areas between
// two levels turn into the regular patterns dithering is known for.
int DitheredLevel(int value, int levels, int threshold) {
  const int step = kFullIntensity / (levels - 1);
  return std::min((value + threshold * step / (kBayerSide * kBayerSide)) / step, levels - 1);
}

}  // namespace

std::vector<Rgb> CubeColours(const ColourCube& cube, int tableSize) {
  std::vector<Rgb> colours(static_cast<std::size_t>(std::max(tableSize, cube.Entries())),
                           Rgb{0, 0, 0});
  std::size_t at = 0;
  for (int r = 0; r < cube.redLevels; ++r) {
    for (int g = 0; g < cube.greenLevels; ++g) {
      for (int b = 0; b < cube.blueLevels; ++b) {
        colours[at++] = Rgb{LevelValue(r, cube.redLevels), LevelValue(g, cube.greenLevels),
                            LevelValue(b, cube.blueLevels)};
      }
    }
  }
  return colours;
}

IndexedFrame ReduceToCube(const QImage& image, const ColourCube& cube) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  IndexedFrame frame{rgb.width(), rgb.height(), {}};
  frame.indices.resize(static_cast<std::size_t>(frame.width) * frame.height);
  for (int y = 0; y < frame.height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < frame.width; ++x) {
      const int threshold = kBayer[(y % kBayerSide) * kBayerSide + x % kBayerSide];
      const int r = DitheredLevel(qRed(row[x]), cube.redLevels, threshold);
      const int g = DitheredLevel(qGreen(row[x]), cube.greenLevels, threshold);
      const int b = DitheredLevel(qBlue(row[x]), cube.blueLevels, threshold);
      frame.indices[static_cast<std::size_t>(y) * frame.width + x] =
          static_cast<std::uint8_t>((r * cube.greenLevels + g) * cube.blueLevels + b);
    }
  }
  return frame;
}

}  // namespace chatmock::bench
