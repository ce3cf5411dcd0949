#pragma once
// The reference for GIF decoding: giflib reads the file from memory and
// its images are composed onto a 32-bit canvas by the rules the program
// plays by (a white screen; images that ask for the canvas back get it back
// before the next one is drawn; transparent pixels leave the canvas alone).

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace chatmock::bench {

using Canvas32 = std::vector<std::uint32_t>;  // 0xFFRRGGBB, row-major

// The first image alone, read line by line without decoding the others.
std::optional<Canvas32> GiflibFirstImage(std::span<const std::uint8_t> bytes);

// DGifSlurp, then every image composed in turn; `shown` sees the canvas
// after each. False when giflib cannot read the file.
bool GiflibEveryFrame(std::span<const std::uint8_t> bytes,
                      const std::function<void(const Canvas32&)>& shown);

}  // namespace chatmock::bench
