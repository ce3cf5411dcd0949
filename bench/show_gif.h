#pragma once
// The animated show picture the benchmarks play: 143 x 228, a global table,
// every fourth frame with a table of its own, the frames between them only
// the changed rectangle with unchanged pixels transparent, and now and then
// a frame that asks for the canvas under it back.

#include <cstdint>
#include <vector>

namespace chatmock::bench {

inline constexpr int kShowFrames = 16;
inline constexpr int kShowDelayCs = 10;

std::vector<std::uint8_t> MakeShowGif(int frameCount, int delayCs);

// The first frame alone, as a still picture.
std::vector<std::uint8_t> MakeStillShowGif();

}  // namespace chatmock::bench
