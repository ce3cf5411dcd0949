// Where a picture box draws its picture, by display mode, in whole pixels.

#include <gtest/gtest.h>

#include "pictures/placement.h"

namespace chatmock {
namespace {

struct PlacementCase {
  const char* label;
  QSize picture;
  QSize box;
  DisplayMode mode;
  QRect drawn;
  friend void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.label; }
};

class PlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTest, DrawsAtThisRectangle) {
  const PlacementCase& c = GetParam();
  EXPECT_EQ(PlacePicture(c.picture, c.box, c.mode), c.drawn);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PlacementTest,
    testing::Values(
        PlacementCase{"centred_wider_shrinks", {200, 100}, {100, 100}, DisplayMode::CentredShrunk, {0, 25, 100, 50}},
        PlacementCase{"centred_taller_shrinks", {100, 200}, {100, 100}, DisplayMode::CentredShrunk, {25, 0, 50, 100}},
        PlacementCase{"centred_smaller_is_centred", {50, 40}, {100, 100}, DisplayMode::CentredShrunk, {25, 30, 50, 40}},
        PlacementCase{"centred_exact_fit", {100, 100}, {100, 100}, DisplayMode::CentredShrunk, {0, 0, 100, 100}},
        PlacementCase{"centred_odd_gap_truncates", {51, 41}, {100, 100}, DisplayMode::CentredShrunk, {24, 29, 51, 41}},
        PlacementCase{"centred_both_larger", {400, 300}, {100, 100}, DisplayMode::CentredShrunk, {0, 12, 100, 75}},
        PlacementCase{"stretched_fills_the_box", {50, 50}, {64, 63}, DisplayMode::Stretched, {0, 0, 64, 63}},
        PlacementCase{"stretched_shrinks_too", {200, 400}, {64, 63}, DisplayMode::Stretched, {0, 0, 64, 63}},
        PlacementCase{"top_left_natural_size", {200, 400}, {143, 228}, DisplayMode::TopLeft, {0, 0, 200, 400}},
        PlacementCase{"top_left_small", {100, 100}, {143, 228}, DisplayMode::TopLeft, {0, 0, 100, 100}}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace chatmock
