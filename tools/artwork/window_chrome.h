#pragma once

#include <QSize>

class QPainter;

namespace chatmock {

// The window's background: title gradient, the white signature band, the
// tool row and the body, all inside the outline.
void paintWindowBackground(QPainter &painter, QSize frame);

// The one-pixel darker outline with rounded corners; outside the corners
// the program's button face shows through.
void paintWindowOutline(QPainter &painter, QSize frame);

// Minimise, maximise and close, hanging from the top edge at the right.
void paintWindowButtons(QPainter &painter, QSize frame);

}  // namespace chatmock
