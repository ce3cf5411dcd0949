#pragma once

#include <QRect>

class QPainter;

namespace chatmock {

// A neutral stylised head-and-shoulders portrait filling box, with the
// green online badge at its lower right and a thin frame just outside.
void paintAvatarPortrait(QPainter &painter, const QRect &box);

}  // namespace chatmock
