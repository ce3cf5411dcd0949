#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The block structure of a GIF: the logical screen and, for each image,
// where its pieces lie in the file and which graphic control applies to it.
// Pixel data is left compressed; it is decoded only when an image is drawn.
namespace chatmock::pictures {

inline constexpr int kGifNoTransparency = -1;

struct GifImage {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool interlaced = false;
  std::size_t tableOffset = 0;  // colour table (local, else global) in the file
  int tableEntries = 0;         // 0: the file has no table for this image
  int minCodeSize = 0;
  std::size_t dataOffset = 0;  // first data sub-block
  int delayMs = 0;
  int disposal = 0;
  int transparentIndex = kGifNoTransparency;
};

struct GifFile {
  int width = 0;  // logical screen, or the first image's size when the screen has none
  int height = 0;
  std::vector<GifImage> images;  // never empty
};

// Collects up to `maxImages` images, stopping at the trailer, at a zero byte
// where a block should start, at the end of the data or at a damaged image.
// No value when the bytes are not a GIF or the first image is damaged.
std::optional<GifFile> ParseGifFile(std::span<const std::uint8_t> bytes, std::size_t maxImages);

}  // namespace chatmock::pictures
