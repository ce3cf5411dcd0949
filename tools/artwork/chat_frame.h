#pragma once

#include <QImage>

namespace chatmock {

// The chat frame and the two send button pictures that sit over it. The
// buttons' rounded corners blend into the chrome beneath them, so their
// pictures are cut from the frame itself.
struct FramePictures {
  QImage frame;
  QImage sendButton;
  QImage pressedSendButton;
};

FramePictures paintFramePictures();

}  // namespace chatmock
