#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace chatmock::testing {

struct JpegComponent {
  int id = 0;
  int horizontalSampling = 0;
  int verticalSampling = 0;
};

// What the header segments of a JPEG stream say, read up to the first
// start-of-scan marker.
struct JpegMarkers {
  bool hasBaselineFrame = false;     // SOF0
  bool hasProgressiveFrame = false;  // SOF2
  bool hasOtherFrame = false;        // any other SOFn
  int precision = 0;
  int width = 0;
  int height = 0;
  std::vector<JpegComponent> components;

  bool hasJfif = false;
  int jfifMajor = 0;
  int jfifMinor = 0;
  int densityUnit = -1;
  int xDensity = 0;
  int yDensity = 0;
};

// Walks the marker segments from SOI to SOS. Every length is checked
// against the bytes at hand; a malformed stream yields nothing and *error
// says why.
std::optional<JpegMarkers> readJpegMarkers(std::span<const std::uint8_t> bytes, std::string *error);

}  // namespace chatmock::testing
