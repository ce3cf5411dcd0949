#pragma once
// Palette reduction the way GIF and 8-bit BMP writers do it: a colour cube
// and ordered dithering, which leaves the fine pixel noise that real
// palette pictures carry (and that makes their compressed data realistic).

#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

namespace chatmock::bench {

struct Rgb {
  std::uint8_t red, green, blue;
  bool operator==(const Rgb&) const = default;
};

struct ColourCube {
  int redLevels, greenLevels, blueLevels;
  int Entries() const { return redLevels * greenLevels * blueLevels; }
};

// 252 colours, leaving room for a transparent entry in a 256-entry table.
inline constexpr ColourCube kGlobalCube{6, 7, 6};
// A different table, so frames that carry their own really differ.
inline constexpr ColourCube kLocalCube{8, 8, 4};

struct IndexedFrame {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> indices;  // width*height, top row first
};

// The cube's colours, padded with black to `tableSize` entries.
std::vector<Rgb> CubeColours(const ColourCube& cube, int tableSize);

IndexedFrame ReduceToCube(const QImage& image, const ColourCube& cube);

}  // namespace chatmock::bench
