// How replies turn into results: whole bodies come back whatever the status, anything broken, refused,
// stalled or oversized gives no result.
#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>

#include "pictures/http/http_get.h"
#include "tests/http/loopback_fixture.h"

namespace chatmock::pictures::loopback {
namespace {

using std::chrono::milliseconds;

// Long enough that a client which has not given up is still waiting when the pause would end.
constexpr milliseconds kLongPause{4000};
constexpr std::size_t kShortBodyLimit = 1 << 20;

const std::string kNotFoundPage = "<html><body><h1>404 Not Found</h1></body></html>";

struct BodyCase {
  std::string name;
  std::vector<ConnectionScript> scripts;
  std::string body;
};

void PrintTo(const BodyCase& c, std::ostream* out) { *out << c.name; }

class HttpGetBodyTest : public LoopbackTest, public ::testing::WithParamInterface<BodyCase> {};

TEST_P(HttpGetBodyTest, ReturnsTheWholeBody) {
  ScriptedServer server(GetParam().scripts);
  const auto body = HttpGet(server.Url("/picture"));
  ASSERT_TRUE(body.has_value());
  EXPECT_EQ(AsText(*body), GetParam().body);
}

ConnectionScript Redirect(std::string_view status, std::string_view location) {
  return Answer(Reply(status, "Location: " + std::string(location) + "\r\nContent-Length: 5\r\n", "moved"));
}

INSTANTIATE_TEST_SUITE_P(
    Replies, HttpGetBodyTest,
    ::testing::Values(
        BodyCase{"Announced", {Answer(OkReply("GIF89a"))}, "GIF89a"},
        BodyCase{"BinaryWithNulBytes",
                 {Answer(OkReply(std::string("\x89PNG\0\0\r\n", 8)))},
                 std::string("\x89PNG\0\0\r\n", 8)},
        BodyCase{
            "NotFoundPageAsBytes",
            {Answer(Reply("HTTP/1.0 404 Not Found",
                          "Content-Type: text/html\r\nContent-Length: " + std::to_string(kNotFoundPage.size()) + "\r\n",
                          kNotFoundPage))},
            kNotFoundPage},
        BodyCase{"ServerErrorPageAsBytes", {Answer(Reply("HTTP/1.1 500 Oops", "", "broken"))}, "broken"},
        BodyCase{"UnannouncedInPausedChunks",
                 {ConnectionScript{{ReplyStep{"HTTP/1.0 200 OK\r\n\r\n", milliseconds{30}},
                                    ReplyStep{"first,", milliseconds{30}}, ReplyStep{"second,", milliseconds{30}},
                                    ReplyStep{"third"}}}},
                 "first,second,third"},
        BodyCase{"HeadersSplitAcrossChunks",
                 {ConnectionScript{{ReplyStep{"HTTP/1.0 200 OK\r\nContent-Le", milliseconds{30}},
                                    ReplyStep{"ngth: 4\r\n\r\nbo", milliseconds{30}}, ReplyStep{"dy"}}}},
                 "body"},
        BodyCase{"LongerThanAnnouncedIsCut",
                 {Answer(Reply("HTTP/1.0 200 OK", "Content-Length: 5\r\n", "HelloWorld"))},
                 "Hello"},
        BodyCase{"MovedPermanentlyFollowed",
                 {Redirect("HTTP/1.0 301 Moved Permanently", "/next"), Answer(OkReply("there"))},
                 "there"},
        BodyCase{"FoundFollowed", {Redirect("HTTP/1.0 302 Found", "/next"), Answer(OkReply("there"))}, "there"},
        BodyCase{"SeeOtherFollowed", {Redirect("HTTP/1.1 303 See Other", "/next"), Answer(OkReply("there"))}, "there"},
        BodyCase{"TemporaryRedirectFollowed",
                 {Redirect("HTTP/1.1 307 Temporary Redirect", "/next"), Answer(OkReply("there"))},
                 "there"},
        BodyCase{
            "TenRedirectionsFollowed",
            {Redirect("HTTP/1.0 302 Found", "/1"), Redirect("HTTP/1.0 302 Found", "/2"),
             Redirect("HTTP/1.0 302 Found", "/3"), Redirect("HTTP/1.0 302 Found", "/4"),
             Redirect("HTTP/1.0 302 Found", "/5"), Redirect("HTTP/1.0 302 Found", "/6"),
             Redirect("HTTP/1.0 302 Found", "/7"), Redirect("HTTP/1.0 302 Found", "/8"),
             Redirect("HTTP/1.0 302 Found", "/9"), Redirect("HTTP/1.0 302 Found", "/10"), Answer(OkReply("eleventh"))},
            "eleventh"}),
    [](const auto& info) { return info.param.name; });

struct FailureCase {
  std::string name;
  std::vector<ConnectionScript> scripts;
  HttpLimits limits;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class HttpGetFailureTest : public LoopbackTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(HttpGetFailureTest, GivesNoResult) {
  ScriptedServer server(GetParam().scripts);
  EXPECT_FALSE(HttpGet(server.Url("/picture"), GetParam().limits).has_value());
}

HttpLimits StallLimits() { return HttpLimits{.stallTimeoutMs = 1000}; }

ConnectionScript ResetAfter(std::string bytes) {
  return ConnectionScript{{ReplyStep{std::move(bytes), milliseconds{50}}}, Ending::kReset};
}

// Headers, then one byte per pause: always faster than the stall limit, never done in time.
ConnectionScript Trickle(std::size_t bytes, milliseconds pause) {
  ConnectionScript script{{ReplyStep{"HTTP/1.0 200 OK\r\n\r\n"}}};
  script.steps.insert(script.steps.end(), bytes, ReplyStep{"x", pause});
  return script;
}

INSTANTIATE_TEST_SUITE_P(
    Replies, HttpGetFailureTest,
    ::testing::Values(
        FailureCase{"AnnouncedEmptyBody", {Answer(OkReply(""))}, {}},
        FailureCase{"UnannouncedEmptyBody", {Answer("HTTP/1.0 200 OK\r\n\r\n")}, {}},
        FailureCase{"EmptyNotFound", {Answer("HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n")}, {}},
        FailureCase{"ClosedWithoutReply", {Answer("")}, {}},
        FailureCase{"NotHttpAtAll", {Answer("SSH-2.0-OpenSSH_9.2\r\nGIF89a")}, {}},
        FailureCase{"HeadersNeverEnd", {Answer("HTTP/1.0 200 OK\r\nContent-Type: image/gif\r\n")}, {}},
        FailureCase{"ResetInAnnouncedBody",
                    {ResetAfter("HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\n" + std::string(300, 'x'))},
                    {}},
        FailureCase{"ResetInUnannouncedBody", {ResetAfter("HTTP/1.0 200 OK\r\n\r\n" + std::string(300, 'x'))}, {}},
        FailureCase{"ShorterThanAnnounced",
                    {Answer("HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\n" + std::string(300, 'x'))},
                    {}},
        FailureCase{"RedirectToFile", {Redirect("HTTP/1.0 302 Found", "file:///etc/passwd")}, {}},
        FailureCase{"RedirectLoop", {Redirect("HTTP/1.0 302 Found", "/picture")}, {}},
        FailureCase{"StallBeforeReply", {ConnectionScript{{ReplyStep{"", kLongPause}}}}, StallLimits()},
        FailureCase{"TrickleEndedByTotalTime", {Trickle(40, milliseconds{100})}, HttpLimits{.totalTimeoutMs = 700}},
        FailureCase{"UnannouncedBodyOverLimit",
                    {Answer("HTTP/1.0 200 OK\r\n\r\n" + std::string(kShortBodyLimit + 1, 'x'))},
                    HttpLimits{.maxBodyBytes = kShortBodyLimit}},
        FailureCase{"AnnouncedBodyOverLimit",
                    {Answer(OkReply(std::string(kShortBodyLimit + 1, 'x')))},
                    HttpLimits{.maxBodyBytes = kShortBodyLimit}}),
    [](const auto& info) { return info.param.name; });

TEST_F(LoopbackTest, RefusedConnectionGivesNoResult) {
  RefusingPort port;
  EXPECT_FALSE(HttpGet("http://127.0.0.1:" + std::to_string(port.Port()) + "/picture").has_value());
}

TEST_F(LoopbackTest, BodyExactlyAtTheLimitIsReturned) {
  const std::string picture(kShortBodyLimit, 'x');
  ScriptedServer server(Answer("HTTP/1.0 200 OK\r\n\r\n" + picture));
  const auto body = HttpGet(server.Url("/picture"), HttpLimits{.maxBodyBytes = kShortBodyLimit});
  ASSERT_TRUE(body.has_value());
  EXPECT_EQ(body->size(), picture.size());
}

// The client hangs up during the server's pause: it gave up on the announcement, not on the bytes.
TEST_F(LoopbackTest, OversizedAnnouncementRefusedBeforeTheBody) {
  ScriptedServer server(ConnectionScript{
      {ReplyStep{"HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(kShortBodyLimit + 1) + "\r\n\r\n", kLongPause},
       ReplyStep{std::string(kShortBodyLimit + 1, 'x')}}});
  EXPECT_FALSE(HttpGet(server.Url("/picture"), HttpLimits{.maxBodyBytes = kShortBodyLimit}).has_value());
  EXPECT_TRUE(server.Finish().clientLeftDuringPause);
}

TEST_F(LoopbackTest, StalledServerIsLeftByTheClient) {
  ScriptedServer server(ConnectionScript{{ReplyStep{"HTTP/1.0 200 OK\r\n\r\n", kLongPause}, ReplyStep{"late"}}});
  EXPECT_FALSE(HttpGet(server.Url("/picture"), StallLimits()).has_value());
  EXPECT_TRUE(server.Finish().clientLeftDuringPause);
}

// libcurl's low-speed check averages over seconds; a few bytes and then
// silence must still end at the stall limit, not at the total one.
TEST_F(LoopbackTest, SilenceAfterSomeBodyIsLeftAtTheStallLimit) {
  ScriptedServer server(ConnectionScript{{ReplyStep{"HTTP/1.0 200 OK\r\n\r\nGIF89a", kLongPause}, ReplyStep{"late"}}});
  EXPECT_FALSE(HttpGet(server.Url("/picture"), HttpLimits{.stallTimeoutMs = 1000, .totalTimeoutMs = 60'000}).has_value());
  EXPECT_TRUE(server.Finish().clientLeftDuringPause);
}

TEST_F(LoopbackTest, AnnouncedLengthIsReservedUpFront) {
  const std::string picture(100, 'p');
  ScriptedServer server(Answer(OkReply(picture)));
  const auto body = HttpGet(server.Url("/picture"));
  ASSERT_TRUE(body.has_value());
  EXPECT_EQ(body->size(), 100u);
  EXPECT_EQ(body->capacity(), 101u);
}

TEST_F(LoopbackTest, RedirectToAnotherServerIsFollowedWithoutReferer) {
  ScriptedServer target(Answer(OkReply("moved picture")));
  ScriptedServer origin(Redirect("HTTP/1.0 302 Found", target.Url("/new/place")));
  const auto body = HttpGet(origin.Url("/old/place"));
  ASSERT_TRUE(body.has_value());
  EXPECT_EQ(AsText(*body), "moved picture");
  const ServerLog log = target.Finish();
  ASSERT_EQ(log.requests.size(), 1u);
  EXPECT_EQ(RequestLine(log.requests[0]), "GET /new/place HTTP/1.0");
  EXPECT_EQ(log.requests[0].find("Referer"), std::string::npos) << log.requests[0];
}

TEST_F(LoopbackTest, RedirectionsStopAfterTen) {
  ScriptedServer server(Redirect("HTTP/1.0 302 Found", "/again"));
  EXPECT_FALSE(HttpGet(server.Url("/again")).has_value());
  EXPECT_EQ(server.Finish().requests.size(), 11u);
}

// A listening server stands behind the ftp: address, so following it would show as a connection.
TEST_F(LoopbackTest, RedirectToFtpIsNotFollowed) {
  ScriptedServer ftp(Answer("220 ready\r\n"));
  ScriptedServer origin(
      Redirect("HTTP/1.0 301 Moved Permanently", "ftp://127.0.0.1:" + std::to_string(ftp.Port()) + "/"));
  EXPECT_FALSE(HttpGet(origin.Url("/picture")).has_value());
  EXPECT_TRUE(ftp.Finish().requests.empty());
}

TEST_F(LoopbackTest, RedirectToFileIsNotFollowedAnywhere) {
  ScriptedServer server(std::vector{Redirect("HTTP/1.0 302 Found", "file:///etc/passwd"), Answer(OkReply("no"))});
  EXPECT_FALSE(HttpGet(server.Url("/picture")).has_value());
  EXPECT_EQ(server.Finish().requests.size(), 1u);
}

}  // namespace
}  // namespace chatmock::pictures::loopback
