#include "pictures/decode/byte_reader.h"

#include <gtest/gtest.h>

#include <vector>

namespace chatmock::pictures {
namespace {

const std::vector<std::uint8_t> kBytes = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07};

TEST(ByteReaderTest, ReadsLittleEndian) {
  ByteReader reader(kBytes);
  EXPECT_EQ(reader.U8(), 0x01);
  EXPECT_EQ(reader.U16(), 0x0302);
  EXPECT_EQ(reader.U32(), 0x07060504u);
  EXPECT_TRUE(reader.Ok());
  EXPECT_TRUE(reader.AtEnd());
}

TEST(ByteReaderTest, ReadPastEndFailsForGoodAndReturnsZero) {
  ByteReader reader(kBytes);
  reader.Skip(5);
  EXPECT_EQ(reader.U32(), 0u);  // only two bytes left
  EXPECT_FALSE(reader.Ok());
  EXPECT_EQ(reader.U8(), 0u);  // a byte that exists is not handed out after a failure
  EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(ByteReaderTest, SeekAcceptsTheEndButNotBeyond) {
  ByteReader reader(kBytes);
  EXPECT_TRUE(reader.Seek(kBytes.size()));
  EXPECT_TRUE(reader.Ok());
  EXPECT_FALSE(reader.Seek(kBytes.size() + 1));
  EXPECT_FALSE(reader.Ok());
}

TEST(ByteReaderTest, SkipHugeCountDoesNotWrapAround) {
  ByteReader reader(kBytes);
  reader.U8();
  EXPECT_FALSE(reader.Skip(SIZE_MAX));
  EXPECT_FALSE(reader.Ok());
}

TEST(ByteReaderTest, TakeBoundsThePartAndMovesPastIt) {
  ByteReader reader(kBytes);
  ByteReader part = reader.Take(2);
  EXPECT_EQ(part.U16(), 0x0201);
  EXPECT_EQ(part.U8(), 0u);
  EXPECT_FALSE(part.Ok());
  EXPECT_TRUE(reader.Ok());
  EXPECT_EQ(reader.U8(), 0x03);
  ByteReader tooLong = reader.Take(10);
  EXPECT_FALSE(tooLong.Ok());
  EXPECT_FALSE(reader.Ok());
}

}  // namespace
}  // namespace chatmock::pictures
