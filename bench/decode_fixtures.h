#pragma once
// The picture files the decoding benchmarks read, made once per run.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace chatmock::bench {

struct PictureFile {
  std::string name;    // names the benchmark rows
  std::string format;  // Qt's reader format
  std::vector<std::uint8_t> bytes;
};

// The chat frame exactly as the program stores it.
std::span<const std::uint8_t> ChatFrameJpeg();

// The animated show picture, its first frame as a still, 24- and 8-bit
// BMPs, and 32- and 8-bit icons.
std::vector<PictureFile> MakeDecodeFixtures();

}  // namespace chatmock::bench
