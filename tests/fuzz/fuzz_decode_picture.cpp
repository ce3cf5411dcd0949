// Detection and every decoder, on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "pictures/decode/decode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chatmock::pictures;
  const std::span<const std::uint8_t> bytes(data, size);
  DetectPictureKind(bytes);
  const std::optional<DecodedPicture> picture = DecodePicture(bytes);
  if (picture) {
    // A picture that breaks its own promises is as bad as a crash.
    const bool sane = picture->width > 0 && picture->height > 0 &&
                      picture->width <= kMaxPictureSide && picture->height <= kMaxPictureSide &&
                      picture->pixels.size() ==
                          static_cast<std::size_t>(picture->width) * picture->height;
    if (!sane) std::abort();
  }
  return 0;
}
