#pragma once

#include <QImage>
#include <QString>

namespace chatmock {

// The program icon: two overlapping speech bubbles, green behind and blue
// in front. The same shapes give the raster and the scalable version.
QImage paintAppIcon(int size);
QString appIconSvg();

}  // namespace chatmock
