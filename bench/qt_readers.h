#pragma once
// The reference for every format: Qt's own image readers on the same
// bytes, each result converted to the 32-bit format the program's
// decoders hand out (QImage::Format_ARGB32, 0xAARRGGBB).

#include <QImage>

#include <cstdint>
#include <functional>
#include <span>

namespace chatmock::bench {

// The first (or only) image.
QImage QtFirstImage(std::span<const std::uint8_t> bytes, const char* format);

// Every image in turn, as Qt's reader composes them; returns how many.
int QtEveryFrame(std::span<const std::uint8_t> bytes, const char* format,
                 const std::function<void(const QImage&)>& shown);

}  // namespace chatmock::bench
