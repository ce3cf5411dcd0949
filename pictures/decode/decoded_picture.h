#pragma once

#include <cstdint>
#include <vector>

namespace chatmock::pictures {

enum class PictureKind { Jpeg, Bmp, Icon, Cursor, Gif, Pcx8, Pcx1 };

// "Jpeg", "Bmp", "Icon", "Cursor", "Gif", "Pcx8", "Pcx1".
const char* PictureKindName(PictureKind kind);

// Pictures come from servers we do not control; these caps keep a few header
// bytes from making the program allocate gigabytes.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPicturePixels = 64LL * 1024 * 1024;

struct DecodedPicture {
  PictureKind kind;
  int width = 0;
  int height = 0;
  bool hasMask = false;               // Icon and Cursor: alpha is the mask (or the entry's own alpha)
  std::vector<std::uint32_t> pixels;  // width*height, row-major top row first, 0xAARRGGBB non-premultiplied; alpha 0xFF unless hasMask
};

}  // namespace chatmock::pictures
