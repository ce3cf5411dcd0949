#include "pictures/decode/gif_animation.h"

#include <gtest/gtest.h>

#include <string>

#include "pictures/decode/decode.h"
#include "tests/decode/writers/gif_writer.h"

namespace chatmock::pictures {
namespace {

using testing::Bytes;
using testing::GifControl;
using testing::GifFramePlan;
using testing::GifPlan;
using testing::MakeGif;

// Canvases are written as rows of letters; the global table gives each
// letter a colour and '.' is the white the canvas starts with.
const std::vector<std::uint32_t> kTable = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                           0xFFFF00, 0x00FFFF, 0xFF00FF, 0x808080};
constexpr char kLetters[] = "KRGBYCMA";

std::uint8_t IndexOf(char letter) {
  return static_cast<std::uint8_t>(std::string(kLetters).find(letter));
}

GifFramePlan Frame(int left, int top, std::vector<std::string> rows,
                   std::optional<GifControl> control = std::nullopt) {
  GifFramePlan frame;
  frame.left = left;
  frame.top = top;
  frame.width = static_cast<int>(rows[0].size());
  frame.height = static_cast<int>(rows.size());
  for (const std::string& row : rows) {
    for (char letter : row) frame.indices.push_back(IndexOf(letter));
  }
  frame.control = control;
  return frame;
}

std::string CanvasText(const GifAnimation& animation) {
  std::string text;
  for (int y = 0; y < animation.Height(); ++y) {
    for (int x = 0; x < animation.Width(); ++x) {
      const std::uint32_t pixel = animation.Canvas()[y * animation.Width() + x];
      char letter = '?';
      if (pixel == 0xFFFFFFFFu) letter = '.';
      for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (pixel == (0xFF000000u | kTable[i])) letter = kLetters[i];
      }
      text += letter;
    }
    text += '\n';
  }
  return text;
}

struct Step {
  int delayMs;
  std::string canvas;
};

void ExpectSteps(GifAnimation& animation, const std::vector<Step>& steps) {
  for (std::size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE("advance " + std::to_string(i));
    EXPECT_EQ(animation.Advance(), steps[i].delayMs);
    EXPECT_EQ(CanvasText(animation), steps[i].canvas);
  }
}

GifAnimation ParseOrFail(const Bytes& bytes) {
  std::optional<GifAnimation> animation = GifAnimation::Parse(bytes);
  EXPECT_TRUE(animation.has_value());
  if (!animation) std::abort();
  return std::move(*animation);
}

constexpr int kRestoreToBackground = 2;
constexpr int kRestoreToPrevious = 3;

// One sequence with each rule in it; every comment names what the step shows.
GifPlan RulesAnimation() {
  GifPlan plan{4, 4, kTable, {}};
  // Delay 0 is shown for 50 ms.
  plan.frames.push_back(Frame(0, 0, {"RRR", "RRR", "RRR"}, GifControl{0, 1, -1}));
  // Disposal 2: what lay under it comes back before the next image.
  plan.frames.push_back(Frame(1, 1, {"GG", "GG"}, GifControl{7, kRestoreToBackground, -1}));
  // No control block: the 70 ms carry over, disposal does not.
  plan.frames.push_back(Frame(2, 2, {"BB", "BB"}));
  // Disposal 3 acts like 2; index of 'K' is transparent and leaves the canvas alone.
  plan.frames.push_back(Frame(0, 0, {"YKYK"}, GifControl{3, kRestoreToPrevious, IndexOf('K')}));
  // Partly off the canvas: clipped. Transparency did not carry over: 'K' is drawn.
  plan.frames.push_back(Frame(3, 3, {"KC", "CC"}, GifControl{2, 0, -1}));
  return plan;
}

TEST(GifAnimationTest, FollowsDisposalTransparencyAndDelayRules) {
  GifAnimation animation = ParseOrFail(MakeGif(RulesAnimation()));
  EXPECT_TRUE(animation.IsAnimated());
  EXPECT_EQ(animation.Width(), 4);
  EXPECT_EQ(animation.Height(), 4);
  EXPECT_EQ(CanvasText(animation), "....\n....\n....\n....\n");
  EXPECT_EQ(animation.NextImage(), 0);
  ExpectSteps(animation, {
                             {50, "RRR.\nRRR.\nRRR.\n....\n"},
                             {70, "RRR.\nRGG.\nRGG.\n....\n"},
                             {70, "RRR.\nRRR.\nRRBB\n..BB\n"},
                             {30, "YRY.\nRRR.\nRRBB\n..BB\n"},
                             {20, "RRR.\nRRR.\nRRBB\n..BK\n"},
                         });
  EXPECT_EQ(animation.NextImage(), 0);
}

TEST(GifAnimationTest, StartsOverWithoutClearingTheCanvas) {
  GifAnimation animation = ParseOrFail(MakeGif(RulesAnimation()));
  for (int i = 0; i < 5; ++i) animation.Advance();
  ExpectSteps(animation, {
                             {50, "RRR.\nRRR.\nRRRB\n..BK\n"},
                             {70, "RRR.\nRGG.\nRGGB\n..BK\n"},
                         });
  EXPECT_EQ(animation.NextImage(), 2);
}

TEST(GifAnimationTest, LastImagesDisposalIsUndoneBeforeTheFirstComesBack) {
  GifPlan plan{3, 1, kTable, {}};
  plan.frames.push_back(Frame(0, 0, {"R"}));
  plan.frames.push_back(Frame(1, 0, {"GG"}, GifControl{0, kRestoreToBackground, -1}));
  GifAnimation animation = ParseOrFail(MakeGif(plan));
  ExpectSteps(animation, {{50, "R..\n"}, {50, "RGG\n"}, {50, "R..\n"}});
}

TEST(GifAnimationTest, SingleImageIsNotAnimatedAndRedrawsItself) {
  GifPlan plan{2, 1, kTable, {Frame(0, 0, {"RG"}, GifControl{4, 0, -1})}};
  GifAnimation animation = ParseOrFail(MakeGif(plan));
  EXPECT_FALSE(animation.IsAnimated());
  ExpectSteps(animation, {{40, "RG\n"}, {40, "RG\n"}});
  EXPECT_EQ(animation.NextImage(), 0);
}

TEST(GifAnimationTest, DelayBeforeTheFirstControlBlockIsFifty) {
  GifPlan plan{1, 1, kTable, {Frame(0, 0, {"R"}), Frame(0, 0, {"G"}, GifControl{9, 0, -1}), Frame(0, 0, {"B"})}};
  GifAnimation animation = ParseOrFail(MakeGif(plan));
  ExpectSteps(animation, {{50, "R\n"}, {90, "G\n"}, {90, "B\n"}, {50, "R\n"}});
}

TEST(GifAnimationTest, LocalTablesBelongToTheirImage) {
  GifPlan plan{2, 1, kTable, {Frame(0, 0, {"RR"}), Frame(1, 0, {"R"})}};
  plan.frames[1].localTable = {0x0000FF, 0x00FF00};  // index of 'R' is 1: green here
  GifAnimation animation = ParseOrFail(MakeGif(plan));
  ExpectSteps(animation, {{50, "RR\n"}, {50, "RG\n"}, {50, "RR\n"}});
}

// Image i drawn alone at x = i, so the canvas tells how many images play.
Bytes Steps(int images) {
  GifPlan plan{images, 1, kTable, {}};
  for (int i = 0; i < images; ++i) plan.frames.push_back(Frame(i, 0, {"R"}));
  return MakeGif(plan);
}

struct EndCase {
  std::string name;
  std::function<void(Bytes&)> change;
  int imagesPlayed;
};

class GifAnimationEndTest : public ::testing::TestWithParam<EndCase> {};

TEST_P(GifAnimationEndTest, SequenceStopsThereAndStartsOver) {
  Bytes bytes = Steps(3);
  GetParam().change(bytes);
  GifAnimation animation = ParseOrFail(bytes);
  const int played = GetParam().imagesPlayed;
  EXPECT_EQ(animation.IsAnimated(), played > 1);
  for (int i = 0; i < played; ++i) animation.Advance();
  EXPECT_EQ(animation.NextImage(), 0);
}

// Steps(3) is 6 + 7 + 24 (8-entry table) = 37 bytes of header, then three
// images of 15 bytes each (descriptor 10, code size 1, data 4), then the trailer.
constexpr std::size_t kFirstImage = 37;
constexpr std::size_t kImageBytes = 15;

INSTANTIATE_TEST_SUITE_P(
    Ends, GifAnimationEndTest,
    ::testing::Values(
        EndCase{"Trailer", [](Bytes&) {}, 3},
        EndCase{"NoTrailer", [](Bytes& b) { b.pop_back(); }, 3},
        EndCase{"ZeroByteInsteadOfBlock", [](Bytes& b) { b[kFirstImage + 2 * kImageBytes] = 0; }, 2},
        EndCase{"DamagedSecondImage", [](Bytes& b) { b[kFirstImage + kImageBytes + 10] = 12; }, 1},
        EndCase{"CutInsideThirdImage", [](Bytes& b) { b.resize(kFirstImage + 2 * kImageBytes + 5); }, 2},
        EndCase{"CutInsideThirdImagesData", [](Bytes& b) { b.resize(kFirstImage + 3 * kImageBytes - 1); }, 3}),
    [](const auto& info) { return info.param.name; });

TEST(GifAnimationTest, ParseRefusesWhatIsNoGif) {
  EXPECT_FALSE(GifAnimation::Parse(Bytes{'B', 'M', 0, 0, 0, 0, 0, 0}).has_value());
  Bytes broken = Steps(2);
  broken[kFirstImage + 10] = 0;  // first image's code size
  EXPECT_FALSE(GifAnimation::Parse(broken).has_value());
}

TEST(GifAnimationTest, KeepsItsOwnCopyOfTheBytesAndMoves) {
  Bytes bytes = MakeGif(RulesAnimation());
  std::optional<GifAnimation> parsed = GifAnimation::Parse(bytes);
  ASSERT_TRUE(parsed.has_value());
  std::fill(bytes.begin(), bytes.end(), 0);
  GifAnimation moved = std::move(*parsed);
  EXPECT_EQ(moved.Advance(), 50);
  EXPECT_EQ(CanvasText(moved), "RRR.\nRRR.\nRRR.\n....\n");
}

}  // namespace
}  // namespace chatmock::pictures
