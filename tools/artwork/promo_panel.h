#pragma once

#include <QRect>

class QPainter;

namespace chatmock {

// A little promotional panel inviting the user to dress up their own
// figure: a gift box, flowers and a short line, framed by one pixel.
void paintPromoPanel(QPainter &painter, const QRect &box);

}  // namespace chatmock
