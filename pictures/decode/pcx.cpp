#include <array>
#include <vector>

#include "pictures/decode/byte_reader.h"
#include "pictures/decode/format_decoders.h"
#include "pictures/decode/picture_size.h"

namespace chatmock::pictures {
namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kIdentityBytes = 3;
constexpr std::size_t kWindowOffset = 4;
constexpr std::size_t kPlanesOffset = 65;
constexpr std::size_t kPaletteBytes = 768;
constexpr std::uint8_t kPaletteMarker = 12;
constexpr std::uint8_t kRunThreshold = 192;
constexpr int kPcx8Bits = 8;
constexpr int kPcx1Bits = 1;
constexpr int kBitsPerByte = 8;
// One two-byte run yields at most 255 - 192 = 63 bytes; a file shorter than
// that bound cannot hold the picture, which is checked before allocating.
constexpr std::int64_t kMaxRunLength = 255 - kRunThreshold;
constexpr std::int64_t kRunBytes = 2;

struct PcxHeader {
  int bitsPerPixel = 0;
  int planes = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::int64_t bytesPerLine = 0;
};

std::optional<PcxHeader> ReadHeader(ByteReader reader) {
  PcxHeader header;
  reader.Skip(kIdentityBytes);  // manufacturer, version, encoding: checked by detection
  header.bitsPerPixel = reader.U8();
  reader.Seek(kWindowOffset);
  const std::int64_t xMin = reader.U16();
  const std::int64_t yMin = reader.U16();
  const std::int64_t xMax = reader.U16();
  const std::int64_t yMax = reader.U16();
  reader.Seek(kPlanesOffset);
  header.planes = reader.U8();
  header.bytesPerLine = reader.U16();
  if (!reader.Ok() || xMax < xMin || yMax < yMin) return std::nullopt;
  header.width = xMax - xMin + 1;
  header.height = yMax - yMin + 1;
  return header;
}

bool IsSupportedLayout(const PcxHeader& header, PictureKind kind) {
  const int bits = kind == PictureKind::Pcx8 ? kPcx8Bits : kPcx1Bits;
  if (header.planes != 1 || header.bitsPerPixel != bits) return false;
  const std::int64_t neededBytes = (header.width * bits + kBitsPerByte - 1) / kBitsPerByte;
  return header.bytesPerLine >= neededBytes;
}

// The run-length stream is one sequence; a run may go on into the next row.
class RunLengthReader {
 public:
  explicit RunLengthReader(ByteReader source) : source_(source) {}

  // Fills `row` completely, or returns false when the data runs out.
  bool ReadRow(std::vector<std::uint8_t>& row) {
    for (std::uint8_t& out : row) {
      if (runLeft_ == 0) {
        const std::uint8_t byte = source_.U8();
        if (byte > kRunThreshold) {
          runLeft_ = byte - kRunThreshold;
          runValue_ = source_.U8();
        } else {
          runLeft_ = 1;
          runValue_ = byte;
        }
        if (!source_.Ok()) return false;
      }
      out = runValue_;
      --runLeft_;
    }
    return true;
  }

 private:
  ByteReader source_;
  int runLeft_ = 0;
  std::uint8_t runValue_ = 0;
};

constexpr std::size_t kPaletteEntries = 256;
constexpr std::uint32_t kBitWhite = kOpaqueWhite;
constexpr std::uint32_t kBitBlack = kOpaqueBlack;

struct Pcx8Palette {
  std::array<std::uint32_t, kPaletteEntries> colours;
  std::size_t dataEnd;  // where the pixel data stops: the marker, or the end of the file
};

// The 256-colour palette trails the pixel data after a marker byte; without
// it an index is shown as that level of grey.
Pcx8Palette ReadPalette(std::span<const std::uint8_t> bytes) {
  Pcx8Palette palette;
  palette.dataEnd = bytes.size();
  for (std::size_t i = 0; i < kPaletteEntries; ++i) {
    const auto grey = static_cast<std::uint32_t>(i);
    palette.colours[i] = OpaqueRgb(grey, grey, grey);
  }
  if (bytes.size() < kHeaderSize + kPaletteBytes + 1) return palette;
  const std::size_t markerAt = bytes.size() - kPaletteBytes - 1;
  ByteReader reader(bytes);
  reader.Seek(markerAt);
  if (reader.U8() != kPaletteMarker) return palette;
  for (std::uint32_t& entry : palette.colours) {
    const std::uint32_t red = reader.U8();
    const std::uint32_t green = reader.U8();
    const std::uint32_t blue = reader.U8();
    entry = OpaqueRgb(red, green, blue);
  }
  palette.dataEnd = markerAt;
  return palette;
}

void ExpandPcx8Row(const std::vector<std::uint8_t>& row, const Pcx8Palette& palette,
                   std::int64_t width, std::uint32_t* out) {
  for (std::int64_t x = 0; x < width; ++x) out[x] = palette.colours[row[x]];
}

void ExpandPcx1Row(const std::vector<std::uint8_t>& row, std::int64_t width, std::uint32_t* out) {
  for (std::int64_t x = 0; x < width; ++x) {
    const int bit = (row[x / kBitsPerByte] >> (kBitsPerByte - 1 - x % kBitsPerByte)) & 1;
    out[x] = bit ? kBitWhite : kBitBlack;
  }
}

}  // namespace

std::optional<DecodedPicture> DecodePcx(std::span<const std::uint8_t> bytes, PictureKind kind) {
  if (bytes.size() <= kHeaderSize) return std::nullopt;
  const std::optional<PcxHeader> header = ReadHeader(ByteReader(bytes));
  if (!header || !IsSupportedLayout(*header, kind)) return std::nullopt;
  if (!IsAllowedPictureSize(header->width, header->height)) return std::nullopt;

  const bool indexed = kind == PictureKind::Pcx8;
  const Pcx8Palette palette = indexed ? ReadPalette(bytes) : Pcx8Palette{{}, bytes.size()};
  const std::size_t dataBytes = palette.dataEnd - kHeaderSize;
  const std::int64_t decodedBytes = header->bytesPerLine * header->height;
  const std::int64_t fewestDataBytes = (decodedBytes + kMaxRunLength - 1) / kMaxRunLength * kRunBytes;
  if (static_cast<std::uint64_t>(fewestDataBytes) > dataBytes + kRunBytes) return std::nullopt;

  std::optional<DecodedPicture> picture = MakePicture(kind, header->width, header->height);
  if (!picture) return std::nullopt;
  ByteReader data(bytes);
  data.Seek(kHeaderSize);
  RunLengthReader runs(data.Take(dataBytes));
  std::vector<std::uint8_t> row(static_cast<std::size_t>(header->bytesPerLine));
  for (std::int64_t y = 0; y < header->height; ++y) {
    // Data that runs out gives no picture rather than a half-drawn one.
    if (!runs.ReadRow(row)) return std::nullopt;
    std::uint32_t* out = picture->pixels.data() + y * header->width;
    if (indexed) {
      ExpandPcx8Row(row, palette, header->width, out);
    } else {
      ExpandPcx1Row(row, header->width, out);
    }
  }
  return picture;
}

}  // namespace chatmock::pictures
