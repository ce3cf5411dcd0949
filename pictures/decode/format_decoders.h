#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "pictures/decode/decoded_picture.h"

// One entry point per picture format. Each takes the whole file and returns
// no picture for anything it cannot show; none of them throws.
namespace chatmock::pictures {

std::optional<DecodedPicture> DecodeJpeg(std::span<const std::uint8_t> bytes);
std::optional<DecodedPicture> DecodeBmp(std::span<const std::uint8_t> bytes);
std::optional<DecodedPicture> DecodeIcon(std::span<const std::uint8_t> bytes, PictureKind kind);
std::optional<DecodedPicture> DecodeGifStill(std::span<const std::uint8_t> bytes);
std::optional<DecodedPicture> DecodePcx(std::span<const std::uint8_t> bytes, PictureKind kind);

}  // namespace chatmock::pictures
