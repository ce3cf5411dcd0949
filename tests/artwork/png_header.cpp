#include "tests/artwork/png_header.h"

#include <algorithm>
#include <array>

namespace chatmock::testing {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::array<std::uint8_t, 4> kHeaderType = {'I', 'H', 'D', 'R'};
constexpr std::uint32_t kHeaderLength = 13;
constexpr std::size_t kLengthAt = 8;
constexpr std::size_t kTypeAt = 12;
constexpr std::size_t kBodyAt = 16;

std::uint32_t bigEndian32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) |
         (std::uint32_t{bytes[at + 2]} << 8) | std::uint32_t{bytes[at + 3]};
}

}  // namespace

std::optional<PngHeader> readPngHeader(std::span<const std::uint8_t> bytes, std::string *error) {
  if (bytes.size() < kBodyAt + kHeaderLength ||
      !std::equal(kSignature.begin(), kSignature.end(), bytes.begin())) {
    *error = "not a PNG stream";
    return std::nullopt;
  }
  if (bigEndian32(bytes, kLengthAt) != kHeaderLength ||
      !std::equal(kHeaderType.begin(), kHeaderType.end(), bytes.begin() + kTypeAt)) {
    *error = "first chunk is not a 13-byte IHDR";
    return std::nullopt;
  }
  PngHeader header;
  header.width = bigEndian32(bytes, kBodyAt);
  header.height = bigEndian32(bytes, kBodyAt + 4);
  header.bitDepth = bytes[kBodyAt + 8];
  header.colourType = bytes[kBodyAt + 9];
  return header;
}

}  // namespace chatmock::testing
