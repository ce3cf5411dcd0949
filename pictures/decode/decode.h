#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "pictures/decode/decoded_picture.h"

namespace chatmock::pictures {

// Looks only at the first bytes; fewer than six bytes are never a picture.
std::optional<PictureKind> DetectPictureKind(std::span<const std::uint8_t> bytes);

// Detection picks the decoder; when that decoder fails there is no picture
// (no second guess with another format). A GIF gives its still picture.
std::optional<DecodedPicture> DecodePicture(std::span<const std::uint8_t> bytes);

}  // namespace chatmock::pictures
