// Text and byte values: byte lengths, null and empty alike, fresh blocks,
// and the byte block's layout.

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "app/values.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#endif

namespace chatmock {
namespace {

// GB18030 bytes: 宋体 is two two-byte characters, U+1F600 and U+20000 four bytes each.
constexpr const char* kSongTi = "\xCB\xCE\xCC\xE5";
constexpr const char* kGrinningFace = "\x94\x39\xFC\x36";
constexpr const char* kRareHan = "\x95\x32\x82\x36";

struct LengthCase {
  const char* label;
  TextRef text;
  std::int32_t length;
  friend void PrintTo(const LengthCase& c, std::ostream* os) { *os << c.label; }
};

class TextLengthTest : public testing::TestWithParam<LengthCase> {};

TEST_P(TextLengthTest, CountsBytesUpToTheTerminator) {
  EXPECT_EQ(TextLength(GetParam().text), GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextLengthTest,
    testing::Values(LengthCase{"null", nullptr, 0}, LengthCase{"constant_empty", "", 0},
                    LengthCase{"ascii", "abc", 3}, LengthCase{"two_byte_chinese", kSongTi, 4},
                    LengthCase{"four_byte_emoji", kGrinningFace, 4},
                    LengthCase{"four_byte_rare_han", kRareHan, 4},
                    LengthCase{"mixed", "\xCB\xCE" "a" "\x94\x39\xFC\x36", 7}),
    [](const testing::TestParamInfo<LengthCase>& info) { return std::string(info.param.label); });

TEST(TextValueTest, NullAndEmptyBlockMeasureTheSame) {
  const TextValue null;
  const TextValue empty = TextValue::Copy("");
  EXPECT_TRUE(null.IsNull());
  ASSERT_FALSE(empty.IsNull());
  EXPECT_EQ(TextLength(null), 0);
  EXPECT_EQ(TextLength(empty), 0);
  EXPECT_EQ(empty.View(), "");
}

struct JoinCase {
  const char* label;
  std::vector<const char*> pieces;  // null stands for a null text
  std::string joined;
  friend void PrintTo(const JoinCase& c, std::ostream* os) { *os << c.label; }
};

class JoinTextsTest : public testing::TestWithParam<JoinCase> {};

TEST_P(JoinTextsTest, GivesOneFreshTerminatedBlock) {
  const std::vector<const char*>& p = GetParam().pieces;
  auto piece = [&p](std::size_t i) -> TextRef { return i < p.size() ? TextRef(p[i]) : TextRef(""); };
  // Up to four pieces: the cases stay readable, the call stays the real one.
  const TextValue joined = p.size() == 0   ? JoinTexts({})
                           : p.size() == 1 ? JoinTexts({piece(0)})
                           : p.size() == 2 ? JoinTexts({piece(0), piece(1)})
                           : p.size() == 3 ? JoinTexts({piece(0), piece(1), piece(2)})
                                           : JoinTexts({piece(0), piece(1), piece(2), piece(3)});
  ASSERT_FALSE(joined.IsNull());
  EXPECT_EQ(joined.View(), GetParam().joined);
  EXPECT_EQ(TextLength(joined), static_cast<std::int32_t>(GetParam().joined.size()));
  for (const char* text : p) EXPECT_NE(joined.Data(), text) << "the result must be its own block";
#if defined(__SANITIZE_ADDRESS__)
  // Allocated at the exact size: the byte after the terminator is not the block's.
  EXPECT_FALSE(__asan_address_is_poisoned(joined.Data() + GetParam().joined.size()));
  EXPECT_TRUE(__asan_address_is_poisoned(joined.Data() + GetParam().joined.size() + 1));
#endif
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, JoinTextsTest,
    testing::Values(JoinCase{"a_null_in_the_middle", {"abc", nullptr, "d"}, "abcd"},
                    JoinCase{"two_nulls", {nullptr, nullptr}, ""},
                    JoinCase{"no_pieces", {}, ""},
                    JoinCase{"constant_empties", {"", ""}, ""},
                    JoinCase{"one_piece", {"abc"}, "abc"},
                    JoinCase{"chinese_and_four_byte", {kSongTi, kGrinningFace}, "\xCB\xCE\xCC\xE5\x94\x39\xFC\x36"},
                    JoinCase{"four_pieces", {"a", "", nullptr, "bc"}, "abc"}),
    [](const testing::TestParamInfo<JoinCase>& info) { return std::string(info.param.label); });

TEST(JoinTextsTest, TakesMorePiecesThanFitOnTheStack) {
  const TextValue joined = JoinTexts({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", nullptr, "11"});
  EXPECT_EQ(joined.View(), "1234567891011");
}

TEST(JoinTextsTest, JoiningAValueWithItselfLeavesItIntact) {
  const TextValue text = TextValue::Copy("ab");
  const TextValue twice = JoinTexts({text, text});
  EXPECT_EQ(twice.View(), "abab");
  EXPECT_EQ(text.View(), "ab");
}

struct IntCase {
  std::int32_t value;
  const char* text;
  friend void PrintTo(const IntCase& c, std::ostream* os) { *os << c.value; }
};

class IntToTextTest : public testing::TestWithParam<IntCase> {};

TEST_P(IntToTextTest, WritesShortestSignedDecimal) {
  const TextValue text = IntToText(GetParam().value);
  ASSERT_FALSE(text.IsNull());
  EXPECT_EQ(text.View(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, IntToTextTest,
                         testing::Values(IntCase{0, "0"}, IntCase{5, "5"}, IntCase{-1, "-1"},
                                         IntCase{INT32_MIN, "-2147483648"},
                                         IntCase{INT32_MAX, "2147483647"}));

TEST(ReleaseValueTest, LeavesTheHandleNullAndASecondReleaseDoesNothing) {
  TextValue text = TextValue::Copy("abc");
  ReleaseValue(text);
  EXPECT_TRUE(text.IsNull());
  ReleaseValue(text);
  EXPECT_TRUE(text.IsNull());

  ByteValue bytes = ByteValue::Copy(std::vector<std::uint8_t>{1, 2});
  ReleaseValue(bytes);
  EXPECT_TRUE(bytes.IsNull());
  ReleaseValue(bytes);
  EXPECT_TRUE(bytes.IsNull());

  TextValue null;
  ReleaseValue(null);
  EXPECT_TRUE(null.IsNull());
}

TEST(ReleaseValueTest, AMovedFromValueOwnsNothing) {
  TextValue first = TextValue::Copy("abc");
  TextValue second = std::move(first);
  EXPECT_TRUE(first.IsNull());  // NOLINT(bugprone-use-after-move): the point of the test
  EXPECT_EQ(second.View(), "abc");
  second = TextValue::Copy("d");  // the old block is freed, not leaked
  EXPECT_EQ(second.View(), "d");
}

TEST(TextValueCopyTest, StopsAtAZeroByte) {
  const TextValue text = TextValue::Copy(std::string_view("ab\0cd", 5));
  EXPECT_EQ(text.View(), "ab");
  EXPECT_EQ(TextLength(text), 2);
}

TEST(ByteValueTest, BlockIsTheWordOneThenTheCountThenTheBytes) {
  const std::vector<std::uint8_t> data = {0x00, 0xFF, 0x7F};
  const ByteValue bytes = ByteValue::Copy(data);
  ASSERT_FALSE(bytes.IsNull());
  std::int32_t word = 0, count = 0;
  std::memcpy(&word, bytes.Block(), sizeof word);
  std::memcpy(&count, bytes.Block() + sizeof word, sizeof count);
  EXPECT_EQ(word, 1);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(std::memcmp(bytes.Block() + 2 * sizeof(std::int32_t), data.data(), data.size()), 0);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.Bytes().begin(), bytes.Bytes().end()), data);
  EXPECT_NE(bytes.Bytes().data(), data.data());
}

TEST(ByteValueTest, NoBytesIsNull) {
  const ByteValue none = ByteValue::Copy({});
  EXPECT_TRUE(none.IsNull());
  EXPECT_TRUE(none.Bytes().empty());
  EXPECT_TRUE(ByteValue().Bytes().empty());
}

}  // namespace
}  // namespace chatmock
