#pragma once
// Whole pictures that the checks serve, cut or not: the program's own chat
// frame as a JPEG, and a small paletted BMP and a two-frame GIF made by the
// decoder tests' writers.

#include <cstdint>
#include <vector>

namespace chatmock::reliability {

using PictureBytes = std::vector<std::uint8_t>;

PictureBytes ChatFrameJpeg();
PictureBytes PalettedBmp();
PictureBytes TwoFrameGif();

}  // namespace chatmock::reliability
