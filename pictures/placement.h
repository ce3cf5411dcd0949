#pragma once
// Where a picture box draws its picture, by display mode.

#include <QRect>
#include <QSize>

namespace chatmock {

enum class DisplayMode { TopLeft = 0, Stretched = 1, CentredShrunk = 2 };
inline constexpr int kLastDisplayMode = 2;

QRect PlacePicture(QSize picture, QSize box, DisplayMode mode);

}  // namespace chatmock
