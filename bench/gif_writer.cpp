#include "bench/gif_writer.h"

#include <gif_lib.h>

#include <array>
#include <memory>

namespace chatmock::bench {
namespace {

constexpr int kColourResolutionBits = 8;
constexpr std::array<GifByteType, 11> kLoopApplication = {'N', 'E', 'T', 'S', 'C', 'A',
                                                           'P', 'E', '2', '.', '0'};
constexpr std::array<GifByteType, 3> kLoopForever = {1, 0, 0};

struct MapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, MapDeleter>;

// Closing writes the trailer; an encoder left open by an early return
// still releases everything.
struct EncoderDeleter {
  void operator()(GifFileType* gif) const {
    int error = 0;
    EGifCloseFile(gif, &error);
  }
};
using Encoder = std::unique_ptr<GifFileType, EncoderDeleter>;

int AppendToVector(GifFileType* gif, const GifByteType* bytes, int count) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out->insert(out->end(), bytes, bytes + count);
  return count;
}

ColourMap MakeMap(const std::vector<Rgb>& table) {
  if (table.empty()) return nullptr;
  std::vector<GifColorType> colours(table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    colours[i] = GifColorType{table[i].red, table[i].green, table[i].blue};
  }
  return ColourMap(GifMakeMapObject(static_cast<int>(colours.size()), colours.data()));
}

bool PutLoopBlock(GifFileType* gif) {
  return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, kLoopApplication.size(), kLoopApplication.data()) == GIF_OK &&
         EGifPutExtensionBlock(gif, kLoopForever.size(), kLoopForever.data()) == GIF_OK &&
         EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool PutFrame(GifFileType* gif, const GifFrame& frame) {
  GraphicsControlBlock control{};
  control.DisposalMode = frame.disposal;
  control.DelayTime = frame.delayCs;
  control.TransparentColor = frame.transparentIndex;
  std::array<GifByteType, 4> controlBytes{};
  const auto controlSize = EGifGCBToExtension(&control, controlBytes.data());
  if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(controlSize),
                       controlBytes.data()) != GIF_OK) {
    return false;
  }
  const ColourMap local = MakeMap(frame.localTable);
  if (!frame.localTable.empty() && !local) return false;
  if (EGifPutImageDesc(gif, frame.left, frame.top, frame.pixels.width, frame.pixels.height, false,
                       local.get()) != GIF_OK) {
    return false;
  }
  std::vector<GifPixelType> row(static_cast<std::size_t>(frame.pixels.width));
  for (int y = 0; y < frame.pixels.height; ++y) {
    const auto start = frame.pixels.indices.begin() + static_cast<std::ptrdiff_t>(y) * frame.pixels.width;
    std::copy(start, start + frame.pixels.width, row.begin());
    if (EGifPutLine(gif, row.data(), frame.pixels.width) != GIF_OK) return false;
  }
  return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeGif(const GifMovie& movie) {
  std::vector<std::uint8_t> bytes;
  int error = 0;
  Encoder gif(EGifOpen(&bytes, &AppendToVector, &error));
  if (!gif) return {};
  EGifSetGifVersion(gif.get(), true);
  const ColourMap global = MakeMap(movie.globalTable);
  if (!global || EGifPutScreenDesc(gif.get(), movie.width, movie.height, kColourResolutionBits, 0,
                                   global.get()) != GIF_OK) {
    return {};
  }
  if (movie.loops && !PutLoopBlock(gif.get())) return {};
  for (const GifFrame& frame : movie.frames) {
    if (!PutFrame(gif.get(), frame)) return {};
  }
  GifFileType* finished = gif.release();
  if (EGifCloseFile(finished, &error) != GIF_OK) return {};
  return bytes;
}

}  // namespace chatmock::bench
