#pragma once
// A cartoon figure of the size the chat window's show box has, drawn with
// anti-aliased shapes and gradients so that its colours and edges look like
// those of a real animated show picture after palette reduction.

#include <QImage>

namespace chatmock::bench {

inline constexpr int kShowWidth = 143;
inline constexpr int kShowHeight = 228;

// Frame `frame` of a waving cycle of `frameCount` frames: opaque ARGB32.
QImage DrawShowFigure(int frame, int frameCount);

// A round face with soft, partly transparent edges, as avatar icons have.
QImage DrawAvatarIcon(int side);

}  // namespace chatmock::bench
