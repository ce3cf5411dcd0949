#include "pictures/decode/decode.h"

#include <array>

#include "pictures/decode/byte_reader.h"
#include "pictures/decode/format_decoders.h"

namespace chatmock::pictures {
namespace {

constexpr std::size_t kMinDetectableBytes = 6;
constexpr std::uint16_t kIconDirectoryType = 1;
constexpr std::uint16_t kCursorDirectoryType = 2;
constexpr std::uint8_t kPcxManufacturer = 0x0A;
constexpr std::uint8_t kPcxRunLengthEncoding = 0x01;
constexpr std::uint8_t kPcx8HighestVersion = 5;
constexpr std::uint8_t kPcx1Version = 3;

constexpr std::array<std::uint8_t, 2> kBmpMagic = {'B', 'M'};
constexpr std::array<std::uint8_t, 2> kJpegMagic = {0xFF, 0xD8};
constexpr std::array<std::uint8_t, 6> kGif87Magic = {'G', 'I', 'F', '8', '7', 'a'};
constexpr std::array<std::uint8_t, 6> kGif89Magic = {'G', 'I', 'F', '8', '9', 'a'};

std::optional<PictureKind> DetectIconDirectory(std::span<const std::uint8_t> bytes) {
  ByteReader reader(bytes);
  const std::uint16_t reserved = reader.U16();
  const std::uint16_t type = reader.U16();
  const std::uint16_t count = reader.U16();
  if (!reader.Ok() || reserved != 0 || count == 0) return std::nullopt;
  if (type == kIconDirectoryType) return PictureKind::Icon;
  if (type == kCursorDirectoryType) return PictureKind::Cursor;
  return std::nullopt;
}

std::optional<PictureKind> DetectPcx(std::span<const std::uint8_t> bytes) {
  ByteReader reader(bytes);
  const std::uint8_t manufacturer = reader.U8();
  const std::uint8_t version = reader.U8();
  const std::uint8_t encoding = reader.U8();
  const std::uint8_t bitsPerPixel = reader.U8();
  if (!reader.Ok() || manufacturer != kPcxManufacturer || encoding != kPcxRunLengthEncoding) {
    return std::nullopt;
  }
  if (version <= kPcx8HighestVersion && bitsPerPixel == 8) return PictureKind::Pcx8;
  if (version == kPcx1Version && bitsPerPixel == 1) return PictureKind::Pcx1;
  return std::nullopt;
}

}  // namespace

std::optional<PictureKind> DetectPictureKind(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kMinDetectableBytes) return std::nullopt;
  const ByteReader start(bytes);
  if (start.StartsWith(kBmpMagic)) return PictureKind::Bmp;
  if (start.StartsWith(kJpegMagic)) return PictureKind::Jpeg;
  if (auto icon = DetectIconDirectory(bytes)) return icon;
  if (start.StartsWith(kGif87Magic) || start.StartsWith(kGif89Magic)) return PictureKind::Gif;
  return DetectPcx(bytes);
}

std::optional<DecodedPicture> DecodePicture(std::span<const std::uint8_t> bytes) {
  const std::optional<PictureKind> kind = DetectPictureKind(bytes);
  if (!kind) return std::nullopt;
  switch (*kind) {
    case PictureKind::Jpeg: return DecodeJpeg(bytes);
    case PictureKind::Bmp: return DecodeBmp(bytes);
    case PictureKind::Icon:
    case PictureKind::Cursor: return DecodeIcon(bytes, *kind);
    case PictureKind::Gif: return DecodeGifStill(bytes);
    case PictureKind::Pcx8:
    case PictureKind::Pcx1: return DecodePcx(bytes, *kind);
  }
  return std::nullopt;
}

}  // namespace chatmock::pictures
