#include <algorithm>
#include <vector>

#include "pictures/decode/format_decoders.h"
#include "pictures/decode/gif_file.h"
#include "pictures/decode/gif_image.h"
#include "pictures/decode/picture_size.h"

namespace chatmock::pictures {

// The still picture is the first image at the top-left corner of a white
// screen; its offset and transparency play no part.
std::optional<DecodedPicture> DecodeGifStill(std::span<const std::uint8_t> bytes) {
  const std::optional<GifFile> file = ParseGifFile(bytes, 1);
  if (!file) return std::nullopt;
  std::optional<DecodedPicture> picture =
      MakePicture(PictureKind::Gif, file->width, file->height, kOpaqueWhite);
  if (!picture) return std::nullopt;

  const GifImage& image = file->images.front();
  const GifPalette palette = ReadGifPalette(bytes, image);
  const int width = std::min(image.width, picture->width);
  const int height = std::min(image.height, picture->height);
  std::vector<std::uint8_t> indices;
  std::vector<std::uint8_t> scratch;
  DecodeGifIndices(bytes, image, height, indices, scratch);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* from = indices.data() + static_cast<std::size_t>(y) * image.width;
    std::uint32_t* to = picture->pixels.data() + static_cast<std::size_t>(y) * picture->width;
    for (int x = 0; x < width; ++x) to[x] = palette[from[x]];
  }
  return picture;
}

}  // namespace chatmock::pictures
