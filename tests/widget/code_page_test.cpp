// The code page boundary: GB18030 bytes to Qt strings and back.

#include <gtest/gtest.h>

#include <string>

#include "app/codepage.h"

namespace chatmock {
namespace {

struct RoundTrip {
  const char* label;
  const char16_t* text;
  std::string bytes;
  friend void PrintTo(const RoundTrip& c, std::ostream* os) { *os << c.label; }
};

class CodePageTest : public testing::TestWithParam<RoundTrip> {};

TEST_P(CodePageTest, EncodesToTheseBytes) {
  EXPECT_EQ(EncodeCodePage(QString::fromUtf16(GetParam().text)), GetParam().bytes);
}

TEST_P(CodePageTest, DecodesBackToTheSameText) {
  EXPECT_EQ(DecodeCodePage(GetParam().bytes), QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CodePageTest,
    testing::Values(RoundTrip{"song_ti", u"宋体", "\xCB\xCE\xCC\xE5"},
                    RoundTrip{"ascii", u"QQ 123", "QQ 123"},
                    RoundTrip{"emoji", u"\U0001F600", "\x94\x39\xFC\x36"},
                    RoundTrip{"rare_han", u"\U00020000", "\x95\x32\x82\x36"},
                    RoundTrip{"mixed", u"你好\U0001F600!", "\xC4\xE3\xBA\xC3\x94\x39\xFC\x36!"}),
    [](const testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.label); });

TEST(CodePageTest, EmptyQtTextIsANullValue) {
  EXPECT_TRUE(TextFromQString(QString()).IsNull());
  EXPECT_TRUE(TextFromQString(QStringLiteral("")).IsNull());
}

TEST(CodePageTest, TextValueCarriesTheEncodedBytes) {
  const TextValue text = TextFromQString(QString::fromUtf16(u"宋体\U0001F600"));
  EXPECT_EQ(text.View(), "\xCB\xCE\xCC\xE5\x94\x39\xFC\x36");
  EXPECT_EQ(TextLength(text), 8);
  EXPECT_EQ(QStringFromText(text), QString::fromUtf16(u"宋体\U0001F600"));
  EXPECT_TRUE(QStringFromText(nullptr).isNull());
}

}  // namespace
}  // namespace chatmock
