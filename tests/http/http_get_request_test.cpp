// What arrives at the server: the request line, the headers, and nothing at all for refused addresses.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "pictures/http/address.h"
#include "pictures/http/http_get.h"
#include "tests/http/loopback_fixture.h"

namespace chatmock::pictures::loopback {
namespace {

constexpr char kUserAgentLine[] = "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n";
constexpr char kPictureAddress[] = "http://qlogo.store.qq.com/qzone/1/1/50";

std::string HostLine(const ScriptedServer& server) {
  return "Host: 127.0.0.1:" + std::to_string(server.Port()) + "\r\n";
}

using HttpGetRequestTest = LoopbackTest;

TEST_F(HttpGetRequestTest, SendsAPlainHttp10RequestAndNothingMore) {
  ScriptedServer server(Answer(OkReply("GIF89a")));
  ASSERT_TRUE(HttpGet(server.Url("/qzone/1/1/50")).has_value());
  const ServerLog log = server.Finish();
  ASSERT_EQ(log.requests.size(), 1u);
  EXPECT_EQ(log.requests[0], "GET /qzone/1/1/50 HTTP/1.0\r\n" + HostLine(server) + kUserAgentLine +
                                 "Accept: */*\r\n"
                                 "\r\n");
}

// The handle is shared by all fetches; credentials of one address must not ride along on the next.
TEST_F(HttpGetRequestTest, SendsTheCredentialsOfThisAddressOnly) {
  ScriptedServer server(Answer(OkReply("ok")));
  const std::string address = "http://user:pw@127.0.0.1:" + std::to_string(server.Port()) + "/private";
  ASSERT_TRUE(HttpGet(address).has_value());
  ASSERT_TRUE(HttpGet(server.Url("/public")).has_value());
  const ServerLog log = server.Finish();
  ASSERT_EQ(log.requests.size(), 2u);
  EXPECT_NE(log.requests[0].find("\r\nAuthorization: Basic dXNlcjpwdw==\r\n"), std::string::npos) << log.requests[0];
  EXPECT_EQ(log.requests[1].find("Authorization"), std::string::npos) << log.requests[1];
}

struct TargetCase {
  std::string name;
  std::string typedPath;  // everything after "http://127.0.0.1:<port>"
  std::string target;     // what the request line must carry
};

void PrintTo(const TargetCase& c, std::ostream* out) { *out << c.name; }

class HttpGetTargetTest : public LoopbackTest, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(HttpGetTargetTest, RequestLineCarriesTheEncodedTarget) {
  ScriptedServer server(Answer(OkReply("ok")));
  ASSERT_TRUE(HttpGet(server.Url(GetParam().typedPath)).has_value());
  const ServerLog log = server.Finish();
  ASSERT_EQ(log.requests.size(), 1u);
  EXPECT_EQ(RequestLine(log.requests[0]), "GET " + GetParam().target + " HTTP/1.0");
  EXPECT_EQ(log.requests[0].find("\r\nX-Injected"), std::string::npos) << log.requests[0];
}

const std::string kPathAtLimit = "/" + std::string(kMaxPathLength - 1, 'p');

INSTANTIATE_TEST_SUITE_P(
    Paths, HttpGetTargetTest,
    ::testing::Values(TargetCase{"FragmentCut", "/pic.gif?size=50#frag", "/pic.gif?size=50"},
                      TargetCase{"SpaceEncoded", "/my pic.gif", "/my%20pic.gif"},
                      TargetCase{"ControlByteEncoded", "/a\x01z", "/a%01z"},
                      TargetCase{"Gb18030Encoded", "/\xC4\xE3\xBA\xC3.gif", "/%C4%E3%BA%C3.gif"},
                      TargetCase{"LineBreakCannotAddHeaders", "/x\r\nX-Injected: 1", "/x%0D%0AX-Injected:%201"},
                      TargetCase{"EscapesQueryAndSlashesPass", "/%41/b?x=/y&z=%zz", "/%41/b?x=/y&z=%zz"},
                      TargetCase{"DotSegmentsPassAsTyped", "/a/../b/./c", "/a/../b/./c"},
                      TargetCase{"PunctuationPasses", "/~!$&'()*+,;=:@{}|^`", "/~!$&'()*+,;=:@{}|^`"},
                      TargetCase{"NoPathIsRoot", "", "/"}, TargetCase{"QueryAfterHostIsRooted", "?uin=50", "/?uin=50"},
                      TargetCase{"PathAtLimitSent", kPathAtLimit, kPathAtLimit}),
    [](const auto& info) { return info.param.name; });

struct RefusedCase {
  std::string name;
  std::function<std::string(const ScriptedServer&)> address;
};

void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.name; }

class HttpGetRefusedAddressTest : public LoopbackTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(HttpGetRefusedAddressTest, SendsNothing) {
  ScriptedServer server(Answer(OkReply("should not be fetched")));
  EXPECT_FALSE(HttpGet(GetParam().address(server)).has_value());
  EXPECT_TRUE(server.Finish().requests.empty());
}

std::string Authority(const ScriptedServer& server) { return "127.0.0.1:" + std::to_string(server.Port()); }

INSTANTIATE_TEST_SUITE_P(
    Addresses, HttpGetRefusedAddressTest,
    ::testing::Values(RefusedCase{"PathOnePastLimit", [](const auto& s) { return s.Url(kPathAtLimit + "p"); }},
                      RefusedCase{"UserOnePastLimit",
                                  [](const auto& s) {
                                    return "http://" + std::string(kMaxUserLength + 1, 'u') + "@" + Authority(s) + "/";
                                  }},
                      RefusedCase{"PasswordOnePastLimit",
                                  [](const auto& s) {
                                    return "http://u:" + std::string(kMaxPasswordLength + 1, 'w') + "@" + Authority(s) +
                                           "/";
                                  }},
                      RefusedCase{"FtpScheme", [](const auto& s) { return "ftp://" + Authority(s) + "/"; }},
                      RefusedCase{"UnknownScheme", [](const auto& s) { return "gopher://" + Authority(s) + "/"; }},
                      RefusedCase{"LeadingSpaceNotTrimmed", [](const auto& s) { return s.Url("/").insert(0, 1, ' '); }},
                      RefusedCase{"NoScheme", [](const auto& s) { return Authority(s) + "/"; }},
                      RefusedCase{"Empty", [](const auto&) { return std::string(); }}),
    [](const auto& info) { return info.param.name; });

TEST_F(HttpGetRequestTest, PortOutsideTheTcpRangeIsRefused) {
  for (const char* address : {"http://127.0.0.1:0/", "http://127.0.0.1:65536/", "http://127.0.0.1:-80/"}) {
    EXPECT_FALSE(HttpGet(address).has_value()) << address;
  }
}

TEST_F(HttpGetRequestTest, HttpProxyReceivesTheAbsoluteAddress) {
  ScriptedServer proxy(Answer(OkReply("from proxy")));
  environment_.Set("http_proxy", proxy.Url(""));
  const auto body = HttpGet(kPictureAddress);
  ASSERT_TRUE(body.has_value());
  EXPECT_EQ(AsText(*body), "from proxy");
  const ServerLog log = proxy.Finish();
  ASSERT_EQ(log.requests.size(), 1u);
  EXPECT_EQ(RequestLine(log.requests[0]), "GET http://qlogo.store.qq.com/qzone/1/1/50 HTTP/1.0");
  EXPECT_NE(log.requests[0].find("\r\nHost: qlogo.store.qq.com\r\n"), std::string::npos) << log.requests[0];
  EXPECT_NE(log.requests[0].find(std::string("\r\n") + kUserAgentLine), std::string::npos) << log.requests[0];
}

TEST_F(HttpGetRequestTest, HttpsProxyIsAskedForATunnel) {
  ScriptedServer proxy(Answer(Reply("HTTP/1.0 403 Forbidden", "Content-Length: 0\r\n", "")));
  environment_.Set("https_proxy", proxy.Url(""));
  EXPECT_FALSE(HttpGet("https://qlogo.store.qq.com/qzone/1/1/50").has_value());
  const ServerLog log = proxy.Finish();
  ASSERT_EQ(log.requests.size(), 1u);
  EXPECT_EQ(RequestLine(log.requests[0]).substr(0, 32), "CONNECT qlogo.store.qq.com:443 H");
}

TEST_F(HttpGetRequestTest, NoProxyListBypassesTheProxy) {
  RefusingPort deadProxy;
  ScriptedServer server(Answer(OkReply("direct")));
  environment_.Set("http_proxy", "http://127.0.0.1:" + std::to_string(deadProxy.Port()));
  environment_.Set("no_proxy", "127.0.0.1");
  const auto body = HttpGet(server.Url("/direct"));
  ASSERT_TRUE(body.has_value());
  EXPECT_EQ(AsText(*body), "direct");
}

// The handle keeps its cookies for the whole process, and every test talks to 127.0.0.1: a path of its own
// per run keeps this cookie away from other tests and from earlier runs (--gtest_repeat).
TEST_F(HttpGetRequestTest, CookieFromOneReplyReturnsOnTheNextRequest) {
  static int run = 0;
  const std::string jar = "/cookie-jar/" + std::to_string(++run);
  ScriptedServer server(std::vector{
      Answer(Reply("HTTP/1.0 200 OK", "Set-Cookie: session=42; Path=" + jar + "\r\nContent-Length: 5\r\n", "first")),
      Answer(OkReply("second"))});
  ASSERT_TRUE(HttpGet(server.Url(jar + "/first")).has_value());
  ASSERT_TRUE(HttpGet(server.Url(jar + "/second")).has_value());
  const ServerLog log = server.Finish();
  ASSERT_EQ(log.requests.size(), 2u);
  EXPECT_EQ(log.requests[0].find("Cookie:"), std::string::npos) << log.requests[0];
  EXPECT_NE(log.requests[1].find("\r\nCookie: session=42\r\n"), std::string::npos) << log.requests[1];
}

}  // namespace
}  // namespace chatmock::pictures::loopback
