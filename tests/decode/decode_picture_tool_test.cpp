// Runs the real decode-picture program, as a developer would.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "pictures/decode/decode.h"
#include "pictures/decode/gif_animation.h"
#include "tests/decode/fixture_files.h"
#include "tests/decode/writers/gif_writer.h"
#include "tests/decode/writers/icon_writer.h"
#include "tests/decode/writers/dib_writer.h"

namespace chatmock::pictures {
namespace {

using testing::Bytes;

struct RunResult {
  int exitCode = -1;
  std::string output;
};

struct PipeCloser {
  void operator()(FILE* pipe) const { pclose(pipe); }
};

RunResult RunTool(const std::string& arguments) {
  const std::string command = std::string(CHATMOCK_DECODE_PICTURE_TOOL) + " " + arguments + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {};
  RunResult result;
  std::array<char, 256> buffer{};
  while (std::fgets(buffer.data(), buffer.size(), pipe)) result.output += buffer.data();
  const int status = pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

class ToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    directory_ = std::filesystem::temp_directory_path() /
                 ("decode-picture-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory_);
  }
  void TearDown() override { std::filesystem::remove_all(directory_); }

  std::string Write(const std::string& name, const Bytes& bytes) {
    const std::string path = (directory_ / name).string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                 static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  std::string OutputPath() const { return (directory_ / "out.ppm").string(); }

  std::filesystem::path directory_;
};

TEST_F(ToolTest, PrintsKindAndSizeAndWritesThePixels) {
  const std::string input = testing::FixturePath("photo.jpg");
  const RunResult result = RunTool(input + " " + OutputPath());
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output, "Jpeg 48x32\n");
  const testing::RgbPicture written = testing::ParsePpm(testing::ReadFileBytes(OutputPath()));
  const std::optional<DecodedPicture> decoded = DecodePicture(testing::ReadFixture("photo.jpg"));
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(written.width, 48);
  EXPECT_EQ(written.height, 32);
  EXPECT_EQ(written.pixels, decoded->pixels);
}

TEST_F(ToolTest, IconIsCompositedOntoWhite) {
  testing::DibPlan dib;
  dib.width = 2;
  dib.height = 2;
  dib.bits = 32;
  // Left: opaque blue. Right: half-transparent black.
  dib.pixel = [](int x, int) { return x == 0 ? 0xFF0000FFu : 0x80000000u; };
  const std::string input =
      Write("icon.ico", testing::MakeIconFile(1, {{1, 1, 0, [&] {
                                                      Bytes image = testing::MakeDib(dib, 1);
                                                      testing::PutBytes(image, testing::MakeMaskRows(2, 1, [](int, int) { return false; }));
                                                      return image;
                                                    }()}}));
  const RunResult result = RunTool(input + " " + OutputPath());
  EXPECT_EQ(result.output, "Icon 2x1\n");
  const testing::RgbPicture written = testing::ParsePpm(testing::ReadFileBytes(OutputPath()));
  ASSERT_EQ(written.pixels.size(), 2u);
  EXPECT_EQ(written.pixels[0], 0xFF0000FFu);
  EXPECT_EQ(written.pixels[1], 0xFF7F7F7Fu);  // 255 * (1 - 128/255)
}

TEST_F(ToolTest, FrameOptionShowsTheCanvasAfterThatImageAndWrapsAround) {
  testing::GifPlan plan{3, 1, {0x000000, 0xFF0000}, {}};
  for (int i = 0; i < 3; ++i) {
    testing::GifFramePlan frame;
    frame.left = i;
    frame.width = 1;
    frame.height = 1;
    frame.indices = {1};
    frame.control = testing::GifControl{0, i == 1 ? 2 : 0, -1};
    plan.frames.push_back(frame);
  }
  const std::string input = Write("steps.gif", testing::MakeGif(plan));
  struct FrameCase {
    int frame;
    std::vector<std::uint32_t> pixels;
  };
  constexpr std::uint32_t kRed = 0xFFFF0000u;
  constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
  for (const FrameCase& c : {FrameCase{0, {kRed, kWhite, kWhite}}, FrameCase{1, {kRed, kRed, kWhite}},
                             FrameCase{2, {kRed, kWhite, kRed}}, FrameCase{4, {kRed, kRed, kRed}}}) {
    SCOPED_TRACE(c.frame);
    const RunResult result = RunTool("--frame " + std::to_string(c.frame) + " " + input + " " + OutputPath());
    EXPECT_EQ(result.output, "Gif 3x1\n");
    EXPECT_EQ(testing::ParsePpm(testing::ReadFileBytes(OutputPath())).pixels, c.pixels);
  }
}

TEST_F(ToolTest, NoPictureExitsWithOne) {
  const std::string input = Write("junk.bin", Bytes{'B', 'M', 1, 2, 3, 4, 5, 6});
  const RunResult result = RunTool(input + " " + OutputPath());
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.output, "no picture\n");
}

TEST_F(ToolTest, UsageErrorsExitWithTwo) {
  const std::string input = testing::FixturePath("photo.jpg");
  for (const std::string& arguments : {std::string(), input, "--frame " + input + " " + OutputPath(),
                                       "--frame -1 " + input + " " + OutputPath(),
                                       "--frame 1x " + input + " " + OutputPath(),
                                       input + " " + OutputPath() + " extra",
                                       (directory_ / "missing.jpg").string() + " " + OutputPath()}) {
    SCOPED_TRACE(arguments);
    const RunResult result = RunTool(arguments);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.output, "");
  }
}

}  // namespace
}  // namespace chatmock::pictures
