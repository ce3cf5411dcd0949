#include <array>
#include <vector>

#include "pictures/decode/byte_reader.h"
#include "pictures/decode/dib.h"
#include "pictures/decode/format_decoders.h"
#include "pictures/decode/picture_size.h"

// Icons and cursors share one layout: a directory of entries, each pointing
// at a DIB without file header whose height counts the colour image and the
// 1-bit AND mask below it. The cursor hot spot plays no part in showing it.
namespace chatmock::pictures {
namespace {

constexpr std::size_t kDirectoryHeaderSize = 6;
constexpr std::size_t kReservedAndTypeBytes = 4;
constexpr std::size_t kDirectoryEntrySize = 16;
constexpr std::uint8_t kPreferredEntryWidth = 32;
constexpr std::uint8_t kPreferredMinColours = 16;
constexpr int kMaskBitsPerPixel = 1;
constexpr std::uint32_t kTransparent = 0x00;
constexpr std::uint32_t kOpaque = 0xFF;
constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

struct IconEntry {
  std::uint8_t width = 0;
  std::uint8_t colours = 0;
  std::uint32_t offset = 0;
};

IconEntry ReadEntry(ByteReader& reader) {
  IconEntry entry;
  entry.width = reader.U8();
  reader.U8();  // height: the DIB header is the authority
  entry.colours = reader.U8();
  reader.U8();   // reserved
  reader.U16();  // planes, or the cursor's hot spot x
  reader.U16();  // bit count, or the cursor's hot spot y
  reader.U32();  // size: often wrong, the DIB header tells the layout
  entry.offset = reader.U32();
  return entry;
}

// The first 32-pixel-wide entry with at least 16 colours, else the last one.
std::optional<IconEntry> ChooseEntry(ByteReader& reader) {
  reader.Skip(kReservedAndTypeBytes);  // checked by detection
  const std::uint16_t count = reader.U16();
  if (!reader.Ok() || count == 0) return std::nullopt;
  ByteReader directory = reader.Take(count * kDirectoryEntrySize);
  IconEntry entry;
  for (std::uint16_t i = 0; i < count; ++i) {
    entry = ReadEntry(directory);
    if (!directory.Ok()) return std::nullopt;
    if (entry.width == kPreferredEntryWidth && entry.colours >= kPreferredMinColours) break;
  }
  return entry;
}

bool HasAnyAlpha(const std::vector<std::uint32_t>& pixels) {
  for (std::uint32_t pixel : pixels) {
    if (pixel >> kAlphaShift) return true;
  }
  return false;
}

// Mask bit 1 = transparent. The mask is a 1-bit DIB in its own right, so it
// is read through the same row code with a black/white palette.
bool ApplyAndMask(ByteReader& reader, const DibHeader& image, std::int64_t height,
                  std::vector<std::uint32_t>& pixels) {
  DibHeader mask = image;
  mask.bitsPerPixel = kMaskBitsPerPixel;
  DibPalette bits;
  bits.fill(0);
  bits[1] = 1;
  std::vector<std::uint32_t> maskBits(pixels.size());
  if (!ReadDibRows(reader, mask, height, bits, false, maskBits.data())) return false;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    pixels[i] = WithAlpha(pixels[i], maskBits[i] ? kTransparent : kOpaque);
  }
  return true;
}

std::optional<DecodedPicture> DecodeEntryImage(ByteReader& reader, PictureKind kind) {
  if (reader.StartsWith(kPngSignature)) return std::nullopt;
  const std::optional<DibHeader> header = ReadDibHeader(reader);
  if (!header) return std::nullopt;
  const std::int64_t height = header->height / 2;
  if (!IsAllowedPictureSize(header->width, height)) return std::nullopt;
  const std::optional<DibPalette> palette = ReadDibPalette(reader, *header);
  if (!palette) return std::nullopt;
  // The mask rows must be there even for a 32-bit entry with its own alpha:
  // a file cut short anywhere is no picture, which keeps the rule simple.
  const std::uint64_t needed =
      static_cast<std::uint64_t>(DibRowStride(header->width, header->bitsPerPixel) * height) +
      static_cast<std::uint64_t>(DibRowStride(header->width, kMaskBitsPerPixel) * height);
  if (needed > reader.Remaining()) return std::nullopt;

  std::optional<DecodedPicture> picture = MakePicture(kind, header->width, height);
  if (!picture) return std::nullopt;
  picture->hasMask = true;
  const bool ownAlpha = header->bitsPerPixel == 32;
  if (!ReadDibRows(reader, *header, height, *palette, ownAlpha, picture->pixels.data())) {
    return std::nullopt;
  }
  // A 32-bit entry whose alpha is all zero was written for the mask alone.
  if (ownAlpha && HasAnyAlpha(picture->pixels)) return picture;
  if (!ApplyAndMask(reader, *header, height, picture->pixels)) return std::nullopt;
  return picture;
}

}  // namespace

std::optional<DecodedPicture> DecodeIcon(std::span<const std::uint8_t> bytes, PictureKind kind) {
  ByteReader reader(bytes);
  const std::optional<IconEntry> entry = ChooseEntry(reader);
  if (!entry || entry->offset < kDirectoryHeaderSize || !reader.Seek(entry->offset)) {
    return std::nullopt;
  }
  return DecodeEntryImage(reader, kind);
}

}  // namespace chatmock::pictures
