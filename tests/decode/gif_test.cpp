#include <gtest/gtest.h>

#include <string>

#include "pictures/decode/decode.h"
#include "tests/decode/fixture_files.h"
#include "tests/decode/pattern_picture.h"
#include "tests/decode/writers/gif_writer.h"

namespace chatmock::pictures {
namespace {

using testing::Bytes;
using testing::GifFramePlan;
using testing::GifPlan;
using testing::MakeGif;

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kBlack = 0xFF000000u;

std::vector<std::uint32_t> Table(std::size_t entries) {
  std::vector<std::uint32_t> table;
  for (std::size_t i = 0; i < entries; ++i) {
    table.push_back(static_cast<std::uint32_t>(((i * 97) % 256) << 16 | ((i * 13 + 40) % 256) << 8 | ((255 - i) % 256)));
  }
  return table;
}

std::vector<std::uint8_t> Indices(int width, int height, int colours, int seed = 0) {
  std::vector<std::uint8_t> indices;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) indices.push_back(static_cast<std::uint8_t>((x * 5 + y * 3 + seed) % colours));
  }
  return indices;
}

GifFramePlan Frame(int width, int height, int colours, int seed = 0) {
  GifFramePlan frame;
  frame.width = width;
  frame.height = height;
  frame.indices = Indices(width, height, colours, seed);
  return frame;
}

DecodedPicture DecodeOrFail(const Bytes& bytes) {
  std::optional<DecodedPicture> picture = DecodePicture(bytes);
  EXPECT_TRUE(picture.has_value());
  if (!picture) return DecodedPicture{};
  EXPECT_EQ(picture->kind, PictureKind::Gif);
  EXPECT_FALSE(picture->hasMask);
  return std::move(*picture);
}

void ExpectFrameAtTopLeft(const DecodedPicture& picture, const GifFramePlan& frame,
                          const std::vector<std::uint32_t>& table) {
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const bool inside = x < frame.width && y < frame.height;
      const std::uint32_t expected =
          inside ? (kBlack | table[frame.indices[y * frame.width + x]]) : kWhite;
      ASSERT_EQ(picture.pixels[y * picture.width + x], expected) << x << "," << y;
    }
  }
}

class GifFixtureTest : public ::testing::TestWithParam<std::string> {};

// ImageMagick's LZW coder, clearing the table when it fills up.
TEST_P(GifFixtureTest, HoldsThePattern) {
  const DecodedPicture picture = DecodeOrFail(testing::ReadFixture(GetParam()));
  ASSERT_GT(picture.width, 0);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      ASSERT_EQ(picture.pixels[y * picture.width + x], testing::PatternColour(testing::PatternIndex(x, y)))
          << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(ImageMagick, GifFixtureTest,
                         ::testing::Values("pattern.gif", "pattern-interlaced.gif"));

struct LzwCase {
  std::string name;
  int width;
  int height;
  int colours;
  bool clearWhenFull;
};

class GifLzwTest : public ::testing::TestWithParam<LzwCase> {};

TEST_P(GifLzwTest, DecodesWhatWasCoded) {
  const LzwCase& c = GetParam();
  GifPlan plan{c.width, c.height, Table(c.colours), {Frame(c.width, c.height, c.colours)}};
  // Pseudo-random indices defeat the coder so the table fills.
  std::uint32_t state = 12345;
  for (std::uint8_t& index : plan.frames[0].indices) {
    state = state * 1103515245u + 12345u;
    index = static_cast<std::uint8_t>((state >> 16) % c.colours);
  }
  plan.clearWhenFull = c.clearWhenFull;
  ExpectFrameAtTopLeft(DecodeOrFail(MakeGif(plan)), plan.frames[0], plan.globalTable);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, GifLzwTest,
    ::testing::Values(LzwCase{"TwoColours", 37, 11, 2, true}, LzwCase{"FourColours", 64, 64, 4, true},
                      LzwCase{"FullTableCleared", 120, 100, 256, true},
                      LzwCase{"FullTableKeptAtTwelveBits", 120, 100, 256, false},
                      LzwCase{"FullTableKeptSmallCodes", 200, 200, 16, false},
                      LzwCase{"OnePixel", 1, 1, 2, true}),
    [](const auto& info) { return info.param.name; });

class GifInterlaceTest : public ::testing::TestWithParam<int> {};

// Heights up to 9 cover every pass being empty or ending early.
TEST_P(GifInterlaceTest, RowsComeBackInPlace) {
  const int height = GetParam();
  GifPlan plan{5, height, Table(16), {Frame(5, height, 16)}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < 5; ++x) plan.frames[0].indices[y * 5 + x] = static_cast<std::uint8_t>(y);
  }
  plan.frames[0].interlaced = true;
  ExpectFrameAtTopLeft(DecodeOrFail(MakeGif(plan)), plan.frames[0], plan.globalTable);
}

INSTANTIATE_TEST_SUITE_P(Heights, GifInterlaceTest, ::testing::Range(1, 10));

TEST(GifStillTest, LocalTableOverridesGlobalTable) {
  GifPlan plan{6, 4, Table(8), {Frame(6, 4, 8)}};
  std::vector<std::uint32_t> local = Table(8);
  for (std::uint32_t& colour : local) colour ^= 0x00FFFF;
  plan.frames[0].localTable = local;
  ExpectFrameAtTopLeft(DecodeOrFail(MakeGif(plan)), plan.frames[0], local);
}

TEST(GifStillTest, ImageSmallerThanScreenIsDrawnTopLeftOnWhiteIgnoringItsOffset) {
  GifPlan plan{9, 7, Table(4), {Frame(4, 3, 4)}};
  plan.frames[0].left = 3;
  plan.frames[0].top = 2;
  const DecodedPicture picture = DecodeOrFail(MakeGif(plan));
  ASSERT_EQ(picture.width, 9);
  ASSERT_EQ(picture.height, 7);
  ExpectFrameAtTopLeft(picture, plan.frames[0], plan.globalTable);
}

TEST(GifStillTest, ImageLargerThanScreenIsCut) {
  GifPlan plan{3, 2, Table(4), {Frame(5, 4, 4)}};
  const DecodedPicture picture = DecodeOrFail(MakeGif(plan));
  ASSERT_EQ(picture.width, 3);
  ASSERT_EQ(picture.height, 2);
  ExpectFrameAtTopLeft(picture, plan.frames[0], plan.globalTable);
}

TEST(GifStillTest, TransparentIndexShowsItsPaletteColour) {
  GifPlan plan{4, 4, Table(4), {Frame(4, 4, 4)}};
  plan.frames[0].control = testing::GifControl{10, 0, 2};
  ExpectFrameAtTopLeft(DecodeOrFail(MakeGif(plan)), plan.frames[0], plan.globalTable);
}

struct ZeroScreenCase {
  int width;
  int height;
};

class GifZeroScreenTest : public ::testing::TestWithParam<ZeroScreenCase> {};

TEST_P(GifZeroScreenTest, TakesTheFirstImagesSize) {
  GifPlan plan{GetParam().width, GetParam().height, Table(4), {Frame(5, 3, 4)}};
  const DecodedPicture picture = DecodeOrFail(MakeGif(plan));
  EXPECT_EQ(picture.width, 5);
  EXPECT_EQ(picture.height, 3);
}

INSTANTIATE_TEST_SUITE_P(Screens, GifZeroScreenTest,
                         ::testing::Values(ZeroScreenCase{0, 0}, ZeroScreenCase{0, 9}, ZeroScreenCase{9, 0}));

TEST(GifStillTest, NoColourTableGivesAGreyRamp) {
  GifPlan plan{4, 4, {}, {Frame(4, 4, 4)}};
  const DecodedPicture picture = DecodeOrFail(MakeGif(plan));
  for (int i = 0; i < 16; ++i) {
    const std::uint32_t grey = plan.frames[0].indices[i];
    ASSERT_EQ(picture.pixels[i], kBlack | grey << 16 | grey << 8 | grey);
  }
}

TEST(GifStillTest, IndexPastTheTableIsBlack) {
  GifPlan plan{4, 1, Table(2), {Frame(4, 1, 4)}};  // indices 0..3, table of 2
  plan.frames[0].indices = {0, 1, 2, 3};
  const DecodedPicture picture = DecodeOrFail(MakeGif(plan));
  EXPECT_EQ(picture.pixels[0], kBlack | plan.globalTable[0]);
  EXPECT_EQ(picture.pixels[1], kBlack | plan.globalTable[1]);
  EXPECT_EQ(picture.pixels[2], kBlack);
  EXPECT_EQ(picture.pixels[3], kBlack);
}

// Replaces the first image's data with its first `keep` bytes, properly
// terminated, as a server that cut the stream short might.
Bytes CutLzwData(const GifPlan& plan, std::size_t keep) {
  GifPlan headerOnlyPlan = plan;
  headerOnlyPlan.frames[0].indices.clear();
  headerOnlyPlan.trailer = false;
  Bytes out = MakeGif(headerOnlyPlan);
  out.resize(out.size() - 4);  // the empty image's data: size byte, two code bytes, terminator
  const int codeSize = 4;
  const Bytes codes = testing::EncodeGifLzw(plan.frames[0].indices, codeSize, true);
  out.push_back(static_cast<std::uint8_t>(keep));
  out.insert(out.end(), codes.begin(), codes.begin() + static_cast<std::ptrdiff_t>(keep));
  out.push_back(0);
  out.push_back(0x3B);
  return out;
}

TEST(GifStillTest, DataEndingEarlyLeavesTheRestAtIndexZero) {
  GifPlan plan{16, 16, Table(16), {Frame(16, 16, 16)}};
  for (std::uint8_t& index : plan.frames[0].indices) index = static_cast<std::uint8_t>(1 + index % 15);
  const DecodedPicture picture = DecodeOrFail(CutLzwData(plan, 40));
  std::size_t decoded = 0;
  while (decoded < picture.pixels.size() &&
         picture.pixels[decoded] == (kBlack | plan.globalTable[plan.frames[0].indices[decoded]])) {
    ++decoded;
  }
  EXPECT_GT(decoded, 16u);
  EXPECT_LT(decoded, picture.pixels.size());
  for (std::size_t i = decoded; i < picture.pixels.size(); ++i) {
    ASSERT_EQ(picture.pixels[i], kBlack | plan.globalTable[0]) << i;
  }
}

struct BrokenCase {
  std::string name;
  std::function<void(Bytes&)> damage;
};

class GifBrokenTest : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(GifBrokenTest, IsNoPicture) {
  GifPlan plan{4, 4, Table(4), {Frame(4, 4, 4)}};
  Bytes bytes = MakeGif(plan);
  GetParam().damage(bytes);
  EXPECT_FALSE(DecodePicture(bytes).has_value());
}

// Layout: 6 signature, 7 screen, 12 table (4 entries), then the image
// descriptor at 25: introducer, left, top, width, height, packed, code size.
INSTANTIATE_TEST_SUITE_P(
    Damage, GifBrokenTest,
    ::testing::Values(BrokenCase{"ScreenCutShort", [](Bytes& b) { b.resize(10); }},
                      BrokenCase{"GlobalTableCutShort", [](Bytes& b) { b.resize(20); }},
                      BrokenCase{"NoImage", [](Bytes& b) { b.resize(25); b.push_back(0x3B); }},
                      BrokenCase{"DescriptorCutShort", [](Bytes& b) { b.resize(30); }},
                      BrokenCase{"ZeroWidthImage", [](Bytes& b) { b[30] = 0; b[31] = 0; }},
                      BrokenCase{"CodeSizeOne", [](Bytes& b) { b[35] = 1; }},
                      BrokenCase{"CodeSizeNine", [](Bytes& b) { b[35] = 9; }},
                      BrokenCase{"OversizedScreen", [](Bytes& b) { b[6] = 0x01; b[7] = 0x41; b[8] = 1; }},
                      BrokenCase{"OversizedImage", [](Bytes& b) { b[30] = 0xFF; b[31] = 0xFF; b[32] = 0xFF; b[33] = 0xFF; }},
                      BrokenCase{"UnknownBlockBeforeImage", [](Bytes& b) { b[25] = 0x99; }}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace chatmock::pictures
