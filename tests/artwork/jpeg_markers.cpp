#include "tests/artwork/jpeg_markers.h"

#include <algorithm>
#include <array>

namespace chatmock::testing {
namespace {

constexpr std::uint8_t kMarkerPrefix = 0xFF;
constexpr std::uint8_t kStartOfImage = 0xD8;
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kApp0 = 0xE0;
constexpr std::uint8_t kSof0 = 0xC0;
constexpr std::uint8_t kSof2 = 0xC2;
constexpr std::uint8_t kSof15 = 0xCF;
constexpr std::uint8_t kHuffmanTable = 0xC4;
constexpr std::uint8_t kArithmeticTable = 0xCC;
constexpr std::uint8_t kReservedExtension = 0xC8;
constexpr std::uint8_t kTem = 0x01;
constexpr std::uint8_t kFirstRestart = 0xD0;
constexpr std::uint8_t kLastRestart = 0xD7;
constexpr std::size_t kFrameHeaderLength = 6;  // precision, height, width, count
constexpr std::size_t kComponentLength = 3;    // id, sampling, table
constexpr std::size_t kJfifBodyLength = 12;    // "JFIF\0" + version + units + densities
constexpr std::array<std::uint8_t, 5> kJfifTag = {'J', 'F', 'I', 'F', '\0'};

int bigEndian16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return (bytes[at] << 8) | bytes[at + 1];
}

bool isFrameMarker(std::uint8_t marker) {
  return marker >= kSof0 && marker <= kSof15 && marker != kHuffmanTable &&
         marker != kArithmeticTable && marker != kReservedExtension;
}

bool isStandalone(std::uint8_t marker) {
  return marker == kTem || (marker >= kFirstRestart && marker <= kLastRestart);
}

bool readFrame(std::span<const std::uint8_t> body, std::uint8_t marker, JpegMarkers &out,
               std::string *error) {
  if (body.size() < kFrameHeaderLength) {
    *error = "frame header too short";
    return false;
  }
  out.hasBaselineFrame |= marker == kSof0;
  out.hasProgressiveFrame |= marker == kSof2;
  out.hasOtherFrame |= marker != kSof0 && marker != kSof2;
  out.precision = body[0];
  out.height = bigEndian16(body, 1);
  out.width = bigEndian16(body, 3);
  const std::size_t count = body[5];
  if (body.size() < kFrameHeaderLength + count * kComponentLength) {
    *error = "frame header lists more components than it holds";
    return false;
  }
  out.components.clear();
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = kFrameHeaderLength + i * kComponentLength;
    out.components.push_back({body[at], body[at + 1] >> 4, body[at + 1] & 0x0F});
  }
  return true;
}

void readApp0(std::span<const std::uint8_t> body, JpegMarkers &out) {
  if (body.size() < kJfifBodyLength ||
      !std::equal(kJfifTag.begin(), kJfifTag.end(), body.begin())) {
    return;
  }
  out.hasJfif = true;
  out.jfifMajor = body[5];
  out.jfifMinor = body[6];
  out.densityUnit = body[7];
  out.xDensity = bigEndian16(body, 8);
  out.yDensity = bigEndian16(body, 10);
}

}  // namespace

std::optional<JpegMarkers> readJpegMarkers(std::span<const std::uint8_t> bytes,
                                           std::string *error) {
  if (bytes.size() < 2 || bytes[0] != kMarkerPrefix || bytes[1] != kStartOfImage) {
    *error = "no start-of-image marker";
    return std::nullopt;
  }
  JpegMarkers markers;
  std::size_t at = 2;
  while (true) {
    if (at + 2 > bytes.size()) {
      *error = "stream ends before the start of scan";
      return std::nullopt;
    }
    if (bytes[at] != kMarkerPrefix) {
      *error = "marker expected at offset " + std::to_string(at);
      return std::nullopt;
    }
    const std::uint8_t marker = bytes[at + 1];
    if (marker == kMarkerPrefix) {  // fill byte before a marker
      ++at;
      continue;
    }
    if (isStandalone(marker)) {
      at += 2;
      continue;
    }
    if (at + 4 > bytes.size()) {
      *error = "segment length missing";
      return std::nullopt;
    }
    const std::size_t length = static_cast<std::size_t>(bigEndian16(bytes, at + 2));
    if (length < 2 || at + 2 + length > bytes.size()) {
      *error = "segment runs past the end of the stream";
      return std::nullopt;
    }
    const std::span<const std::uint8_t> body = bytes.subspan(at + 4, length - 2);
    if (marker == kStartOfScan) return markers;
    if (isFrameMarker(marker) && !readFrame(body, marker, markers, error)) return std::nullopt;
    if (marker == kApp0) readApp0(body, markers);
    at += 2 + length;
  }
}

}  // namespace chatmock::testing
