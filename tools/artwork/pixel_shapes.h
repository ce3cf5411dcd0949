#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace chatmock {

// Crisp one-pixel drawing on whole pixels. Lines are filled rectangles so
// no pen rounding or antialiasing can smear them over two rows.
void horizontalLine(QPainter &painter, int x, int y, int width, const QColor &colour);
void verticalLine(QPainter &painter, int x, int y, int height, const QColor &colour);

// A one-pixel border along the inside edge of box.
void frameRect(QPainter &painter, const QRect &box, const QColor &colour);

// A one-pixel border whose corner pixels are left out and softened with
// `corner`, the way small rounded Windows controls are drawn.
void roundedFrame(QPainter &painter, const QRect &box, const QColor &border, const QColor &corner);

// Fills box row by row from top colour to bottom colour.
void verticalGradient(QPainter &painter, const QRect &box, const QColor &top, const QColor &bottom);

// Mixes a into b: amount 0 gives a, 1 gives b.
QColor mix(const QColor &a, const QColor &b, double amount);

}  // namespace chatmock
