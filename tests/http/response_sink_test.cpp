#include "pictures/http/response_sink.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace chatmock::pictures {
namespace {

constexpr std::size_t kLimit = 1000;

struct ReserveCase {
  std::string name;
  std::vector<std::string> headerLines;
  std::size_t bodyBytes;
  std::size_t capacity;
};

void PrintTo(const ReserveCase& c, std::ostream* out) { *out << c.name; }

class ResponseSinkReserveTest : public ::testing::TestWithParam<ReserveCase> {};

// The capacity of the returned body shows how much was reserved before the first chunk arrived.
TEST_P(ResponseSinkReserveTest, ReservesOnceFromTheAnnouncedLength) {
  ResponseSink sink(kLimit);
  for (const std::string& line : GetParam().headerLines) ASSERT_TRUE(sink.AcceptHeaderLine(line)) << line;
  ASSERT_TRUE(sink.AcceptBodyChunk(std::string(GetParam().bodyBytes, 'b')));
  const auto body = sink.TakeBody();
  ASSERT_TRUE(body.has_value());
  EXPECT_EQ(body->size(), GetParam().bodyBytes);
  EXPECT_EQ(body->capacity(), GetParam().capacity);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, ResponseSinkReserveTest,
    ::testing::Values(
        ReserveCase{"AnnouncedPlusOne", {"HTTP/1.0 200 OK\r\n", "Content-Length: 100\r\n", "\r\n"}, 100, 101},
        ReserveCase{"NameAnyCaseValueBlanksIgnored", {"HTTP/1.0 200 OK\r\n", "content-LENGTH:   42  \r\n"}, 42, 43},
        ReserveCase{"NoLengthDefault", {"HTTP/1.0 200 OK\r\n", "Content-Type: image/gif\r\n"}, 5, 10240},
        ReserveCase{"ZeroLengthDefault", {"HTTP/1.0 200 OK\r\n", "Content-Length: 0\r\n"}, 5, 10240},
        ReserveCase{"NegativeLengthDefault", {"HTTP/1.0 200 OK\r\n", "Content-Length: -7\r\n"}, 5, 10240},
        ReserveCase{"LengthTooLongForBufferDefault",
                    {"HTTP/1.0 200 OK\r\n", "Content-Length: " + std::string(28, '0') + "1234\r\n"},
                    5,
                    10240},
        ReserveCase{"SimilarHeaderNameIgnored", {"HTTP/1.0 200 OK\r\n", "X-Content-Length: 100\r\n"}, 5, 10240},
        ReserveCase{"EarlierReplyForgotten",
                    {"HTTP/1.0 302 Found\r\n", "Content-Length: 100\r\n", "\r\n", "HTTP/1.0 200 OK\r\n", "\r\n"},
                    5,
                    10240}),
    [](const auto& info) { return info.param.name; });

TEST(ResponseSinkLimit, RefusesAnAnnouncedBodyOverTheLimitBeforeAnyByte) {
  ResponseSink atLimit(kLimit);
  EXPECT_TRUE(atLimit.AcceptHeaderLine("Content-Length: 1000\r\n"));
  ResponseSink overLimit(kLimit);
  EXPECT_FALSE(overLimit.AcceptHeaderLine("Content-Length: 1001\r\n"));
}

TEST(ResponseSinkLimit, RefusesTheChunkThatPassesTheLimit) {
  ResponseSink sink(kLimit);
  ASSERT_TRUE(sink.AcceptBodyChunk(std::string(600, 'a')));
  ASSERT_TRUE(sink.AcceptBodyChunk(std::string(400, 'b')));
  EXPECT_FALSE(sink.AcceptBodyChunk("c"));
}

TEST(ResponseSinkLimit, RefusesAChunkLargerThanTheWholeLimit) {
  ResponseSink sink(kLimit);
  EXPECT_FALSE(sink.AcceptBodyChunk(std::string(kLimit + 1, 'a')));
  EXPECT_FALSE(sink.TakeBody().has_value());
}

TEST(ResponseSinkBody, EmptyBodyIsNoResult) {
  ResponseSink sink(kLimit);
  ASSERT_TRUE(sink.AcceptHeaderLine("HTTP/1.0 200 OK\r\n"));
  ASSERT_TRUE(sink.AcceptBodyChunk(""));
  EXPECT_FALSE(sink.TakeBody().has_value());
}

TEST(ResponseSinkBody, ChunksArriveInOrderInOneBuffer) {
  ResponseSink sink(kLimit);
  for (const char* chunk : {"GIF", "89a", "", "\x01\x02"}) ASSERT_TRUE(sink.AcceptBodyChunk(chunk));
  const auto body = sink.TakeBody();
  ASSERT_TRUE(body.has_value());
  EXPECT_EQ(std::string(body->begin(), body->end()), "GIF89a\x01\x02");
}

// libcurl reads any count other than the one it passed as "stop".
TEST(ResponseSinkCallbacks, ReportTheFullCountOrStop) {
  ResponseSink sink(kLimit);
  char line[] = "Content-Length: 5000\r\n";
  EXPECT_EQ(ResponseSink::OnHeader(line, 1, sizeof line - 1, &sink), 0u);

  ResponseSink accepting(kLimit);
  char chunk[] = "abcdef";
  EXPECT_EQ(ResponseSink::OnBody(chunk, 2, 3, &accepting), 6u);
  std::vector<char> tooMuch(kLimit, 'x');
  EXPECT_EQ(ResponseSink::OnBody(tooMuch.data(), 1, tooMuch.size(), &accepting), 0u);
}

}  // namespace
}  // namespace chatmock::pictures
