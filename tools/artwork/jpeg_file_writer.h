#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace chatmock {

// Settings every stored JPEG of the program shares: the program's own
// decoder reads only baseline 4:2:0 files with a JFIF header.
struct JpegSettings {
  int quality = 94;
  int dotsPerInch = 96;
};

// Encodes an image as a baseline JFIF 1.01 JPEG with 4:2:0 colour
// sampling. Returns an empty vector and fills *error when libjpeg refuses.
std::vector<std::uint8_t> encodeBaselineJpeg(const QImage &image, const JpegSettings &settings,
                                             std::string *error);

// Encodes and writes the file atomically. Returns false with *error set
// when encoding or writing fails.
bool writeBaselineJpeg(const QImage &image, const QString &path, const JpegSettings &settings,
                       std::string *error);

}  // namespace chatmock
