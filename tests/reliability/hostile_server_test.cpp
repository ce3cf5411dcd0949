// The fetch button against servers that end the exchange themselves, badly:
// lying lengths, bodies far past the cap, redirections that loop or leave
// the web, resets, replies that are not HTTP. Every fetch of the click meets
// the same server. None may crash, hold the window past the moment the
// server gives up, or leave a picture in a box; the window works afterwards.

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <ostream>
#include <string>

#include "pictures/picture_box.h"
#include "tests/http/proxy_environment.h"
#include "tests/reliability/hostile_replies.h"
#include "tests/reliability/live_window.h"
#include "tests/reliability/picture_samples.h"

namespace chatmock::reliability {
namespace {

using pictures::loopback::ProxyEnvironment;
using Seconds = std::chrono::duration<double>;

constexpr PropertyIndex kPicture = 10;
constexpr std::size_t kMiB = 1u << 20;
constexpr std::size_t kHundredMiB = 100 * kMiB;
constexpr int kFetchesPerClick = 3;
// libcurl's limit plus the first request.
constexpr int kRequestsPerRedirectLoop = 11;
// A fetch the server ends has no reason to wait for any time-out; this
// leaves room for three 16 MiB transfers under the sanitizers.
constexpr Seconds kServerEndsBound{10.0};

enum class Outcome {
  kNull,         // the fetch gives no bytes at all
  kKeptBytes,    // the fetch gives exactly `kept`
  kNoPicture,    // some bytes may arrive, but they show nothing
};

struct HostileCase {
  const char* name;
  Behaviour behaviour;
  Outcome outcome;
  std::string kept;
  int requests;  // connections the click makes
};

// Names the case in GoogleTest's messages instead of dumping its bytes.
void PrintTo(const HostileCase& value, std::ostream* out) { *out << value.name; }

std::string PictureText(std::span<const std::uint8_t> bytes) {
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::string RandomBytes(std::size_t count, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(count, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
  return bytes;
}

std::vector<HostileCase> Cases() {
  const std::string bmp = PictureText(PalettedBmp());
  const std::string longLine = "X-Filler: " + std::string(300 * 1024, 'a');
  return {
      {"ContentLengthLargerThanBody", AnnouncedBody(static_cast<long long>(bmp.size()) + 500, bmp),
       Outcome::kNull, "", kFetchesPerClick},
      {"ContentLengthSmallerThanBody", AnnouncedBody(10, "0123456789" + bmp), Outcome::kKeptBytes, "0123456789",
       kFetchesPerClick},
      {"ContentLengthNegative", AnnouncedBody(-5, bmp), Outcome::kNoPicture, "", kFetchesPerClick},
      {"ContentLengthPastSixtyFourBits", RawBytes(ReplyHead("200 OK", {"Content-Length: 18446744073709551621"}) + bmp),
       Outcome::kNull, "", kFetchesPerClick},
      {"HundredMiBAnnounced", StreamedBody(kHundredMiB, true), Outcome::kNull, "", kFetchesPerClick},
      {"HundredMiBUnannounced", StreamedBody(kHundredMiB, false), Outcome::kNull, "", kFetchesPerClick},
      {"EndlessBodyAtFullSpeed", EndlessBody(64 * 1024, milliseconds{0}), Outcome::kNull, "", kFetchesPerClick},
      {"RedirectLoop", Redirect("http://qlogo.store.qq.com/again"), Outcome::kNull, "",
       kFetchesPerClick * kRequestsPerRedirectLoop},
      {"RedirectToFileAddress", Redirect("file:///etc/passwd"), Outcome::kNull, "", kFetchesPerClick},
      {"RedirectToFtpAddress", Redirect("ftp://127.0.0.1/picture.bmp"), Outcome::kNull, "", kFetchesPerClick},
      {"ResetInTheMiddleOfTheBody", ResetMidBody(bmp, bmp.size() / 2), Outcome::kNull, "", kFetchesPerClick},
      {"ResetRightAfterTheHead", ResetMidBody(bmp, 0), Outcome::kNull, "", kFetchesPerClick},
      {"NotHttpButABanner", RawBytes("SSH-2.0-OpenSSH_9.2p1 Debian-2\r\n"), Outcome::kNull, "", kFetchesPerClick},
      {"NotHttpButNoise", RawBytes(RandomBytes(4096, 7)), Outcome::kNull, "", kFetchesPerClick},
      {"NothingAtAll", RawBytes(""), Outcome::kNull, "", kFetchesPerClick},
      {"HeadThatNeverEnds", RawBytes("HTTP/1.0 200 OK\r\nContent-Type: image/bmp\r\n"), Outcome::kNull, "",
       kFetchesPerClick},
      {"HeaderLineOverLibcurlsLimit", RawBytes(ReplyHead("200 OK", {longLine}) + bmp), Outcome::kNull, "",
       kFetchesPerClick},
  };
}

class HostileServerTest : public LiveWindowTest, public ::testing::WithParamInterface<HostileCase> {};

TEST_P(HostileServerTest, EndsPromptlyClearsTheBoxesAndLeavesTheWindowWorking) {
  const HostileCase& hostile = GetParam();
  FillFetchedBoxes(PalettedBmp());
  for (ControlRef box : kFetchedBoxes) ASSERT_TRUE(Box(box).HasPicture());

  HostileServer server(hostile.behaviour);
  ProxyEnvironment environment;
  environment.Set("http_proxy", server.Url());
  SetNumbers("10001", "20002");
  const Seconds held = TimedFetch();
  server.Stop();

  EXPECT_LT(held.count(), kServerEndsBound.count()) << "the window was held " << held.count() << " s";
  EXPECT_EQ(static_cast<int>(server.RequestLines().size()), hostile.requests);
  for (ControlRef box : kFetchedBoxes) {
    EXPECT_FALSE(Box(box).HasPicture());
    ByteValue bytes = ReadProperty(box, kPicture, kWholeValue).TakeBytes();
    if (hostile.outcome == Outcome::kNull) {
      EXPECT_TRUE(bytes.IsNull()) << bytes.Bytes().size() << " bytes kept";
    } else if (hostile.outcome == Outcome::kKeptBytes) {
      EXPECT_EQ(PictureText(bytes.Bytes()), hostile.kept);
    }
  }
  ExpectWindowAnswersInput("alive");
}

INSTANTIATE_TEST_SUITE_P(Replies, HostileServerTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<HostileCase>& info) { return info.param.name; });

}  // namespace
}  // namespace chatmock::reliability
