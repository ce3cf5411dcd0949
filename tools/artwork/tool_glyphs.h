#pragma once

#include <QColor>
#include <QPoint>

class QPainter;

namespace chatmock {

inline constexpr int kToolGlyphSize = 20;

// The tool row's glyphs, each drawn in a 20 x 20 box whose top-left
// corner is origin. They are original shapes in the theme's colours.
void paintVideoGlyph(QPainter &painter, QPoint origin);
void paintVoiceGlyph(QPainter &painter, QPoint origin);
void paintFileTransferGlyph(QPainter &painter, QPoint origin);
void paintRemoteDesktopGlyph(QPainter &painter, QPoint origin);
void paintGroupChatGlyph(QPainter &painter, QPoint origin);
void paintMusicGlyph(QPainter &painter, QPoint origin);
void paintAppsGlyph(QPainter &painter, QPoint origin);

// The small downward triangle beside a tool that opens a menu.
void paintMenuArrow(QPainter &painter, QPoint topLeft, const QColor &colour);

}  // namespace chatmock
