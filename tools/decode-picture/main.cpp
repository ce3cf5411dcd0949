// decode-picture [--frame K] INPUT OUTPUT.ppm
//
// Decodes INPUT the way a picture box would and writes what it shows as a
// PPM. Prints "KIND WIDTHxHEIGHT". Exit 1: the bytes are no picture;
// exit 2: usage or file error.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "pictures/decode/decode.h"
#include "pictures/decode/gif_animation.h"
#include "tools/decode-picture/ppm_file.h"

namespace {

using namespace chatmock;

constexpr int kExitNoPicture = 1;
constexpr int kExitUsage = 2;

struct Arguments {
  std::optional<long> frame;
  std::string input;
  std::string output;
};

std::optional<long> ParseFrame(const std::string& text) {
  long value = 0;
  const char* end = text.data() + text.size();
  const auto [rest, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || rest != end || value < 0) return std::nullopt;
  return value;
}

std::optional<Arguments> ParseArguments(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  Arguments arguments;
  if (words.size() == 4 && words[0] == "--frame") {
    arguments.frame = ParseFrame(words[1]);
    if (!arguments.frame) return std::nullopt;
    words.erase(words.begin(), words.begin() + 2);
  }
  if (words.size() != 2) return std::nullopt;
  arguments.input = words[0];
  arguments.output = words[1];
  return arguments;
}

std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

struct Shown {
  pictures::PictureKind kind;
  int width;
  int height;
  std::vector<std::uint32_t> pixels;
};

// A frame number past the last image wraps around, as the animation does.
std::optional<Shown> ShowGifFrame(std::span<const std::uint8_t> bytes, long frame) {
  std::optional<pictures::GifAnimation> animation = pictures::GifAnimation::Parse(bytes);
  if (!animation) return std::nullopt;
  for (long i = 0; i <= frame; ++i) animation->Advance();
  return Shown{pictures::PictureKind::Gif, animation->Width(), animation->Height(),
               animation->Canvas()};
}

std::optional<Shown> Show(std::span<const std::uint8_t> bytes, std::optional<long> frame) {
  if (frame && pictures::DetectPictureKind(bytes) == pictures::PictureKind::Gif) {
    return ShowGifFrame(bytes, *frame);
  }
  std::optional<pictures::DecodedPicture> picture = pictures::DecodePicture(bytes);
  if (!picture) return std::nullopt;
  return Shown{picture->kind, picture->width, picture->height, std::move(picture->pixels)};
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Arguments> arguments = ParseArguments(argc, argv);
  if (!arguments) {
    std::fprintf(stderr, "usage: decode-picture [--frame K] INPUT OUTPUT.ppm\n");
    return kExitUsage;
  }
  const std::optional<std::vector<std::uint8_t>> bytes = ReadFile(arguments->input);
  if (!bytes) {
    std::fprintf(stderr, "decode-picture: cannot read %s\n", arguments->input.c_str());
    return kExitUsage;
  }
  const std::optional<Shown> shown = Show(*bytes, arguments->frame);
  if (!shown) {
    std::printf("no picture\n");
    return kExitNoPicture;
  }
  std::printf("%s %dx%d\n", pictures::PictureKindName(shown->kind), shown->width, shown->height);
  if (!tools::WritePpmOnWhite(arguments->output, shown->width, shown->height, shown->pixels)) {
    std::fprintf(stderr, "decode-picture: cannot write %s\n", arguments->output.c_str());
    return kExitUsage;
  }
  return 0;
}
