#include <cstddef>
#include <cstdint>

#include "app/definition.h"

namespace chatmock {
namespace embedded {
extern const std::uint8_t kChatFrameJpeg[];
extern const std::size_t kChatFrameJpegSize;
extern const std::uint8_t kSendButtonJpeg[];
extern const std::size_t kSendButtonJpegSize;
extern const std::uint8_t kSendButtonPressedJpeg[];
extern const std::size_t kSendButtonPressedJpegSize;
extern const std::uint8_t kProgramIconPng[];
extern const std::size_t kProgramIconPngSize;
}  // namespace embedded

std::span<const std::uint8_t> StoredPictureBytes(StoredPicture picture) {
  using namespace embedded;
  switch (picture) {
    case StoredPicture::ChatFrame: return {kChatFrameJpeg, kChatFrameJpegSize};
    case StoredPicture::SendButton: return {kSendButtonJpeg, kSendButtonJpegSize};
    case StoredPicture::SendButtonPressed: return {kSendButtonPressedJpeg, kSendButtonPressedJpegSize};
    case StoredPicture::None: break;
  }
  return {};
}

std::span<const std::uint8_t> ProgramIconBytes() { return {embedded::kProgramIconPng, embedded::kProgramIconPngSize}; }

}  // namespace chatmock
