#include "pictures/decode/gif_file.h"

#include "pictures/decode/byte_reader.h"
#include "pictures/decode/picture_size.h"

namespace chatmock::pictures {
namespace {

constexpr std::size_t kSignatureSize = 6;
constexpr std::uint8_t kImageIntroducer = 0x2C;
constexpr std::uint8_t kExtensionIntroducer = 0x21;
constexpr std::uint8_t kTrailer = 0x3B;
constexpr std::uint8_t kGraphicControlLabel = 0xF9;
constexpr std::uint8_t kTableFlag = 0x80;
constexpr std::uint8_t kInterlaceFlag = 0x40;
constexpr std::uint8_t kTableSizeBits = 0x07;
constexpr std::uint8_t kTransparencyFlag = 0x01;
constexpr int kDisposalShift = 2;
constexpr int kDisposalBits = 0x07;
constexpr std::size_t kGraphicControlSize = 4;
constexpr std::size_t kTableEntryBytes = 3;
constexpr int kMinLzwCodeSize = 2;
constexpr int kMaxLzwCodeSize = 8;
constexpr int kMsPerDelayUnit = 10;
constexpr int kDelayWhenZeroMs = 50;

struct ColourTable {
  std::size_t offset = 0;
  int entries = 0;
};

struct GraphicControl {
  int delayCs = 0;
  int disposal = 0;
  int transparentIndex = kGifNoTransparency;
};

// Skips sub-blocks up to and including the zero-length terminator. False
// when the data ends first.
bool SkipSubBlocks(ByteReader& reader) {
  while (true) {
    const std::uint8_t size = reader.U8();
    if (!reader.Ok()) return false;
    if (size == 0) return true;
    if (!reader.Skip(size)) return false;
  }
}

ColourTable ReadTable(ByteReader& reader, std::uint8_t packed) {
  ColourTable table;
  if (!(packed & kTableFlag)) return table;
  const int entries = 2 << (packed & kTableSizeBits);
  table.offset = reader.Position();
  if (reader.Skip(static_cast<std::size_t>(entries) * kTableEntryBytes)) table.entries = entries;
  return table;
}

std::optional<GraphicControl> ReadGraphicControl(ByteReader& reader) {
  GraphicControl control;
  const std::uint8_t size = reader.U8();
  if (size >= kGraphicControlSize) {
    ByteReader block = reader.Take(size);
    const std::uint8_t packed = block.U8();
    control.delayCs = block.U16();
    const std::uint8_t transparent = block.U8();
    control.disposal = (packed >> kDisposalShift) & kDisposalBits;
    if (packed & kTransparencyFlag) control.transparentIndex = transparent;
  } else {
    reader.Skip(size);
  }
  if (!reader.Ok() || !SkipSubBlocks(reader)) return std::nullopt;
  return control;
}

class GifScanner {
 public:
  GifScanner(std::span<const std::uint8_t> bytes, std::size_t maxImages)
      : reader_(bytes), maxImages_(maxImages) {}

  std::optional<GifFile> Scan() {
    if (!ReadScreen()) return std::nullopt;
    while (file_.images.size() < maxImages_ && ReadBlock()) {
    }
    if (file_.images.empty()) return std::nullopt;
    if (file_.width == 0 || file_.height == 0) {
      file_.width = file_.images.front().width;
      file_.height = file_.images.front().height;
    }
    if (!IsAllowedPictureSize(file_.width, file_.height)) return std::nullopt;
    return std::move(file_);
  }

 private:
  bool ReadScreen() {
    reader_.Skip(kSignatureSize);  // checked by detection
    file_.width = reader_.U16();
    file_.height = reader_.U16();
    const std::uint8_t packed = reader_.U8();
    reader_.U8();  // background colour: the canvas starts white instead
    reader_.U8();  // pixel aspect ratio
    global_ = ReadTable(reader_, packed);
    return reader_.Ok();
  }

  // False when scanning should stop.
  bool ReadBlock() {
    const std::uint8_t introducer = reader_.U8();
    if (!reader_.Ok()) return false;
    if (introducer == kImageIntroducer) return ReadImage();
    if (introducer == kExtensionIntroducer) return ReadExtension();
    if (introducer == kTrailer) return false;
    return false;  // a stray zero or garbage ends the images as the trailer does
  }

  bool ReadExtension() {
    const std::uint8_t label = reader_.U8();
    if (label != kGraphicControlLabel) return reader_.Ok() && SkipSubBlocks(reader_);
    pending_ = ReadGraphicControl(reader_);
    return pending_.has_value();
  }

  bool ReadImage() {
    GifImage image;
    image.left = reader_.U16();
    image.top = reader_.U16();
    image.width = reader_.U16();
    image.height = reader_.U16();
    const std::uint8_t packed = reader_.U8();
    image.interlaced = packed & kInterlaceFlag;
    const ColourTable local = ReadTable(reader_, packed);
    image.minCodeSize = reader_.U8();
    if (!reader_.Ok() || !IsAllowedPictureSize(image.width, image.height) ||
        image.minCodeSize < kMinLzwCodeSize || image.minCodeSize > kMaxLzwCodeSize) {
      return false;
    }
    const ColourTable& table = (packed & kTableFlag) ? local : global_;
    image.tableOffset = table.offset;
    image.tableEntries = table.entries;
    image.dataOffset = reader_.Position();
    ApplyGraphicControl(image);
    file_.images.push_back(image);
    // Data cut off by the end of the file still gives this image; it just
    // is the last one.
    return SkipSubBlocks(reader_);
  }

  // The delay carries on to images without a control block of their own;
  // disposal and transparency belong to the one image after their block.
  void ApplyGraphicControl(GifImage& image) {
    if (pending_) {
      carriedDelayCs_ = pending_->delayCs;
      image.disposal = pending_->disposal;
      image.transparentIndex = pending_->transparentIndex;
      pending_.reset();
    }
    image.delayMs = carriedDelayCs_ == 0 ? kDelayWhenZeroMs : carriedDelayCs_ * kMsPerDelayUnit;
  }

  ByteReader reader_;
  std::size_t maxImages_;
  GifFile file_;
  ColourTable global_;
  std::optional<GraphicControl> pending_;
  int carriedDelayCs_ = 0;
};

}  // namespace

std::optional<GifFile> ParseGifFile(std::span<const std::uint8_t> bytes, std::size_t maxImages) {
  return GifScanner(bytes, maxImages).Scan();
}

}  // namespace chatmock::pictures
