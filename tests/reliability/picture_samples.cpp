#include "tests/reliability/picture_samples.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace chatmock::reliability {

PictureBytes ChatFrameJpeg() {
  std::ifstream file(CHATMOCK_CHAT_FRAME_JPEG, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " CHATMOCK_CHAT_FRAME_JPEG);
  return PictureBytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace chatmock::reliability
