#pragma once

class QPainter;

namespace chatmock {

// The row of small action glyphs under the peer's figure: dress up, take
// a photo, like, give a gift, favourite.
void paintFigureActions(QPainter &painter);

}  // namespace chatmock
