#include "pictures/decode/byte_reader.h"
#include "pictures/decode/dib.h"
#include "pictures/decode/format_decoders.h"
#include "pictures/decode/picture_size.h"

namespace chatmock::pictures {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kMagicBytes = 2;
constexpr std::size_t kPaletteEntryBytes = 4;

struct BmpFileHeader {
  std::uint32_t dataOffset = 0;
};

std::optional<BmpFileHeader> ReadFileHeader(ByteReader& reader) {
  reader.Skip(kMagicBytes);  // "BM", checked by detection
  reader.U32();    // file size: often wrong, never needed
  reader.U32();    // reserved
  BmpFileHeader header;
  header.dataOffset = reader.U32();
  if (!reader.Ok()) return std::nullopt;
  return header;
}

}  // namespace

std::optional<DecodedPicture> DecodeBmp(std::span<const std::uint8_t> bytes) {
  ByteReader reader(bytes);
  const std::optional<BmpFileHeader> file = ReadFileHeader(reader);
  if (!file) return std::nullopt;
  const std::optional<DibHeader> header = ReadDibHeader(reader);
  if (!header || !IsAllowedPictureSize(header->width, header->height)) return std::nullopt;
  const std::optional<DibPalette> palette = ReadDibPalette(reader, *header);
  if (!palette) return std::nullopt;

  const std::uint64_t paletteEnd =
      kFileHeaderSize + std::uint64_t{header->headerSize} +
      DibPaletteEntries(*header) * kPaletteEntryBytes;
  if (file->dataOffset < paletteEnd || !reader.Seek(file->dataOffset)) return std::nullopt;
  // Refuse before allocating when the rows cannot all be there.
  const std::int64_t stride = DibRowStride(header->width, header->bitsPerPixel);
  if (static_cast<std::uint64_t>(stride * header->height) > reader.Remaining()) {
    return std::nullopt;
  }

  std::optional<DecodedPicture> picture =
      MakePicture(PictureKind::Bmp, header->width, header->height);
  if (!picture) return std::nullopt;
  if (!ReadDibRows(reader, *header, header->height, *palette, false, picture->pixels.data())) {
    return std::nullopt;
  }
  return picture;
}

}  // namespace chatmock::pictures
