#include "bench/giflib_canvas.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace chatmock::bench {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kOpaque = 0xFF000000u;

struct MemoryFile {
  std::span<const std::uint8_t> bytes;
  std::size_t position = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* into, int count) {
  auto* file = static_cast<MemoryFile*>(gif->UserData);
  const std::size_t left = file->bytes.size() - file->position;
  const std::size_t taken = std::min(left, static_cast<std::size_t>(count));
  std::memcpy(into, file->bytes.data() + file->position, taken);
  file->position += taken;
  return static_cast<int>(taken);
}

struct DecoderDeleter {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};
using Decoder = std::unique_ptr<GifFileType, DecoderDeleter>;

Decoder Open(MemoryFile& file) {
  int error = 0;
  return Decoder(DGifOpen(&file, &ReadFromMemory, &error));
}

// Index i of a 256-entry lookup; entries past the map are opaque black.
std::array<std::uint32_t, 256> Palette(const ColorMapObject* map) {
  std::array<std::uint32_t, 256> palette;
  palette.fill(kOpaque);
  if (map == nullptr) return palette;
  const int count = std::min(map->ColorCount, 256);
  for (int i = 0; i < count; ++i) {
    const GifColorType& c = map->Colors[i];
    palette[static_cast<std::size_t>(i)] =
        kOpaque | (std::uint32_t{c.Red} << 16) | (std::uint32_t{c.Green} << 8) | c.Blue;
  }
  return palette;
}

struct Rect {
  int left, top, width, height;
};

Rect Clip(const GifImageDesc& desc, int canvasWidth, int canvasHeight) {
  Rect r{std::min(desc.Left, canvasWidth), std::min(desc.Top, canvasHeight), 0, 0};
  r.width = std::min(desc.Width, canvasWidth - r.left);
  r.height = std::min(desc.Height, canvasHeight - r.top);
  return r;
}

void DrawIndices(const GifByteType* indices, int stride, const Rect& r, int canvasWidth,
                 const std::array<std::uint32_t, 256>& palette, int transparent, Canvas32& canvas) {
  for (int y = 0; y < r.height; ++y) {
    const GifByteType* from = indices + static_cast<std::size_t>(y) * stride;
    std::uint32_t* to = canvas.data() + static_cast<std::size_t>(r.top + y) * canvasWidth + r.left;
    for (int x = 0; x < r.width; ++x) {
      if (from[x] != transparent) to[x] = palette[from[x]];
    }
  }
}

void CopyRect(const Canvas32& canvas, const Rect& r, int canvasWidth, Canvas32& into) {
  into.resize(static_cast<std::size_t>(r.width) * r.height);
  for (int y = 0; y < r.height; ++y) {
    std::copy_n(canvas.begin() + static_cast<std::ptrdiff_t>(r.top + y) * canvasWidth + r.left, r.width,
                into.begin() + static_cast<std::ptrdiff_t>(y) * r.width);
  }
}

void PasteRect(const Canvas32& from, const Rect& r, int canvasWidth, Canvas32& canvas) {
  for (int y = 0; y < r.height; ++y) {
    std::copy_n(from.begin() + static_cast<std::ptrdiff_t>(y) * r.width, r.width,
                canvas.begin() + static_cast<std::ptrdiff_t>(r.top + y) * canvasWidth + r.left);
  }
}

// Skips the extensions before the first image and reads its descriptor.
bool ReadUpToFirstImage(GifFileType* gif) {
  GifRecordType record = UNDEFINED_RECORD_TYPE;
  do {
    if (DGifGetRecordType(gif, &record) != GIF_OK) return false;
    if (record == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* block = nullptr;
      if (DGifGetExtension(gif, &code, &block) != GIF_OK) return false;
      while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) != GIF_OK) return false;
      }
    }
  } while (record != IMAGE_DESC_RECORD_TYPE && record != TERMINATE_RECORD_TYPE);
  return record == IMAGE_DESC_RECORD_TYPE && DGifGetImageDesc(gif) == GIF_OK;
}

bool IsRestoring(int disposal) { return disposal == DISPOSE_BACKGROUND || disposal == DISPOSE_PREVIOUS; }

}  // namespace

std::optional<Canvas32> GiflibFirstImage(std::span<const std::uint8_t> bytes) {
  MemoryFile file{bytes};
  const Decoder gif = Open(file);
  if (!gif || !ReadUpToFirstImage(gif.get())) return std::nullopt;

  // The program shows the still at the screen's top-left corner, without
  // transparency; so does this.
  const GifImageDesc& desc = gif->Image;
  const int width = gif->SWidth > 0 ? gif->SWidth : desc.Width;
  const int height = gif->SHeight > 0 ? gif->SHeight : desc.Height;
  Canvas32 canvas(static_cast<std::size_t>(width) * height, kWhite);
  const auto palette = Palette(desc.ColorMap != nullptr ? desc.ColorMap : gif->SColorMap);
  std::vector<GifPixelType> line(static_cast<std::size_t>(desc.Width));
  const int rows = std::min(desc.Height, height);
  const int columns = std::min(desc.Width, width);
  for (int y = 0; y < rows; ++y) {
    if (DGifGetLine(gif.get(), line.data(), desc.Width) != GIF_OK) return std::nullopt;
    std::uint32_t* to = canvas.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < columns; ++x) to[x] = palette[line[static_cast<std::size_t>(x)]];
  }
  return canvas;
}

bool GiflibEveryFrame(std::span<const std::uint8_t> bytes,
                      const std::function<void(const Canvas32&)>& shown) {
  MemoryFile file{bytes};
  const Decoder gif = Open(file);
  if (!gif || DGifSlurp(gif.get()) != GIF_OK || gif->ImageCount < 1) return false;
  const int width = gif->SWidth;
  Canvas32 canvas(static_cast<std::size_t>(width) * gif->SHeight, kWhite);
  Canvas32 saved;
  std::optional<Rect> savedRect;
  for (int i = 0; i < gif->ImageCount; ++i) {
    if (savedRect) PasteRect(saved, *savedRect, width, canvas);
    savedRect.reset();
    const SavedImage& image = gif->SavedImages[i];
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    DGifSavedExtensionToGCB(gif.get(), i, &control);
    const Rect r = Clip(image.ImageDesc, width, gif->SHeight);
    if (IsRestoring(control.DisposalMode)) {
      CopyRect(canvas, r, width, saved);
      savedRect = r;
    }
    const auto palette =
        Palette(image.ImageDesc.ColorMap != nullptr ? image.ImageDesc.ColorMap : gif->SColorMap);
    DrawIndices(image.RasterBits, image.ImageDesc.Width, r, width, palette, control.TransparentColor,
                canvas);
    shown(canvas);
  }
  return true;
}

}  // namespace chatmock::bench
