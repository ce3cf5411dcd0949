#include "bench/show_gif.h"

#include <algorithm>
#include <optional>

#include "bench/gif_writer.h"
#include "bench/show_figure.h"

namespace chatmock::bench {
namespace {

constexpr int kTableEntries = 256;
// The first entry past the global cube, never produced by the reduction.
constexpr int kTransparentIndex = 252;
constexpr int kOwnTableEvery = 4;
constexpr int kRestoringPhase = 2;

// What a player shows, in colours, so that each frame can be written as
// its difference from it.
using Canvas = std::vector<Rgb>;

struct ChangedRect {
  int left, top, right, bottom;  // right and bottom exclusive
};

Canvas Colours(const IndexedFrame& frame, const std::vector<Rgb>& table) {
  Canvas canvas(frame.indices.size());
  std::transform(frame.indices.begin(), frame.indices.end(), canvas.begin(),
                 [&](std::uint8_t index) { return table[index]; });
  return canvas;
}

std::optional<ChangedRect> FindChange(const Canvas& shown, const Canvas& wanted, int width) {
  std::optional<ChangedRect> rect;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] == wanted[i]) continue;
    const int x = static_cast<int>(i % width);
    const int y = static_cast<int>(i / width);
    if (!rect) rect = ChangedRect{x, y, x + 1, y + 1};
    rect->left = std::min(rect->left, x);
    rect->top = std::min(rect->top, y);
    rect->right = std::max(rect->right, x + 1);
    rect->bottom = std::max(rect->bottom, y + 1);
  }
  return rect;
}

// Inside the rectangle: the wanted index where the colour changes, the
// transparent index where it stays.
IndexedFrame DifferenceFrame(const IndexedFrame& wanted, const Canvas& shown,
                             const std::vector<Rgb>& table, const ChangedRect& rect) {
  IndexedFrame part{rect.right - rect.left, rect.bottom - rect.top, {}};
  part.indices.reserve(static_cast<std::size_t>(part.width) * part.height);
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * wanted.width + x;
      const std::uint8_t index = wanted.indices[at];
      part.indices.push_back(table[index] == shown[at] ? kTransparentIndex : index);
    }
  }
  return part;
}

void Paint(Canvas& shown, const IndexedFrame& part, int left, int top, int width,
           const std::vector<Rgb>& table, int transparentIndex) {
  for (int y = 0; y < part.height; ++y) {
    for (int x = 0; x < part.width; ++x) {
      const std::uint8_t index = part.indices[static_cast<std::size_t>(y) * part.width + x];
      if (index == transparentIndex) continue;
      shown[static_cast<std::size_t>(top + y) * width + left + x] = table[index];
    }
  }
}

GifFrame WholeFrame(const IndexedFrame& pixels, std::vector<Rgb> localTable, int delayCs) {
  GifFrame frame;
  frame.pixels = pixels;
  frame.localTable = std::move(localTable);
  frame.delayCs = delayCs;
  return frame;
}

}  // namespace

std::vector<std::uint8_t> MakeShowGif(int frameCount, int delayCs) {
  const std::vector<Rgb> global = CubeColours(kGlobalCube, kTableEntries);
  const std::vector<Rgb> local = CubeColours(kLocalCube, kTableEntries);
  GifMovie movie{kShowWidth, kShowHeight, global, true, {}};
  Canvas shown(static_cast<std::size_t>(kShowWidth) * kShowHeight, Rgb{255, 255, 255});
  for (int i = 0; i < frameCount; ++i) {
    const QImage picture = DrawShowFigure(i, frameCount);
    if (i % kOwnTableEvery == 0) {
      const IndexedFrame pixels = ReduceToCube(picture, i == 0 ? kGlobalCube : kLocalCube);
      movie.frames.push_back(WholeFrame(pixels, i == 0 ? std::vector<Rgb>{} : local, delayCs));
      shown = Colours(pixels, i == 0 ? global : local);
      continue;
    }
    const IndexedFrame wanted = ReduceToCube(picture, kGlobalCube);
    const std::optional<ChangedRect> rect = FindChange(shown, Colours(wanted, global), kShowWidth);
    const ChangedRect area = rect.value_or(ChangedRect{0, 0, 1, 1});
    GifFrame frame;
    frame.left = area.left;
    frame.top = area.top;
    frame.pixels = DifferenceFrame(wanted, shown, global, area);
    frame.delayCs = delayCs;
    frame.transparentIndex = kTransparentIndex;
    // A restoring frame leaves the canvas as it was, so the next difference
    // is taken against what lay under it.
    if (i % kOwnTableEvery != kRestoringPhase) {
      Paint(shown, frame.pixels, area.left, area.top, kShowWidth, global, kTransparentIndex);
    } else {
      frame.disposal = kGifDisposePrevious;
    }
    movie.frames.push_back(std::move(frame));
  }
  return EncodeGif(movie);
}

std::vector<std::uint8_t> MakeStillShowGif() {
  const std::vector<Rgb> global = CubeColours(kGlobalCube, kTableEntries);
  GifMovie movie{kShowWidth, kShowHeight, global, false, {}};
  movie.frames.push_back(WholeFrame(ReduceToCube(DrawShowFigure(0, 1), kGlobalCube), {}, 0));
  return EncodeGif(movie);
}

}  // namespace chatmock::bench
