#pragma once

class QPainter;

namespace chatmock {

// The safety notice and the transcript below it, in one bordered panel;
// the transcript's white area is exactly where the program's text box goes.
void paintTranscriptPanel(QPainter &painter);

// The white typing area with its border.
void paintTypingArea(QPainter &painter);

}  // namespace chatmock
