#include "pictures/http/content_length.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace chatmock::pictures {
namespace {

struct AnnouncedCase {
  std::string value;
  std::optional<long long> length;
};

class AnnouncedLengthTest : public ::testing::TestWithParam<AnnouncedCase> {};

TEST_P(AnnouncedLengthTest, ReadsOnlyWhatFitsTheBuffer) {
  EXPECT_EQ(AnnouncedLength(GetParam().value), GetParam().length) << "value \"" << GetParam().value << "\"";
}

// 31 characters fit a 32-byte buffer with its terminator; 32 do not.
const std::string kLongestFitting = std::string(27, '0') + "1234";
const std::string kShortestTooLong = std::string(28, '0') + "1234";

INSTANTIATE_TEST_SUITE_P(
    Values, AnnouncedLengthTest,
    ::testing::Values(AnnouncedCase{"1234", 1234}, AnnouncedCase{" +42", 42}, AnnouncedCase{"-5", -5},
                      AnnouncedCase{"100, 100", 100}, AnnouncedCase{"none", 0}, AnnouncedCase{"", 0},
                      AnnouncedCase{kLongestFitting, 1234}, AnnouncedCase{kShortestTooLong, std::nullopt},
                      AnnouncedCase{"99999999999999999999999", std::numeric_limits<long long>::max()}));

struct ReadSizeCase {
  std::optional<long long> announced;
  std::size_t readSize;
};

class ReadSizeForTest : public ::testing::TestWithParam<ReadSizeCase> {};

TEST_P(ReadSizeForTest, ReservesAnnouncedPlusOneWithinBounds) {
  EXPECT_EQ(ReadSizeFor(GetParam().announced), GetParam().readSize);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ReadSizeForTest,
                         ::testing::Values(ReadSizeCase{std::nullopt, 10240}, ReadSizeCase{0, 10240},
                                           ReadSizeCase{-1, 10240},
                                           ReadSizeCase{std::numeric_limits<long long>::min(), 10240},
                                           ReadSizeCase{1, 2}, ReadSizeCase{100, 101}, ReadSizeCase{10240, 10241},
                                           ReadSizeCase{102398, 102399}, ReadSizeCase{102399, 102400},
                                           ReadSizeCase{102400, 102400}, ReadSizeCase{5'000'000, 102400},
                                           ReadSizeCase{std::numeric_limits<long long>::max(), 102400}));

}  // namespace
}  // namespace chatmock::pictures
