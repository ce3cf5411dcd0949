#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace chatmock::tools {

// Writes a binary PPM (P6). Pixels are 0xAARRGGBB; anything not fully
// opaque is blended onto white, the way a picture box shows an icon.
bool WritePpmOnWhite(const std::string& path, int width, int height,
                     std::span<const std::uint32_t> pixels);

}  // namespace chatmock::tools
