#pragma once

#include <cstdint>
#include <optional>

#include "pictures/decode/decoded_picture.h"

namespace chatmock::pictures {

// Decoders take sizes from untrusted headers as 64-bit values, so that
// negation and multiplication cannot overflow before this check.
inline bool IsAllowedPictureSize(std::int64_t width, std::int64_t height) {
  if (width <= 0 || height <= 0) return false;
  if (width > kMaxPictureSide || height > kMaxPictureSide) return false;
  return width * height <= kMaxPicturePixels;
}

inline constexpr std::uint32_t kOpaqueBlack = 0xFF000000u;
inline constexpr std::uint32_t kOpaqueWhite = 0xFFFFFFFFu;

inline constexpr int kAlphaShift = 24;
inline constexpr std::uint32_t kRgbBits = 0x00FFFFFFu;

inline std::uint32_t WithAlpha(std::uint32_t pixel, std::uint32_t alpha) {
  return (pixel & kRgbBits) | (alpha << kAlphaShift);
}

inline std::uint32_t OpaqueRgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return kOpaqueBlack | (red << 16) | (green << 8) | blue;
}

// Allocates the pixel buffer only once the size has passed the limits.
inline std::optional<DecodedPicture> MakePicture(PictureKind kind, std::int64_t width,
                                                 std::int64_t height,
                                                 std::uint32_t fill = kOpaqueBlack) {
  if (!IsAllowedPictureSize(width, height)) return std::nullopt;
  DecodedPicture picture{};
  picture.kind = kind;
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  picture.pixels.assign(static_cast<std::size_t>(width * height), fill);
  return picture;
}

}  // namespace chatmock::pictures
