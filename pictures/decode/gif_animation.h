#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace chatmock::pictures {

// Plays a GIF onto a white canvas of the logical screen's size, one image
// per Advance(), and starts over after the last image without clearing the
// canvas; a loop count in the file plays no part. Images are decoded from
// a private copy of the file only when they are drawn, so memory stays at
// the canvas plus one image whatever the number of images.
class GifAnimation {
 public:
  // No value when the bytes are not a GIF or its first image is broken.
  static std::optional<GifAnimation> Parse(std::span<const std::uint8_t> bytes);

  // A moved-from animation may only be assigned to or destroyed.
  GifAnimation(GifAnimation&&) noexcept;
  GifAnimation& operator=(GifAnimation&&) noexcept;
  ~GifAnimation();

  bool IsAnimated() const;  // more than one image
  int Width() const;        // logical screen
  int Height() const;
  const std::vector<std::uint32_t>& Canvas() const;  // Width()*Height(), 0xFFRRGGBB

  // Draws the next image and returns how long it stays, in milliseconds.
  int Advance();
  int NextImage() const;  // index of the image the next Advance draws (0 = first)

 private:
  struct State;
  explicit GifAnimation(std::unique_ptr<State> state);
  std::unique_ptr<State> state_;
};

}  // namespace chatmock::pictures
