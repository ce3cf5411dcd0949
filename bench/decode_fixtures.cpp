#include "bench/decode_fixtures.h"

#include <QImage>

#include "app/definition.h"
#include "bench/dib_writer.h"
#include "bench/show_figure.h"
#include "bench/show_gif.h"

namespace chatmock::bench {
namespace {

constexpr int kIconSide = 32;
constexpr int kTableEntries = 256;

QImage ChatFrameImage() {
  const std::span<const std::uint8_t> jpeg = ChatFrameJpeg();
  return QImage::fromData(jpeg.data(), static_cast<int>(jpeg.size()), "JPEG");
}

}  // namespace

std::span<const std::uint8_t> ChatFrameJpeg() { return StoredPictureBytes(StoredPicture::ChatFrame); }

std::vector<PictureFile> MakeDecodeFixtures() {
  const QImage avatar = DrawAvatarIcon(kIconSide);
  return {
      {"show_gif", "GIF", MakeShowGif(kShowFrames, kShowDelayCs)},
      {"still_gif", "GIF", MakeStillShowGif()},
      {"chat_frame_bmp24", "BMP", EncodeBmp24(ChatFrameImage())},
      {"show_bmp8", "BMP",
       EncodeBmp8(ReduceToCube(DrawShowFigure(0, 1), kGlobalCube), CubeColours(kGlobalCube, kTableEntries))},
      {"avatar_ico32", "ICO", EncodeIcon32(avatar)},
      {"avatar_ico8", "ICO", EncodeIcon8(avatar, kLocalCube)},
  };
}

}  // namespace chatmock::bench
