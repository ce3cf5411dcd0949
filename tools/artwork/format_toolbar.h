#pragma once

class QPainter;

namespace chatmock {

// The strip between transcript and typing area: formatting glyphs on the
// left, the message history entry at the right end.
void paintFormatToolbar(QPainter &painter);

}  // namespace chatmock
