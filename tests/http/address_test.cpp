#include "pictures/http/address.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>

namespace chatmock::pictures {

bool operator==(const HttpAddress& a, const HttpAddress& b) {
  return std::tie(a.scheme, a.host, a.port, a.user, a.password, a.path) ==
         std::tie(b.scheme, b.host, b.port, b.user, b.password, b.path);
}

void PrintTo(const HttpAddress& a, std::ostream* out) {
  *out << "{scheme=" << a.scheme << " host=" << a.host << " port=" << a.port << " user=" << a.user
       << " password=" << a.password << " path=" << a.path << "}";
}

namespace {

struct SplitCase {
  std::string name;
  std::string address;
  std::optional<HttpAddress> expected;
};

void PrintTo(const SplitCase& c, std::ostream* out) { *out << c.name; }

std::string Repeated(char c, std::size_t count) { return std::string(count, c); }

std::vector<SplitCase> SplitCases() {
  const std::string hostAtLimit = Repeated('h', kMaxHostLength);
  const std::string pathAtLimit = "/" + Repeated('p', kMaxPathLength - 1);
  const std::string userAtLimit = Repeated('u', kMaxUserLength);
  const std::string passwordAtLimit = Repeated('w', kMaxPasswordLength);
  return {
      {"HttpDefaultPort", "http://qlogo.store.qq.com/qzone/1/1/50",
       HttpAddress{"http", "qlogo.store.qq.com", 80, "", "", "/qzone/1/1/50"}},
      {"HttpsDefaultPort", "https://example.com/a", HttpAddress{"https", "example.com", 443, "", "", "/a"}},
      {"SchemeCaseKeptButDefaultPortFound", "HTTPS://Example.COM/",
       HttpAddress{"HTTPS", "Example.COM", 443, "", "", "/"}},
      {"ExplicitPort", "http://example.com:8080/a", HttpAddress{"http", "example.com", 8080, "", "", "/a"}},
      {"ExplicitPortOnHttps", "https://example.com:80/", HttpAddress{"https", "example.com", 80, "", "", "/"}},
      {"EmptyPortMeansDefault", "http://example.com:/a", HttpAddress{"http", "example.com", 80, "", "", "/a"}},
      {"PortReadUpToFirstNonDigit", "http://example.com:81x/", HttpAddress{"http", "example.com", 81, "", "", "/"}},
      {"PortRangeNotCheckedHere", "http://example.com:99999/", HttpAddress{"http", "example.com", 99999, "", "", "/"}},
      {"NoPathBecomesRoot", "http://example.com", HttpAddress{"http", "example.com", 80, "", "", "/"}},
      {"QueryRightAfterHostGetsRoot", "http://example.com?x=1",
       HttpAddress{"http", "example.com", 80, "", "", "/?x=1"}},
      {"FragmentRightAfterHostGetsRoot", "http://example.com#top",
       HttpAddress{"http", "example.com", 80, "", "", "/#top"}},
      {"PathKeepsQueryAndFragment", "http://example.com/p?q=1#frag",
       HttpAddress{"http", "example.com", 80, "", "", "/p?q=1#frag"}},
      {"UserAndPassword", "http://user:pw@example.com:81/p",
       HttpAddress{"http", "example.com", 81, "user", "pw", "/p"}},
      {"UserWithoutPassword", "http://user@example.com/", HttpAddress{"http", "example.com", 80, "user", "", "/"}},
      {"EmptyPassword", "http://user:@example.com/", HttpAddress{"http", "example.com", 80, "user", "", "/"}},
      {"PasswordMayHoldAtAndColon", "http://us:p@s:s@example.com/",
       HttpAddress{"http", "example.com", 80, "us", "p@s:s", "/"}},
      {"AtAndColonInPathStayThere", "http://example.com/a@b:c",
       HttpAddress{"http", "example.com", 80, "", "", "/a@b:c"}},
      {"BracketedIpv6WithPort", "http://[::1]:8080/x", HttpAddress{"http", "[::1]", 8080, "", "", "/x"}},
      {"BracketedIpv6WithoutPort", "http://[::1]/x", HttpAddress{"http", "[::1]", 80, "", "", "/x"}},
      {"OtherSchemeSplitsWithoutPort", "ftp://example.com/file", HttpAddress{"ftp", "example.com", 0, "", "", "/file"}},
      {"NothingTrimmed", " http://example.com/ ", HttpAddress{" http", "example.com", 0, "", "", "/ "}},
      {"HostAtLimit", "http://" + hostAtLimit + "/", HttpAddress{"http", hostAtLimit, 80, "", "", "/"}},
      {"PathAtLimit", "http://h" + pathAtLimit, HttpAddress{"http", "h", 80, "", "", pathAtLimit}},
      {"UserAtLimit", "http://" + userAtLimit + "@h/", HttpAddress{"http", "h", 80, userAtLimit, "", "/"}},
      {"PasswordAtLimit", "http://u:" + passwordAtLimit + "@h/",
       HttpAddress{"http", "h", 80, "u", passwordAtLimit, "/"}},

      {"Empty", "", std::nullopt},
      {"NoScheme", "example.com/path", std::nullopt},
      {"SchemeWithoutSlashes", "mailto:someone@example.com", std::nullopt},
      {"EmptyScheme", "://example.com/", std::nullopt},
      {"NothingAfterScheme", "http://", std::nullopt},
      {"EmptyHost", "http:///path", std::nullopt},
      {"EmptyHostWithUserAndPort", "http://user@:80/x", std::nullopt},
      {"UnclosedIpv6", "http://[::1/x", std::nullopt},
      {"JunkAfterIpv6", "http://[::1]x/", std::nullopt},
      {"HostOnePastLimit", "http://" + hostAtLimit + "h/", std::nullopt},
      {"PathOnePastLimit", "http://h" + pathAtLimit + "p", std::nullopt},
      {"UserOnePastLimit", "http://" + userAtLimit + "u@h/", std::nullopt},
      {"PasswordOnePastLimit", "http://u:" + passwordAtLimit + "w@h/", std::nullopt},
  };
}

class SplitAddressTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitAddressTest, SplitsIntoPieces) { EXPECT_EQ(SplitAddress(GetParam().address), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Addresses, SplitAddressTest, ::testing::ValuesIn(SplitCases()),
                         [](const auto& info) { return info.param.name; });

struct TargetCase {
  std::string name;
  std::string path;
  std::string target;
};

void PrintTo(const TargetCase& c, std::ostream* out) { *out << c.name; }

class RequestTargetTest : public ::testing::TestWithParam<TargetCase> {};

TEST_P(RequestTargetTest, EncodesWhatMayNotStandInARequestLine) {
  EXPECT_EQ(RequestTarget(GetParam().path), GetParam().target);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, RequestTargetTest,
    ::testing::Values(TargetCase{"Plain", "/qzone/1/1/50", "/qzone/1/1/50"}, TargetCase{"Space", "/a b", "/a%20b"},
                      TargetCase{"ControlByte", "/a\x01z", "/a%01z"}, TargetCase{"Tab", "/\t", "/%09"},
                      TargetCase{"Delete", "/\x7F", "/%7F"}, TargetCase{"NulByte", std::string("/a\0b", 4), "/a%00b"},
                      TargetCase{"Gb18030Bytes", "/\xC4\xE3\xBA\xC3.jpg", "/%C4%E3%BA%C3.jpg"},
                      TargetCase{"HighBytesAtBothEnds", "/\x80\xFF", "/%80%FF"},
                      TargetCase{"LineBreakCannotAddHeaders", "/x\r\nX-Injected: 1", "/x%0D%0AX-Injected:%201"},
                      TargetCase{"ExistingEscapesPassAsTyped", "/%41%2f?x=/y&z=%zz", "/%41%2f?x=/y&z=%zz"},
                      TargetCase{"PrintablePunctuationPasses", "/~!$&'()*+,;=:@[]{}|\\^`\"<>",
                                 "/~!$&'()*+,;=:@[]{}|\\^`\"<>"},
                      TargetCase{"CutAtFirstHash", "/p?q=1#frag#more", "/p?q=1"},
                      TargetCase{"EncodingAfterHashIsDropped", "/p#a b", "/p"}, TargetCase{"OnlyFragment", "#top", ""},
                      TargetCase{"Empty", "", ""}),
    [](const auto& info) { return info.param.name; });

// Every single byte, so no range boundary of the rule is left to chance.
TEST(RequestTargetBytes, EachByteEitherPassesOrBecomesUpperCaseEscape) {
  for (int value = 0; value <= 0xFF; ++value) {
    const char byte = static_cast<char>(value);
    const bool mustEncode = value <= 0x20 || value >= 0x7F;
    if (byte == '#') {
      EXPECT_EQ(RequestTarget(std::string(1, byte)), "");
      continue;
    }
    char escape[4];
    std::snprintf(escape, sizeof escape, "%%%02X", value);
    const std::string expected = mustEncode ? std::string(escape) : std::string(1, byte);
    EXPECT_EQ(RequestTarget(std::string(1, byte)), expected) << "byte 0x" << std::hex << value;
  }
}

}  // namespace
}  // namespace chatmock::pictures
