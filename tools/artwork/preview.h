#pragma once

#include <QImage>

namespace chatmock {

// The whole program window as a user first sees it: the frame on the
// button face, the program's white boxes and default captions over it,
// and a rough sketch of its input strip below.
QImage paintWindowPreview(const QImage &frame);

}  // namespace chatmock
