// Pictures that break off: a server hands out a JPEG, a GIF and a BMP cut
// after every tenth byte, one cut a fetch, in order, until every length has
// been served. Whatever a cut leaves, a box ends with no picture or with one
// no larger than the whole picture, and the window goes on working.

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cstdio>
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

constexpr std::size_t kCutStep = 10;
constexpr std::size_t kFetchesPerClick = 3;
// Three fetches at their longest; a cut picture on loopback needs nothing near it.
constexpr Seconds kClickBound{60.0};

struct CutCase {
  const char* name;
  PictureBytes (*picture)();
};

// Names the case in GoogleTest's messages instead of dumping its bytes.
void PrintTo(const CutCase& value, std::ostream* out) { *out << value.name; }

// Connection i gets the first i * kCutStep bytes; past the whole picture, a 404.
Behaviour CutsInOrder(const PictureBytes& whole) {
  const std::string bytes(whole.begin(), whole.end());
  return [bytes, notFound = NotFound()](Peer& peer, int index) {
    const std::size_t length = static_cast<std::size_t>(index) * kCutStep;
    if (length >= bytes.size()) return notFound(peer, index);
    peer.Send(ReplyHead("200 OK", {"Content-Length: " + std::to_string(length)}) + bytes.substr(0, length));
  };
}

class CutPicturesTest : public LiveWindowTest, public ::testing::WithParamInterface<CutCase> {
 protected:
  QSize WholeSize(const PictureBytes& whole) {
    FillFetchedBoxes(whole);
    const QSize size = Box(controls::图片框3).CurrentImage().size();
    FillFetchedBoxes({});
    return size;
  }
};

TEST_P(CutPicturesTest, EveryCutShowsNothingOrNoMoreThanTheWhole) {
  const PictureBytes whole = GetParam().picture();
  const QSize wholeSize = WholeSize(whole);
  ASSERT_FALSE(wholeSize.isEmpty()) << "the uncut picture must show";
  const std::size_t cuts = (whole.size() + kCutStep - 1) / kCutStep;
  const std::size_t clicks = (cuts + kFetchesPerClick - 1) / kFetchesPerClick;

  HostileServer server(CutsInOrder(whole));
  ProxyEnvironment environment;
  environment.Set("http_proxy", server.Url());
  Seconds longest{0};
  std::size_t shown = 0;
  for (std::size_t click = 0; click < clicks; ++click) {
    longest = std::max(longest, TimedFetch());
    ProcessPendingEvents();
    for (ControlRef box : kFetchedBoxes) {
      if (!Box(box).HasPicture()) continue;
      ++shown;
      const QSize size = Box(box).CurrentImage().size();
      ASSERT_FALSE(size.isEmpty()) << "click " << click;
      ASSERT_LE(size.width(), wholeSize.width()) << "click " << click;
      ASSERT_LE(size.height(), wholeSize.height()) << "click " << click;
    }
  }
  server.Stop();

  EXPECT_GE(server.RequestLines().size(), cuts);
  EXPECT_LT(longest.count(), kClickBound.count());
  std::printf("%s: %zu bytes, %zu cuts, %zu showed a picture, longest click %.3f s\n", GetParam().name,
              whole.size(), cuts, shown, longest.count());
  ExpectWindowAnswersInput("intact");
}

INSTANTIATE_TEST_SUITE_P(Pictures, CutPicturesTest,
                         ::testing::Values(CutCase{"ChatFrameJpeg", &ChatFrameJpeg},
                                           CutCase{"TwoFrameGif", &TwoFrameGif},
                                           CutCase{"PalettedBmp", &PalettedBmp}),
                         [](const ::testing::TestParamInfo<CutCase>& info) { return info.param.name; });

}  // namespace
}  // namespace chatmock::reliability
