#include "pictures/decode/gif_animation.h"

#include <algorithm>

#include "pictures/decode/decode.h"
#include "pictures/decode/gif_file.h"
#include "pictures/decode/gif_image.h"
#include "pictures/decode/picture_size.h"

namespace chatmock::pictures {
namespace {

constexpr int kDisposeToBackground = 2;
constexpr int kDisposeToPrevious = 3;

bool RestoresAfterwards(const GifImage& image) {
  // Both ask for the canvas under the image to come back; here they are
  // treated alike since the canvas never shows a background colour.
  return image.disposal == kDisposeToBackground || image.disposal == kDisposeToPrevious;
}

// The part of the canvas an image covers, clipped to the canvas.
struct CanvasRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

CanvasRect ClipToCanvas(const GifImage& image, int canvasWidth, int canvasHeight) {
  CanvasRect rect;
  rect.left = std::min(image.left, canvasWidth);
  rect.top = std::min(image.top, canvasHeight);
  rect.width = std::min(image.width, canvasWidth - rect.left);
  rect.height = std::min(image.height, canvasHeight - rect.top);
  return rect;
}

}  // namespace

struct GifAnimation::State {
  std::vector<std::uint8_t> bytes;
  GifFile file;
  std::vector<std::uint32_t> canvas;
  std::size_t next = 0;
  // What lay under the previous image, when that image asked for it back.
  std::vector<std::uint32_t> saved;
  std::optional<CanvasRect> savedRect;
  std::vector<std::uint8_t> indices;
  std::vector<std::uint8_t> scratch;

  void CopyRect(const CanvasRect& rect, std::vector<std::uint32_t>& into) const {
    into.resize(static_cast<std::size_t>(rect.width) * rect.height);
    for (int y = 0; y < rect.height; ++y) {
      const auto from = canvas.begin() + RowStart(rect, y);
      std::copy(from, from + rect.width, into.begin() + static_cast<std::ptrdiff_t>(y) * rect.width);
    }
  }

  void PasteRect(const CanvasRect& rect, const std::vector<std::uint32_t>& from) {
    for (int y = 0; y < rect.height; ++y) {
      const auto row = from.begin() + static_cast<std::ptrdiff_t>(y) * rect.width;
      std::copy(row, row + rect.width, canvas.begin() + RowStart(rect, y));
    }
  }

  std::ptrdiff_t RowStart(const CanvasRect& rect, int y) const {
    return static_cast<std::ptrdiff_t>(rect.top + y) * file.width + rect.left;
  }

  void Draw(const GifImage& image, const CanvasRect& rect) {
    const GifPalette palette = ReadGifPalette(bytes, image);
    DecodeGifIndices(bytes, image, rect.height, indices, scratch);
    for (int y = 0; y < rect.height; ++y) {
      const std::uint8_t* from = indices.data() + static_cast<std::size_t>(y) * image.width;
      std::uint32_t* to = canvas.data() + RowStart(rect, y);
      for (int x = 0; x < rect.width; ++x) {
        if (from[x] != image.transparentIndex) to[x] = palette[from[x]];
      }
    }
  }
};

GifAnimation::GifAnimation(std::unique_ptr<State> state) : state_(std::move(state)) {}
GifAnimation::GifAnimation(GifAnimation&&) noexcept = default;
GifAnimation& GifAnimation::operator=(GifAnimation&&) noexcept = default;
GifAnimation::~GifAnimation() = default;

std::optional<GifAnimation> GifAnimation::Parse(std::span<const std::uint8_t> bytes) {
  if (DetectPictureKind(bytes) != PictureKind::Gif) return std::nullopt;
  auto state = std::make_unique<State>();
  state->bytes.assign(bytes.begin(), bytes.end());
  std::optional<GifFile> file = ParseGifFile(state->bytes, SIZE_MAX);
  if (!file) return std::nullopt;
  state->file = std::move(*file);
  state->canvas.assign(static_cast<std::size_t>(state->file.width) * state->file.height,
                       kOpaqueWhite);
  return GifAnimation(std::move(state));
}

bool GifAnimation::IsAnimated() const { return state_->file.images.size() > 1; }
int GifAnimation::Width() const { return state_->file.width; }
int GifAnimation::Height() const { return state_->file.height; }
const std::vector<std::uint32_t>& GifAnimation::Canvas() const { return state_->canvas; }
int GifAnimation::NextImage() const { return static_cast<int>(state_->next); }

int GifAnimation::Advance() {
  State& s = *state_;
  if (s.savedRect) {
    s.PasteRect(*s.savedRect, s.saved);
    s.savedRect.reset();
  }
  const GifImage& image = s.file.images[s.next];
  const CanvasRect rect = ClipToCanvas(image, s.file.width, s.file.height);
  if (RestoresAfterwards(image)) {
    s.CopyRect(rect, s.saved);
    s.savedRect = rect;
  }
  s.Draw(image, rect);
  s.next = (s.next + 1) % s.file.images.size();
  return image.delayMs;
}

}  // namespace chatmock::pictures
