#pragma once

#include <cstdint>
#include <functional>

#include "tests/decode/writers/byte_sink.h"

namespace chatmock::pictures::testing {

enum class JpegLayout { Grey, Rgb, CmykAdobe, CmykPlain };

// Encodes with libjpeg itself. `sample(x, y, component)` gives the stored
// value (for CMYK exactly what goes into the file, inverted or not).
Bytes EncodeJpeg(int width, int height, JpegLayout layout,
                 const std::function<std::uint8_t(int x, int y, int component)>& sample);

}  // namespace chatmock::pictures::testing
