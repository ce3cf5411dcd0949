#include "pictures/placement.h"

#include <algorithm>

namespace chatmock {
namespace {

// Centred where the picture fits, shrunk to fit keeping its proportions
// where it does not. All halvings truncate toward zero.
QRect PlaceCentredShrunk(QSize picture, QSize box) {
  const int w = picture.width(), h = picture.height();
  int x = 0, y = 0, fitWidth = box.width(), fitHeight = box.height();
  if (w <= box.width()) {
    x = (box.width() - w) / 2;
    fitWidth = w;
  }
  if (h <= box.height()) {
    y = (box.height() - h) / 2;
    fitHeight = h;
  }
  if (w > fitWidth || h > fitHeight) {
    const double ratio = std::min(static_cast<double>(fitWidth) / w, static_cast<double>(fitHeight) / h);
    const int drawnWidth = static_cast<int>(w * ratio);
    const int drawnHeight = static_cast<int>(h * ratio);
    return QRect(x + (fitWidth - drawnWidth) / 2, y + (fitHeight - drawnHeight) / 2, drawnWidth,
                 drawnHeight);
  }
  return QRect(x, y, w, h);
}

}  // namespace

QRect PlacePicture(QSize picture, QSize box, DisplayMode mode) {
  switch (mode) {
    case DisplayMode::Stretched: return QRect(QPoint(0, 0), box);
    case DisplayMode::CentredShrunk: return PlaceCentredShrunk(picture, box);
    case DisplayMode::TopLeft: break;
  }
  return QRect(QPoint(0, 0), picture);
}

}  // namespace chatmock
