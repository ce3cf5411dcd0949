// Who owns what: every read hands out a fresh block, and a written value
// stays the caller's.

#include <gtest/gtest.h>

#include "app/definition.h"
#include "app/kinds/edit_box.h"
#include "app/properties.h"
#include "pictures/picture_box.h"
#include "tests/widget/picture_bytes.h"
#include "tests/widget/window_fixture.h"

namespace chatmock::testing_support {
namespace {

constexpr PropertyIndex kEditText = 8;
constexpr PropertyIndex kPicture = 10;

using ValueOwnershipTest = WindowTest;

TEST_F(ValueOwnershipTest, TwoTextReadsGiveTwoBlocksWithEqualBytes) {
  WriteProperty(controls::编辑框2, kEditText, kWholeValue, "\xC4\xE3\xBA\xC3");
  TextValue first = ReadProperty(controls::编辑框2, kEditText, kWholeValue).TakeText();
  const TextValue second = ReadProperty(controls::编辑框2, kEditText, kWholeValue).TakeText();
  ASSERT_FALSE(first.IsNull());
  ASSERT_FALSE(second.IsNull());
  EXPECT_NE(first.Data(), second.Data());
  EXPECT_EQ(first.View(), second.View());
  ReleaseValue(first);
  EXPECT_EQ(second.View(), "\xC4\xE3\xBA\xC3");
  EXPECT_EQ(KindOf<EditBox>(controls::编辑框2).text(), QString::fromUtf16(u"你好"));
}

TEST_F(ValueOwnershipTest, TwoByteReadsGiveTwoBlocksWithEqualBytes) {
  const Bytes picture = BmpBytes(SolidImage(2, 2, Qt::blue));
  WriteProperty(controls::图片框4, kPicture, kWholeValue, ByteValue::Copy(picture));
  ByteValue first = ReadProperty(controls::图片框4, kPicture, kWholeValue).TakeBytes();
  const ByteValue second = ReadProperty(controls::图片框4, kPicture, kWholeValue).TakeBytes();
  EXPECT_NE(first.Block(), second.Block());
  ReleaseValue(first);
  EXPECT_EQ(Bytes(second.Bytes().begin(), second.Bytes().end()), picture);
}

TEST_F(ValueOwnershipTest, ReleasingAWrittenTextLeavesTheControlIntact) {
  TextValue text = TextValue::Copy("\xCB\xCE\xCC\xE5");
  WriteProperty(controls::编辑框2, kEditText, kWholeValue, text);
  WriteProperty(controls::编辑框2, common::kTag, kWholeValue, text);
  ReleaseValue(text);
  EXPECT_EQ(KindOf<EditBox>(controls::编辑框2).text(), QString::fromUtf16(u"宋体"));
  EXPECT_EQ(ReadProperty(controls::编辑框2, kEditText, kWholeValue).TakeText().View(), "\xCB\xCE\xCC\xE5");
  EXPECT_EQ(ReadProperty(controls::编辑框2, common::kTag, kWholeValue).TakeText().View(), "\xCB\xCE\xCC\xE5");
}

TEST_F(ValueOwnershipTest, ReleasingWrittenBytesLeavesThePictureIntact) {
  const Bytes picture = BmpBytes(SolidImage(6, 5, Qt::green));
  ByteValue bytes = ByteValue::Copy(picture);
  WriteProperty(controls::图片框4, kPicture, kWholeValue, bytes);
  ReleaseValue(bytes);
  auto& box = KindOf<PictureBox>(controls::图片框4);
  EXPECT_TRUE(box.HasPicture());
  EXPECT_EQ(box.CurrentImage().size(), QSize(6, 5));
  const QImage shown = box.grab().toImage();
  EXPECT_EQ(shown.pixel(2, 2) & 0xFFFFFFu, 0x00FF00u);
  const ByteValue read = ReadProperty(controls::图片框4, kPicture, kWholeValue).TakeBytes();
  EXPECT_EQ(Bytes(read.Bytes().begin(), read.Bytes().end()), picture);
}

}  // namespace
}  // namespace chatmock::testing_support
