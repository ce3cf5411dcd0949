// The fetch button against servers that never end the exchange: a body that
// goes on slowly for ever, a byte every five seconds, a server that accepts
// and says nothing. Only the fetch's own time-outs can end these, so each
// case serves its misbehaviour to the avatar's fetch alone and a quick 404
// to the two show figures: one click then costs one time-out, not three.

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "pictures/picture_box.h"
#include "pictures/http/http_get.h"
#include "tests/http/proxy_environment.h"
#include "tests/reliability/hostile_replies.h"
#include "tests/reliability/live_window.h"
#include "tests/reliability/picture_samples.h"

namespace chatmock::reliability {
namespace {

using pictures::loopback::ProxyEnvironment;
using Seconds = std::chrono::duration<double>;

constexpr PropertyIndex kPicture = 10;
constexpr milliseconds kFiveSeconds{5000};
// Two quick 404s and the sanitizers' slowness on top of the time-out itself.
constexpr Seconds kMargin{4.0};

const pictures::HttpLimits kProduction{};
const Seconds kTotalLimit{kProduction.totalTimeoutMs / 1000.0};
const Seconds kStallLimit{kProduction.stallTimeoutMs / 1000.0};

struct StallingCase {
  const char* name;
  Behaviour behaviour;
  Seconds bound;  // the time-out that must end it
};

// Names the case in GoogleTest's messages instead of dumping its bytes.
void PrintTo(const StallingCase& value, std::ostream* out) { *out << value.name; }

std::string BmpReply() {
  const PictureBytes bmp = PalettedBmp();
  return ReplyHead("200 OK", {"Content-Length: " + std::to_string(bmp.size())}) +
         std::string(bmp.begin(), bmp.end());
}

std::vector<StallingCase> Cases() {
  return {
      {"EndlessSlowBody", EndlessBody(256, milliseconds{500}), kTotalLimit},
      {"OneBodyByteEveryFiveSeconds", Trickle(BmpReply(), kFiveSeconds, true), kTotalLimit},
      {"OneReplyByteEveryFiveSeconds", Trickle(BmpReply(), kFiveSeconds, false), kTotalLimit},
      {"AcceptsAndNeverAnswers", Silent(), kStallLimit},
  };
}

class StallingServerTest : public LiveWindowTest, public ::testing::WithParamInterface<StallingCase> {};

TEST_P(StallingServerTest, TheTimeOutEndsTheFetchAndClearsTheBox) {
  const StallingCase& stalling = GetParam();
  FillFetchedBoxes(PalettedBmp());

  HostileServer server(FirstThen(stalling.behaviour, NotFound()));
  ProxyEnvironment environment;
  environment.Set("http_proxy", server.Url());
  SetNumbers("10001", "20002");
  const Seconds held = TimedFetch();
  server.Stop();

  EXPECT_LT(held.count(), (stalling.bound + kMargin).count()) << "the window was held " << held.count() << " s";
  RecordProperty("held_seconds", std::to_string(held.count()));
  std::printf("%s held the window %.2f s\n", stalling.name, held.count());
  EXPECT_EQ(server.RequestLines().size(), 3u);
  ByteValue avatar = ReadProperty(controls::图片框2, kPicture, kWholeValue).TakeBytes();
  EXPECT_TRUE(avatar.IsNull()) << avatar.Bytes().size() << " bytes kept from a fetch that timed out";
  for (ControlRef box : kFetchedBoxes) EXPECT_FALSE(Box(box).HasPicture());
  ExpectWindowAnswersInput("awake");
}

INSTANTIATE_TEST_SUITE_P(Servers, StallingServerTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<StallingCase>& info) { return info.param.name; });

}  // namespace
}  // namespace chatmock::reliability
