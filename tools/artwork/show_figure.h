#pragma once

#include <QRect>

class QPainter;

namespace chatmock {

// The peer's dressed cartoon figure standing in a soft backdrop that fills
// box, with a one-pixel border on the left and bottom edges.
void paintShowFigure(QPainter &painter, const QRect &box);

}  // namespace chatmock
