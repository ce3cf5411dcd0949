// GifAnimation: parse, then play a bounded number of images.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "pictures/decode/gif_animation.h"

namespace {
constexpr int kAdvances = 12;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chatmock::pictures;
  std::optional<GifAnimation> animation = GifAnimation::Parse(std::span<const std::uint8_t>(data, size));
  if (!animation) return 0;
  const std::size_t pixels = static_cast<std::size_t>(animation->Width()) * animation->Height();
  for (int i = 0; i < kAdvances; ++i) {
    const int delay = animation->Advance();
    if (delay <= 0 || animation->Canvas().size() != pixels) std::abort();
  }
  return 0;
}
