// Decoding: the program's decoders against libjpeg-turbo, giflib and Qt's
// readers on the same bytes, side by side in one run. Before timing, each
// pair is checked to produce the same pixels, so the times compare the
// same work.
//
//   chatmock_bench_decode [--fixtures-out=DIR] [Google Benchmark flags]

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bench/decode_fixtures.h"
#include "bench/giflib_canvas.h"
#include "bench/libjpeg_scanlines.h"
#include "bench/paired_ratio.h"
#include "bench/qt_readers.h"
#include "pictures/decode/decode.h"
#include "pictures/decode/gif_animation.h"

namespace chatmock::bench {
namespace {

using pictures::DecodedPicture;
using pictures::DecodePicture;
using pictures::GifAnimation;

constexpr char kFixturesFlag[] = "--fixtures-out=";
constexpr char kAnimatedFixture[] = "show_gif";

// The program's side of "every frame": parse once, then one Advance per image.
int ChatmockEveryFrame(std::span<const std::uint8_t> bytes,
                       const std::function<void(const Canvas32&)>& shown) {
  std::optional<GifAnimation> animation = GifAnimation::Parse(bytes);
  if (!animation) return 0;
  int frames = 0;
  do {
    animation->Advance();
    shown(animation->Canvas());
    ++frames;
  } while (animation->NextImage() != 0);
  return frames;
}

std::vector<Canvas32> ChatmockFrames(std::span<const std::uint8_t> bytes) {
  std::vector<Canvas32> frames;
  ChatmockEveryFrame(bytes, [&](const Canvas32& c) { frames.push_back(c); });
  return frames;
}

std::vector<Canvas32> GiflibFrames(std::span<const std::uint8_t> bytes) {
  std::vector<Canvas32> frames;
  GiflibEveryFrame(bytes, [&](const Canvas32& c) { frames.push_back(c); });
  return frames;
}

// Fully transparent pixels count as equal whatever colour they carry.
bool SamePixel(std::uint32_t a, std::uint32_t b) { return a == b || ((a >> 24) == 0 && (b >> 24) == 0); }

std::size_t DifferingPixels(const std::vector<std::uint32_t>& ours, const QImage& theirs) {
  if (theirs.isNull() || theirs.sizeInBytes() != static_cast<qsizetype>(ours.size() * 4)) {
    return ours.size();
  }
  const auto* pixels = reinterpret_cast<const std::uint32_t*>(theirs.constBits());
  std::size_t differing = 0;
  for (std::size_t i = 0; i < ours.size(); ++i) differing += SamePixel(ours[i], pixels[i]) ? 0 : 1;
  return differing;
}

bool SameAsLibjpeg(std::span<const std::uint8_t> jpeg) {
  const std::optional<DecodedPicture> ours = DecodePicture(jpeg);
  const std::optional<RgbPicture> theirs = DecodeWithLibjpeg(jpeg);
  if (!ours || !theirs || ours->width != theirs->width || ours->height != theirs->height) return false;
  for (std::size_t i = 0; i < ours->pixels.size(); ++i) {
    const std::uint32_t rgb = (std::uint32_t{theirs->rgb[i * 3]} << 16) |
                              (std::uint32_t{theirs->rgb[i * 3 + 1]} << 8) | theirs->rgb[i * 3 + 2];
    if (ours->pixels[i] != (0xFF000000u | rgb)) return false;
  }
  return true;
}

struct Checks {
  std::string report;
  bool sameWork = true;

  void Record(const std::string& what, bool same, const std::string& detail = {}) {
    report += (same ? "same    " : "DIFFERS ") + what + (detail.empty() ? "" : " (" + detail + ")") + "\n";
  }
  void Require(const std::string& what, bool same) {
    Record(what, same);
    sameWork = sameWork && same;
  }
};

// Against giflib the canvases must match exactly; against Qt only the
// number of differing pixels is told, since Qt has rules of its own (for
// instance for the restoring disposal).
Checks CheckSameWork(const std::vector<PictureFile>& files) {
  Checks checks;
  checks.Require("jpeg chat_frame: chatmock vs libjpeg", SameAsLibjpeg(ChatFrameJpeg()));
  for (const PictureFile& file : files) {
    const std::optional<DecodedPicture> ours = DecodePicture(file.bytes);
    if (!ours) {
      checks.Require(file.name + ": chatmock decodes it", false);
      continue;
    }
    if (file.format == "GIF") {
      const std::optional<Canvas32> first = GiflibFirstImage(file.bytes);
      checks.Require(file.name + " first image: chatmock vs giflib", first && *first == ours->pixels);
      checks.Require(file.name + " every frame: chatmock vs giflib",
                     ChatmockFrames(file.bytes) == GiflibFrames(file.bytes));
    }
    const std::size_t differing = DifferingPixels(ours->pixels, QtFirstImage(file.bytes, file.format.c_str()));
    checks.Record(file.name + " first image: chatmock vs Qt", differing == 0,
                  std::to_string(differing) + " of " + std::to_string(ours->pixels.size()) +
                      " pixels differ");
  }
  return checks;
}

void WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  QFile out(QString::fromStdString(path));
  if (out.open(QIODevice::WriteOnly)) {
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  }
}

const char* Extension(const std::string& format) {
  if (format == "GIF") return ".gif";
  if (format == "BMP") return ".bmp";
  return ".ico";
}

void WriteFixtures(const std::string& dir, const std::vector<PictureFile>& files, const Checks& checks) {
  WriteFile(dir + "/chat_frame.jpg", ChatFrameJpeg());
  for (const PictureFile& file : files) WriteFile(dir + "/" + file.name + Extension(file.format), file.bytes);
  const std::string& text = checks.report;
  WriteFile(dir + "/same-work.txt", {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

using Work = std::function<void()>;

constexpr double kPairedSeconds = 1.0;

// Each decoder alone, for its absolute time, and each comparison as pairs
// taken in turn, for a ratio that the machine's load changes do not skew.
void Register(const std::string& name, const Work& work) {
  benchmark::RegisterBenchmark(name.c_str(), [work](benchmark::State& state) {
    for (auto _ : state) work();
  })->Unit(benchmark::kMicrosecond);
}

void RegisterPair(const std::string& subject, const std::string& reference, const Work& ours,
                  const Work& theirs) {
  benchmark::RegisterBenchmark(("pair/" + subject + "/" + reference).c_str(),
                               [ours, theirs](benchmark::State& state) { RunPaired(state, ours, theirs); })
      ->MinTime(kPairedSeconds)
      ->Repetitions(1)
      ->Unit(benchmark::kMicrosecond);
}

void RegisterComparisons(const std::string& subject, const Work& ours,
                         const std::vector<std::pair<std::string, Work>>& references) {
  Register(subject + "/chatmock", ours);
  for (const auto& [name, work] : references) {
    Register(subject + "/" + name, work);
    RegisterPair(subject, name, ours, work);
  }
}

void RegisterJpeg() {
  const std::span<const std::uint8_t> jpeg = ChatFrameJpeg();
  RegisterComparisons("jpeg/chat_frame", [jpeg] { benchmark::DoNotOptimize(DecodePicture(jpeg)); },
                      {{"libjpeg", [jpeg] { benchmark::DoNotOptimize(DecodeWithLibjpeg(jpeg)); }}});
}

void RegisterFirstImage(const PictureFile& file) {
  const std::span<const std::uint8_t> bytes = file.bytes;
  const char* format = file.format.c_str();
  std::vector<std::pair<std::string, Work>> references;
  if (file.format == "GIF") {
    references.emplace_back("giflib", [bytes] { benchmark::DoNotOptimize(GiflibFirstImage(bytes)); });
  }
  references.emplace_back("qt", [bytes, format] { benchmark::DoNotOptimize(QtFirstImage(bytes, format)); });
  RegisterComparisons("first/" + file.name, [bytes] { benchmark::DoNotOptimize(DecodePicture(bytes)); },
                      references);
}

void RegisterEveryFrame(const PictureFile& file) {
  const std::span<const std::uint8_t> bytes = file.bytes;
  const char* format = file.format.c_str();
  const auto keep = [](const auto& frame) { benchmark::DoNotOptimize(frame); };
  RegisterComparisons("every/" + file.name, [bytes, keep] { ChatmockEveryFrame(bytes, keep); },
                      {{"giflib", [bytes, keep] { GiflibEveryFrame(bytes, keep); }},
                       {"qt", [bytes, format, keep] { QtEveryFrame(bytes, format, keep); }}});
}

// Takes our own flag out of argv before Google Benchmark sees it.
std::string TakeFixturesDir(int& argc, char** argv) {
  std::string dir;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], kFixturesFlag, sizeof kFixturesFlag - 1) == 0) {
      dir = argv[i] + sizeof kFixturesFlag - 1;
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  return dir;
}

}  // namespace
}  // namespace chatmock::bench

int main(int argc, char** argv) {
  using namespace chatmock::bench;
  const std::string fixturesDir = TakeFixturesDir(argc, argv);
  // Qt's readers are plug-ins; the application object tells Qt where they are.
  QCoreApplication application(argc, argv);
  const std::vector<PictureFile> files = MakeDecodeFixtures();
  const Checks checks = CheckSameWork(files);
  std::fputs(checks.report.c_str(), stderr);
  if (!fixturesDir.empty()) WriteFixtures(fixturesDir, files, checks);
  if (!checks.sameWork) return 1;

  RegisterJpeg();
  for (const PictureFile& file : files) RegisterFirstImage(file);
  for (const PictureFile& file : files) {
    if (file.name == kAnimatedFixture) RegisterEveryFrame(file);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
