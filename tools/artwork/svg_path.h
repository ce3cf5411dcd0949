#pragma once

#include <QString>

class QPainterPath;

namespace chatmock {

// The path as SVG path data (M, L, C and Z commands) in its own units.
QString svgPathData(const QPainterPath &path);

}  // namespace chatmock
