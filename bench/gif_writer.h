#pragma once
// Writes GIF files through giflib's encoder, so the benchmark pictures come
// from an encoder other than anything in the program.

#include <cstdint>
#include <vector>

#include "bench/indexed_frame.h"

namespace chatmock::bench {

inline constexpr int kGifDisposeNone = 1;
inline constexpr int kGifDisposePrevious = 3;

struct GifFrame {
  int left = 0;
  int top = 0;
  IndexedFrame pixels;
  std::vector<Rgb> localTable;  // empty: the frame uses the global table
  int delayCs = 10;
  int disposal = kGifDisposeNone;
  int transparentIndex = -1;
};

struct GifMovie {
  int width = 0;
  int height = 0;
  std::vector<Rgb> globalTable;  // a power of two entries, 2 to 256
  bool loops = true;             // a NETSCAPE2.0 block, as animated pictures carry
  std::vector<GifFrame> frames;
};

// The whole file; empty when giflib refuses the movie.
std::vector<std::uint8_t> EncodeGif(const GifMovie& movie);

}  // namespace chatmock::bench
