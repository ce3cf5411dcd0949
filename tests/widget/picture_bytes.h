#pragma once
// Small picture files made in memory, so that each test shows the exact
// pixels it checks.

#include <QColor>
#include <QImage>

#include <cstdint>
#include <span>
#include <vector>

namespace chatmock::testing_support {

using Bytes = std::vector<std::uint8_t>;

// An uncompressed 24-bit BMP, stored bottom row first as most files are.
Bytes BmpBytes(const QImage& image);
// Through Qt's own writers: formats the program must (JPEG) or must not (PNG) show.
Bytes JpegBytes(const QImage& image);
Bytes PngBytes(const QImage& image);

// A one-entry icon of 32 bits per pixel: the image's alpha as the entry's
// own, and an AND mask set where the alpha is 0.
Bytes IconBytes(const QImage& image);

struct GifFrame {
  std::vector<std::uint8_t> indices;  // width*height palette indices, top row first
  int delayCentiseconds;
};
// A GIF89a with a 256-entry global colour table (the palette, padded with
// black) and one full-screen image per frame, each with its own delay.
Bytes GifBytes(int width, int height, std::span<const QRgb> palette, std::span<const GifFrame> frames);

QImage SolidImage(int width, int height, QColor colour);
// Left half, right half.
QImage HalvesImage(int width, int height, QColor left, QColor right);
// Top-left, top-right, bottom-left, bottom-right quarters.
QImage QuartersImage(int width, int height, QColor topLeft, QColor topRight, QColor bottomLeft,
                     QColor bottomRight);
// Every pixel its own colour, a function of its place: tells cut-outs apart.
QImage CoordinateImage(int width, int height);
QRgb CoordinateColour(int x, int y);

}  // namespace chatmock::testing_support
