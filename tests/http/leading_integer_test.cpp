#include "pictures/http/leading_integer.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace chatmock::pictures {
namespace {

constexpr long long kMax = std::numeric_limits<long long>::max();
constexpr long long kMin = std::numeric_limits<long long>::min();

struct IntegerCase {
  std::string text;
  long long value;
};

class ReadLeadingIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ReadLeadingIntegerTest, ReadsLikeAtoiWithoutOverflow) {
  EXPECT_EQ(ReadLeadingInteger(GetParam().text), GetParam().value) << "text \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadLeadingIntegerTest,
    ::testing::Values(IntegerCase{"1234", 1234}, IntegerCase{"  \t+42", 42}, IntegerCase{"\r\n\v\f7", 7},
                      IntegerCase{"-5", -5}, IntegerCase{"12abc", 12}, IntegerCase{"1 2", 1}, IntegerCase{"abc", 0},
                      IntegerCase{"", 0}, IntegerCase{"+", 0}, IntegerCase{"-", 0}, IntegerCase{"+-3", 0},
                      IntegerCase{"007", 7}, IntegerCase{"9223372036854775807", kMax},
                      IntegerCase{"9223372036854775808", kMax}, IntegerCase{"99999999999999999999999999", kMax},
                      IntegerCase{"-9223372036854775808", kMin}, IntegerCase{"-9223372036854775809", kMin},
                      IntegerCase{"-99999999999999999999999999", kMin}));

}  // namespace
}  // namespace chatmock::pictures
